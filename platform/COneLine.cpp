#include "COneLine.h"

std::string COneLine::Escape(std::string_view text)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\')
            escaped += "\\\\";
        else if (c == '\t')
            escaped += "\\t";
        else if (c == '\n')
            escaped += "\\n";
        else if (c == '\r')
            escaped += "\\r";
        else if (byte < 0x20 || byte == 0x7F)
            escaped += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]};
        else
            escaped += c;
    }
    return escaped;
}
