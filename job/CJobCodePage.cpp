#include "CJobCodePage.h"

#include "CRegistryValues.h"

#include <iconv.h>

#include <cerrno>

namespace {
constexpr char kUnmapped = '_';

// The bytes of the UTF-8 character that starts at text[0]; 1 for a byte
// that starts none, so that it alone is replaced.
std::size_t CharacterLength(std::string_view text)
{
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (length > text.size())
        return 1;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return 1;
    return length;
}

class CConverter {
public:
    explicit CConverter(int codePage)
        : m_iconv(iconv_open(codePage == 932 ? "CP932" : "CP1252", "UTF-8"))
    {
    }
    ~CConverter()
    {
        if (m_iconv != reinterpret_cast<iconv_t>(-1))
            iconv_close(m_iconv);
    }
    CConverter(const CConverter&) = delete;
    CConverter& operator=(const CConverter&) = delete;

    // Converts one character; false when the code page has no such one.
    bool Append(std::string_view character, std::string& out)
    {
        if (m_iconv == reinterpret_cast<iconv_t>(-1))
            return false;
        char buffer[8];
        char* in = const_cast<char*>(character.data());
        std::size_t inLeft = character.size();
        char* outAt = buffer;
        std::size_t outLeft = sizeof buffer;
        iconv(m_iconv, nullptr, nullptr, nullptr, nullptr);
        if (iconv(m_iconv, &in, &inLeft, &outAt, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0)
            return false;
        out.append(buffer, static_cast<std::size_t>(outAt - buffer));
        return true;
    }

private:
    iconv_t m_iconv;
};
}

CJobCodePage::CJobCodePage(const std::string& regionCode)
    : m_codePage(CRegistryValues::ReadJobCodePage())
{
    if (m_codePage == 0)
        m_codePage = regionCode == "JP" ? 932 : 1252;
}

std::string CJobCodePage::Encode(std::string_view utf8) const
{
    CConverter converter(m_codePage);
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        const std::size_t length = CharacterLength(utf8);
        if (length == 1 && static_cast<unsigned char>(utf8[0]) < 0x80)
            out += utf8[0];
        else if (length == 1 || !converter.Append(utf8.substr(0, length), out))
            out += kUnmapped;
        utf8.remove_prefix(length);
    }
    return out;
}
