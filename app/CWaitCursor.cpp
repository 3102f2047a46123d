#include "CWaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

CWaitCursor::CWaitCursor(Qt::CursorShape shape)
{
    QGuiApplication::setOverrideCursor(QCursor(shape));
}

CWaitCursor::~CWaitCursor()
{
    QGuiApplication::restoreOverrideCursor();
}
