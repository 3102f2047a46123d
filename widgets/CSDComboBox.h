#pragma once

#include <QComboBox>

// A drop-down list whose choice is set by its exact text.
class CSDComboBox : public QComboBox {
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    // Selects the entry whose text equals the given text exactly, or none.
    // Returns whether one did.
    bool SelectExactly(const QString& text);
};
