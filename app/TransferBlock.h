#pragma once

#include "CSendSequence.h"

#include <QString>

#include <string>

// The send front end's description of the running transfer: what the send
// sequence prepared (the request and the send file, deleted with it), and
// what the printer told at the last print-list send, which a setup send
// keeps.
struct TransferBlock {
    CSendSequence::Prepared send;
    QString progressCaption;
    std::string controllerName;
    int psPdfOption = 0;
};
