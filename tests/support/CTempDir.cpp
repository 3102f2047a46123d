#include "CTempDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <vector>

CTempDir::CTempDir()
{
    std::string name = (std::filesystem::temp_directory_path() / "qx-test-XXXXXX").string();
    if (!mkdtemp(name.data()))
        throw std::runtime_error("cannot create a temporary folder");
    m_path = name + "/";
}

CTempDir::~CTempDir()
{
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ignored);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(m_path, ignored))
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

std::string CTempDir::Write(const std::string& name, const std::string& bytes) const
{
    WriteFileBytes(File(name), bytes);
    return File(name);
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool FileExists(const std::string& path)
{
    return std::filesystem::exists(path);
}

std::uint64_t SizeOf(const std::string& path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return error ? 0 : size;
}

std::set<std::string> FilesBelow(const std::string& folder)
{
    std::set<std::string> files;
    std::error_code error;
    for (std::filesystem::recursive_directory_iterator it(folder, error), end; !error && it != end; ++it)
        if (it->is_regular_file())
            files.insert(std::filesystem::relative(it->path(), folder).string());
    return files;
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string PatternBytes(std::size_t size, unsigned seed)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * (131 + 2 * seed) + i / 4099) & 0xFF);
    return bytes;
}

std::string NormalisedJob(const std::string& bytes)
{
    std::smatch match;
    if (!std::regex_search(bytes, match, std::regex("@PJL JOB NAME = \"([0-9A-F]{32})\"\n")))
        return "no job name in: " + bytes.substr(0, 200);
    const std::string name = match[1].str();
    if (bytes.find("@PJL EOJ NAME = \"" + name + "\"\n") == std::string::npos)
        return "EOJ name differs in: " + bytes.substr(0, 200);
    return std::regex_replace(bytes, std::regex(name), "NAME");
}
