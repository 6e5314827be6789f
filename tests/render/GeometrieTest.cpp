#include "render/Geometrie.h"

#include "model/DataItemPaginaItem.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Geometrie;

TEST(Geometrie, FitAndCover)
{
    struct SGeval {
        CRect r;
        double pw, ph;
        CRect fit, cover;
    };
    const SGeval aGevallen[] = {
        // A 1280 x 1024 monitor's shape in a 1920 x 1080 client: nw = trunc(1920 * 1.25 / 1.777...) = 1350.
        { { 0, 0, 1920, 1080 }, 1280, 1024, { 285, 0, 1635, 1080 }, { 0, -228, 1920, 1308 } },
        // A wide picture in a square.
        { { 0, 0, 100, 100 }, 400, 100, { 0, 37, 100, 62 }, { -150, 0, 250, 100 } },
        // A tall picture in an offset rectangle.
        { { 10, 20, 210, 120 }, 100, 200, { 85, 20, 135, 120 }, { 10, -130, 210, 270 } },
        // Same aspect: unchanged.
        { { 5, 5, 165, 95 }, 16, 9, { 5, 5, 165, 95 }, { 5, 5, 165, 95 } },
        // Degenerate input: unchanged.
        { { 0, 0, 100, 0 }, 4, 3, { 0, 0, 100, 0 }, { 0, 0, 100, 0 } },
        { { 0, 0, 100, 50 }, 4, 0, { 0, 0, 100, 50 }, { 0, 0, 100, 50 } },
    };
    for (const SGeval& g : aGevallen) {
        EXPECT_EQ(FitRect(g.r, g.pw, g.ph), g.fit);
        EXPECT_EQ(CoverRect(g.r, g.pw, g.ph), g.cover);
    }
    EXPECT_EQ(ComputeOutputRect({ 0, 0, 1920, 1080 }, { 1920, 0, 3200, 1024 }), (CRect { 285, 0, 1635, 1080 }));
}

TEST(Geometrie, ZoomSource)
{
    // Same aspect: the whole picture.
    EXPECT_EQ(ZoomSource({ 0, 0, 160, 90 }, 1600, 900), (CRect { 0, 0, 1600, 900 }));
    // A 400 x 100 picture zoomed into a square shows its middle quarter:
    // cover is 400 x 100, sl = trunc(150 * 400 / 400) = 150, sr = 150 + 100.
    EXPECT_EQ(ZoomSource({ 0, 0, 100, 100 }, 400, 100), (CRect { 150, 0, 250, 100 }));
    // A 100 x 200 picture in a 200 x 100 target: cover 200 x 400,
    // st = trunc(200 * 150 / 400) = 75, sb = 75 + trunc(200 * 100 / 400) = 125.
    EXPECT_EQ(ZoomSource({ 10, 20, 210, 120 }, 100, 200), (CRect { 0, 75, 100, 125 }));
}

TEST(Geometrie, AnchorAndAlignment)
{
    CDataItemPaginaItem item;
    item.m_dAnkerX = 50;
    item.m_dAnkerY = 25;
    ComputeAnchor(item, 1920, 1080);
    EXPECT_EQ(item.m_ptAnker, (CPoint { 960, 810 }));
    item.m_dAnkerY = 0;
    ComputeAnchor(item, 1920, 1080);
    EXPECT_EQ(item.m_ptAnker.y, 1080) << "0 % is the bottom edge";
    item.m_dAnkerY = 100;
    ComputeAnchor(item, 1920, 1080);
    EXPECT_EQ(item.m_ptAnker.y, 0);

    item.m_ptAnker = { 100, 200 };
    // {h, v, rect for content 7 x 5}
    const std::tuple<int, int, CRect> aGevallen[] = {
        { 0, 0, { 100, 200, 107, 205 } },
        { 1, 1, { 97, 198, 104, 203 } }, // the odd pixel goes right and down
        { 2, 2, { 93, 195, 100, 200 } },
        { 1, 0, { 97, 200, 104, 205 } },
    };
    for (const auto& [h, v, r] : aGevallen) {
        item.m_nAnkerH = h;
        item.m_nAnkerV = v;
        EXPECT_EQ(ItemRect(item, 7, 5), r) << h << v;
    }
    item.m_nAnkerH = 0;
    item.m_nAnkerV = 0;
    EXPECT_EQ(ItemRect(item, 0, 0), (CRect { 100, 200, 100, 200 }))
        << "an empty text is a zero-width box at the anchor";
}

