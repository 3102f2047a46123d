#include "CHistoryRecord.h"

#include <array>

namespace {
constexpr std::array kNames{"unfinished", "done", "cancelled", "failed"};
}

const char* CHistoryRecord::ResultName(Result result)
{
    return kNames[static_cast<std::size_t>(result)];
}

std::optional<CHistoryRecord::Result> CHistoryRecord::ParseResult(const std::string& name)
{
    for (std::size_t i = 0; i < kNames.size(); ++i)
        if (name == kNames[i])
            return static_cast<Result>(i);
    return std::nullopt;
}
