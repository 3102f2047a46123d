#include "CFuzzFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

CFuzzFile::CFuzzFile()
{
    const char* folder = std::getenv("TMPDIR");
    std::string pattern = std::string(folder && *folder ? folder : "/tmp") + "/qx-fuzz-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        std::perror("qx-fuzz: temporary file");
        std::abort();
    }
    close(fd);
    m_path = name.data();
}

CFuzzFile::~CFuzzFile()
{
    unlink(m_path.c_str());
}

void CFuzzFile::Write(const std::string& bytes)
{
    std::FILE* file = std::fopen(m_path.c_str(), "wb");
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() || std::fclose(file) != 0) {
        std::perror("qx-fuzz: write");
        std::abort();
    }
    ++m_writes;
    const timespec times[2] = {{m_writes, 0}, {m_writes, 0}};
    utimensat(AT_FDCWD, m_path.c_str(), times, 0);
}
