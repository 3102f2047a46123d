#include "CExtensionConfig.h"

#include "CFormatExtensionList.h"
#include "CProgramPaths.h"
#include "CScopedEnvironment.h"
#include "CTempDir.h"
#include "TestConfig.h"

#include <gtest/gtest.h>

#include <utility>

namespace {
using Pieces = std::vector<std::string>;

// The tests' program folder holds no extension file, so every operation
// reads the data folder's copy, which each test writes itself.
class ExtensionConfigTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(FileExists(CProgramPaths::GetProgramFolder() + CExtensionConfig::kFileName));
    }
    void WriteFile(const std::string& bytes) { m_dir.Write(CExtensionConfig::kFileName, bytes); }

    CTempDir m_dir;
    CScopedEnvironment m_dataDir{"QX_SENDORA_DATA_DIR", m_dir.Path()};
};

// With no file anywhere, no formats and version digit zero, and writes go to
// the fallback file. A format name the file lacks gets an empty list at its
// index.
TEST_F(ExtensionConfigTest, FormatsAndTheirListsInFileOrder)
{
    Pieces none;
    CExtensionConfig::LoadDataFormats(none);
    EXPECT_TRUE(none.empty());
    EXPECT_EQ(CExtensionConfig::GetMinimumVersionDigit(), 0);
    EXPECT_EQ(CExtensionConfig::GetPath(), m_dir.File(CExtensionConfig::kFileName));
    WriteFile("[Data Format]\nHPGL=plt.hpg\nTIFF=tif..tiff\nRAW=\n[Version]\n2nd=3\n");
    Pieces formats{"kept"};
    CExtensionConfig::LoadDataFormats(formats);
    EXPECT_EQ(formats, (Pieces{"kept", "HPGL", "TIFF", "RAW"}));
    formats[0] = "NONE";
    Pieces extensions{"tail"};
    CExtensionConfig::LoadFormatExtensions(formats, extensions);
    EXPECT_EQ(extensions, (Pieces{"", "plt.hpg", "tif..tiff", "", "tail"}));
    EXPECT_EQ(CExtensionConfig::GetMinimumVersionDigit(), 3);
}

TEST_F(ExtensionConfigTest, FileBesideTheProgramWinsOverTheFallback)
{
    CTempDir program;
    EXPECT_EQ(CExtensionConfig::ResolvePath(program.Path(), m_dir.Path()), m_dir.File(CExtensionConfig::kFileName));
    program.Write(CExtensionConfig::kFileName, "");
    EXPECT_EQ(CExtensionConfig::ResolvePath(program.Path(), m_dir.Path()),
              program.File(CExtensionConfig::kFileName));
}

// An installation writes edited data formats into the user's own file and
// reads them from there once it exists, while the version digit stays the
// shipped file's, so that an update reaches it. The shipped file is never
// written.
TEST_F(ExtensionConfigTest, InstallationKeepsTheUsersFormatsApart)
{
    CTempDir config;
    CScopedEnvironment layout("QX_SENDORA_LAYOUT", "installed");
    CScopedEnvironment configHome("XDG_CONFIG_HOME", config.Path());
    const std::string shipped = "[Data Format]\nHPGL=plt\nTIFF=tif\n[Version]\n2nd=3\n";
    WriteFile(shipped);
    const std::string own = config.File("qx-sendora/") + CExtensionConfig::kFileName;
    EXPECT_EQ(CExtensionConfig::GetWritePath(), own);

    CFormatExtensionList list = CFormatExtensionList::Load();
    EXPECT_EQ(list.Add("hpg"), CRegistInput::Refusal{});
    ASSERT_TRUE(list.Apply());
    EXPECT_EQ(ReadFileBytes(own), "[Data Format]\r\nHPGL=plt.hpg\r\nTIFF=tif\r\n");
    EXPECT_EQ(ReadFileBytes(m_dir.File(CExtensionConfig::kFileName)), shipped);
    WriteFile("[Data Format]\nCGM=cgm\n[Version]\n2nd=4\n");
    EXPECT_EQ(CExtensionConfig::GetPath(), own);
    EXPECT_EQ(CFormatExtensionList::Load().GetExtensionTexts(), (Pieces{"plt.hpg", "tif"}));
    EXPECT_EQ(CExtensionConfig::GetMinimumVersionDigit(), 4);
}

// Printers with older software than this digit are refused.
TEST(ExtensionConfigShippedTest, AsksForVersionDigitTwo)
{
    CScopedEnvironment dataDir("QX_SENDORA_DATA_DIR", test_config::kDataDir);
    EXPECT_EQ(CExtensionConfig::GetMinimumVersionDigit(), 2);
}

TEST(SplitExtensionsTest, CutsAtDotsAndLineFeedsAndAppends)
{
    const std::pair<const char*, Pieces> cases[] = {
        {"plt.hpg", {"plt", "hpg"}}, {"plt..hpg", {"plt", "hpg"}}, {".plt.hpg", {"plt", "hpg"}},
        {"plt.hpg.", {"plt", "hpg"}}, {"tif\ntiff", {"tif", "tiff"}}, {"", {}}, {"...\n.", {}},
        {" plt . hpg ", {" plt ", " hpg "}}, {"cal", {"cal"}}};
    for (const auto& [text, expected] : cases) {
        Pieces pieces{"before"};
        CExtensionConfig::SplitExtensions(text, pieces);
        EXPECT_EQ(pieces.front(), "before");
        EXPECT_EQ(Pieces(pieces.begin() + 1, pieces.end()), expected) << text;
    }
}
}
