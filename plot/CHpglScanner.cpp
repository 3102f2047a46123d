#include "CHpglScanner.h"

#include <algorithm>

namespace {
constexpr int kEscape = 27;

bool IsLetter(int c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsDigit(int c)
{
    return c >= '0' && c <= '9';
}

bool IsSeparator(int c)
{
    return c == ' ' || c == ',' || c == '\t' || c == '\r' || c == '\n';
}

unsigned Upper(int c)
{
    return static_cast<unsigned>(c >= 'a' ? c - 'a' + 'A' : c);
}
}

unsigned CHpglScanner::NextCommand()
{
    for (;;) {
        const int c = m_reader.Get();
        if (c == CByteReader::kEnd)
            return 0;
        if (c == kEscape)
            SkipEscape();
        else if (m_inPcl)
            continue;
        else if (c == '@')
            SkipLine();
        else if (IsLetter(c) && IsLetter(m_reader.Peek()))
            return Upper(c) << 8 | Upper(m_reader.Get());
    }
}

void CHpglScanner::SkipLine()
{
    for (int c = m_reader.Peek(); c != CByteReader::kEnd && c != kEscape; c = m_reader.Peek())
        if (m_reader.Get() == '\n')
            return;
}

double CHpglScanner::Digits(bool& any)
{
    double value = 0;
    while (IsDigit(m_reader.Peek())) {
        // Past the clamp the exact value no longer matters.
        if (value < kMaxParameter * 10)
            value = value * 10 + (m_reader.Get() - '0');
        else
            m_reader.Get();
        any = true;
    }
    return value;
}

bool CHpglScanner::Number(double& value)
{
    int c = m_reader.Peek();
    while (IsSeparator(c)) {
        m_reader.Get();
        c = m_reader.Peek();
    }
    if (c != '+' && c != '-' && c != '.' && !IsDigit(c))
        return false;
    const bool negative = c == '-';
    if (c == '+' || c == '-')
        m_reader.Get();
    bool any = false;
    value = Digits(any);
    if (m_reader.Peek() == '.') {
        m_reader.Get();
        double scale = 1;
        while (IsDigit(m_reader.Peek())) {
            scale *= 0.1;
            value += scale * (m_reader.Get() - '0');
        }
    }
    value = std::min(value, kMaxParameter);
    if (negative)
        value = -value;
    return true;
}

void CHpglScanner::SkipParameters()
{
    for (int c = m_reader.Peek(); c != CByteReader::kEnd; c = m_reader.Peek()) {
        if (c == '"') {
            m_reader.Get();
            while (c != CByteReader::kEnd && (c = m_reader.Get()) != '"') {
            }
        } else if (IsDigit(c) || IsSeparator(c) || c == '+' || c == '-' || c == '.') {
            m_reader.Get();
        } else {
            return;
        }
    }
}

void CHpglScanner::SkipEscape()
{
    const int kind = m_reader.Get();
    if (kind == '.')
        return SkipDeviceControl();
    // Other than ESC E and the like, a PCL sequence is a parameterised
    // character, an optional group character, then values each closed by
    // a letter: lower case when another follows, upper case at the end.
    if (kind < '!' || kind > '/')
        return;
    const int group = m_reader.Peek() >= '`' && m_reader.Peek() <= '~' ? m_reader.Get() : 0;
    for (;;) {
        bool any = false;
        const bool negative = m_reader.Peek() == '-';
        if (negative || m_reader.Peek() == '+')
            m_reader.Get();
        double value = Digits(any);
        while (m_reader.Peek() == '.' || IsDigit(m_reader.Peek()))
            m_reader.Get();
        value = negative ? -value : value;
        const int terminator = m_reader.Get();
        if (terminator >= '@' && terminator <= '^')
            return FinishEscape(kind, group, terminator, value);
        if (terminator < '`' || terminator > '~')
            return;
        if (terminator == 'w')
            SkipBytes(value);
    }
}

void CHpglScanner::FinishEscape(int kind, int group, int terminator, double value)
{
    if (kind == '%' && (terminator == 'B' || terminator == 'X'))
        m_inPcl = false;
    else if (kind == '%' && terminator == 'A')
        m_inPcl = true;
    else if (terminator == 'W' || (kind == '&' && group == 'p' && terminator == 'X'))
        SkipBytes(value);
}

void CHpglScanner::SkipBytes(double count)
{
    for (double left = std::min(count, kMaxParameter * 2); left >= 1; --left)
        if (m_reader.Get() == CByteReader::kEnd)
            return;
}

void CHpglScanner::SkipDeviceControl()
{
    // ESC . and one letter, with parameters up to a colon for some.
    m_reader.Get();
    for (int length = 0; length < 64; ++length) {
        const int c = m_reader.Peek();
        if (c == ':')
            m_reader.Get();
        if (!IsDigit(c) && c != ';' && c != ' ')
            return;
        m_reader.Get();
    }
}
