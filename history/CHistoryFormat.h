#pragma once

#include "CHistoryRecord.h"

#include <cstdint>
#include <optional>
#include <string>

// How the history shows its values to people: times, sizes, durations and
// one send a line.
class CHistoryFormat {
public:
    // "2026-12-07T09:15:02Z"
    static std::string IsoTime(std::int64_t time);
    // "2026-12-07 10:15:02" in the local time zone.
    static std::string LocalTime(std::int64_t time);
    // "812 B", "4.0 KB", "1.2 MB", "3.1 GB" (powers of 1000).
    static std::string Size(std::uint64_t bytes);
    // "4.1 s"
    static std::string Duration(double seconds);
    // "2026-12-07 10:15:02  printer#1  owner  setting  3 files  1.2 MB  done  4.1 s",
    // a failure's message after it on the same line; a setup job says "setup".
    // Control bytes in a name come escaped (COneLine), so a record stays one line.
    static std::string Line(const CHistoryRecord& record);
    // The start of a local day "YYYY-MM-DD" in seconds since 1970; nothing
    // for another text.
    static std::optional<std::int64_t> ParseDate(const std::string& date);
};
