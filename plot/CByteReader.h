#pragma once

#include <cstdint>
#include <cstdio>
#include <string_view>
#include <vector>

// Bytes of a memory buffer or of a file read in blocks, one at a time,
// with one byte of look-ahead. Stops at a byte limit as at the end.
class CByteReader {
public:
    static constexpr int kEnd = -1;

    CByteReader(std::string_view data, std::uint64_t maxBytes);
    // The file stays open and owned by the caller.
    CByteReader(std::FILE* file, std::uint64_t maxBytes);

    int Peek() { return m_next < m_end ? static_cast<unsigned char>(*m_next) : Refill(); }
    int Get()
    {
        const int c = Peek();
        m_next += c != kEnd;
        return c;
    }
    std::uint64_t Offset() const { return m_offset + static_cast<std::uint64_t>(m_next - m_begin); }
    bool HitLimit() const { return m_hitLimit; }

private:
    int Refill();

    const char* m_begin = nullptr;
    const char* m_next = nullptr;
    const char* m_end = nullptr;
    std::FILE* m_file = nullptr;
    std::vector<char> m_block;
    std::uint64_t m_offset = 0;  // of m_begin
    std::uint64_t m_maxBytes;
    bool m_hitLimit = false;
};
