#include "render/PaginaTekenaar.h"

#include "model/BeeldLading.h"
#include "model/DataItemPagina.h"
#include "model/DataItemPaginaItem.h"
#include "model/DataItemProject.h"
#include "support/QtPrinters.h"
#include "support/VasteKlok.h"

#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr int W = 200, H = 100;

quint32 Rgb(const QImage& beeld, int x, int y)
{
    return beeld.pixel(x, y) & 0xFFFFFF;
}

// COLORREF to the 0xRRGGBB of a pixel.
constexpr quint32 Px(COLORREF c)
{
    return quint32(GetRValue(c)) << 16 | quint32(GetGValue(c)) << 8 | quint32(GetBValue(c));
}

class Composer : public ::testing::Test {
protected:
    void SetUp() override
    {
        project.InitTemplate();
        project.m_sizeDoel = { W, H };
        auto p = std::make_unique<CDataItemPagina>();
        p->InitTemplate();
        p->m_clrKleurvlak = 0x000000;
        pagina = p.get();
        project.VoegKindToe(std::move(p));
    }

    CDataItemPaginaItem& Item(int nSoort)
    {
        auto p = std::make_unique<CDataItemPaginaItem>();
        p->InitTemplate();
        p->m_nItemSoort = quint8(nSoort);
        p->m_bTekstTonen = nSoort == 0;
        p->m_bKleurvlak = nSoort == 2;
        p->m_bAfbeeldingTonen = nSoort == 1;
        CDataItemPaginaItem* pItem = p.get();
        pagina->VoegKindToe(std::move(p));
        return *pItem;
    }

    // A colour area of w x h percent, its top-left corner at (x, y) percent from the top-left.
    CDataItemPaginaItem& Vlak(double x, double y, double w, double h, COLORREF clr)
    {
        CDataItemPaginaItem& v = Item(2);
        v.m_nAnkerH = 0;
        v.m_nAnkerV = 0;
        v.m_dAnkerX = x;
        v.m_dAnkerY = 100 - y;
        v.m_dBreedte = w;
        v.m_dHoogte = h;
        v.m_clrKleurvlak = clr;
        return v;
    }

    QImage Teken(CPaginaTekenaar::Variant variant = CPaginaTekenaar::Variant::Presentatie,
        const CDataItemBasis* pGeselecteerd = nullptr, CTekenaar::Methode methode = CTekenaar::Methode::Snel, int w = W,
        int h = H)
    {
        QImage beeld(w, h, QImage::Format_RGB32);
        tekenaar = std::make_unique<CPaginaTekenaar>(variant, klok, methode);
        tekenaar->DrawPage(beeld, *pagina, pGeselecteerd);
        tekenaar->DrawSelectionIndicator(beeld, *pagina, project, pGeselecteerd);
        return beeld;
    }

    QString Plaatje(const QString& strNaam, int w, int h, const std::function<void(QPainter&)>& teken)
    {
        QImage beeld(w, h, QImage::Format_RGB32);
        QPainter p(&beeld);
        teken(p);
        p.end();
        const QString strPad = dir.filePath(strNaam);
        EXPECT_TRUE(beeld.save(strPad, "PNG"));
        return strPad;
    }

    QTemporaryDir dir;
    CVasteKlok klok;
    CDataItemProject project;
    CDataItemPagina* pagina = nullptr;
    std::unique_ptr<CPaginaTekenaar> tekenaar;
};

} // namespace

TEST_F(Composer, PageWithoutPictureShowsOnlyItsColour)
{
    pagina->m_clrKleurvlak = RGB(10, 20, 30);
    pagina->m_nDekkingKleurlaag = 80;
    pagina->m_clrKleurlaag = RGB(255, 255, 255);
    const QImage beeld = Teken();
    for (int y = 0; y < H; y += 9)
        for (int x = 0; x < W; x += 13)
            ASSERT_EQ(Rgb(beeld, x, y), 0x0A141Eu) << x << "," << y;
    EXPECT_EQ(pagina->m_rectAchtergrondBeeld, (CRect { 0, 0, W, H }));
}

