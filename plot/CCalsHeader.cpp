#include "CCalsHeader.h"

bool CCalsHeader::Parse(std::string_view, std::string& error)
{
    error = "damaged CALS file: not read yet";
    return false;
}

bool CCalsHeader::ReadFile(const std::string&, std::string& error)
{
    error = "damaged CALS file: not read yet";
    return false;
}

double CCalsHeader::WidthMm() const
{
    return 0;
}

double CCalsHeader::HeightMm() const
{
    return 0;
}
