#include "CFormatTable.h"

#include "CExtensionConfig.h"
#include "CResourceModule.h"
#include "CScopedEnvironment.h"
#include "CTempDir.h"
#include "ResourceIds.h"

#include <gtest/gtest.h>

namespace {
const std::string kUnknown = "(unknown)";

struct FormatCase {
    const char* path;
    const char* format;
};

class FormatOfTest : public testing::TestWithParam<FormatCase> {
protected:
    // Blanks around pieces, a second format claiming an extension already
    // taken, and a format without extensions.
    const CFormatTable m_table{{"HPGL", "HPGL2", "TIFF", "COPY", "RAW"},
                               {"plt.hpg", " hpgl \n", "tif..tiff", "PLT.tif", ""},
                               kUnknown};
};

TEST_P(FormatOfTest, FirstFormatListingTheExtensionWins)
{
    EXPECT_EQ(m_table.FormatOf(GetParam().path), GetParam().format);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, FormatOfTest,
    testing::Values(FormatCase{"/plots/a.PLT", "HPGL"}, FormatCase{"b.hpg", "HPGL"}, FormatCase{"c.HPGL", "HPGL2"},
                    FormatCase{"d.Tiff", "TIFF"}, FormatCase{"e.tif", "TIFF"}, FormatCase{"noextension", "(unknown)"},
                    FormatCase{"/dir.plt/noextension", "(unknown)"}, FormatCase{"trailing.", "(unknown)"},
                    FormatCase{"f.plt.bak", "(unknown)"}, FormatCase{"/plots/.plt", "HPGL"},
                    FormatCase{"g. hpgl", "(unknown)"}, FormatCase{"h.raw", "(unknown)"}));

TEST(FormatTableTest, ExtensionsAreTrimmedWithTheirDot)
{
    const CFormatTable table({"HPGL", "RAW"}, {" plt . hpg\nhpgl", ""}, kUnknown);
    EXPECT_EQ(table.ExtensionsOf(0), (std::vector<std::string>{".plt", ".hpg", ".hpgl"}));
    EXPECT_TRUE(table.ExtensionsOf(1).empty());
}

TEST(FormatTableTest, LoadReadsTheExtensionFileAndTheUnknownMarker)
{
    CTempDir dir;
    CScopedEnvironment dataDir("QX_SENDORA_DATA_DIR", dir.Path());
    dir.Write(CExtensionConfig::kFileName, "[Data Format]\nCGM=cgm\nPDF = pdf \n");
    const CFormatTable table = CFormatTable::Load();
    EXPECT_EQ(table.Formats(), (std::vector<std::string>{"CGM", "PDF"}));
    EXPECT_EQ(table.FormatOf("x.CGM"), "CGM");
    EXPECT_EQ(table.FormatOf("x.pdf"), "PDF");
    EXPECT_EQ(table.UnknownMarker(), CResourceModule::LoadString(ResId::kUnknownFormatName));
    EXPECT_EQ(table.FormatOf("x.doc"), "(unknown format)");
}
}
