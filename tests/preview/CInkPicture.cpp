#include "CInkPicture.h"

#include <gtest/gtest.h>

#include <QTransform>

#include <cmath>
#include <sstream>

namespace {
constexpr double kBoxTolerance = 0.02;
constexpr double kShareNear = 0.9;
constexpr int kReach = 2;
}

CInkPicture::CInkPicture(int width, int height)
    : m_width(width), m_height(height), m_ink(static_cast<std::size_t>(width) * height)
{
}

CInkPicture CInkPicture::FromImage(const QImage& image)
{
    constexpr int kDarkBelow = 128;
    CInkPicture picture(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < kDarkBelow)
                picture.Set(x, y);
    return picture;
}

CInkPicture CInkPicture::FromPbm(const std::string& bytes)
{
    std::istringstream header(bytes);
    std::string magic;
    int width = 0, height = 0;
    header >> magic >> width >> height;
    const auto data = static_cast<std::size_t>(header.tellg()) + 1;
    const std::size_t rowBytes = (static_cast<std::size_t>(width) + 7) / 8;
    if (magic != "P4" || width <= 0 || height <= 0 || bytes.size() < data + rowBytes * height)
        return {};
    CInkPicture picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (static_cast<unsigned char>(bytes[data + y * rowBytes + x / 8]) & (0x80 >> (x % 8)))
                picture.Set(x, y);
    return picture;
}

void CInkPicture::Set(int x, int y)
{
    if (x >= 0 && y >= 0 && x < m_width && y < m_height)
        m_ink[Index(x, y)] = true;
}

QRect CInkPicture::Box() const
{
    QRect box;
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            if (m_ink[Index(x, y)])
                box |= QRect(x, y, 1, 1);
    return box;
}

CInkPicture CInkPicture::Mapped(const QRectF& from, const QRectF& to, int width, int height) const
{
    CInkPicture mapped(width, height);
    const double sx = to.width() / from.width();
    const double sy = to.height() / from.height();
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) {
            if (!m_ink[Index(x, y)])
                continue;
            const double left = to.left() + (x - from.left()) * sx;
            const double top = to.top() + (y - from.top()) * sy;
            for (int my = static_cast<int>(std::floor(top)); my <= static_cast<int>(std::floor(top + sy - 1e-9)); ++my)
                for (int mx = static_cast<int>(std::floor(left)); mx <= static_cast<int>(std::floor(left + sx - 1e-9));
                     ++mx)
                    mapped.Set(mx, my);
        }
    return mapped;
}

double CInkPicture::ShareNear(const CInkPicture& other, int reach) const
{
    long ink = 0, near = 0;
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) {
            if (!m_ink[Index(x, y)])
                continue;
            ++ink;
            bool found = false;
            for (int dy = -reach; dy <= reach && !found; ++dy)
                for (int dx = -reach; dx <= reach && !found; ++dx)
                    found = other.Ink(x + dx, y + dy);
            near += found;
        }
    return ink == 0 ? 0 : static_cast<double>(near) / ink;
}

void CInkPicture::ExpectAlike(const CInkPicture& preview, const CInkPicture& reference, Frame frame)
{
    const QRect box = preview.Box();
    const QRect referenceBox = reference.Box();
    ASSERT_FALSE(box.isEmpty()) << "blank preview";
    ASSERT_FALSE(referenceBox.isEmpty()) << "blank reference";
    const QRectF whole(0, 0, preview.Width(), preview.Height());
    const bool byInk = frame == Frame::Ink;
    const CInkPicture laid =
        reference.Mapped(byInk ? QRectF(referenceBox).adjusted(0, 0, 1, 1)
                               : QRectF(0, 0, reference.Width(), reference.Height()),
                         byInk ? QRectF(box).adjusted(0, 0, 1, 1) : whole, preview.Width(), preview.Height());
    if (byInk)
        EXPECT_NEAR(static_cast<double>(box.width()) * referenceBox.height() / (box.height() * referenceBox.width()), 1,
                    kBoxTolerance)
            << "inked box of another shape";
    else
        ExpectInkAt(preview, QTransform::fromScale(1 / whole.width(), 1 / whole.height()).mapRect(QRectF(laid.Box())));
    EXPECT_GE(laid.ShareNear(preview, kReach), kShareNear) << "reference ink missing in the preview";
    EXPECT_GE(preview.ShareNear(laid, kReach), kShareNear) << "preview ink not in the reference";
}

void CInkPicture::ExpectInkAt(const CInkPicture& preview, const QRectF& shares)
{
    const QRect box = preview.Box();
    const double w = preview.Width();
    const double h = preview.Height();
    EXPECT_NEAR(box.left() / w, shares.left(), kBoxTolerance);
    EXPECT_NEAR(box.top() / h, shares.top(), kBoxTolerance);
    EXPECT_NEAR((box.right() + 1) / w, shares.right(), kBoxTolerance);
    EXPECT_NEAR((box.bottom() + 1) / h, shares.bottom(), kBoxTolerance);
}
