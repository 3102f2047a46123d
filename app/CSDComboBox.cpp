#include "CSDComboBox.h"

#include <QFocusEvent>

void CSDComboBox::focusOutEvent(QFocusEvent* event)
{
    QComboBox::focusOutEvent(event);
    // Opening the drop-down list moves the focus to it without ending the choice.
    if (m_tag != 0 && event->reason() != Qt::PopupFocusReason)
        emit FocusLost(m_tag);
}
