#pragma once

#include "CHpglDrawing.h"

#include <cstdint>
#include <string>
#include <string_view>

// The result of reading an HP-GL file: the drawing of its first page and
// the number of pages, or why there is none ("damaged HP-GL file: ...").
struct HpglParseResult {
    CHpglDrawing drawing;
    std::string error;
    int pages = 1;  // those with something drawn, at least 1
    bool Ok() const { return error.empty(); }
};

// Reads HP-GL and HP-GL/2 plotting commands in one pass, skipping PJL and
// PCL wrappers and commands it does not know. Every file is bounded in
// bytes, points, arc segments and time, so a hostile file ends in an error
// rather than a hang or an exhausted memory.
class CHpglParser {
public:
    struct Limits {
        std::uint64_t maxBytes = 1ull << 30;
        std::size_t maxPoints = 20'000'000;
        unsigned maxArcSegments = 720;  // per arc or circle
        double maxSeconds = 10;
    };

    CHpglParser() = default;
    explicit CHpglParser(const Limits& limits) : m_limits(limits) {}

    HpglParseResult Parse(std::string_view data) const;
    HpglParseResult ParseFile(const std::string& path) const;

private:
    Limits m_limits;
};
