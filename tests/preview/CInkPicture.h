#pragma once

#include <QImage>
#include <QRect>

#include <string>
#include <vector>

// The inked (dark) pixels of a picture, for comparing a preview with an
// independent rendering of the same file: where the ink lies, and how much
// of one picture's ink lies near the other's.
class CInkPicture {
public:
    CInkPicture() = default;
    CInkPicture(int width, int height);
    static CInkPicture FromImage(const QImage& image);
    // A bilevel PBM (P4) as hp2xx writes it; empty when it is not one.
    static CInkPicture FromPbm(const std::string& bytes);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Ink(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height && m_ink[Index(x, y)]; }
    void Set(int x, int y);
    // The smallest rectangle holding all ink; empty without ink.
    QRect Box() const;
    // The ink of the rectangle "from" of this picture laid onto the
    // rectangle "to" of a picture of the size given, every pixel becoming
    // the rectangle it maps to.
    CInkPicture Mapped(const QRectF& from, const QRectF& to, int width, int height) const;
    // The share of this picture's ink within reach pixels of other's ink
    // (the same size); 0 without ink.
    double ShareNear(const CInkPicture& other, int reach) const;

    // The metric of the comparisons with another program's rendering: the
    // inked boxes alike within 2 %, and 90 % of each picture's ink within
    // 2 pixels of the other's. A reference cropped to its ink (hp2xx) is
    // laid on the preview by the inked boxes, whose shapes must then agree;
    // one of the whole page is laid on the whole preview.
    enum class Frame { Ink, Page };
    static void ExpectAlike(const CInkPicture& preview, const CInkPicture& reference, Frame frame);
    // Where the ink lies, in shares of the picture's sides.
    static void ExpectInkAt(const CInkPicture& preview, const QRectF& shares);

private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * m_width + x; }

    int m_width = 0;
    int m_height = 0;
    std::vector<bool> m_ink;
};
