#include "CMessageService.h"
#include "CProcess.h"
#include "CTempDir.h"
#include "CaseNames.h"
#include "ResourceIds.h"
#include "TestConfig.h"

#include <gtest/gtest.h>

#include <filesystem>

// owners, printers, extensions and formats as a script meets them: a copy
// of the program in a folder of its own, so that the lists are written
// beside it.
namespace {
namespace fs = std::filesystem;

const std::string kShippedExtensions = std::string(test_config::kDataDir) + "QXSDExtensionFile.ini";
const std::string kUsers = "[Owner Name]\nAlice=\n[Printer Name]\nplotter-2nd-floor=\n";
const std::string kOwnersUsage = "\nusage: qx-sendora-cli owners list | add NAME | remove NAME\n";
const std::string kPrintersUsage = "\nusage: qx-sendora-cli printers list | add NAME | remove NAME\n";
const std::string kExtensionsUsage =
    "\nusage: qx-sendora-cli extensions list [FORMAT] | add FORMAT EXT | remove FORMAT EXT\n";
const std::string kNoFormat = "qx-sendora-cli: extensions: PJL is not one of the data formats: HPGL, TIFF, CALS, CGM, "
                              "POSTSCRIPT, PDF, MVNATIVE, MGL(0.01 mm/unit), MGL(0.025 mm/unit)\n";

// "{N}" in err stands for message N as the command line shows it.
struct Call {
    std::vector<std::string> args;
    int exit = 0;
    std::string out = {};
    std::string err = {};
};

struct ListCase {
    const char* name;
    std::vector<Call> calls;
    // The whole user configuration afterwards.
    std::string users;
    // The line of the extension file that the calls changed, and to what.
    std::pair<std::string, std::string> extensionLine{};
    bool readOnlyUsers = false;
};

class ListCommands : public testing::TestWithParam<ListCase> {
protected:
    ListCommands()
    {
        fs::create_directories(Bin());
        fs::copy_file(test_config::kCli, Bin() + "qx-sendora-cli");
        fs::copy_file(kShippedExtensions, Bin() + "QXSDExtensionFile.ini");
        WriteFileBytes(Bin() + "QXSDUserConfig.ini", kUsers);
    }

    std::string Bin() const { return m_dir.File("bin/"); }

    std::string Expanded(std::string text) const
    {
        using namespace ResId;
        for (const unsigned id : {kExtensionOfFormatMessage, kDuplicateOwnerMessage, kMissingExtensionMessage,
                                  kMissingOwnerMessage, kMissingPrinterMessage, kListNotWrittenMessage}) {
            const std::string mark = "{" + std::to_string(id) + "}";
            // A duplicate extension names the format it belongs to.
            const std::string argument = id == kExtensionOfFormatMessage ? "HPGL" : Bin() + "QXSDUserConfig.ini";
            if (const auto at = text.find(mark); at != std::string::npos)
                text.replace(at, mark.size(), "qx-sendora-cli: " + CMessageService::Format(id, argument));
        }
        return text;
    }

    CProcessResult Cli(const std::vector<std::string>& args) const
    {
        return CProcess::Run(Bin() + "qx-sendora-cli", args,
                             {{"QX_SENDORA_DATA_DIR", test_config::kDataDir},
                              {"QX_SENDORA_REGISTRY_DIR", m_dir.File("registry")}});
    }