TEST_F(Composer, KeptAspectBackgroundHasBarsAndTintsOnlyThePicture)
{
    const QString strRood = Plaatje("rood.png", 100, 100, [](QPainter& p) { p.fillRect(0, 0, 100, 100, Qt::red); });
    pagina->m_clrKleurvlak = RGB(0, 0, 200);
    pagina->m_picture.Load(strRood);
    pagina->m_nManierVanTonen = 0;
    pagina->m_clrKleurlaag = RGB(255, 255, 255);
    pagina->m_nDekkingKleurlaag = 50;
    const QImage beeld = Teken();
    EXPECT_EQ(pagina->m_rectAchtergrondBeeld, (CRect { 50, 0, 150, 100 }));
    EXPECT_EQ(Rgb(beeld, 10, 50), 0x0000C8u) << "bar: background colour, no layer";
    EXPECT_EQ(Rgb(beeld, 190, 50), 0x0000C8u);
    EXPECT_EQ(Rgb(beeld, 100, 50), 0xFF7F7Fu) << "red under white at 50 %";
    EXPECT_EQ(Rgb(beeld, 50, 0), 0xFF7F7Fu);
    EXPECT_EQ(Rgb(beeld, 49, 0), 0x0000C8u);
}

TEST_F(Composer, ZoomedBackgroundShowsThePicturesMiddle)
{
    // 400 x 100: red, green, blue, white quarters; a square page shows the middle two.
    const QString strStrepen = Plaatje("strepen.png", 400, 100, [](QPainter& p) {
        p.fillRect(0, 0, 100, 100, Qt::red);
        p.fillRect(100, 0, 100, 100, Qt::green);
        p.fillRect(200, 0, 100, 100, Qt::blue);
        p.fillRect(300, 0, 100, 100, Qt::white);
    });
    pagina->m_picture.Load(strStrepen);
    pagina->m_nManierVanTonen = 2;
    const QImage beeld = Teken(CPaginaTekenaar::Variant::Presentatie, nullptr, CTekenaar::Methode::Snel, 100, 100);
    EXPECT_EQ(Rgb(beeld, 5, 50), 0x00FF00u);
    EXPECT_EQ(Rgb(beeld, 45, 50), 0x00FF00u);
    EXPECT_EQ(Rgb(beeld, 55, 50), 0x0000FFu);
    EXPECT_EQ(Rgb(beeld, 95, 50), 0x0000FFu);

    pagina->m_nManierVanTonen = 1; // stretched: all four quarters
    const QImage rek = Teken(CPaginaTekenaar::Variant::Presentatie, nullptr, CTekenaar::Methode::Snel, 100, 100);
    EXPECT_EQ(Rgb(rek, 5, 50), 0xFF0000u);
    EXPECT_EQ(Rgb(rek, 95, 50), 0xFFFFFFu);
}

TEST_F(Composer, HalfOpaqueAreaAndListOrder)
{
    pagina->m_clrKleurvlak = RGB(0, 0, 0);
    CDataItemPaginaItem& boven = Vlak(10, 10, 30, 60, RGB(255, 0, 0));
    CDataItemPaginaItem& onder = Vlak(25, 10, 30, 60, RGB(0, 0, 255));
    CDataItemPaginaItem& half = Vlak(70, 10, 20, 20, RGB(255, 255, 255));
    half.m_nDekkingKleurvlak = 50;
    const QImage beeld = Teken();
    EXPECT_EQ(half.m_rectScherm, (CRect { 140, 10, 180, 30 }));
    EXPECT_EQ(Rgb(beeld, 150, 20), 0x7F7F7Fu);
    EXPECT_EQ(Rgb(beeld, 60, 40), 0xFF0000u) << "the earlier item lies on top";
    EXPECT_EQ(Rgb(beeld, 100, 40), 0x0000FFu);
    const std::vector<CRect>& tabel = tekenaar->ItemRechthoeken();
    ASSERT_EQ(tabel.size(), 3u);
    EXPECT_EQ(tabel[0], boven.m_rectScherm);
    EXPECT_EQ(tabel[1], onder.m_rectScherm);
}

