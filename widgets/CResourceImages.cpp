#include "CResourceImages.h"

#include "CResourceModule.h"

#include <QPixmap>

namespace {
QIcon FromPng(const std::vector<unsigned char>& png)
{
    QPixmap pixmap;
    pixmap.loadFromData(png.data(), static_cast<uint>(png.size()), "PNG");
    return QIcon(pixmap);
}
}

QIcon CResourceImages::Icon(unsigned id)
{
    const CResourceModule* module = CResourceModule::Current();
    return FromPng(module ? module->GetIcon(id) : std::vector<unsigned char>());
}

QIcon CResourceImages::Bitmap(unsigned id)
{
    const CResourceModule* module = CResourceModule::Current();
    return FromPng(module ? module->GetBitmap(id) : std::vector<unsigned char>());
}
