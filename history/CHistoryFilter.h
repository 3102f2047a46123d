#pragma once

#include <cstdint>
#include <string>

// Which records a history query returns; every field left empty matches all.
struct CHistoryFilter {
    std::string printer;         // exactly this printer
    std::int64_t since = 0;      // started at or after (seconds since 1970)
    std::string text;            // in a text field or a file name, ASCII case ignored
    std::string tag;             // exactly this tag
    bool unfinishedOnly = false;
    int limit = 0;               // only the newest ones; 0: all
};
