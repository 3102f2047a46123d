#include "CReadableFile.h"

#include "CUserFile.h"

#include <cctype>

std::string CReadableFile::WhyNot(const std::string& path)
{
    std::string reason = CUserFile::WhyNot(path);
    if (reason.empty())
        return reason;
    reason[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(reason[0])));
    return "cannot read: " + reason;
}

std::string CReadableFile::CannotRead(const std::string& reason)
{
    return reason.rfind("cannot ", 0) == 0 ? reason : "cannot read: " + reason;
}