TEST_F(Composer, TextBandAcrossTheFullWidthLiesUnderTheText)
{
    CDataItemPaginaItem& tekst = Item(0);
    tekst.m_strNaam = "[TH]";
    tekst.m_strLettertype = "DejaVu Sans";
    tekst.m_dLettergrootte = 20;
    tekst.m_clrTekst = RGB(255, 255, 255);
    tekst.m_bKleurvlak = 1;
    tekst.m_nKleurvlakMaat = 1;
    tekst.m_clrKleurlaag = RGB(0, 128, 0);
    tekst.m_nDekkingKleurlaag = 100;
    const QImage beeld = Teken();
    const CRect& box = tekst.m_rectScherm;
    ASSERT_GT(box.Width(), 0);
    const QFont* pFont = tekenaar->Font(tekst);
    ASSERT_NE(pFont, nullptr);
    EXPECT_EQ(box.Height(), QFontMetrics(*pFont).ascent() + QFontMetrics(*pFont).descent());
    EXPECT_EQ(Rgb(beeld, 0, box.top), 0x008000u) << "the band runs over the whole width";
    EXPECT_EQ(Rgb(beeld, W - 1, box.bottom - 1), 0x008000u);
    EXPECT_EQ(Rgb(beeld, 0, box.top - 1), 0x000000u);
    EXPECT_EQ(Rgb(beeld, 0, box.bottom), 0x000000u);
    int nWit = 0;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            nWit += Rgb(beeld, x, y) == 0xFFFFFFu;
    EXPECT_GT(nWit, 20) << "the text is drawn over the band";
}

TEST_F(Composer, FontsPerWindowAndAmpersand)
{
    CDataItemPaginaItem& tekst = Item(0);
    tekst.m_strNaam = "&";
    tekst.m_strLettertype.clear();
    tekst.m_clrTekst = RGB(255, 255, 255);
    const QImage beeld = Teken();
    ASSERT_NE(tekenaar->Font(tekst), nullptr);
    EXPECT_EQ(tekenaar->Font(tekst)->pixelSize(), FontPixelHeight(H, 8.0)) << "fonts for this window's height";
    int nWit = 0;
    const CRect& box = tekst.m_rectScherm;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            nWit += Rgb(beeld, x, y) != 0;
    EXPECT_GT(nWit, 0) << "the ampersand is drawn";
}

TEST_F(Composer, ImageWithoutPictureStillGetsBandAndBorder)
{
    CDataItemPaginaItem& beeld = Item(1);
    beeld.m_strAfbeelding = dir.filePath("bestaat-niet.jpg");
    beeld.m_nAnkerH = 0;
    beeld.m_nAnkerV = 0;
    beeld.m_dAnkerX = 25;
    beeld.m_dAnkerY = 75;
    beeld.m_dBreedte = 50;
    beeld.m_dHoogte = 50;
    beeld.m_bKleurvlak = 1;
    beeld.m_clrKleurlaag = RGB(0, 0, 255);
    beeld.m_nDekkingKleurlaag = 100;
    beeld.m_bRand = 1;
    beeld.m_dRandbreedte = 4; // t = trunc(4 / 200 * 100) = 2: a band 4 wide outside
    beeld.m_clrRand = RGB(255, 255, 0);
    const QImage p = Teken();
    // T = 101 x 51 at (50, 25).
    EXPECT_EQ(beeld.m_rectScherm, (CRect { 50, 25, 151, 76 }));
    EXPECT_EQ(Rgb(p, 100, 50), 0x0000FFu);
    EXPECT_EQ(Rgb(p, 50, 25), 0x0000FFu);
    EXPECT_EQ(Rgb(p, 49, 50), 0xFFFF00u);
    EXPECT_EQ(Rgb(p, 46, 50), 0xFFFF00u);
    EXPECT_EQ(Rgb(p, 45, 50), 0x000000u);
    EXPECT_EQ(Rgb(p, 151, 50), 0xFFFF00u);
    EXPECT_EQ(Rgb(p, 154, 50), 0xFFFF00u);
    EXPECT_EQ(Rgb(p, 155, 50), 0x000000u);
    EXPECT_EQ(Rgb(p, 100, 21), 0xFFFF00u);
    EXPECT_EQ(Rgb(p, 100, 20), 0x000000u);
}

TEST_F(Composer, ImageModesInTheItem)
{
    const QString strVierkant = Plaatje("vierkant.png", 60, 60, [](QPainter& p) { p.fillRect(0, 0, 60, 60, Qt::red); });
    CDataItemPaginaItem& beeld = Item(1);
    beeld.m_picture.Load(strVierkant);
    beeld.m_nAnkerH = 2; // right: the fitted picture moves to the right edge of T
    beeld.m_nAnkerV = 1;
    beeld.m_dAnkerX = 100;
    beeld.m_dAnkerY = 50;
    beeld.m_dBreedte = 60;
    beeld.m_dHoogte = 40;
    const QImage p = Teken();
    // T = 121 x 41, right-aligned on x = 200: (79, 30, 200, 71); F = 41 x 41 at its right.
    EXPECT_EQ(beeld.m_rectScherm, (CRect { 159, 30, 200, 71 }));
    EXPECT_EQ(Rgb(p, 170, 50), 0xFF0000u);
    EXPECT_EQ(Rgb(p, 150, 50), 0x000000u);
}

