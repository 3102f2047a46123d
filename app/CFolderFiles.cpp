#include "CFolderFiles.h"

#include "CNaturalNameOrder.h"

#include <algorithm>
#include <filesystem>

namespace {
namespace fs = std::filesystem;

struct FolderEntries {
    std::vector<fs::path> files;
    std::vector<fs::path> folders;
};

bool ByName(const fs::path& left, const fs::path& right)
{
    return CNaturalNameOrder::Less(left.filename().string(), right.filename().string());
}

// Hidden entries are the system's and the tools' (".sending", ".git"), not plots.
FolderEntries ReadFolder(const fs::path& folder)
{
    FolderEntries entries;
    std::error_code error;
    fs::directory_iterator it(folder, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const fs::directory_entry& entry = *it;
        if (entry.path().filename().string().starts_with('.'))
            continue;
        std::error_code typeError;
        if (entry.is_directory(typeError) && !entry.is_symlink(typeError))
            entries.folders.push_back(entry.path());
        else if (entry.is_regular_file(typeError))
            entries.files.push_back(entry.path());
    }
    std::sort(entries.files.begin(), entries.files.end(), ByName);
    std::sort(entries.folders.begin(), entries.folders.end(), ByName);
    return entries;
}

void CollectInto(const fs::path& folder, const std::function<void()>& onFound, std::vector<std::string>& files)
{
    const FolderEntries entries = ReadFolder(folder);
    for (const fs::path& file : entries.files) {
        files.push_back(file.string());
        onFound();
    }
    for (const fs::path& subfolder : entries.folders)
        CollectInto(subfolder, onFound, files);
}
}

std::vector<std::string> CFolderFiles::Collect(const std::string& folder, const std::function<void()>& onFound)
{
    std::vector<std::string> files;
    CollectInto(fs::path(folder), onFound, files);
    return files;
}
