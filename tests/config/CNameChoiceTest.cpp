#include "CNameChoice.h"

#include "CLogonName.h"
#include "CRegistryValues.h"
#include "CScopedEnvironment.h"
#include "CSendDefaults.h"
#include "CTempDir.h"
#include "CUserConfig.h"
#include "CaseNames.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {
using Names = std::vector<std::string>;

struct OwnerCase {
    const char* name;
    Names registered;
    std::string logon;
    std::string remembered;
    Names offered;
    int selected;
};

class OwnerChoiceTest : public testing::TestWithParam<OwnerCase> {};

TEST_P(OwnerChoiceTest, OffersTheLogonNameAndSelects)
{
    const OwnerCase& c = GetParam();
    const CNameChoice choice = CNameChoice::ForOwners(c.registered, c.logon, c.remembered);
    EXPECT_EQ(choice.names, c.offered);
    EXPECT_EQ(choice.selected, c.selected);
    EXPECT_EQ(choice.SelectedName(), c.selected < 0 ? "" : c.offered[static_cast<std::size_t>(c.selected)]);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OwnerChoiceTest,
    testing::Values(
        OwnerCase{"RememberedWhileLogonRegistered", {"alice", "bob"}, "alice", "bob", {"alice", "bob"}, 1},
        OwnerCase{"UnregisteredLogonAddedAndSelected", {"alice", "bob"}, "carol", "bob", {"alice", "bob", "carol"}, 2},
        OwnerCase{"NoOwnersOnlyLogon", {}, "carol", "bob", {"carol"}, 0},
        OwnerCase{"NothingRemembered", {"alice", "bob"}, "bob", "", {"alice", "bob"}, 0},
        OwnerCase{"RememberedNotListed", {"alice", "bob"}, "alice", "zed", {"alice", "bob"}, 0},
        OwnerCase{"RememberedComparedWithCase", {"alice", "bob"}, "alice", "Bob", {"alice", "bob"}, 0},
        OwnerCase{"LogonComparedWithCase", {"alice"}, "Alice", "alice", {"alice", "Alice"}, 1},
        OwnerCase{"FirstOfDuplicates", {"x", "bob", "bob"}, "x", "bob", {"x", "bob", "bob"}, 1},
        OwnerCase{"UnknownLogonAddsNothing", {"alice", "bob"}, "", "bob", {"alice", "bob"}, 1},
        OwnerCase{"UnknownLogonNoOwners", {}, "", "bob", {}, -1}), ByCaseName());

TEST(PrinterChoiceTest, SelectsTheRememberedPrinterOrTheFirst)
{
    const std::tuple<Names, std::string, int> cases[] = {{{"p1", "p2"}, "p2", 1}, {{"p1", "p2"}, "p3", 0},
                                                         {{"p1", "p2"}, "", 0}, {{"p1", "p2"}, "P2", 0},
                                                         {{}, "p1", -1}};
    for (const auto& [registered, remembered, selected] : cases) {
        const CNameChoice choice = CNameChoice::ForPrinters(registered, remembered);
        EXPECT_EQ(choice.names, registered);
        EXPECT_EQ(choice.selected, selected) << "remembered " << remembered;
    }
}

// Without a user file or registry: no lists, printer 0, the logon name. The
// lists are rewritten whole, in order; loading combines the file, the logon
// name and the registry.
TEST(UserConfigTest, ListsAreRewrittenWholeAndLoadCombinesFileLogonNameAndRegistry)
{
    CTempDir dir;
    CScopedEnvironment registryDir("QX_SENDORA_REGISTRY_DIR", dir.Path());
    CUserConfig config(dir.File(CUserConfig::kFileName));
    const std::string logon = CLogonName::Get();
    ASSERT_FALSE(logon.empty());
    EXPECT_TRUE(config.ReadOwnerNames().empty());
    EXPECT_TRUE(config.ReadPrinterNames().empty());
    EXPECT_EQ(CSendDefaults::Load(config).printerNumber, 0);
    EXPECT_EQ(CSendDefaults::Load(config).ownerName, logon);
    ASSERT_TRUE(config.WriteOwnerNames({"alice", "bob"}));
    ASSERT_TRUE(config.WritePrinterNames({"plotter1", "10.0.0.7"}));
    ASSERT_TRUE(config.WriteOwnerNames({"bob"}));
    EXPECT_EQ(ReadFileBytes(config.GetPath()), "[Printer Name]\r\nplotter1=\r\n10.0.0.7=\r\n[Owner Name]\r\nbob=\r\n");

    ASSERT_TRUE(config.WriteOwnerNames({"zed", logon, "ann"}));
    ASSERT_TRUE(config.WritePrinterNames({"p1", "p2"}));
    ASSERT_TRUE(CRegistryValues::WriteWindowState(5, "ann", "p2", "ignored"));
    const CNameChoice owners = CNameChoice::LoadOwnerNames(config);
    EXPECT_EQ(owners.names, (Names{"zed", logon, "ann"}));
    EXPECT_EQ(owners.SelectedName(), "ann");
    EXPECT_EQ(CNameChoice::LoadPrinterNames(config).selected, 1);
    EXPECT_EQ(CSendDefaults::Load(config).printerNumber, 5);
    EXPECT_EQ(CSendDefaults::Load(config).ownerName, "ann");
}
}
