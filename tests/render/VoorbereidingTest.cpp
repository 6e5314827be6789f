#include "model/DataItemPagina.h"
#include "model/DataItemPaginaItem.h"
#include "model/DataItemProject.h"
#include "render/GeschaaldeAfbeeldingen.h"
#include "render/PaginaTekenaar.h"
#include "support/VasteKlok.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A page with a large background under a colour layer and two images, as a
// show prepares the pages one click away.
class Voorbereiding : public ::testing::Test {
protected:
    void SetUp() override
    {
        QImage foto(2400, 1600, QImage::Format_RGB32);
        foto.fill(qRgb(200, 120, 40));
        ASSERT_TRUE(foto.save(dir.filePath("foto.jpg"), "JPEG"));
        QImage logo(300, 300, QImage::Format_ARGB32);
        logo.fill(qRgba(0, 0, 200, 128));
        ASSERT_TRUE(logo.save(dir.filePath("logo.png")));
        project.InitTemplate();
        auto p = std::make_unique<CDataItemPagina>();
        p->InitTemplate();
        ASSERT_TRUE(p->m_picture.Load(dir.filePath("foto.jpg")));
        p->m_nManierVanTonen = Manier::Zoomen;
        p->m_nDekkingKleurlaag = 30;
        for (int i = 0; i < 2; ++i) {
            auto b = std::make_unique<CDataItemPaginaItem>();
            b->InitTemplate();
            b->m_nItemSoort = ItemSoort::Afbeelding;
            ASSERT_TRUE(b->m_picture.Load(dir.filePath(i ? "logo.png" : "foto.jpg")));
            b->m_nManierVanTonen = i;
            b->m_dBreedte = 20 + 10 * i;
            b->m_dHoogte = 30;
            p->VoegKindToe(std::move(b));
        }
        pagina = p.get();
        project.VoegKindToe(std::move(p));
        cache.Leeg();
    }

    QImage Teken()
    {
        QImage beeld(W, H, QImage::Format_RGB32);
        CPaginaTekenaar tekenaar(CPaginaTekenaar::Variant::Presentatie, klok);
        tekenaar.DrawPage(beeld, *pagina);
        return beeld;
    }

    static constexpr int W = 960, H = 540;
    QTemporaryDir dir;
    CVasteKlok klok;
    CDataItemProject project;
    CDataItemPagina* pagina = nullptr;
    CGeschaaldeAfbeeldingen& cache = CGeschaaldeAfbeeldingen::Instance();
};

} // namespace

TEST_F(Voorbereiding, APreparedPageIsDrawnWithoutScalingOnThisThread)
{
    const qint64 nSchalingen = cache.Schalingen(), nVoorbereid = cache.Voorbereid();
    CPaginaTekenaar::BereidVoor(*pagina, W, H);
    CPaginaTekenaar::BereidVoor(*pagina, W, H);
    EXPECT_EQ(cache.Voorbereid() - nVoorbereid, 3) << "background and two images, each once";
    cache.WachtOpVoorbereiding();
    const QImage voorbereid = Teken();
    EXPECT_EQ(cache.Schalingen(), nSchalingen) << "every picture was ready";

    cache.Leeg();
    const QImage zelf = Teken();
    EXPECT_EQ(cache.Schalingen() - nSchalingen, 3);
    EXPECT_EQ(voorbereid, zelf) << "prepared or not, the same pixels";
}

TEST_F(Voorbereiding, DrawingWaitsForAPreparationUnderWay)
{
    const qint64 nSchalingen = cache.Schalingen();
    CPaginaTekenaar::BereidVoor(*pagina, W, H);
    Teken(); // right away: the workers may not be done
    EXPECT_EQ(cache.Schalingen(), nSchalingen) << "nothing is scaled twice";
    EXPECT_TRUE(cache.Klaar());
}

TEST_F(Voorbereiding, ThePictureMayGoWhileItIsPrepared)
{
    CPaginaTekenaar::BereidVoor(*pagina, W, H);
    pagina->m_picture.Release();
    for (const auto& pItem : pagina->Kinderen())
        pItem->m_picture.Release();
    cache.WachtOpVoorbereiding();
    EXPECT_TRUE(cache.Klaar());
}

TEST_F(Voorbereiding, AnotherLayerOpacityNeverRescales)
{
    const QImage eerste = Teken();
    const qint64 nSchalingen = cache.Schalingen();
    for (int nDekking : { 31, 45, 80, 0, 30 }) {
        pagina->m_nDekkingKleurlaag = nDekking;
        Teken();
    }
    EXPECT_EQ(cache.Schalingen(), nSchalingen) << "a slider step mixes the kept scaled copy";
    EXPECT_EQ(Teken(), eerste) << "and gives the same pixels as before";
    pagina->m_nDekkingKleurlaag = 60;
    const QImage meer = Teken();
    EXPECT_NE(meer.pixel(5, 5), eerste.pixel(5, 5)) << "a stronger layer shows";
}
