#include "CPlotterPictures.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cstdlib>

namespace {
// Ink within a picture: its columns and rows from the first to the last.
QRect InkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).alpha() > 0)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// Drawn as vectors at the pixels asked for: a cell at 200% gets a picture
// of twice the pixels, whole (no ink on its edges) and centred.
TEST(CPlotterPicturesTest, PenStylePicturesAreDrawnWholeAndCentredAtEveryScale)
{
    for (const char* style : {"PenEndSQUARE", "PenEndROUND", "PenEndEXTEND", "PenEndTRIANGLE", "PenJointUNJOINT",
                              "PenJointBEVEL", "PenJointMITTER", "PenJointROUND"}) {
        for (const qreal scale : {1.0, 2.0}) {
            const QImage image = CPlotterPictures::GetPenStylePicture(style).pixmap(QSize(64, 24), scale).toImage();
            ASSERT_EQ(image.size(), QSize(64, 24) * scale) << style;
            const QRect ink = InkBounds(image);
            EXPECT_TRUE(ink.left() > 0 && ink.top() > 0 && ink.right() < image.width() - 1 &&
                        ink.bottom() < image.height() - 1)
                << style << scale;
            EXPECT_LE(std::abs(ink.top() + ink.bottom() - image.height()), 4 * scale) << style << scale;
        }
    }
    for (const char* unknown : {"PenJointMITER", "penjointmitter", "PenEnd", ""})
        EXPECT_TRUE(CPlotterPictures::GetPenStylePicture(unknown).isNull()) << unknown;
}

// Along the line's upper edge, clear of the end point's dot: the square
// end stops at the end point, the extended one goes half the width past.
TEST(CPlotterPicturesTest, SquareAndExtendedEndsDiffer)
{
    const auto inkRight = [](const char* style) {
        const QImage image = CPlotterPictures::GetPenStylePicture(style).pixmap(QSize(64, 24), 2.0).toImage();
        return InkBounds(image.copy(0, 17, image.width(), 1)).right();
    };
    EXPECT_GE(inkRight("PenEndEXTEND") - inkRight("PenEndSQUARE"), 5);
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
