#include "CFolderFiles.h"

#include <filesystem>

namespace {
namespace fs = std::filesystem;

void CollectInto(const fs::path& folder, const std::function<void()>& onFound, std::vector<std::string>& files)
{
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
        const fs::directory_entry& entry = *entries;
        std::error_code typeError;
        if (entry.is_directory(typeError) && !entry.is_symlink(typeError)) {
            CollectInto(entry.path(), onFound, files);
        } else if (entry.is_regular_file(typeError)) {
            files.push_back(entry.path().string());
            onFound();
        }
    }
}
}

std::vector<std::string> CFolderFiles::Collect(const std::string& folder, const std::function<void()>& onFound)
{
    std::vector<std::string> files;
    CollectInto(fs::path(folder), onFound, files);
    return files;
}
