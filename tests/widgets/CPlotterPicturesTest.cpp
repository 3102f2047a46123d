#include "CPlotterPictures.h"
#include "CResourceImages.h"
#include "ResourceIds.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {
TEST(CPlotterPicturesTest, PenStylePicturesByNameOnly)
{
    const QPixmap mitre = CPlotterPictures::GetPenStylePicture("PenJointMITTER");
    EXPECT_EQ(mitre.toImage(), CResourceImages::BitmapPixmap(ResId::kPenJointMitterImage).toImage());
    EXPECT_EQ(mitre.deviceIndependentSize(), QSizeF(64, 40));
    EXPECT_EQ(CPlotterPictures::GetPenStylePicture("PenJointMITTER").cacheKey(), mitre.cacheKey());
    for (const char* unknown : {"PenJointMITER", "penjointmitter", "PenEnd", ""})
        EXPECT_TRUE(CPlotterPictures::GetPenStylePicture(unknown).isNull()) << unknown;
}

struct ImageListCase {
    const char* name;
    QList<QIcon> (*get)();
    QSize size;
    QList<QColor> centres;  // of each image, for colour swatches
};

const ImageListCase kImageLists[] = {
    {"Pens", &CPlotterPictures::GetPenImageList, {48, 16}, {Qt::white, Qt::black, Qt::red}},
    {"Stamp", &CPlotterPictures::GetStampImageList, {48, 16}, {Qt::black, Qt::red, QColor(128, 128, 128)}},
    {"Drawing", &CPlotterPictures::GetColorImageList, {48, 16}, {Qt::white, Qt::black, Qt::red}},
    {"Ends", &CPlotterPictures::GetPenEndImages, {64, 24}, {{}, {}, {}, {}}},
    {"Joints", &CPlotterPictures::GetPenJointImages, {64, 24}, {{}, {}, {}, {}}},
};

TEST(CPlotterPicturesTest, ImageListsAreCutIntoTheirImages)
{
    for (const ImageListCase& list : kImageLists) {
        const QList<QIcon> icons = list.get();
        ASSERT_EQ(icons.size(), list.centres.size()) << list.name;
        for (qsizetype i = 0; i < icons.size(); ++i) {
            // Asked for more than it has, an icon hands out its image unscaled.
            const QImage image = icons[i].pixmap(QSize(1000, 1000), 2.0).toImage();
            EXPECT_EQ(image.size(), list.size * 2) << list.name << i;
            const QColor centre = image.pixelColor(list.size.width(), list.size.height());
            EXPECT_TRUE(!list.centres[i].isValid() || centre == list.centres[i]) << list.name << i;
        }
    }
}
}
