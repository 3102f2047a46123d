#include "CProgramVersion.h"
#include "CResourceModule.h"
#include "CVersionInfo.h"

#include "ResourceIds.h"
#include "TestConfig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <tuple>

namespace {
std::string RegionOf(const std::string& modulePath)
{
    return std::filesystem::path(modulePath).parent_path().filename();
}

// A region whose module lacks a string or image the program names would
// show empty texts and buttons.
class RegionModuleTest : public testing::TestWithParam<const char*> {};

TEST_P(RegionModuleTest, HasEveryNamedStringAndImageAndItsRegionCode)
{
    const auto module = CResourceModule::Open(GetParam());
    ASSERT_TRUE(module);
    for (const unsigned id : ResId::kStrings)
        EXPECT_NE(module->GetString(id), "") << "string " << id;
    for (const unsigned id : ResId::kImages) {
        auto png = module->GetIcon(id);
        if (png.empty())
            png = module->GetBitmap(id);
        EXPECT_EQ(std::string(png.begin(), png.begin() + std::min<std::size_t>(png.size(), 4)), "\x89PNG")
            << "image " << id;
    }
    EXPECT_EQ(module->GetString(1), "");  // no such string: empty text
    EXPECT_EQ(module->GetVersionInfo().GetString("Comments"), RegionOf(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Regions, RegionModuleTest, testing::ValuesIn(test_config::kResourceModules),
                         [](const testing::TestParamInfo<const char*>& info) { return RegionOf(info.param); });

TEST(ResourceModule, MissingOrForeignLibraryDoesNotLoad)
{
    EXPECT_FALSE(CResourceModule::Open("/nonexistent/Res.dll"));
    EXPECT_FALSE(CResourceModule::Open("libc.so.6"));  // loadable, but no resource table
}

using Tables = std::vector<CVersionInfo::Table>;

TEST(VersionInfo, FirstTranslationPairThenFallbackLists)
{
    const CVersionInfo direct({{0x0411, 932}}, Tables{{0x0411, 932, {{"Comments", "JP"}}}});
    EXPECT_EQ(direct.GetString("Comments"), "JP");

    // The translation names a pair without strings; the strings sit under
    // 0x0409/1252, which the fallback lists reach.
    const CVersionInfo fallback({{0x0407, 1200}}, Tables{{0x0409, 1252, {{"Comments", "AP"}}}});
    EXPECT_EQ(fallback.GetString("Comments"), "AP");

    // Code pages are the outer loop: 0x0C0C under code page 0 comes before
    // 0x0401 under 932.
    const CVersionInfo order({{0x0001, 1}},
                             Tables{{0x0401, 932, {{"Comments", "late"}}}, {0x0C0C, 0, {{"Comments", "early"}}}});
    EXPECT_EQ(order.GetString("Comments"), "early");

    const CVersionInfo unlisted({{0x0409, 1200}}, Tables{{0x0999, 1200, {{"Comments", "x"}}}});
    EXPECT_FALSE(unlisted.GetString("Comments"));
    const CVersionInfo noTranslation({}, Tables{{0x0409, 1200, {{"Comments", "x"}}}});
    EXPECT_FALSE(noTranslation.GetString("Comments"));
}

// The region code comes from the module the tests loaded.
TEST(ProgramVersion, ParsesProductVersionKeyAndRegion)
{
    const auto numbers = CProgramVersion::ParseVersion("3, 4, 2, 0");
    ASSERT_TRUE(numbers);
    EXPECT_EQ(std::tuple(numbers->major, numbers->minor, numbers->build), std::tuple(3, 4, 2));
    EXPECT_FALSE(CProgramVersion::ParseVersion("3.4"));
    EXPECT_EQ(CProgramVersion::GetVersionKey(), "1.0");
    EXPECT_EQ(CProgramVersion::GetVersionString("/proc/self/exe", "ProductVersion"), "1, 0, 0, 0");
    EXPECT_EQ(CProgramVersion::ReadRegionCode(), "ZC");
}
}
