#include "CHpglParser.h"

HpglParseResult CHpglParser::Parse(std::string_view) const
{
    return {{}, "damaged HP-GL file: not read yet"};
}

HpglParseResult CHpglParser::ParseFile(const std::string&) const
{
    return {{}, "damaged HP-GL file: not read yet"};
}
