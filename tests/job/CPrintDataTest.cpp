#include "CPrintData.h"

#include "CFakeFileSystemQuery.h"
#include "CFormatTable.h"
#include "CMessageRecorder.h"
#include "CScopedEnvironment.h"
#include "CTempDir.h"
#include "CaseNames.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <optional>
#include <tuple>

namespace {
using Fake = CFakeFileSystemQuery;

// Larger than a block of the copy.
const std::string kPlot = PatternBytes(300000);

// Copies go to a private temporary folder, so a test sees every file that
// was made and every file that was left behind.
class PrintDataTest : public testing::Test {
protected:
    std::set<std::string> TempFiles() const { return FilesBelow(m_temp.Path()); }

    CTempDir m_user;
    CTempDir m_temp;
    CScopedEnvironment m_tmpdir{"TMPDIR", m_temp.Path()};
    CMessageRecorder m_messages;
    const CFormatTable m_formats{{"HPGL", "TIFF"}, {"plt.hpg", "tif.tiff"}, "(unknown format)"};
    const Fake m_localDisk{Fake::kExt4, false};
    const Fake m_network{Fake::kNfs, false};
};

// Which drives are copied is the drive classification's business; here,
// what each of the two ways leaves behind.
struct DriveCase {
    const char* name;
    std::uint32_t type;
    bool removable;
    bool copied;
};

class PrintDataDriveTest : public PrintDataTest, public testing::WithParamInterface<DriveCase> {};

TEST_P(PrintDataDriveTest, FileIsSentInPlaceOrFromAPrivateCopyDeletedWithTheEntry)
{
    const std::string path = m_user.Write("Site Plan.PLT", kPlot);
    {
        CPrintData entry;
        ASSERT_TRUE(entry.SetFile(path, m_formats, Fake(GetParam().type, GetParam().removable)));
        EXPECT_EQ(entry.GetFileName(), "Site Plan.PLT");
        EXPECT_EQ(entry.IsTempCopy(), GetParam().copied);
        ASSERT_EQ(TempFiles().size(), GetParam().copied ? 1u : 0u);
        if (GetParam().copied) {
            EXPECT_EQ(TempFiles().begin()->substr(0, 3), "QSD");
            EXPECT_EQ(entry.GetSendPath(), m_temp.File(*TempFiles().begin()));
        } else {
            EXPECT_EQ(entry.GetSendPath(), path);
        }
        EXPECT_EQ(ReadFileBytes(entry.GetSendPath()), kPlot);
    }
    EXPECT_EQ(ReadFileBytes(path), kPlot);
    EXPECT_TRUE(TempFiles().empty());
    EXPECT_TRUE(m_messages.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Drives, PrintDataDriveTest,
                         testing::Values(DriveCase{"LocalDisk", Fake::kExt4, false, false},
                                         DriveCase{"Removable", Fake::kVfat, true, true},
                                         DriveCase{"Network", Fake::kNfs, false, true}), ByCaseName());

std::string Error(const std::string& path, int error)
{
    return path + ": " + std::strerror(error);
}

TEST_F(PrintDataTest, RefusedFileShowsWhyAndLeavesNothing)
{
    const std::string plot = m_user.Write("a.plt", kPlot);
    const std::string pipe = m_user.File("pipe.plt");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    // Path, message, and whether the temporary folder is missing.
    const std::tuple<std::string, std::string, bool> cases[] = {
        {m_user.File("gone.plt"), Error(m_user.File("gone.plt"), ENOENT), false},
        {m_user.Path(), Error(m_user.Path(), EISDIR), false},
        {"/dev/zero", "/dev/zero: Is a device", false},
        {pipe, pipe + ": Is a named pipe", false},
        {plot, std::strerror(ENOENT), true}};
    for (const auto& [path, message, missingTempFolder] : cases) {
        std::optional<CScopedEnvironment> missing;
        if (missingTempFolder)
            missing.emplace("TMPDIR", m_temp.File("no-such-folder"));
        m_messages.Clear();
        CPrintData entry;
        EXPECT_FALSE(entry.SetFile(path, m_formats, m_network)) << path;
        ASSERT_EQ(m_messages.Messages().size(), 1u) << path;
        EXPECT_EQ(m_messages.Messages()[0].id, 0u);
        EXPECT_EQ(m_messages.Messages()[0].text, message);
        EXPECT_TRUE(TempFiles().empty()) << path;
    }
    EXPECT_EQ(ReadFileBytes(plot), kPlot);
}

TEST_F(PrintDataTest, AnotherFileReplacesTheFirstAndItsCopyUnlessRefused)
{
    CPrintData entry;
    ASSERT_TRUE(entry.SetFile(m_user.Write("a.plt", "a"), m_formats, m_network));
    const std::string copy = entry.GetSendPath();
    EXPECT_FALSE(entry.SetFile(m_user.File("missing.plt"), m_formats, m_localDisk));
    EXPECT_EQ(entry.GetSendPath(), copy);
    EXPECT_EQ(ReadFileBytes(copy), "a");

    ASSERT_TRUE(entry.SetFile(m_user.Write("b.plt", "b"), m_formats, m_localDisk));
    EXPECT_FALSE(FileExists(copy));
    EXPECT_FALSE(entry.IsTempCopy());
    EXPECT_EQ(entry.GetFileName(), "b.plt");
    EXPECT_TRUE(TempFiles().empty());
}
}
