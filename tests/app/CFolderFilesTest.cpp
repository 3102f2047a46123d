#include "CFolderFiles.h"

#include "CTempDir.h"

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

TEST(CFolderFilesTest, FlatFolderInListingOrder)
{
    CTempDir dir;
    fs::create_directory(dir.File("plots"));
    for (const char* name : {"b.plt", "a.plt", "c.tif", "d.cgm"})
        WriteFileBytes(dir.File("plots/") + name, "IN;");
    std::vector<std::string> expected;
    for (const auto& entry : fs::directory_iterator(dir.File("plots")))
        expected.push_back(entry.path().string());
    int found = 0;
    EXPECT_EQ(Collect(dir.File("plots"), &found), expected);
    EXPECT_EQ(found, 4);
}

TEST(CFolderFilesTest, SubfoldersAreWalkedWhereTheyAreListed)
{
    CTempDir dir;
    for (const char* folder : {"top/one", "top/two/deep", "top/empty"})
        fs::create_directories(dir.File(folder));
    for (const char* file : {"top/a.plt", "top/one/b.plt", "top/one/c.plt", "top/two/d.plt", "top/two/deep/e.plt"})
        WriteFileBytes(dir.File(file), "IN;");

    std::vector<std::string> files;
    for (const std::string& path : Collect(dir.File("top")))
        files.push_back(Relative(dir, path));
    std::vector<std::string> sorted = files;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::vector<std::string>{"top/a.plt", "top/one/b.plt", "top/one/c.plt", "top/two/d.plt",
                                                "top/two/deep/e.plt"}));
    // Each folder's files stay together: depth first.
    for (const std::string folder : {"top/one/", "top/two/"}) {
        const auto inFolder = [&](const std::string& file) { return file.starts_with(folder); };
        const auto first = std::find_if(files.begin(), files.end(), inFolder);
        ASSERT_NE(first, files.end());
        EXPECT_TRUE(inFolder(*(first + 1))) << folder;
    }
}

TEST(CFolderFilesTest, LinkedFoldersAreNotFollowedSoALoopEnds)
{
    CTempDir dir;
    fs::create_directories(dir.File("top/sub"));
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
