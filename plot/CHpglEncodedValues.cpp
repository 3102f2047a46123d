#include "CHpglEncodedValues.h"

namespace {
constexpr int kEscape = 27;
constexpr int kFirstDigit = 63;
constexpr int kFirstEndDigit64 = 191;
constexpr int kLastEndDigit64 = 254;
constexpr int kFirstEndDigit32 = 95;
constexpr int kLastDigit32 = 126;
constexpr int kMaxShift = 60;

bool IsFlag(int c)
{
    return c == ':' || c == '<' || c == '>' || c == '=' || c == '7';
}
}

// The next byte that means something; spaces, control characters and the
// codes 127 to 160 and 255 carry nothing in PE.
int CHpglEncodedValues::Significant()
{
    for (int c = m_reader.Peek(); c != CByteReader::kEnd; c = m_reader.Peek()) {
        if (c == ';' || c == kEscape)
            return kEnd;
        if (m_sevenBit)
            c &= 0x7f;
        if (c > ' ' && c != 127 && (c < 128 || c > 160) && c != 255)
            return c;
        m_reader.Get();
    }
    return kEnd;
}

bool CHpglEncodedValues::IsDigit(int c) const
{
    return (c >= kFirstDigit && c <= kLastDigit32)
           || (!m_sevenBit && c >= kFirstEndDigit64 && c <= kLastEndDigit64);
}

int CHpglEncodedValues::Next()
{
    for (;;) {
        const int c = Significant();
        if (c == kEnd)
            return c;
        if (IsDigit(c))
            return kNumber;
        m_reader.Get();
        // Flags have their eighth bit ignored.
        if (IsFlag(c & 0x7f)) {
            m_sevenBit = m_sevenBit || (c & 0x7f) == '7';
            return c & 0x7f;
        }
    }
}

bool CHpglEncodedValues::Number(std::int64_t& value)
{
    std::uint64_t magnitude = 0;
    int shift = 0;
    const int base = m_sevenBit ? 32 : 64;
    const int firstEnd = m_sevenBit ? kFirstEndDigit32 : kFirstEndDigit64;
    for (int c = Significant(); c != kEnd; c = Significant()) {
        if (!IsDigit(c))
            return false;
        m_reader.Get();
        const bool last = c >= firstEnd;
        const std::uint64_t digit = static_cast<std::uint64_t>(c - (last ? firstEnd : kFirstDigit));
        // Digits past 60 bits would overflow; such a number is clamped anyway.
        if (shift <= kMaxShift - 6)
            magnitude |= digit << shift;
        shift += base == 64 ? 6 : 5;
        if (last) {
            const auto half = static_cast<std::int64_t>(magnitude >> 1);
            value = (magnitude & 1) ? -half : half;
            return true;
        }
    }
    return false;
}
