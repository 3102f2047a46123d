#include "CCalsHeader.h"

#include "CUserFile.h"

#include <charconv>
#include <cstdio>

namespace {
constexpr double kMmPerInch = 25.4;
constexpr unsigned kMaxDensity = 100000;

std::string_view Trimmed(std::string_view text)
{
    const auto begin = text.find_first_not_of(" \t\r\n");
    if (begin == std::string_view::npos)
        return {};
    const auto end = text.find_last_not_of(std::string_view(" \t\r\n\0", 5));
    return text.substr(begin, end - begin + 1);
}

bool SameKey(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if ((a[i] | 0x20) != (b[i] | 0x20))
            return false;
    return true;
}

// "002550,003300" into two numbers.
bool NumberPair(std::string_view text, std::uint32_t& first, std::uint32_t& second)
{
    const auto comma = text.find(',');
    if (comma == std::string_view::npos)
        return false;
    const std::string_view a = Trimmed(text.substr(0, comma));
    const std::string_view b = Trimmed(text.substr(comma + 1));
    const auto [endA, errorA] = std::from_chars(a.data(), a.data() + a.size(), first);
    const auto [endB, errorB] = std::from_chars(b.data(), b.data() + b.size(), second);
    return errorA == std::errc() && errorB == std::errc() && endA == a.data() + a.size() && endB == b.data() + b.size();
}

bool Number(std::string_view text, std::uint32_t& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

bool IsQuarterTurn(std::uint32_t angle)
{
    return angle == 0 || angle == 90 || angle == 180 || angle == 270;
}
}

bool CCalsHeader::Parse(std::string_view header, std::string& error)
{
    *this = CCalsHeader();
    error.clear();
    if (header.size() < kHeaderSize)
        error = "shorter than its " + std::to_string(kHeaderSize) + "-byte header";
    for (std::size_t at = 0; error.empty() && at < kHeaderSize; at += kRecordSize)
        ParseRecord(header.substr(at, kRecordSize), error);
    if (error.empty() && m_pelsPerLine == 0)
        error = "no rpelcnt record";
    if (!error.empty())
        error = "damaged CALS file: " + error;
    return error.empty();
}

bool CCalsHeader::ParseRecord(std::string_view record, std::string& error)
{
    const auto colon = record.find(':');
    if (colon == std::string_view::npos)
        return true;
    const std::string_view key = Trimmed(record.substr(0, colon));
    const std::string_view value = Trimmed(record.substr(colon + 1));
    std::uint32_t number = 0;
    if (SameKey(key, "rtype") && (!Number(value, number) || number != 1))
        error = "raster type \"" + std::string(value) + "\", not 1";
    else if (SameKey(key, "rpelcnt") && (!NumberPair(value, m_pelsPerLine, m_lines) || !m_pelsPerLine || !m_lines))
        error = "pel count \"" + std::string(value) + "\"";
    else if (SameKey(key, "rorient")
             && (!NumberPair(value, m_pelPath, m_lineProgression) || !IsQuarterTurn(m_pelPath)
                 || !IsQuarterTurn(m_lineProgression)))
        error = "orientation \"" + std::string(value) + "\"";
    else if (SameKey(key, "rdensty") && value != "none"
             && (!Number(value, number) || number == 0 || number > kMaxDensity))
        error = "density \"" + std::string(value) + "\"";
    else if (SameKey(key, "rdensty") && value != "none")
        m_density = number;
    return error.empty();
}

bool CCalsHeader::ReadFile(const std::string& path, std::string& error)
{
    const auto file = CUserFile::OpenStream(path);
    if (!file) {
        error = "cannot open " + path;
        return false;
    }
    std::string header(kHeaderSize, '\0');
    header.resize(std::fread(header.data(), 1, kHeaderSize, file.get()));
    return Parse(header, error);
}

double CCalsHeader::WidthMm() const
{
    return (IsTurned() ? m_lines : m_pelsPerLine) * kMmPerInch / m_density;
}

double CCalsHeader::HeightMm() const
{
    return (IsTurned() ? m_pelsPerLine : m_lines) * kMmPerInch / m_density;
}
