#include "CHistoryJson.h"

std::string CHistoryJson::Write(const std::vector<CHistoryRecord>&)
{
    return "[]\n";
}

std::string CHistoryJson::Object(const CHistoryRecord&)
{
    return "{}";
}

std::string CHistoryJson::Quote(const std::string& text)
{
    return '"' + text + '"';
}
