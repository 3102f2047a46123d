#include "CGuid.h"

#include <fstream>

std::optional<std::array<std::uint8_t, 16>> CGuid::Create()
{
    std::ifstream random("/dev/urandom", std::ios::binary);
    std::array<std::uint8_t, 16> bytes{};
    if (!random.read(reinterpret_cast<char*>(bytes.data()), bytes.size()))
        return std::nullopt;
    bytes[6] = static_cast<std::uint8_t>((bytes[6] & 0x0F) | 0x40);  // version 4
    bytes[8] = static_cast<std::uint8_t>((bytes[8] & 0x3F) | 0x80);  // RFC 4122 variant
    return bytes;
}