    CTempDir m_dir;
};

TEST_P(ListCommands, WriteTheListsAsTheOptionsDialogsDoOrSayWhyNot)
{
    const ListCase& c = GetParam();
    if (c.readOnlyUsers)
        fs::permissions(Bin() + "QXSDUserConfig.ini", fs::perms::owner_write, fs::perm_options::remove);
    for (const Call& call : c.calls) {
        const CProcessResult result = Cli(call.args);
        SCOPED_TRACE(testing::PrintToString(call.args));
        EXPECT_EQ(result.exitCode, call.exit);
        EXPECT_EQ(result.out, call.out);
        EXPECT_EQ(result.err, Expanded(call.err));
    }
    EXPECT_EQ(ReadFileBytes(Bin() + "QXSDUserConfig.ini"), c.users);
    std::string extensions = ReadFileBytes(kShippedExtensions);
    const auto& [from, to] = c.extensionLine;
    if (!from.empty())
        extensions.replace(extensions.find(from), from.size(), to);
    EXPECT_EQ(ReadFileBytes(Bin() + "QXSDExtensionFile.ini"), extensions);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListCommands,
    testing::Values(
        ListCase{"AddedEntriesAreListedAndWritten",
                 {{{"owners", "add", "m.ortega"}},
                  {{"printers", "add", "10.0.0.7"}},
                  {{"owners", "list"}, 0, "Alice\nm.ortega\n"},
                  {{"printers", "list"}, 0, "plotter-2nd-floor\n10.0.0.7\n"},
                  {{"extensions", "add", "hpgl", "plo"}},
                  {{"extensions", "list", "HpGl"}, 0, "HPGL\t.plt .hpg .hpgl .hgl .hp2 .plo\n"},
                  // Which extension is whose is the format table's test.
                  {{"formats", "/plots/site plan.PLO", "notes.txt"}, 0,
                   "/plots/site plan.PLO\tHPGL\nnotes.txt\t(unknown format)\n"}},
                 "[Owner Name]\nAlice=\nm.ortega=\n[Printer Name]\nplotter-2nd-floor=\n10.0.0.7=\n",
                 {"HPGL=plt.hpg.hpgl.hgl.hp2\n", "HPGL=plt.hpg.hpgl.hgl.hp2.plo\n"}},
        ListCase{"RemovedEntriesAreFoundWithoutCase",
                 {{{"owners", "remove", "ALICE"}},
                  {{"owners", "list"}},
                  {{"extensions", "remove", "Tiff", "TIFF"}},
                  {{"extensions", "list", "tiff"}, 0, "TIFF\t.tif\n"}},
                 "[Printer Name]\nplotter-2nd-floor=\n",
                 {"TIFF=tif.tiff\n", "TIFF=tif\n"}},
        // Which names and extensions the lists take is the lists' own test.
        ListCase{"RefusalOfTheListIsShown",
                 {{{"owners", "add", "alice"}, 1, "", "{224}\n"},
                  {{"extensions", "add", "cals", "PLT"}, 1, "", "{10671}\n"}},
                 kUsers},
        ListCase{"MissingEntryOrFormatIsRefused",
                 {{{"owners", "remove", "bob"}, 1, "", "{605}\n"},
                  {{"printers", "remove", "Alice"}, 1, "", "{606}\n"},
                  {{"extensions", "remove", "TIFF", "plt"}, 1, "", "{604}\n"},
                  {{"extensions", "add", "PJL", "pjl"}, 1, "", kNoFormat},
                  {{"extensions", "list", "PJL"}, 1, "", kNoFormat}},
                 kUsers},
        ListCase{"UsageErrorsWriteNothing",
                 {{{"owners"}, 2, "", "qx-sendora-cli: owners: owners needs list, add or remove" + kOwnersUsage},
                  {{"printers", "rename", "a", "b"}, 2, "", "qx-sendora-cli: printers: unknown action rename" +
                                                                kPrintersUsage},
                  {{"owners", "add", ""}, 2, "", "qx-sendora-cli: owners: NAME is empty" + kOwnersUsage},
                  {{"extensions", "list", "HPGL", "TIFF"}, 2, "",
                   "qx-sendora-cli: extensions: extensions list takes at most one FORMAT" + kExtensionsUsage},
                  {{"extensions", "add", "plt"}, 2, "",
                   "qx-sendora-cli: extensions: extensions add takes FORMAT and EXT" + kExtensionsUsage}},
                 kUsers},
        ListCase{"UnwritableFileIsReported", {{{"owners", "add", "bob"}, 1, "", "{607}\n"}}, kUsers, {}, true}),
    ByCaseName());
}
