#include "CFolderFiles.h"

#include "CTempDir.h"
#include "CaseNames.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

namespace {
namespace fs = std::filesystem;

std::vector<std::string> Collect(const std::string& folder, int* found = nullptr)
{
    return CFolderFiles::Collect(folder, [found] {
        if (found)
            ++*found;
    });
}

std::string Relative(const CTempDir& dir, const std::string& path)
{
    return path.substr(dir.Path().size());
}

struct OrderCase {
    const char* name;
    // A name ending in "/" is an empty folder.
    std::vector<std::string> written;
    // Below the folder "top/".
    std::vector<std::string> collected;
};

class CFolderFilesOrderTest : public testing::TestWithParam<OrderCase> {};

TEST_P(CFolderFilesOrderTest, FilesInNaturalNameOrderThenSubfoldersDepthFirst)
{
    CTempDir dir;
    fs::create_directory(dir.File("top"));
    for (const std::string& file : GetParam().written) {
        fs::create_directories(fs::path(dir.File("top/" + file)).parent_path());
        if (!file.ends_with('/'))
            WriteFileBytes(dir.File("top/" + file), "IN;");
    }
    int found = 0;
    std::vector<std::string> files;
    for (const std::string& path : Collect(dir.File("top"), &found))
        files.push_back(Relative(dir, path).substr(std::string("top/").size()));
    EXPECT_EQ(files, GetParam().collected);
    EXPECT_EQ(found, static_cast<int>(files.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Folders, CFolderFilesOrderTest,
    testing::Values(
        OrderCase{"NumbersByValue",
                  {"sheet 10.plt", "sheet 2.plt", "sheet 1.plt", "sheet 1a.plt"},
                  {"sheet 1.plt", "sheet 1a.plt", "sheet 2.plt", "sheet 10.plt"}},
        OrderCase{"CaseIgnored", {"B.plt", "a.plt", "C.plt", "b2.plt"}, {"a.plt", "B.plt", "b2.plt", "C.plt"}},
        OrderCase{"LeadingZerosCountForNothing", {"a10.plt", "a007.plt", "a8.plt", "a7b.plt"},
                  {"a007.plt", "a7b.plt", "a8.plt", "a10.plt"}},
        OrderCase{"HiddenFilesAndFoldersLeftOut", {".hidden.plt", "plan.plt", ".sending/a.plt", "sub/.b.plt"},
                  {"plan.plt"}},
        OrderCase{"FolderFilesBeforeSubfolders",
                  {"sub10/a.plt", "z.plt", "sub2/deep/b.plt", "sub2/c.plt", "a.plt", "empty/"},
                  {"a.plt", "z.plt", "sub2/c.plt", "sub2/deep/b.plt", "sub10/a.plt"}}),
    ByCaseName());

TEST(CFolderFilesTest, LinkedFoldersAreNotFollowedSoALoopEnds)
{
    CTempDir dir;
    WriteFileBytes(dir.File("top/sub/a.plt"), "IN;");
    fs::create_directory_symlink(dir.File("top"), dir.File("top/sub/loop"));
    fs::create_symlink(dir.File("top/sub/a.plt"), dir.File("top/link.plt"));
    ASSERT_EQ(mkfifo(dir.File("top/pipe.plt").c_str(), 0600), 0);

    std::vector<std::string> files;
    for (const std::string& path : Collect(dir.File("top")))
        files.push_back(Relative(dir, path));
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"top/link.plt", "top/sub/a.plt"}));
    EXPECT_TRUE(Collect(dir.File("missing")).empty());
}
}
