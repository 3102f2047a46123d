#include "CByteReader.h"

#include <algorithm>

namespace {
constexpr std::size_t kBlockSize = 1 << 16;
}

CByteReader::CByteReader(std::string_view data, std::uint64_t maxBytes)
    : m_begin(data.data())
    , m_next(data.data())
    , m_end(data.data() + std::min<std::uint64_t>(data.size(), maxBytes))
    , m_maxBytes(maxBytes)
{
    m_hitLimit = data.size() > maxBytes;
}

CByteReader::CByteReader(std::FILE* file, std::uint64_t maxBytes)
    : m_file(file)
    , m_block(kBlockSize)
    , m_maxBytes(maxBytes)
{
    m_begin = m_next = m_end = m_block.data();
}

int CByteReader::Refill()
{
    if (!m_file)
        return kEnd;
    m_offset += static_cast<std::uint64_t>(m_end - m_begin);
    const std::uint64_t room = m_maxBytes - std::min(m_maxBytes, m_offset);
    const std::size_t wanted = static_cast<std::size_t>(std::min<std::uint64_t>(kBlockSize, room));
    const std::size_t got = wanted ? std::fread(m_block.data(), 1, wanted, m_file) : 0;
    m_begin = m_next = m_block.data();
    m_end = m_begin + got;
    if (got == 0) {
        // One more byte past the limit means the file is larger than allowed.
        m_hitLimit = wanted == 0 && std::fgetc(m_file) != EOF;
        m_file = nullptr;
        return kEnd;
    }
    return static_cast<unsigned char>(*m_next);
}
