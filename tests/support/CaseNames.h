#pragma once

#include <algorithm>
#include <cctype>
#include <string>

// Names each case of a parameterised test after its name (or else label) field.
struct ByCaseName {
    template <class Info>
    std::string operator()(const Info& info) const
    {
        if constexpr (requires { info.param.name; })
            return std::string(info.param.name);
        else
            return std::string(info.param.label);
    }
};

// The text with every character a test name cannot hold made '_'.
inline std::string TestNameOf(std::string text)
{
    std::replace_if(text.begin(), text.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return text;
}
