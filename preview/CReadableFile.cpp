#include "CReadableFile.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

std::string CReadableFile::WhyNot(const std::string& path)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return "cannot read: is a directory";
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file) {
        std::fclose(file);
        return {};
    }
    std::string reason = std::strerror(errno);
    if (!reason.empty())
        reason[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(reason[0])));
    return "cannot read: " + reason;
}

std::string CReadableFile::CannotRead(const std::string& reason)
{
    return reason.rfind("cannot ", 0) == 0 ? reason : "cannot read: " + reason;
}
