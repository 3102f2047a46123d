#include "CHeldTempFile.h"

#include "CTempDir.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>

// Temporary files that a process killed hard cannot leave behind.
namespace {
TEST(HeldTempFile, AnUnnamedFileHasNoNameYetOpensAgainThroughItsPath)
{
    CTempDir folder;
    auto file = CHeldTempFile::Create(folder.Path(), "MSD");
    ASSERT_TRUE(file);
    EXPECT_FALSE(file->IsNamed());
    ASSERT_EQ(write(file->GetFd(), "job", 3), 3);
    EXPECT_TRUE(FilesBelow(folder.Path()).empty());
    EXPECT_EQ(ReadFileBytes(file->GetPath()), "job");
    ASSERT_TRUE(file->MoveTo(folder.File("out.pjl")));
    EXPECT_EQ(ReadFileBytes(folder.File("out.pjl")), "job");
    EXPECT_FALSE(file->IsOpen());
}

// A real process holds its named file until SIGKILL ends it; only then,
// and only files of our prefix and user, are removed.
TEST(HeldTempFile, LeftoversGoOnceNoLiveProcessHoldsThem)
{
    CTempDir folder;
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    const pid_t writer = fork();
    if (writer == 0) {
        auto file = CHeldTempFile::CreateNamed(folder.Path(), "MSD");
        const char ready = file ? '1' : '0';
        [[maybe_unused]] const auto sent = write(pipeEnds[1], &ready, 1);
        pause();
        _exit(0);
    }
    char ready = 0;
    ASSERT_EQ(read(pipeEnds[0], &ready, 1), 1);
    ASSERT_EQ(ready, '1');
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    const auto held = CHeldTempFile::CreateNamed(folder.Path(), "MSD");
    ASSERT_TRUE(held);
    folder.Write("QSDkept", "another prefix");
    // Only root can give a file to another user.
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(chown(folder.Write("MSDothers", "another user's").c_str(), 65534, 65534), 0);
    }
    const std::set<std::string> before = FilesBelow(folder.Path());
    ASSERT_EQ(before.size(), root ? 4u : 3u);

    CHeldTempFile::RemoveLeftovers(folder.Path(), "MSD");
    EXPECT_EQ(FilesBelow(folder.Path()), before);

    kill(writer, SIGKILL);
    waitpid(writer, nullptr, 0);
    CHeldTempFile::RemoveLeftovers(folder.Path(), "MSD");
    std::set<std::string> left = {"QSDkept", held->GetPath().substr(folder.Path().size())};
    if (root)
        left.insert("MSDothers");
    EXPECT_EQ(FilesBelow(folder.Path()), left);
}
}
