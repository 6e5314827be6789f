#include "render/LruCache.h"

#include <gtest/gtest.h>

TEST(LruCache, DropsTheLeastRecentlyUsedByCountAndBytes)
{
    CLruCache<int, int> cache(3, 100, 10);
    cache.Voeg(1, 10, 10);
    cache.Voeg(2, 20, 10);
    cache.Voeg(3, 30, 10);
    ASSERT_NE(cache.Zoek(1), nullptr); // 1 is now the most recent
    cache.Voeg(4, 40, 10);
    EXPECT_EQ(cache.Zoek(2), nullptr) << "the least recently used went";
    EXPECT_EQ(*cache.Zoek(1), 10);
    cache.Voeg(5, 50, 95);
    EXPECT_EQ(cache.Aantal(), 1) << "over the byte limit everything older goes";
    EXPECT_EQ(cache.Bytes(), 95);
    cache.Voeg(6, 60, 500);
    EXPECT_EQ(cache.Aantal(), 1) << "the newest value stays, however large";
    EXPECT_EQ(*cache.Zoek(6), 60);
}

TEST(LruCache, VolatileValuesNeverPushOutLastingOnes)
{
    // A clock page adds a volatile text every second; the lasting texts of
    // the other pages must survive an evening of it.
    CLruCache<int, int> cache(100, 1'000'000, 2);
    for (int i = 0; i < 50; ++i)
        cache.Voeg(i, i, 1);
    for (int s = 0; s < 20'000; ++s)
        cache.Voeg(1000 + s, s, 1, true);
    EXPECT_EQ(cache.Aantal(), 52);
    for (int i = 0; i < 50; ++i)
        EXPECT_NE(cache.Zoek(i), nullptr) << i;
    EXPECT_NE(cache.Zoek(1000 + 19'999), nullptr);
    EXPECT_EQ(cache.Zoek(1000 + 19'997), nullptr);
}
