#include "CPreviewCache.h"
#include "CTempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {
CPreviewResult Picture(int side)
{
    QImage image(side, side, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    return CPreviewResult::Rendered(image);
}

// Room for two pictures of 100 x 100 grey pixels: a third pushes out the
// one least recently found; a file changed on disk gets a key of its own.
TEST(PreviewCacheTest, KeepsTheRecentlyUsedWithinItsBytesAndMissesChangedFiles)
{
    CTempDir dir;
    std::vector<CPreviewCache::Key> keys;
    for (const char* name : {"a.plt", "b.plt", "c.plt"})
        keys.push_back(*CPreviewCache::Key::Of(dir.Write(name, "IN;"), "HPGL", 100));
    CPreviewCache cache(25000);

    cache.Insert(keys[0], Picture(100));
    cache.Insert(keys[1], CPreviewResult::Failed("cannot read: damaged HP-GL file"));
    cache.Insert(keys[2], CPreviewResult::Cancelled());
    ASSERT_TRUE(cache.Find(keys[0]));
    cache.Insert(keys[2], Picture(100));
    cache.Insert(keys[1], Picture(100));

    EXPECT_EQ(cache.Find(keys[0]), std::nullopt);
    EXPECT_EQ(cache.Find(keys[1])->Image().size(), QSize(100, 100));
    EXPECT_TRUE(cache.Find(keys[2])->IsRendered());
    EXPECT_LE(cache.UsedBytes(), 25000u);
    std::filesystem::last_write_time(keys[2].path, std::filesystem::file_time_type::clock::now() +
                                                       std::chrono::seconds(5));
    EXPECT_FALSE(cache.Find(*CPreviewCache::Key::Of(keys[2].path, "HPGL", 100)));
    EXPECT_FALSE(CPreviewCache::Key::Of(dir.File("none.plt"), "HPGL", 100));
}
}
