#include "CTempFile.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

std::optional<std::string> CTempFile::GetTempFolder()
{
    const char* tmpdir = std::getenv("TMPDIR");
    std::string folder = tmpdir && *tmpdir ? tmpdir : "/tmp";
    struct stat info {};
    if (stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return std::nullopt;
    if (folder.back() != '/')
        folder += '/';
    return folder;
}

std::optional<std::string> CTempFile::Create(const std::string& folder, const std::string& prefix)
{
    std::string pattern = folder + prefix + "XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0)
        return std::nullopt;
    close(fd);
    return std::string(name.data());
}

void CTempFile::Remove(const std::string& path)
{
    if (!path.empty())
        unlink(path.c_str());
}
