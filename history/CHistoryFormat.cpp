#include "CHistoryFormat.h"

#include "COneLine.h"

#include <array>
#include <cstdio>
#include <ctime>
#include <regex>

namespace {
std::string TimeText(std::int64_t time, bool utc, const char* format)
{
    const auto seconds = static_cast<std::time_t>(time);
    std::tm parts{};
    if (utc)
        gmtime_r(&seconds, &parts);
    else
        localtime_r(&seconds, &parts);
    char text[32];
    return std::string(text, std::strftime(text, sizeof text, format, &parts));
}

std::string OneDecimal(double value, const char* unit)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %s", value, unit);
    return text;
}

std::string FilesText(const CHistoryRecord& record)
{
    if (record.files.empty())
        return "setup";
    return std::to_string(record.files.size()) + (record.files.size() == 1 ? " file" : " files");
}

// A message of several lines still takes one.
std::string OnOneLine(std::string text)
{
    for (char& c : text)
        c = c == '\n' || c == '\r' ? ' ' : c;
    return text;
}
}

std::string CHistoryFormat::IsoTime(std::int64_t time)
{
    return TimeText(time, true, "%Y-%m-%dT%H:%M:%SZ");
}

std::string CHistoryFormat::LocalTime(std::int64_t time)
{
    return TimeText(time, false, "%Y-%m-%d %H:%M:%S");
}

std::string CHistoryFormat::Size(std::uint64_t bytes)
{
    static constexpr std::array kUnits{"KB", "MB", "GB", "TB"};
    if (bytes < 1000)
        return std::to_string(bytes) + " B";
    double value = static_cast<double>(bytes) / 1000;
    std::size_t unit = 0;
    for (; value >= 999.95 && unit + 1 < kUnits.size(); ++unit)
        value /= 1000;
    return OneDecimal(value, kUnits[unit]);
}

std::string CHistoryFormat::Duration(double seconds)
{
    return OneDecimal(seconds, "s");
}

std::string CHistoryFormat::Line(const CHistoryRecord& record)
{
    std::string line = LocalTime(record.time) + "  " + record.printer + "#" + std::to_string(record.number) + "  " +
                       record.owner + "  " + record.setting + "  " + FilesText(record) + "  " +
                       Size(record.jobBytes) + "  " + CHistoryRecord::ResultName(record.result) + "  " +
                       Duration(record.seconds);
    if (!record.message.empty())
        line += "  " + OnOneLine(record.message);
    return COneLine::Escape(line);
}

std::optional<std::int64_t> CHistoryFormat::ParseDate(const std::string& date)
{
    static const std::regex kDate("(\\d{4})-(\\d{2})-(\\d{2})");
    std::smatch parts;
    if (!std::regex_match(date, parts, kDate))
        return std::nullopt;
    std::tm day{};
    day.tm_year = std::stoi(parts[1]) - 1900;
    day.tm_mon = std::stoi(parts[2]) - 1;
    day.tm_mday = std::stoi(parts[3]);
    day.tm_isdst = -1;
    const std::tm asked = day;
    const std::time_t time = std::mktime(&day);
    // mktime moves 2026-02-30 on to March; such a date is not one.
    if (time == -1 || day.tm_mon != asked.tm_mon || day.tm_mday != asked.tm_mday)
        return std::nullopt;
    return static_cast<std::int64_t>(time);
}