TEST_F(Composer, InactiveItemKeepsItsRectangle)
{
    CDataItemPaginaItem& v = Vlak(10, 10, 10, 10, RGB(255, 255, 255));
    v.m_bActief = 0;
    v.m_rectScherm = { 1, 2, 3, 4 };
    v.m_ptAnker = {};
    const QImage p = Teken();
    EXPECT_EQ(v.m_ptAnker, (CPoint { 20, 10 }));
    EXPECT_EQ(tekenaar->ItemRechthoeken()[0], (CRect { 1, 2, 3, 4 }));
    EXPECT_EQ(Rgb(p, 25, 15), 0x000000u);
}

TEST_F(Composer, SelectionIndicator)
{
    CDataItemPaginaItem& v = Vlak(10, 20, 40, 30, RGB(50, 50, 50));
    (void)v;
    pagina->m_bSelectieZichtbaar = 1;
    pagina->m_nSelectieItem = 0;
    pagina->m_clrRand = RGB(255, 128, 0);
    // {width %, first row, last row}: at 0.1 % a 1-pixel line right under
    // the item; at 0.5 % five pixels thick at distance 2 (of 1080 reference pixels).
    const std::tuple<double, int, int> aGevallen[] = { { 0.1, 50, 50 }, { 0.5, 50, 54 } };
    for (const auto& [d, nEerste, nLaatste] : aGevallen) {
        pagina->m_dRandbreedte = d;
        const QImage p = Teken();
        ASSERT_EQ(tekenaar->ItemRechthoeken()[0], (CRect { 20, 20, 100, 50 }));
        EXPECT_EQ(Rgb(p, 20, nEerste - 1), nEerste == 50 ? 0x323232u : 0x000000u) << d;
        for (int y = nEerste; y <= nLaatste; ++y) {
            EXPECT_EQ(Rgb(p, 20, y), 0xFF8000u) << d << " row " << y;
            EXPECT_EQ(Rgb(p, 99, y), 0xFF8000u) << d << " row " << y;
            EXPECT_EQ(Rgb(p, 100, y), 0x000000u) << "the end point is not drawn";
        }
        EXPECT_EQ(Rgb(p, 50, nLaatste + 1), 0x000000u) << d;
    }
    project.m_bToetsenbord = 0;
    EXPECT_EQ(Rgb(Teken(), 50, 50), 0x000000u) << "no keyboard control, no indicator";
    project.m_bToetsenbord = 1;
    EXPECT_EQ(Rgb(Teken(CPaginaTekenaar::Variant::Ontwerp, pagina->GetKind(0)), 50, 50), 0x000000u)
        << "the designer shows it only while the page is selected";
    EXPECT_EQ(Rgb(Teken(CPaginaTekenaar::Variant::Ontwerp, pagina), 50, 50), 0xFF8000u);
}

TEST_F(Composer, ClickableFrames)
{
    pagina->m_bKlikgebiedenMarkeren = 1;
    pagina->m_nSelectieItem = 1;
    CDataItemPaginaItem& klik = Vlak(10, 10, 20, 40, RGB(0, 0, 128));
    CDataItemPaginaItem& niet = Vlak(60, 10, 20, 40, RGB(0, 0, 128));
    niet.m_bKlikbaar = 0; // and the indicator's item: dash-dot
    const QImage p = Teken();
    const CRect& r = klik.m_rectScherm;
    for (int x = r.left; x < r.right; ++x) {
        ASSERT_EQ(Rgb(p, x, r.top), 0xFFFFFFu) << x;
        ASSERT_EQ(Rgb(p, x, r.bottom - 1), 0xFFFFFFu) << x;
    }
    EXPECT_EQ(Rgb(p, r.left + 5, r.top + 5), 0x000080u);
    EXPECT_EQ(Rgb(p, r.right, r.top), 0x000000u);
    int nWit = 0;
    const CRect& n = niet.m_rectScherm;
    for (int x = n.left; x < n.right; ++x)
        nWit += Rgb(p, x, n.top) == 0xFFFFFFu;
    EXPECT_GT(nWit, 0);
    EXPECT_LT(nWit, n.Width()) << "dash-dot for the indicator's item";

    // The designer marks clickable areas only while the page is selected.
    const QImage o = Teken(CPaginaTekenaar::Variant::Ontwerp, pagina->GetKind(1));
    EXPECT_EQ(Rgb(o, r.left + 3, r.top), 0x000080u);
    const QImage o2 = Teken(CPaginaTekenaar::Variant::Ontwerp, pagina);
    EXPECT_EQ(Rgb(o2, r.left + 3, r.top), 0xFFFFFFu);
}

