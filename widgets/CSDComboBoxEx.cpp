#include "CSDComboBoxEx.h"

void CSDComboBoxEx::AddEntry(const QIcon& picture, const QString& text)
{
    addItem(picture, text);
    const QList<QSize> sizes = picture.availableSizes();
    if (!sizes.isEmpty())
        setIconSize(iconSize().expandedTo(sizes.front()));
}
