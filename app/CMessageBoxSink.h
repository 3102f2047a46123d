#pragma once

#include "IMessageSink.h"

#include <QString>

// Shows every message of the program in a modal message box over the
// active window; its text can be selected and copied (an address, the
// printer's reply).
class CMessageBoxSink : public IMessageSink {
public:
    explicit CMessageBoxSink(QString title);
    void ShowMessage(unsigned id, const std::string& text) override;
    // Yes and No, No the default.
    bool Confirm(unsigned id, const std::string& text) override;

private:
    QString m_title;
};
