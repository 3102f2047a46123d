// Times adding many files to a print list the way the main window adds a
// batch: one extension table, one entry per file inserted at the end of
// the old entries. Run once with files sent in place (local disk) and once
// with every file copied (as from a network drive).
#include "CFormatTable.h"
#include "CPrintJob.h"
#include "CResourceModule.h"
#include "CDriveType.h"
#include "CSystemFileSystemQuery.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {
// Every file looks remote, so every file is copied.
class CRemoteQuery : public CSystemFileSystemQuery {
public:
    std::optional<Info> FileSystemOf(const std::string&) const override { return Info{0x6969, 0, 0}; }
};

double AddAll(const std::vector<std::string>& paths, const IFileSystemQuery& query, int& added)
{
    const auto start = std::chrono::steady_clock::now();
    CPrintJob job;
    const CFormatTable formats = CFormatTable::Load();
    const int first = job.GetCount();
    for (const auto& path : paths) {
        auto entry = std::make_unique<CPrintData>();
        if (entry->SetFile(path, formats, query))
            job.InsertAt(first, std::move(entry));
    }
    added = job.GetCount();
    const auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(end - start).count();
}

void Report(const char* what, std::size_t files, int added, double ms)
{
    std::printf("%-28s %6d of %zu files in %8.1f ms (%.1f us per file)\n", what, added, files, ms,
                ms * 1000.0 / static_cast<double>(files));
}
}

int main(int argc, char** argv)
{
    const std::size_t count = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 10000;
    CResourceModule::LoadResourceModule();
    const auto folder = std::filesystem::temp_directory_path() / ("qx-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const char* extensions[] = {".plt", ".tif", ".pdf", ".cgm", ".xyz"};
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < count; ++i) {
        paths.push_back((folder / ("plot-" + std::to_string(i) + extensions[i % 5])).string());
        std::ofstream(paths.back()) << "IN;SP1;PA0,0;PD1000,1000;PU;\n";
    }
    int added = 0;
    Report("local disk (sent in place)", count, added, AddAll(paths, CDriveType::SystemQuery(), added));
    Report("network drive (copied)", count, added, AddAll(paths, CRemoteQuery(), added));
    std::filesystem::remove_all(folder);
    return 0;
}
