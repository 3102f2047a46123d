#include "CPrintData.h"

#include "CFakeFileSystemQuery.h"
#include "CFormatTable.h"
#include "CMessageRecorder.h"
#include "CScopedEnvironment.h"
#include "CTempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace {
using Fake = CFakeFileSystemQuery;

const std::string kPlot = "IN;SP1;PA0,0;PD1000,1000;PU;\n";

// Copies go to a private temporary folder, so a test sees every file that
// was made and every file that was left behind.
class PrintDataTest : public testing::Test {
protected:
    std::vector<std::string> TempFiles() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_temp.Path()))
            names.push_back(entry.path().filename().string());
        return names;
    }

    CTempDir m_user;
    CTempDir m_temp;
    CScopedEnvironment m_tmpdir{"TMPDIR", m_temp.Path()};
    CMessageRecorder m_messages;
    const CFormatTable m_formats{{"HPGL", "TIFF"}, {"plt.hpg", "tif.tiff"}, "(unknown format)"};
    const Fake m_localDisk{Fake::kExt4, false};
};

TEST_F(PrintDataTest, FileOnLocalDiskIsSentInPlace)
{
    const std::string path = m_user.Write("Site Plan.PLT", kPlot);
    {
        CPrintData entry;
        ASSERT_TRUE(entry.SetFile(path, m_formats, m_localDisk));
        EXPECT_EQ(entry.GetSendPath(), path);
        EXPECT_EQ(entry.GetFileName(), "Site Plan.PLT");
        EXPECT_EQ(entry.GetDataFormat(), "HPGL");
        EXPECT_EQ(entry.GetCopies(), 1);
        EXPECT_FALSE(entry.IsTempCopy());
    }
    EXPECT_EQ(ReadFileBytes(path), kPlot);
    EXPECT_TRUE(TempFiles().empty());
    EXPECT_TRUE(m_messages.Messages().empty());
}

struct CopiedCase {
    const char* name;
    std::uint32_t type;
    bool removable;
};

class CopiedDriveTest : public PrintDataTest, public testing::WithParamInterface<CopiedCase> {};

TEST_P(CopiedDriveTest, FileIsSentFromAPrivateCopyDeletedWithTheEntry)
{
    const std::string path = m_user.Write("scan.tif", kPlot);
    const Fake drive(GetParam().type, GetParam().removable);
    {
        CPrintData entry;
        ASSERT_TRUE(entry.SetFile(path, m_formats, drive));
        EXPECT_TRUE(entry.IsTempCopy());
        EXPECT_EQ(entry.GetFileName(), "scan.tif");
        EXPECT_EQ(entry.GetDataFormat(), "TIFF");
        ASSERT_EQ(TempFiles().size(), 1u);
        EXPECT_EQ(TempFiles()[0].substr(0, 3), "QSD");
        EXPECT_EQ(entry.GetSendPath(), m_temp.File(TempFiles()[0]));
        EXPECT_EQ(ReadFileBytes(entry.GetSendPath()), kPlot);
    }
    EXPECT_TRUE(TempFiles().empty());
    EXPECT_EQ(ReadFileBytes(path), kPlot);
}

INSTANTIATE_TEST_SUITE_P(Drives, CopiedDriveTest,
                         testing::Values(CopiedCase{"Removable", Fake::kVfat, true},
                                         CopiedCase{"Nfs", Fake::kNfs, false}, CopiedCase{"Cifs", Fake::kCifs, false},
                                         CopiedCase{"Optical", Fake::kIso9660, true},
                                         CopiedCase{"Fuse", Fake::kFuse, false}),
                         [](const testing::TestParamInfo<CopiedCase>& info) { return std::string(info.param.name); });

TEST_F(PrintDataTest, RamDiskFileIsSentInPlace)
{
    const std::string path = m_user.Write("a.plt", kPlot);
    CPrintData entry;
    ASSERT_TRUE(entry.SetFile(path, m_formats, Fake(Fake::kTmpfs, false)));
    EXPECT_EQ(entry.GetSendPath(), path);
    EXPECT_TRUE(TempFiles().empty());
}

