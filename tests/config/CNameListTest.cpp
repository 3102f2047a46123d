#include "CNameList.h"

#include "CTempDir.h"
#include "CaseNames.h"
#include "ResourceIds.h"

#include <gtest/gtest.h>

namespace {
using Names = std::vector<std::string>;
using Kind = CNameList::Kind;

// One user action: 'A' add, 'C' change the entry at index, 'D' delete it;
// message is what the action shows.
struct Step {
    char action;
    int index;
    std::string text;
    unsigned message = 0;
};

struct NameCase {
    const char* name;
    Kind kind;
    std::vector<Step> steps;
    Names names;
    bool modified;
    // The whole file after Apply.
    std::string written;
};

const std::string kFile = "[Owner Name]\nalice=\nbob=\n[Printer Name]\np1=\n";

class NameListTest : public testing::TestWithParam<NameCase> {
protected:
    static unsigned Run(CNameList& list, const Step& step)
    {
        if (step.action == 'A')
            return list.Add(step.text).id;
        if (step.action == 'C')
            return list.Change(step.index, step.text).id;
        list.Delete(step.index);
        return 0;
    }

    CTempDir m_dir;
};

TEST_P(NameListTest, EditsShowAndRewriteTheSection)
{
    const NameCase& c = GetParam();
    const std::string path = m_dir.Write(CUserConfig::kFileName, kFile);
    CNameList list(c.kind, CUserConfig(path));
    for (const Step& step : c.steps)
        EXPECT_EQ(Run(list, step), step.message) << step.action << " " << step.index << " " << step.text;
    EXPECT_EQ(list.GetEntries(), c.names);
    EXPECT_EQ(list.IsModified(), c.modified);
    EXPECT_TRUE(list.Apply());
    EXPECT_FALSE(list.IsModified());
    EXPECT_EQ(ReadFileBytes(path), c.written);
}

const unsigned kOwnerTwice = ResId::kDuplicateOwnerMessage;
const unsigned kPrinterTwice = ResId::kDuplicatePrinterMessage;
const unsigned kBadName = ResId::kBadNameMessage;
// Rewriting a section puts it at the end of the file.
const std::string kOwnersLast = "[Printer Name]\np1=\n[Owner Name]\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, NameListTest,
    testing::Values(
        NameCase{"OwnersInFileOrder", Kind::Owner, {}, {"alice", "bob"}, false, kOwnersLast + "alice=\nbob=\n"},
        // The file's keys ignore case: a twin would be dropped on writing.
        NameCase{"AddRefusesANameListedInAnotherCase",
                 Kind::Owner, {{'A', -1, "bob", kOwnerTwice}, {'A', -1, "Bob", kOwnerTwice}}, {"alice", "bob"}, false,
                 kOwnersLast + "alice=\nbob=\n"},
        NameCase{"CaseTwinsAreRefused",
                 Kind::Owner, {{'D', 0, ""}, {'D', 0, ""}, {'A', -1, "Alice"}, {'A', -1, "alice", kOwnerTwice}},
                 {"Alice"}, true, kOwnersLast + "Alice=\n"},
        NameCase{"ChangeIntoAnotherNamesTwinIsRefused",
                 Kind::Owner, {{'C', 0, "BOB", kOwnerTwice}}, {"alice", "bob"}, false, kOwnersLast + "alice=\nbob=\n"},
        NameCase{"ChangeOfANamesCaseAlone",
                 Kind::Owner, {{'C', 0, "Alice"}}, {"Alice", "bob"}, true, kOwnersLast + "Alice=\nbob=\n"},
        NameCase{"ChangeWithoutEditingIsADuplicate",
                 Kind::Owner, {{'C', 0, "alice", kOwnerTwice}}, {"alice", "bob"}, false,
                 kOwnersLast + "alice=\nbob=\n"},
        NameCase{"ChangeTakesTheOldPlace",
                 Kind::Owner, {{'C', 0, "carol"}, {'C', -1, "dan"}, {'C', 0, ""}}, {"carol", "bob"}, true,
                 kOwnersLast + "carol=\nbob=\n"},
        NameCase{"OwnerRefusesQuoteAndEqualsButNotDot",
                 Kind::Owner, {{'A', -1, "a=b", kBadName}, {'A', -1, "a\"b", kBadName}, {'A', -1, "a.b"}},
                 {"alice", "bob", "a.b"}, true, kOwnersLast + "alice=\nbob=\na.b=\n"},
        NameCase{"PrinterTakesAQuote",
                 Kind::Printer, {{'A', -1, "p\"2"}, {'A', -1, "[p]", kBadName}, {'A', -1, "p1", kPrinterTwice},
                                   {'A', -1, "P1", kPrinterTwice}},
                 {"p1", "p\"2"}, true, "[Owner Name]\nalice=\nbob=\n[Printer Name]\np1=\np\"2=\n"},
        // Stored as shown: trimmed, so that a blank neither hides a twin nor reaches the file.
        NameCase{"NamesAreTrimmed",
                 Kind::Owner, {{'A', -1, " carol\t"}, {'A', -1, " bob ", kOwnerTwice}, {'C', 0, " Alice  "}},
                 {"Alice", "bob", "carol"}, true, kOwnersLast + "Alice=\nbob=\ncarol=\n"},
        NameCase{"PrinterNameWithBlanksRefused",
                 Kind::Printer, {{'A', -1, "my printer", ResId::kBlankPrinterNameMessage}, {'A', -1, " p2 "}},
                 {"p1", "p2"}, true, "[Owner Name]\nalice=\nbob=\n[Printer Name]\np1=\np2=\n"},
        NameCase{"DeleteWithoutSelectionDoesNothing",
                 Kind::Printer, {{'D', -1, ""}, {'D', 1, ""}}, {"p1"}, false, kFile},
        NameCase{"DeleteEveryName", Kind::Printer, {{'D', 0, ""}}, {}, true, "[Owner Name]\nalice=\nbob=\n"}),
    ByCaseName());
}
