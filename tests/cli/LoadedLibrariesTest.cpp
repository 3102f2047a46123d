#include "CProcess.h"
#include "CTempDir.h"
#include "CaseNames.h"
#include "PlotSamples.h"
#include "TestConfig.h"

#include <gtest/gtest.h>

#include <set>

// Each call loads the large libraries its command uses and no other: what
// the dynamic loader says it initialised (LD_DEBUG=libs), in the program
// called and in the helper program it hands over to.
namespace {
// The first part of each library's file name.
const char* const kQtGui = "libQt6Gui.so";
const char* const kQtCore = "libQt6Core.so";
const char* const kPoppler = "libpoppler.so";
const char* const kDbus = "libdbus-1.so";
const char* const kTiff = "libtiff.so";
const char* const kCurl = "libcurl.so";
const char* const kSqlite = "libsqlite3.so";
const std::set<std::string> kLarge = {kQtGui, kQtCore, kPoppler, kDbus, kTiff, kCurl, kSqlite};

struct LibraryCase {
    const char* name;
    std::vector<std::string> args;
    int exitCode;
    std::set<std::string> loaded;  // of kLarge; the others must not be
};

// The large libraries named in the loader's "calling init: PATH" lines.
std::set<std::string> LargeLibrariesLoaded(const std::string& log)
{
    std::set<std::string> loaded;
    for (const auto& line : SplitLines(log)) {
        const auto at = line.find("calling init: ");
        if (at == std::string::npos)
            continue;
        const std::string file = line.substr(line.find_last_of('/') + 1);
        for (const auto& library : kLarge)
            if (file.rfind(library, 0) == 0)
                loaded.insert(library);
    }
    return loaded;
}

std::string InFolder(std::string text, const std::string& folder)
{
    if (text.rfind("DIR/", 0) == 0)
        text.replace(0, 4, folder);
    return text;
}

class LoadedLibraries : public testing::TestWithParam<LibraryCase> {};

TEST_P(LoadedLibraries, AreThoseOfTheCommand)
{
    const LibraryCase& c = GetParam();
    CTempDir dir;
    dir.Write("frame.plt", kSampleHpgl);
    dir.Write("a4.pdf", SamplePdf(595, 842));
    dir.Write("box.ps", "%!PS-Adobe-3.0\n%%BoundingBox: 0 0 595 842\nshowpage\n");
    std::vector<std::string> args;
    for (const auto& arg : c.args)
        args.push_back(InFolder(arg, dir.Path()));

    const auto result = CProcess::Run(test_config::kCli, args,
                                      {{"LD_DEBUG", "libs"}, {"QX_SENDORA_HISTORY", dir.File("history.sqlite")}});

    EXPECT_EQ(result.exitCode, c.exitCode);
    EXPECT_EQ(LargeLibrariesLoaded(result.err), c.loaded);
}

// Usage errors of the printer commands: their helper has started, and
// nothing waits for a printer. status talks to the printer's control port
// on a socket of its own, without libcurl.
INSTANTIATE_TEST_SUITE_P(
    Calls, LoadedLibraries,
    testing::Values(LibraryCase{"Version", {"--version"}, 0, {}},
                    LibraryCase{"Formats", {"formats"}, 0, {}},
                    LibraryCase{"SetupJob", {"build", "-o", "DIR/setup.pjl", "--setting", "sample"}, 0, {}},
                    LibraryCase{"JobOfAPlotFile", {"build", "-o", "DIR/job.pjl", "--owner", "Ada", "DIR/frame.plt"},
                                0, {}},
                    LibraryCase{"Defaults", {"defaults", "--setting", "sample"}, 0, {}},
                    LibraryCase{"SettingList", {"setting", "list"}, 0, {}},
                    LibraryCase{"SizeOfHpgl", {"size", "DIR/frame.plt"}, 0, {kTiff}},
                    LibraryCase{"SizeWithAPdf", {"size", "DIR/frame.plt", "DIR/a4.pdf"}, 0,
                                {kQtGui, kQtCore, kPoppler, kDbus, kTiff}},
                    LibraryCase{"SizeWithPostScript", {"size", "DIR/box.ps"}, 0,
                                {kQtGui, kQtCore, kPoppler, kDbus, kTiff}},
                    LibraryCase{"Preview", {"preview", "DIR/frame.plt", "-o", "DIR/out.png"}, 0,
                                {kQtGui, kQtCore, kPoppler, kDbus, kTiff}},
                    LibraryCase{"Status", {"status"}, 2, {}},
                    LibraryCase{"Send", {"send", "DIR/frame.plt"}, 2, {kCurl, kSqlite}},
                    LibraryCase{"Watch", {"watch"}, 2, {kCurl, kSqlite}},
                    LibraryCase{"History", {"history"}, 0, {kSqlite}}),
    ByCaseName());
}