TEST_F(Composer, DesignerFramesTheSelectedItem)
{
    CDataItemPaginaItem& v = Vlak(10, 10, 40, 40, RGB(0, 0, 128));
    const QImage geen = Teken(CPaginaTekenaar::Variant::Ontwerp, nullptr);
    EXPECT_EQ(Rgb(geen, v.m_rectScherm.left, v.m_rectScherm.top), 0x000080u);
    const QImage wel = Teken(CPaginaTekenaar::Variant::Ontwerp, &v);
    EXPECT_EQ(Rgb(wel, v.m_rectScherm.left, v.m_rectScherm.top), 0xFFFFFFu);
    EXPECT_EQ(tekenaar->Font(v), nullptr) << "a colour area has no font";
}

TEST_F(Composer, QuickAndLiteralMixingGiveTheSamePixels)
{
    const QString strFoto = Plaatje("foto.png", 320, 200, [](QPainter& p) {
        QLinearGradient g(0, 0, 320, 200);
        g.setColorAt(0, QColor(200, 40, 10));
        g.setColorAt(1, QColor(10, 90, 220));
        p.fillRect(0, 0, 320, 200, g);
    });
    pagina->m_picture.Load(strFoto);
    pagina->m_nManierVanTonen = 2;
    pagina->m_nDekkingKleurlaag = 40;
    pagina->m_clrKleurlaag = RGB(0, 0, 0);
    for (int i = 0; i < 4; ++i) {
        CDataItemPaginaItem& t = Item(0);
        t.m_strNaam = QStringLiteral("Tekst %1 [T2] — é&ü").arg(i);
        t.m_dAnkerX = 20 + i * 20;
        t.m_dAnkerY = 85 - i * 10;
        t.m_nDekkingTekst = 80;
        t.m_bCursief = i % 2;
        t.m_bKleurvlak = 1;
        t.m_nKleurvlakMaat = i % 3;
        t.m_nDekkingKleurlaag = 35;
        t.m_clrKleurlaag = RGB(255, 255, 0);
        t.m_bRand = 1;
        t.m_dRandbreedte = 0.5 * i;
        t.m_nDekkingRand = 60;
        CDataItemPaginaItem& b = Item(1);
        b.m_picture.Load(strFoto);
        b.m_nManierVanTonen = i % 3;
        b.m_dAnkerX = 15 + i * 22;
        b.m_dAnkerY = 40;
        b.m_dBreedte = 18;
        b.m_dHoogte = 25;
        b.m_nDekkingKleurvlak = 70;
        b.m_bRand = 1;
        b.m_dRandbreedte = 1.0;
        b.m_nDekkingRand = 50;
        CDataItemPaginaItem& v = Vlak(5 + i * 24, 60, 15, 20, RGB(40 * i, 200, 100));
        v.m_nVorm = i;
        v.m_nDekkingKleurvlak = 50;
        v.m_bRand = 1;
        v.m_dRandbreedte = 0.8;
        v.m_nDekkingRand = 50;
    }
    const QImage snel = Teken(CPaginaTekenaar::Variant::Presentatie, nullptr, CTekenaar::Methode::Snel, 640, 360);
    const QImage letterlijk
        = Teken(CPaginaTekenaar::Variant::Presentatie, nullptr, CTekenaar::Methode::Letterlijk, 640, 360);
    int nVerschil = 0;
    for (int y = 0; y < 360; ++y)
        for (int x = 0; x < 640; ++x)
            nVerschil += Rgb(snel, x, y) != Rgb(letterlijk, x, y);
    EXPECT_EQ(nVerschil, 0);
}

