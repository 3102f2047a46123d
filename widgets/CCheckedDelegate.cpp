#include "CCheckedDelegate.h"

bool CCheckedDelegate::Accepts(QWidget*, const QModelIndex&) const
{
    return true;
}
