#include "CPlotterPictures.h"

#include "CPenStyleIconEngine.h"
#include "CResourceImages.h"
#include "ResourceIds.h"

namespace {
// tools/draw-resources.py draws these bitmaps at twice their logical size.
constexpr qreal kDrawnScale = 2.0;
constexpr int kColorImageWidth = 48;

QList<QIcon> StylePictures(const QString& prefix, const QStringList& values)
{
    QList<QIcon> pictures;
    for (const QString& value : values)
        pictures.append(CPlotterPictures::GetPenStylePicture(prefix + value));
    return pictures;
}

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

QIcon CPlotterPictures::GetPenStylePicture(const QString& styleName)
{
    return CPenStyleIconEngine::IsStyle(styleName) ? QIcon(new CPenStyleIconEngine(styleName)) : QIcon();
}

QList<QIcon> CPlotterPictures::GetPenImageList() { return ImageList(ResId::kPenColorImages, kColorImageWidth); }

QList<QIcon> CPlotterPictures::GetStampImageList() { return ImageList(ResId::kStampColorImages, kColorImageWidth); }

QList<QIcon> CPlotterPictures::GetColorImageList() { return ImageList(ResId::kDrawingColorImages, kColorImageWidth); }

QList<QIcon> CPlotterPictures::GetPenEndImages()
{
    return StylePictures("PenEnd", CPenStyleIconEngine::EndValues());
}

QList<QIcon> CPlotterPictures::GetPenJointImages()
{
    return StylePictures("PenJoint", CPenStyleIconEngine::JointValues());
}
