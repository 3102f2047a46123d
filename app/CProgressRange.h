#pragma once

#include <cstdint>

class QProgressBar;

// A progress bar's range in bytes. A bar holds an int, so lengths past 2 GiB
// are scaled down by a power of two; the bar still spans exactly the range.
class CProgressRange {
public:
    CProgressRange() = default;
    CProgressRange(std::uint64_t lower, std::uint64_t upper);

    void ApplyTo(QProgressBar& bar) const;
    // The bar's value for a position in bytes, kept within the range.
    int Value(std::uint64_t position) const;
    std::uint64_t GetUpper() const { return m_upper; }

private:
    std::uint64_t m_lower = 0;
    std::uint64_t m_upper = 0;
    int m_shift = 0;
};
