#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The header of a CALS type 1 raster file: 16 records of 128 bytes
// ("rtype: 1", "rorient: 000,270", "rpelcnt: 002550,003300",
// "rdensty: 0200", ...), followed by the Group 4 data.
class CCalsHeader {
public:
    static constexpr std::size_t kRecordSize = 128;
    static constexpr std::size_t kHeaderSize = 2048;

    // Reads the header from the first kHeaderSize bytes; false with the
    // reason in error ("damaged CALS file: ...") when they are not one.
    bool Parse(std::string_view header, std::string& error);
    bool ReadFile(const std::string& path, std::string& error);

    // Pels per line and lines as stored in the Group 4 data.
    std::uint32_t PelsPerLine() const { return m_pelsPerLine; }
    std::uint32_t Lines() const { return m_lines; }
    // Dots per inch (200 where the header names none).
    std::uint32_t Density() const { return m_density; }
    // The pel path direction (0, 90, 180, 270) and the line progression.
    std::uint32_t PelPath() const { return m_pelPath; }
    std::uint32_t LineProgression() const { return m_lineProgression; }
    // The sheet as seen: a pel path of 90 or 270 swaps the sides.
    bool IsTurned() const { return m_pelPath == 90 || m_pelPath == 270; }
    double WidthMm() const;
    double HeightMm() const;

private:
    bool ParseRecord(std::string_view record, std::string& error);

    std::uint32_t m_pelsPerLine = 0;
    std::uint32_t m_lines = 0;
    std::uint32_t m_density = 200;
    std::uint32_t m_pelPath = 0;
    std::uint32_t m_lineProgression = 270;
};
