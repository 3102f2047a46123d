#pragma once

#include <array>
#include <cstdint>
#include <optional>

// 128-bit identifiers from the system's random source.
class CGuid {
public:
    static std::optional<std::array<std::uint8_t, 16>> Create();
};
