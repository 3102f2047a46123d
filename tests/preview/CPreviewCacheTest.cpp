#include "CPreviewCache.h"
#include "CTempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {
// Room for two pictures of 100 x 100 grey pixels: a third pushes out the
// one least recently found; a file changed on disk gets a key of its own.
TEST(PreviewCacheTest, KeepsTheRecentlyUsedWithinItsBytesAndMissesChangedFiles)
{
    CTempDir dir;
    std::vector<CPreviewCache::Key> keys;
    for (const char* name : {"a.plt", "b.plt", "c.plt"})
        keys.push_back(*CPreviewCache::Key::Of(dir.Write(name, "IN;"), "HPGL", 100));
    const auto picture = CPreviewResult::Rendered(QImage(100, 100, QImage::Format_Grayscale8));
    CPreviewCache cache(25000);

    cache.Insert(keys[0], picture);
    cache.Insert(keys[1], CPreviewResult::Failed("cannot read: damaged HP-GL file"));
    cache.Insert(keys[2], CPreviewResult::Cancelled());
    ASSERT_TRUE(cache.Find(keys[0]) && cache.Find(keys[1]) && !cache.Find(keys[2]));
    cache.Insert(keys[2], picture);
    cache.Insert(keys[1], picture);

    EXPECT_FALSE(cache.Find(keys[0]));
    EXPECT_TRUE(cache.Find(keys[1])->IsRendered() && cache.Find(keys[2])->IsRendered());
    EXPECT_LE(cache.UsedBytes(), 25000u);
    const auto modified = std::filesystem::last_write_time(keys[2].path);
    std::filesystem::last_write_time(keys[2].path, modified + std::chrono::hours(1));
    EXPECT_FALSE(cache.Find(*CPreviewCache::Key::Of(keys[2].path, "HPGL", 100)));
    EXPECT_FALSE(CPreviewCache::Key::Of(dir.File("none.plt"), "HPGL", 100));
}
}
