#include "CFormatExtensionList.h"

#include "CExtensionConfig.h"
#include "CProgramPaths.h"
#include "CScopedEnvironment.h"
#include "CTempDir.h"
#include "CaseNames.h"
#include "ResourceIds.h"

#include <gtest/gtest.h>

namespace {
using Pieces = std::vector<std::string>;

// One user action: 'F' choose the format named text, 'A' add, 'C' change
// the entry at index, 'D' delete it; message is what the action shows.
struct Step {
    char action;
    int index;
    std::string text;
    unsigned message = 0;
    std::string argument = {};  // of the message
};

struct EditCase {
    const char* name;
    std::string file;
    std::vector<Step> steps;
    Pieces shown;
    bool modified;
    // The whole file after Apply.
    std::string written;
};

const std::string kVersion = "[Version]\n2nd=2\n";

// The tests' program folder holds no extension file, so the data folder's
// copy is the one read and written.
class FormatExtensionListTest : public testing::TestWithParam<EditCase> {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(FileExists(CProgramPaths::GetProgramFolder() + CExtensionConfig::kFileName));
    }

    static CRegistInput::Refusal Run(CFormatExtensionList& list, const Step& step)
    {
        switch (step.action) {
        case 'F':
            list.ChooseFormat(step.text);
            return {};
        case 'A':
            return list.Add(step.text);
        case 'C':
            return list.Change(step.index, step.text);
        default:
            list.Delete(step.index);
            return {};
        }
    }

    CTempDir m_dir;
    CScopedEnvironment m_dataDir{"QX_SENDORA_DATA_DIR", m_dir.Path()};
};

TEST_P(FormatExtensionListTest, EditsShowAndWrite)
{
    const EditCase& c = GetParam();
    const std::string path = m_dir.Write(CExtensionConfig::kFileName, c.file);
    CFormatExtensionList list = CFormatExtensionList::Load();
    for (const Step& step : c.steps)
        EXPECT_EQ(Run(list, step), (CRegistInput::Refusal{step.message, step.argument})) << step.action << " " << step.index << " " << step.text;
    EXPECT_EQ(list.GetEntries(), c.shown);
    EXPECT_EQ(list.IsModified(), c.modified);
    EXPECT_TRUE(list.Apply());
    EXPECT_FALSE(list.IsModified());
    EXPECT_EQ(ReadFileBytes(path), c.written);
}

// A duplicate names the format the extension belongs to.
const unsigned kOwned = ResId::kExtensionOfFormatMessage;
const std::string kTwo = "[Data Format]\nHPGL=plt.hpg\nTIFF=tif\n" + kVersion;

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatExtensionListTest,
    testing::Values(
        EditCase{"FirstFormatShownAndWrittenAsItIs", kTwo, {}, {"plt", "hpg"}, false, kTwo},
        EditCase{"AddAppendsToTheChosenFormat",
                 "[Data Format]\nHPGL=plt\nRAW=\n",
                 {{'F', -1, "RAW"}, {'A', -1, "raw"}, {'A', -1, "bin"}},
                 {"raw", "bin"}, true, "[Data Format]\nHPGL=plt\nRAW=raw.bin\n"},
        EditCase{"AddKnownInAnyFormatWithoutCase",
                 kTwo, {{'F', -1, "TIFF"}, {'A', -1, "PLT", kOwned, "HPGL"}}, {"tif"}, false, kTwo},
        EditCase{"AddWithADotRefused", kTwo, {{'A', -1, "p.lt", ResId::kBadExtensionMessage}}, {"plt", "hpg"}, false,
                 kTwo},
        EditCase{"AddEmptyIgnored", kTwo, {{'A', -1, ""}, {'A', -1, " "}}, {"plt", "hpg"}, false, kTwo},
        EditCase{"AddTrimmed", kTwo, {{'A', -1, " hgl "}, {'A', -1, "\tHGL", kOwned, "HPGL"}}, {"plt", "hpg", "hgl"}, true,
                 "[Data Format]\nHPGL=plt.hpg.hgl\nTIFF=tif\n" + kVersion},
        EditCase{"ChangeToTheSameTextDoesNothing", kTwo, {{'C', 0, "plt"}}, {"plt", "hpg"}, false, kTwo},
        EditCase{"ChangeOnlyTheCaseIsADuplicate",
                 kTwo, {{'C', 0, "PLT", kOwned, "HPGL"}}, {"plt", "hpg"}, false, kTwo},
        EditCase{"ChangeToAnotherFormatsExtension",
                 kTwo, {{'C', 1, "TIF", kOwned, "TIFF"}}, {"plt", "hpg"}, false, kTwo},
        EditCase{"ChangeWithoutSelectionDoesNothing", kTwo, {{'C', -1, "x"}, {'C', 2, "x"}}, {"plt", "hpg"}, false,
                 kTwo},
        EditCase{"ChangeTakesTheOldPlace",
                 "[Data Format]\nHPGL= plt . hpg .hgl\n",
                 {{'C', 1, "hp2"}},
                 {"plt", "hp2", "hgl"}, true, "[Data Format]\nHPGL=plt.hp2.hgl\n"},
        EditCase{"DeleteTheLastExtensionLeavesAnEmptyText",
                 kTwo, {{'F', -1, "TIFF"}, {'D', 0, ""}}, {}, true, "[Data Format]\nHPGL=plt.hpg\nTIFF=\n" + kVersion},
        EditCase{"DeleteWithoutSelectionStillRewrites",
                 "[Data Format]\nHPGL=plt..hpg\n", {{'D', -1, ""}}, {"plt", "hpg"}, true,
                 "[Data Format]\nHPGL=plt.hpg\n"},
        EditCase{"UnknownFormatKeepsTheShownList",
                 kTwo, {{'F', -1, "CGM"}, {'A', -1, "cgm"}}, {"plt", "hpg", "cgm"}, true, kTwo},
        EditCase{"NoFormatsListsButWritesNothing", kVersion, {{'A', -1, "plt"}}, {"plt"}, true, kVersion}),
    ByCaseName());

TEST(FormatExtensionTextTest, PiecesAreTrimmedAndEmptyOnesSkipped)
{
    EXPECT_EQ(CFormatExtensionList::ExtensionsOf(" plt .\nhpg\t"), (Pieces{"plt", "hpg"}));
    EXPECT_EQ(CFormatExtensionList::ExtensionsOf(".plt.hpg"), (Pieces{"plt", "hpg"}));
}
}
