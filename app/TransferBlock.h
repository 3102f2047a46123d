#pragma once

#include "CFtpUpload.h"

#include <QString>

#include <string>

class CPrintJob;

// The main window's description of the transfer of one send file. The
// controller name and the PostScript/PDF option are those of the last
// print-list send; a setup send keeps them.
struct TransferBlock {
    CPrintJob* job = nullptr;
    std::string ftpUserName;
    std::string ftpPassword;
    CFtpUpload::Request request;
    QString progressCaption;
    std::string controllerName;
    int psPdfOption = 0;
};
