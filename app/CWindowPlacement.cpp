#include "CWindowPlacement.h"

#include <QWidget>

void CWindowPlacement::CentreOver(QWidget& window, const QWidget& owner)
{
    window.adjustSize();
    const QRect outer = owner.frameGeometry();
    const QSize size = window.frameGeometry().size();
    window.move(outer.left() + (outer.width() - size.width()) / 2, outer.top() + (outer.height() - size.height()) / 2);
}