TEST(PageBackgroundPreview, ColourOutlinePictureAndLayer)
{
    QTemporaryDir dir;
    QImage rood(50, 100, QImage::Format_RGB32);
    rood.fill(Qt::red);
    ASSERT_TRUE(rood.save(dir.filePath("r.png")));
    CPicture pic;
    ASSERT_TRUE(pic.Load(dir.filePath("r.png")));
    QImage doel(120, 80, QImage::Format_RGB32);
    doel.fill(Qt::white);
    DrawPageBackgroundPreview(doel, { 10, 10, 110, 70 }, RGB(0, 0, 255), pic, 0, RGB(0, 0, 0), 50);
    EXPECT_EQ(Rgb(doel, 5, 5), 0xFFFFFFu);
    EXPECT_EQ(Rgb(doel, 10, 10), 0x000000u) << "black outline";
    EXPECT_EQ(Rgb(doel, 20, 40), 0x0000FFu) << "the bar beside the fitted picture";
    EXPECT_EQ(Rgb(doel, 60, 40), 0x7F0000u) << "red darkened by the layer";
}

TEST_F(Composer, ZoomedBackgroundOfAThinPictureLeavesNoOldPixels)
{
    // A picture one pixel wide on a landscape page, or one pixel high on a
    // portrait one: zooming from the middle keeps a source of one pixel.
    const QRgb oud = qRgb(1, 2, 3);
    const struct {
        int pw, ph, w, h;
    } aGevallen[] = { { 1, 50, 160, 90 }, { 50, 1, 90, 160 }, { 1, 1, 160, 90 } };
    for (const auto& g : aGevallen) {
        const QString strDun = Plaatje(QStringLiteral("dun%1x%2.png").arg(g.pw).arg(g.ph), g.pw, g.ph,
            [](QPainter& p) { p.fillRect(0, 0, 100, 100, QColor(0, 200, 0)); });
        ASSERT_TRUE(pagina->m_picture.Load(strDun));
        pagina->m_nManierVanTonen = Manier::Zoomen;
        pagina->m_clrKleurvlak = RGB(200, 0, 0);
        QImage beeld(g.w, g.h, QImage::Format_RGB32);
        beeld.fill(oud);
        CPaginaTekenaar t(CPaginaTekenaar::Variant::Presentatie, klok);
        t.DrawPage(beeld, *pagina);
        for (int y = 0; y < g.h; ++y)
            for (int x = 0; x < g.w; ++x)
                ASSERT_NE(beeld.pixel(x, y), oud) << g.pw << "x" << g.ph << " at " << x << "," << y;
        EXPECT_EQ(Rgb(beeld, g.w / 2, g.h / 2), 0x00C800u) << "the one pixel fills the page";
    }
}

// A page drawn while its photo is not decoded yet (from a smaller decode)
// looks as it does once the whole photo is there, in every fit mode.
TEST_F(Composer, BeforeThePhotoIsDecodedThePageLooksTheSame)
{
    QImage foto(1600, 1000, QImage::Format_RGB32);
    for (int y = 0; y < foto.height(); ++y) {
        for (int x = 0; x < foto.width(); ++x)
            foto.setPixel(x, y, qRgb(x * 255 / 1600, y * 255 / 1000, (x / 100 + y / 100) % 2 ? 200 : 40));
    }
    const QString strFoto = dir.filePath("foto.jpg");
    ASSERT_TRUE(foto.save(strFoto, "JPEG", 95));
    for (const int nManier : { Manier::Passend, Manier::Uitrekken, Manier::Zoomen }) {
        pagina->m_nManierVanTonen = nManier;
        CBeeldLading::HoudAchtergrondTegen();
        pagina->m_picture.LoadZonderWachten(strFoto);
        const QImage voor = Teken();
        CBeeldLading::LaatAchtergrondToe();
        ASSERT_TRUE(pagina->m_picture.Image());
        const QImage na = Teken();
        // Hard edges blur a little differently; nothing moves.
        qint64 nSom = 0;
        for (int y = 0; y < H; ++y) {
            for (int x = 0; x < W; ++x) {
                const QRgb a = voor.pixel(x, y), b = na.pixel(x, y);
                nSom += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
            }
        }
        EXPECT_LT(double(nSom) / (W * H * 3), 2.0) << "mode " << nManier;
        pagina->m_picture.Release();
    }
}
