#pragma once

#include "CByteReader.h"

#include <cstdint>

// The flags and numbers of a polyline encoded command (PE): each number in
// base 64 (or base 32 after the 7-bit flag), lowest digit first, the last
// digit from the terminating range, its sign in the lowest bit.
class CHpglEncodedValues {
public:
    static constexpr int kEnd = -1;
    static constexpr int kNumber = 0;

    explicit CHpglEncodedValues(CByteReader& reader) : m_reader(reader) {}

    // The next flag (':', '<', '>', '=', '7'; taken and, for '7', obeyed),
    // kNumber where a number follows, or kEnd at ';' or the end.
    int Next();
    // Reads the number that Next announced; false where a flag or the end
    // cuts it short.
    bool Number(std::int64_t& value);

private:
    int Significant();
    bool IsDigit(int c) const;

    CByteReader& m_reader;
    bool m_sevenBit = false;
};
