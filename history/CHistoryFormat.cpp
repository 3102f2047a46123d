#include "CHistoryFormat.h"

std::string CHistoryFormat::IsoTime(std::int64_t)
{
    return {};
}

std::string CHistoryFormat::LocalTime(std::int64_t)
{
    return {};
}

std::string CHistoryFormat::Size(std::uint64_t)
{
    return {};
}

std::string CHistoryFormat::Duration(double)
{
    return {};
}

std::string CHistoryFormat::Line(const CHistoryRecord&)
{
    return {};
}

std::optional<std::int64_t> CHistoryFormat::ParseDate(const std::string&)
{
    return std::nullopt;
}
