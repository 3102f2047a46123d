#pragma once

#include "CSDComboBox.h"

// A drop-down list whose entries show pictures, at the pictures' own size.
class CSDComboBoxEx : public CSDComboBox {
    Q_OBJECT

public:
    using CSDComboBox::CSDComboBox;

    // Appends an entry; the pictures' size grows to hold this one.
    void AddEntry(const QIcon& picture, const QString& text);
};