TEST(Geometrie, ColourAreaAndImageSizes)
{
    CDataItemPaginaItem item;
    item.m_nAnkerH = 0;
    item.m_nAnkerV = 0;
    item.m_ptAnker = { 0, 0 };
    item.m_dBreedte = 50;
    item.m_dHoogte = 50;
    EXPECT_EQ(KleurvlakRect(item, 1920, 1080).Width(), 960);
    EXPECT_EQ(AfbeeldingRect(item, 1920, 1080).Width(), 961);
    EXPECT_EQ(AfbeeldingRect(item, 1920, 1080).Height(), 541);

    item.m_dBreedte = 10;
    item.m_dHoogte = 77;
    item.m_nVorm = 3; // "Cirkel"
    const CRect cirkel = KleurvlakRect(item, 1920, 1080);
    EXPECT_EQ(cirkel.Width(), 192);
    EXPECT_EQ(cirkel.Height(), 192);
    item.m_nVorm = 2; // "Ellips"
    EXPECT_EQ(KleurvlakRect(item, 1920, 1080).Height(), 832);

    item.m_nVorm = 0;
    item.m_ptAnker = { 500, 300 };
    item.m_nKleurvlakMaat = 1;
    EXPECT_EQ(KleurvlakRect(item, 1920, 1080), (CRect { 0, 300, 1920, 300 + 832 }));
    item.m_nKleurvlakMaat = 2;
    EXPECT_EQ(KleurvlakRect(item, 1920, 1080), (CRect { 500, 0, 692, 1080 }));
    item.m_nKleurvlakMaat = 0;
    item.m_bVolleBreedte = 1;
    EXPECT_EQ(KleurvlakRect(item, 1920, 1080), (CRect { 0, 300, 1920, 1132 }));
}

TEST(Geometrie, ImageFitMovesTowardTheAnchor)
{
    CDataItemPaginaItem item;
    const CRect doel { 100, 100, 300, 200 }; // 2:1
    // A square picture fits as 100 x 100.
    const std::tuple<int, int, CRect> aGevallen[] = {
        { 0, 0, { 100, 100, 200, 200 } },
        { 1, 1, { 150, 100, 250, 200 } },
        { 2, 2, { 200, 100, 300, 200 } },
    };
    for (const auto& [h, v, r] : aGevallen) {
        item.m_nAnkerH = h;
        item.m_nAnkerV = v;
        EXPECT_EQ(AfbeeldingPassend(item, doel, 50, 50), r);
    }
    item.m_nAnkerV = 2;
    EXPECT_EQ(AfbeeldingPassend(item, { 0, 0, 100, 200 }, 50, 50), (CRect { 0, 100, 100, 200 }));
}

TEST(Geometrie, BorderHalfWidth)
{
    CDataItemPaginaItem item;
    const std::pair<double, int> aGevallen[] = { { 0.1, 0 }, { 2.0, 10 }, { 0.5, 2 }, { 1.0, 5 } };
    for (const auto& [d, t] : aGevallen) {
        item.m_dRandbreedte = d;
        EXPECT_EQ(BorderHalfWidth(item, 1920, 1080), t) << d;
    }
}

TEST(Geometrie, TruncNeverOverflows)
{
    EXPECT_EQ(Trunc(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(Trunc(-1e300), std::numeric_limits<int>::min());
    EXPECT_EQ(Trunc(std::nan("")), 0);
    EXPECT_EQ(Trunc(-2.7), -2);
}

// Numbers a file may hold where percentages belong: drawn as the nearest
// value a page can show, with no arithmetic out of range.
TEST(Geometrie, OddPercentagesFromAFile)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::nan("");
    struct {
        double dProcent;
        int nAnkerX, nBreedte, nRandHalf;
    } const aGevallen[] = {
        { 50, 960, 960, 270 },
        { 1e300, 19200, 19200, 540 },
        { inf, 19200, 19200, 540 },
        { -1e300, -19200, -19199, 0 }, // trunc(-19200 + 0.5)
        { -inf, -19200, -19199, 0 },
        { nan, 0, 0, 0 },
    };
    for (const auto& g : aGevallen) {
        CDataItemPaginaItem item;
        item.m_dAnkerX = item.m_dAnkerY = g.dProcent;
        item.m_dBreedte = item.m_dHoogte = g.dProcent;
        item.m_dRandbreedte = g.dProcent;
        ComputeAnchor(item, 1920, 1080);
        EXPECT_EQ(item.m_ptAnker.x, g.nAnkerX) << g.dProcent;
        EXPECT_EQ(KleurvlakRect(item, 1920, 1080).Width(), g.nBreedte) << g.dProcent;
        EXPECT_EQ(BorderHalfWidth(item, 1920, 1080), g.nRandHalf) << g.dProcent;
    }
}
