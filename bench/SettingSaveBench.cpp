// Times saving every page of a full setting file as the settings editor
// saves it (every built page shown, one batch, one replace of the file)
// against the same keys written one CProfile::WriteString per key, each an
// atomic replace of its own. Both write new files in the folder given.
#include "CBenchClock.h"
#include "CPlotter.h"
#include "CProfile.h"
#include "CProgramVersion.h"
#include "CResourceModule.h"
#include "CSettingsEditor.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {
struct Entry {
    std::string section;
    std::string key;
    std::string value;
};

using Clock = CBenchClock::Clock;

double SaveThroughEditor(const CPlotter& plotter, const std::string& current, const std::string& target)
{
    const auto start = Clock::now();
    CSettingsEditor editor(plotter, CProgramVersion::ReadRegionCode(), "full", current);
    for (const auto tab : CSettingsEditor::Tabs())
        editor.ShowPage(tab);
    if (editor.SaveAs(target) != CSettingsEditor::SaveResult::Saved)
        std::fprintf(stderr, "could not save %s\n", target.c_str());
    return CBenchClock::MillisecondsSince(start);
}

// The keys a save wrote, in file order.
std::vector<Entry> EntriesOf(const std::string& path)
{
    CProfile file;
    file.Open(path);
    std::vector<std::string> sections;
    file.GetSectionNames(sections);
    std::vector<Entry> entries;
    for (const auto& section : sections) {
        std::vector<std::string> keys;
        file.GetKeyNames(section, keys);
        for (const auto& key : keys)
            entries.push_back({section, key, file.GetString(section, key, kMissingValue)});
    }
    return entries;
}

double WriteOneByOne(const std::vector<Entry>& entries, const std::string& target)
{
    const auto start = Clock::now();
    CProfile file;
    file.Open(target);
    for (const Entry& entry : entries)
        file.WriteString(entry.section, entry.key, entry.value);
    return CBenchClock::MillisecondsSince(start);
}

std::string Bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
}

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s FULL_SETTING_FILE WORK_FOLDER [RUNS]\n", argv[0]);
        return 2;
    }
    const std::filesystem::path work = argv[2];
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 15;
    CResourceModule::LoadResourceModule();
    CPlotter plotter;
    plotter.LoadConfig(CProgramVersion::ReadRegionCode());
    const std::string current = (work / "current.prn").string();
    std::filesystem::copy_file(argv[1], current, std::filesystem::copy_options::overwrite_existing);

    std::vector<double> batch;
    std::vector<double> single;
    std::vector<Entry> entries;
    bool same = true;
    for (int run = 0; run < runs; ++run) {
        const std::string saved = (work / ("batch-" + std::to_string(run) + ".prn")).string();
        const std::string written = (work / ("single-" + std::to_string(run) + ".prn")).string();
        batch.push_back(SaveThroughEditor(plotter, current, saved));
        entries = EntriesOf(saved);
        single.push_back(WriteOneByOne(entries, written));
        same = same && Bytes(saved) == Bytes(written);
    }
    std::printf("saving every page of a full setting file (%zu keys), median of %d runs:\n", entries.size(), runs);
    std::printf("  settings editor, one batch:  %8.2f ms (target: below 50 ms)\n", CBenchClock::Median(batch));
    std::printf("  one WriteString per key:     %8.2f ms\n", CBenchClock::Median(single));
    std::printf("  same bytes:                  %s\n", same ? "yes" : "NO");
    return same ? 0 : 1;
}
