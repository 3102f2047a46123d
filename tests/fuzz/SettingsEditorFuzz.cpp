#include "CFuzzFile.h"
#include "CMessageService.h"
#include "CPlotter.h"
#include "CSettingsEditor.h"
#include "IMessageSink.h"
#include "PropertyBroken.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <fstream>
#include <sstream>

// Any setting file loads into every page the editor shows and saves without
// fault, and what the editor saved loads and saves again to the same bytes.
namespace {
constexpr const char* kRegions[] = {"ZC", "JP", "AP", "CL", "XX"};

class CSilentSink : public IMessageSink {
public:
    void ShowMessage(unsigned, const std::string&) override {}
};

std::string Bytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// Shows every page of the file at from, then saves it as to.
std::string SaveEveryPage(const CPlotter& plotter, const char* region, const std::string& from, const std::string& to)
{
    std::remove(to.c_str());
    CSettingsEditor editor(plotter, region, "fuzz", from);
    for (const CSettingsEditor::Tab tab : CSettingsEditor::Tabs())
        editor.ShowPage(tab);
    if (editor.SaveAs(to) != CSettingsEditor::SaveResult::Saved)
        PropertyBroken("save of " + from + " failed");
    return Bytes(to);
}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static CFuzzFile file;
    static CSilentSink silent;
    CMessageService::SetSink(&silent);
    FuzzedDataProvider input(data, size);
    const char* region = input.PickValueInArray(kRegions);
    file.Write(input.ConsumeRemainingBytesAsString());

    CPlotter plotter;
    plotter.LoadConfig(region);
    const std::string first = SaveEveryPage(plotter, region, file.Path(), file.Path() + ".first.prn");
    const std::string second = SaveEveryPage(plotter, region, file.Path() + ".first.prn", file.Path() + ".second.prn");
    if (first != second)
        PropertyBroken("a saved setting file changes when it is loaded and saved again");
    return 0;
}