TEST_F(PrintDataTest, LargeFileIsCopiedWhole)
{
    std::string bytes(300000, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7 % 251);
    const std::string path = m_user.Write("big.plt", bytes);
    CPrintData entry;
    ASSERT_TRUE(entry.SetFile(path, m_formats, Fake(Fake::kNfs, false)));
    EXPECT_EQ(ReadFileBytes(entry.GetSendPath()), bytes);
}

TEST_F(PrintDataTest, UnrecognisedExtensionGetsTheMarker)
{
    CPrintData noExtension;
    ASSERT_TRUE(noExtension.SetFile(m_user.Write("README", "x"), m_formats, m_localDisk));
    EXPECT_EQ(noExtension.GetDataFormat(), "(unknown format)");
    CPrintData other;
    ASSERT_TRUE(other.SetFile(m_user.Write("notes.txt", "x"), m_formats, m_localDisk));
    EXPECT_EQ(other.GetDataFormat(), "(unknown format)");
}

TEST_F(PrintDataTest, FileDeletedBeforeSetFileIsRefusedWithAMessage)
{
    const std::string path = m_user.Write("gone.plt", kPlot);
    std::filesystem::remove(path);
    CPrintData entry;
    EXPECT_FALSE(entry.SetFile(path, m_formats, Fake(Fake::kNfs, false)));
    ASSERT_EQ(m_messages.Messages().size(), 1u);
    EXPECT_EQ(m_messages.Messages()[0].id, 0u);
    EXPECT_EQ(m_messages.Messages()[0].text, path + ": " + std::strerror(ENOENT));
    EXPECT_TRUE(TempFiles().empty());
}

TEST_F(PrintDataTest, FolderIsRefused)
{
    CPrintData entry;
    EXPECT_FALSE(entry.SetFile(m_user.Path(), m_formats, m_localDisk));
    ASSERT_EQ(m_messages.Messages().size(), 1u);
    EXPECT_EQ(m_messages.Messages()[0].text, m_user.Path() + ": " + std::strerror(EISDIR));
}

TEST_F(PrintDataTest, DeviceIsRefused)
{
    CPrintData entry;
    EXPECT_FALSE(entry.SetFile("/dev/zero", m_formats, m_localDisk));
    EXPECT_EQ(m_messages.Ids(), std::vector<unsigned>{0});
}

TEST_F(PrintDataTest, MissingTemporaryFolderRefusesTheCopyAndLeavesNothing)
{
    const std::string path = m_user.Write("a.plt", kPlot);
    CScopedEnvironment missing("TMPDIR", m_temp.File("no-such-folder"));
    CPrintData entry;
    EXPECT_FALSE(entry.SetFile(path, m_formats, Fake(Fake::kNfs, false)));
    ASSERT_EQ(m_messages.Messages().size(), 1u);
    EXPECT_EQ(m_messages.Messages()[0].text, std::strerror(ENOENT));
    EXPECT_TRUE(TempFiles().empty());
    EXPECT_EQ(ReadFileBytes(path), kPlot);
}

TEST_F(PrintDataTest, SettingAnotherFileDeletesTheFirstCopy)
{
    CPrintData entry;
    ASSERT_TRUE(entry.SetFile(m_user.Write("a.plt", "a"), m_formats, Fake(Fake::kNfs, false)));
    const std::string first = entry.GetSendPath();
    ASSERT_TRUE(entry.SetFile(m_user.Write("b.plt", "b"), m_formats, m_localDisk));
    EXPECT_FALSE(FileExists(first));
    EXPECT_FALSE(entry.IsTempCopy());
    EXPECT_TRUE(TempFiles().empty());
}

TEST_F(PrintDataTest, FailedSetFileKeepsTheEntryAsItWas)
{
    CPrintData entry;
    ASSERT_TRUE(entry.SetFile(m_user.Write("a.plt", "a"), m_formats, Fake(Fake::kNfs, false)));
    const std::string copy = entry.GetSendPath();
    EXPECT_FALSE(entry.SetFile(m_user.File("missing.plt"), m_formats, m_localDisk));
    EXPECT_EQ(entry.GetSendPath(), copy);
    EXPECT_EQ(ReadFileBytes(copy), "a");
}
}
