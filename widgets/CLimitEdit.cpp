#include "CLimitEdit.h"

#include <algorithm>

CLimitEdit::CLimitEdit(QWidget* parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::textEdited, this, &CLimitEdit::DropRefused);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { m_before = text; });
}

void CLimitEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    emit FocusLost();
}

bool CLimitEdit::Refuses(QChar character) const
{
    const bool ascii = m_mode == kAsciiOnly || m_mode == kAsciiWithoutRefused;
    const bool refused = m_mode == kRefusedCharacter || m_mode == kAsciiWithoutRefused;
    return (ascii && character.unicode() >= 128) || (refused && character == m_refused);
}

// Only what the user's change put in is looked at: text the program set
// keeps every character.
void CLimitEdit::DropRefused(const QString& text)
{
    const qsizetype shorter = std::min(text.size(), m_before.size());
    qsizetype prefix = 0;
    while (prefix < shorter && text[prefix] == m_before[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix && text[text.size() - 1 - suffix] == m_before[m_before.size() - 1 - suffix])
        ++suffix;
    QString inserted = text.mid(prefix, text.size() - prefix - suffix);
    const qsizetype typed = inserted.size();
    inserted.removeIf([this](QChar character) { return Refuses(character); });
    if (inserted.size() == typed)
        return;
    setText(text.left(prefix) + inserted + text.right(suffix));
    setCursorPosition(static_cast<int>(prefix + inserted.size()));
}
