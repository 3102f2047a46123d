#include "CTextFields.h"

#include <algorithm>

std::string CTextFields::ExtractField(const std::string& text, int n, const std::string& defaultValue)
{
    if (n < 1)
        return defaultValue;
    std::size_t start = 0;
    for (int field = 1; field < n; ++field) {
        const std::size_t comma = text.find(',', start);
        if (comma == std::string::npos)
            return defaultValue;
        start = comma + 1;
    }
    return text.substr(start, text.find(',', start) - start);
}

bool CTextFields::IsDigits(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}
