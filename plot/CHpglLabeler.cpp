#include "CHpglLabeler.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr int kEndOfText = 3;
constexpr double kUnitsPerCm = 400;
// The stick font's default character: 0.285 cm wide, 0.375 cm high, in a
// cell half as wide again; lines are twice the height apart.
constexpr double kDefaultWidthCm = 0.285;
constexpr double kDefaultHeightCm = 0.375;
constexpr double kCellPerWidth = 1.5;
constexpr double kLinePerHeight = 2;
constexpr std::size_t kMaxLabel = 4096;
constexpr double kMaxSize = 1e7;
}

CHpglLabeler::CHpglLabeler(CHpglDrawing& drawing, const CHpglTransform& transform)
    : m_drawing(drawing)
    , m_transform(transform)
{
    Reset();
}

void CHpglLabeler::Reset()
{
    m_terminator = kEndOfText;
    SetSize(nullptr, 0, false);
    m_direction = 0;
    m_symbol = 0;
}

void CHpglLabeler::SetTerminator(CHpglScanner& scanner)
{
    const int c = scanner.Reader().Peek();
    m_terminator = c == ';' || c == CByteReader::kEnd ? kEndOfText : scanner.Reader().Get();
    scanner.SkipParameters();
}

void CHpglLabeler::SetSymbol(CHpglScanner& scanner)
{
    const int c = scanner.Reader().Peek();
    m_symbol = c > ' ' && c != ';' && c < 127 ? static_cast<char>(scanner.Reader().Get()) : 0;
    scanner.SkipParameters();
}

// A character's cell is about one and a half of its widths: its middle
// lies a third of the cell along, half the cap height up.
void CHpglLabeler::MarkPoint(double x, double y, std::uint16_t pen)
{
    const double c = std::cos(m_direction), s = std::sin(m_direction);
    double anchorX = x - m_advance / 3 * c + m_height / 2 * s;
    double anchorY = y - m_advance / 3 * s - m_height / 2 * c;
    m_line.assign(1, m_symbol);
    Flush(anchorX, anchorY, pen);
}

void CHpglLabeler::SetSize(const double* values, int count, bool relative)
{
    double width = kDefaultWidthCm * kUnitsPerCm;
    double height = kDefaultHeightCm * kUnitsPerCm;
    if (count >= 2 && relative) {
        width = values[0] / 100 * std::abs(m_transform.ScalingWidth());
        height = values[1] / 100 * std::abs(m_transform.ScalingHeight());
    } else if (count >= 2) {
        width = values[0] * kUnitsPerCm;
        height = values[1] * kUnitsPerCm;
    }
    m_advance = std::clamp(width * kCellPerWidth, -kMaxSize, kMaxSize);
    m_height = std::clamp(height, -kMaxSize, kMaxSize);
}

void CHpglLabeler::SetDirection(const double* values, int count, bool relative)
{
    if (count < 2 || (values[0] == 0 && values[1] == 0)) {
        m_direction = 0;
        return;
    }
    const double run = relative ? values[0] * m_transform.ScalingWidth() : values[0];
    const double rise = relative ? values[1] * m_transform.ScalingHeight() : values[1];
    m_direction = std::atan2(rise, run);
}

void CHpglLabeler::Label(CHpglScanner& scanner, double& x, double& y, std::uint16_t pen)
{
    double lineX = x, lineY = y;
    m_line.clear();
    for (int c = scanner.Reader().Get(); c != m_terminator && c != CByteReader::kEnd; c = scanner.Reader().Get()) {
        if (c == '\r' || c == '\n')
            Flush(x, y, pen);
        if (c == '\r') {
            x = lineX;
            y = lineY;
        } else if (c == '\n') {
            const double down = kLinePerHeight * m_height;
            lineX += down * std::sin(m_direction);
            lineY -= down * std::cos(m_direction);
            x += down * std::sin(m_direction);
            y -= down * std::cos(m_direction);
        } else if (c >= ' ' && m_line.size() < kMaxLabel) {
            m_line += static_cast<char>(c);
        }
    }
    Flush(x, y, pen);
}

void CHpglLabeler::Flush(double& x, double& y, std::uint16_t pen)
{
    if (m_line.empty())
        return;
    CHpglDrawing::Label label;
    label.anchor = m_transform.ToPage(x, y);
    label.directionRadians = static_cast<float>(m_direction + m_transform.Rotation() * std::numbers::pi / 2);
    label.height = static_cast<float>(m_height);
    label.advance = static_cast<float>(m_advance);
    label.pen = pen;
    m_drawing.AddLabel(label, m_line);
    x += static_cast<double>(m_line.size()) * m_advance * std::cos(m_direction);
    y += static_cast<double>(m_line.size()) * m_advance * std::sin(m_direction);
    m_line.clear();
}
