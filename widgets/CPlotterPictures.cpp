#include "CPlotterPictures.h"

#include "CResourceImages.h"
#include "ResourceIds.h"

#include <QHash>

namespace {
// tools/draw-resources.py draws these bitmaps at twice their logical size.
constexpr qreal kDrawnScale = 2.0;
constexpr int kColorImageWidth = 48;
constexpr int kPenStyleImageWidth = 64;

struct PenStyle {
    const char* name;
    unsigned bitmap;
};

constexpr PenStyle kPenStyles[] = {
    {"PenEndSQUARE", ResId::kPenEndSquareImage},       {"PenEndROUND", ResId::kPenEndRoundImage},
    {"PenEndEXTEND", ResId::kPenEndExtendImage},       {"PenEndTRIANGLE", ResId::kPenEndTriangleImage},
    {"PenJointUNJOINT", ResId::kPenJointUnjointImage}, {"PenJointBEVEL", ResId::kPenJointBevelImage},
    {"PenJointMITTER", ResId::kPenJointMitterImage},   {"PenJointROUND", ResId::kPenJointRoundImage},
};

QPixmap DrawnBitmap(unsigned id)
{
    QPixmap pixmap = CResourceImages::BitmapPixmap(id);
    pixmap.setDevicePixelRatio(kDrawnScale);
    return pixmap;
}

// The bitmap cut into images of the given logical width, as an image list
// cuts it.
QList<QIcon> ImageList(unsigned id, int logicalWidth)
{
    const QPixmap strip = DrawnBitmap(id);
    const int width = qRound(logicalWidth * kDrawnScale);
    QList<QIcon> images;
    for (int left = 0; left + width <= strip.width(); left += width) {
        QPixmap image = strip.copy(left, 0, width, strip.height());
        image.setDevicePixelRatio(kDrawnScale);
        images.append(QIcon(image));
    }
    return images;
}
}

QPixmap CPlotterPictures::GetPenStylePicture(const QString& styleName)
{
    static QHash<QString, QPixmap> cache;
    if (const auto cached = cache.constFind(styleName); cached != cache.constEnd())
        return *cached;
    for (const PenStyle& style : kPenStyles)
        if (styleName == QLatin1String(style.name))
            return *cache.insert(styleName, DrawnBitmap(style.bitmap));
    return {};
}

QList<QIcon> CPlotterPictures::GetPenImageList() { return ImageList(ResId::kPenColorImages, kColorImageWidth); }

QList<QIcon> CPlotterPictures::GetStampImageList() { return ImageList(ResId::kStampColorImages, kColorImageWidth); }

QList<QIcon> CPlotterPictures::GetColorImageList() { return ImageList(ResId::kDrawingColorImages, kColorImageWidth); }

QList<QIcon> CPlotterPictures::GetPenEndImages() { return ImageList(ResId::kLineEndImages, kPenStyleImageWidth); }

QList<QIcon> CPlotterPictures::GetPenJointImages()
{
    return ImageList(ResId::kLineJointImages, kPenStyleImageWidth);
}
