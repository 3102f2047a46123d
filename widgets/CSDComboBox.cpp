#include "CSDComboBox.h"

bool CSDComboBox::SelectExactly(const QString& text)
{
    setCurrentIndex(findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    return currentIndex() >= 0;
}
