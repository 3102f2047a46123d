#pragma once

#include "IMessageSink.h"

#include <QString>

// Shows every message of the program in a modal message box over the
// active window.
class CMessageBoxSink : public IMessageSink {
public:
    explicit CMessageBoxSink(QString title);
    void ShowMessage(unsigned id, const std::string& text) override;

private:
    QString m_title;
};
