#include "CResourceImages.h"

#include "CResourceModule.h"

#include <QPixmap>

namespace {
QPixmap FromPng(const std::vector<unsigned char>& png)
{
    QPixmap pixmap;
    pixmap.loadFromData(png.data(), static_cast<uint>(png.size()), "PNG");
    return pixmap;
}
}

QIcon CResourceImages::Icon(unsigned id)
{
    const CResourceModule* module = CResourceModule::Current();
    return QIcon(FromPng(module ? module->GetIcon(id) : std::vector<unsigned char>()));
}

QIcon CResourceImages::Bitmap(unsigned id)
{
    return QIcon(BitmapPixmap(id));
}

QPixmap CResourceImages::BitmapPixmap(unsigned id)
{
    const CResourceModule* module = CResourceModule::Current();
    return FromPng(module ? module->GetBitmap(id) : std::vector<unsigned char>());
}
