#include "CTextFields.h"

#include <algorithm>
#include <charconv>
#include <climits>

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

int CTextFields::LeadingInteger(const std::string& text)
{
    std::size_t at = text.find_first_not_of(" \t\n\v\f\r");
    if (at == std::string::npos)
        return 0;
    const bool negative = text[at] == '-';
    if (text[at] == '-' || text[at] == '+')
        ++at;
    long long number = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
        number = std::min(number * 10 + (text[at] - '0'), static_cast<long long>(INT_MAX) + 1);
    if (negative)
        return static_cast<int>(-number);
    return static_cast<int>(std::min(number, static_cast<long long>(INT_MAX)));
}

bool CTextFields::IsNumberIn(const std::string& text, int lower, int upper)
{
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && IsDigits(text) && stop == end && error == std::errc() && value >= lower && value <= upper;
}
