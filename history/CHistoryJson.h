#pragma once

#include "CHistoryRecord.h"

#include <string>
#include <vector>

// The history as JSON: one array of objects in the order given, with the
// fields time (ISO 8601, UTC), printer, number, owner, setting, files (name,
// size), job_bytes, remote_name, result, message and seconds.
class CHistoryJson {
public:
    static std::string Write(const std::vector<CHistoryRecord>& records);
    static std::string Object(const CHistoryRecord& record);
    // A JSON string literal: quotes, backslash and control characters
    // escaped, other bytes (UTF-8) as they are.
    static std::string Quote(const std::string& text);
};
