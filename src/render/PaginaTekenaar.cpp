#include "PaginaTekenaar.h"

#include "Geometrie.h"
#include "GeschaaldeAfbeeldingen.h"
#include "Klok.h"
#include "TekstVelden.h"
#include "model/DataItemPagina.h"
#include "model/DataItemProject.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

using namespace Geometrie;

namespace {

constexpr COLORREF clrWit = 0xFFFFFF;
// Far more texts than the pages one show moves between.
constexpr qsizetype nMaxFonts = 2048;

QRect Q(const CRect& r)
{
    return QRect(r.left, r.top, r.Width(), r.Height());
}

bool IsEllips(const CDataItemBasis& item)
{
    return (item.m_nVorm & Vorm::Ellips) != 0;
}

// Where a picture lands in target t by fit mode, and which part of it is
// shown; false when the mode draws no picture.
bool PlaatsAfbeelding(
    int nManier, const CRect& t, const QSize& maat, const CDataItemBasis* pItem, CRect& getekend, CRect& bron)
{
    const double pw = maat.width(), ph = maat.height();
    bron = { 0, 0, maat.width(), maat.height() };
    switch (nManier) {
    case Manier::Passend:
        getekend = pItem ? AfbeeldingPassend(*pItem, t, pw, ph) : FitRect(t, pw, ph);
        return true;
    case Manier::Uitrekken:
        getekend = t;
        return true;
    case Manier::Zoomen:
        getekend = t;
        bron = ZoomSource(t, pw, ph);
        return true;
    default:
        getekend = t;
        return false;
    }
}

// The picture to draw, placed by the size of the whole one: while that is
// still being decoded a smaller one will do, with bron brought to its pixels.
std::shared_ptr<const QImage> TeTekenen(const CPicture& picture, const CRect& getekend, CRect& bron)
{
    const QSize maat = picture.Maat();
    auto pBeeld = picture.ImageVoor(QSize(getekend.Width(), getekend.Height()), QSize(bron.Width(), bron.Height()));
    if (pBeeld && pBeeld->size() != maat && !maat.isEmpty()) {
        const double fx = double(pBeeld->width()) / maat.width();
        const double fy = double(pBeeld->height()) / maat.height();
        bron = { int(std::floor(bron.left * fx)), int(std::floor(bron.top * fy)),
            qMin(pBeeld->width(), int(std::ceil(bron.right * fx))),
            qMin(pBeeld->height(), int(std::ceil(bron.bottom * fy))) };
    }
    return pBeeld;
}

} // namespace

CPaginaTekenaar::CPaginaTekenaar(Variant variant, const IKlok& klok, CTekenaar::Methode methode)
    : m_variant(variant)
    , m_klok(klok)
    , m_methode(methode)
{
}

void CPaginaTekenaar::TekenAchtergrond(CTekenaar& t, CDataItemPagina& pagina)
{
    const CRect heel { 0, 0, t.W(), t.H() };
    m_rectAchtergrond = heel;
    const QSize maat = pagina.m_picture.Maat();
    CRect bron;
    bool bTekenen = maat.isValid()
        && PlaatsAfbeelding(pagina.m_nManierVanTonen, heel, maat, nullptr, m_rectAchtergrond, bron) && !bron.IsEmpty();
    const std::shared_ptr<const QImage> pGetekend
        = bTekenen ? TeTekenen(pagina.m_picture, m_rectAchtergrond, bron) : nullptr;
    const QImage* pBeeld = bTekenen ? pGetekend.get() : pagina.m_picture.Image();
    bTekenen = bTekenen && pBeeld;
    if (!pBeeld)
        m_rectAchtergrond = heel;
    // Only a photo that surely covers the whole page leaves nothing of the
    // colour to see; otherwise the colour lies under everything.
    if (!bTekenen || m_rectAchtergrond != heel || pBeeld->hasAlphaChannel())
        t.Teken([&](QPainter& p) { p.fillRect(Q(heel), NaarQColor(pagina.m_clrKleurvlak)); });
    if (pBeeld) {
        // The layer tints the picture only, not the bars beside it.
        const int nLaag = pagina.m_nDekkingKleurlaag > 0 ? pagina.m_nDekkingKleurlaag : 0;
        bool bLaagGedaan = false;
        if (bTekenen) {
            t.Teken([&](QPainter& p) {
                bLaagGedaan
                    = TekenAfbeeldingMetLaag(p, *pBeeld, Q(m_rectAchtergrond), Q(bron), pagina.m_clrKleurlaag, nLaag);
                if (!bLaagGedaan)
                    TekenAfbeelding(p, *pBeeld, Q(m_rectAchtergrond), Q(bron));
            });
        }
        if (nLaag > 0 && !bLaagGedaan)
            t.OverlayColour(m_rectAchtergrond, pagina.m_clrKleurlaag, nLaag);
    }
    pagina.m_rectAchtergrondBeeld = m_rectAchtergrond;
}

void CPaginaTekenaar::TekenRand(CTekenaar& t, const CDataItemBasis& item, const CRect& r)
{
    if (!item.m_bRand)
        return;
    const int nHalf = BorderHalfWidth(item, t.W(), t.H());
    t.DrawWithOpacity(item.m_nDekkingRand, CTekenaar::BorderBereik(r, nHalf),
        [&](QPainter& p) { CTekenaar::StrokeBorder(p, r, item.m_clrRand, nHalf, IsEllips(item)); });
}

void CPaginaTekenaar::TekenKlikkader(
    CTekenaar& t, const CDataItemBasis& item, const CDataItemPagina& pagina, bool bEllips)
{
    if (m_variant != Variant::Presentatie || !pagina.m_bKlikgebiedenMarkeren)
        return;
    const bool bStreep = item.m_nIndex == pagina.m_nSelectieItem;
    t.Teken([&](QPainter& p) { CTekenaar::StrokeFrame(p, item.m_rectScherm, clrWit, bStreep, bEllips); });
}

void CPaginaTekenaar::TekenTekst(CTekenaar& t, CDataItemBasis& item, const CDataItemPagina& pagina, bool bGeselecteerd)
{
    const QFont* font = FontVoor(item, m_nFontHoogte > 0 ? m_nFontHoogte : t.H());
    if (!font)
        return;
    bool bVelden = false;
    const QString strTekst = VulVeldenIn(item.m_strNaam, { m_klok, m_strProjectNaam }, &bVelden);
    const QFontMetrics fm(*font);
    const CRect box = ItemRect(item, fm.horizontalAdvance(strTekst), fm.ascent() + fm.descent());

    CRect band;
    if (item.m_bKleurvlak && item.m_nDekkingKleurlaag != 0 && Band(item.m_nKleurvlakMaat, box, t.W(), t.H(), band))
        t.OverlayColour(band, item.m_clrKleurlaag, item.m_nDekkingKleurlaag);

    // A filled-in field (a clock) gives another text at the next tick.
    const CRect bereik = CTekenaar::TextBereik(item, *font, strTekst, box, bVelden);
    t.DrawWithOpacity(item.m_nDekkingTekst, bereik,
        [&](QPainter& p) { CTekenaar::DrawTextBox(p, item, *font, strTekst, box, bVelden); });
    item.m_rectScherm = box;
    TekenRand(t, item, box);

    if (m_variant == Variant::Presentatie)
        TekenKlikkader(t, item, pagina, false);
    else if (bGeselecteerd)
        t.Teken([&](QPainter& p) { CTekenaar::StrokeFrame(p, item.m_rectScherm, clrWit, true, false); });
}

void CPaginaTekenaar::TekenAfbeeldingItem(CTekenaar& t, CDataItemBasis& item, bool bGeselecteerd)
{
    const CRect doel = AfbeeldingRect(item, t.W(), t.H());
    CRect getekend = doel;
    if (const QSize maat = item.m_picture.Maat(); maat.isValid()) {
        CRect bron;
        if (PlaatsAfbeelding(item.m_nManierVanTonen, doel, maat, &item, getekend, bron)) {
            if (const auto pBeeld = TeTekenen(item.m_picture, getekend, bron)) {
                t.DrawWithOpacity(item.m_nDekkingKleurvlak, getekend,
                    [&](QPainter& p) { TekenAfbeelding(p, *pBeeld, Q(getekend), Q(bron)); });
            } else {
                getekend = doel;
            }
        }
    }
    // Over the picture: a colour filter.
    CRect band;
    if (item.m_bKleurvlak && item.m_nDekkingKleurlaag != 0 && Band(item.m_nKleurvlakMaat, getekend, t.W(), t.H(), band))
        t.OverlayColour(band, item.m_clrKleurlaag, item.m_nDekkingKleurlaag);
    item.m_rectScherm = getekend;
    TekenRand(t, item, getekend);

    if (m_variant == Variant::Ontwerp && bGeselecteerd) {
        t.Teken([&](QPainter& p) {
            CTekenaar::StrokeFrame(p, getekend, clrWit, true, false);
            CTekenaar::StrokeFrame(p, doel, clrWit, true, false);
        });
    }
    if (m_naItem)
        m_naItem(t, item, doel, getekend);
}

void CPaginaTekenaar::TekenKleurvlak(
    CTekenaar& t, CDataItemBasis& item, const CDataItemPagina& pagina, bool bGeselecteerd)
{
    const CRect r = KleurvlakRect(item, t.W(), t.H());
    const bool bEllips = IsEllips(item);
    if (item.m_nKleurvlakMaat >= BandMaat::Eigen && item.m_nKleurvlakMaat <= BandMaat::VolleHoogte)
        t.FillWithOpacity(r, item.m_clrKleurvlak, item.m_nDekkingKleurvlak, bEllips);
    TekenRand(t, item, r);
    item.m_rectScherm = r;
    if (m_variant == Variant::Presentatie)
        TekenKlikkader(t, item, pagina, bEllips);
    else if (bGeselecteerd)
        t.Teken([&](QPainter& p) { CTekenaar::StrokeFrame(p, r, clrWit, true, bEllips); });
}

const QFont* CPaginaTekenaar::FontVoor(const CDataItemBasis& item, int cy)
{
    SFont& f = m_fonts[&item];
    const bool bZelfde = f.cy == cy && f.strLettertype == item.m_strLettertype
        && f.dLettergrootte == item.m_dLettergrootte && f.bVet == item.m_bVet && f.bCursief == item.m_bCursief
        && f.bOnderlijnen == item.m_bOnderlijnen && f.bDoorhalen == item.m_bDoorhalen;
    if (!bZelfde) {
        const std::optional<QFont> font = item.TekstFont(cy);
        if (!font) {
            m_fonts.remove(&item);
            return nullptr;
        }
        f = { item.m_strLettertype, item.m_dLettergrootte, item.m_bVet, item.m_bCursief, item.m_bOnderlijnen,
            item.m_bDoorhalen, cy, *font };
    }
    return &f.font;
}

const QFont* CPaginaTekenaar::Font(const CDataItemBasis& item) const
{
    const auto it = m_fonts.constFind(&item);
    return it == m_fonts.constEnd() ? nullptr : &it->font;
}

void CPaginaTekenaar::DrawPage(QImage& bitmap, CDataItemPagina& pagina, const CDataItemBasis* pGeselecteerd)
{
    // Fonts are kept across pages, so going back to a page finds them; an
    // entry of an item that is gone is only ever matched by its fields.
    if (m_fonts.size() > nMaxFonts)
        m_fonts.clear();
    CTekenaar t(bitmap, m_methode);
    TekenAchtergrond(t, pagina);

    // From the last item to the first, so that the first ends on top.
    for (int i = pagina.AantalKinderen() - 1; i >= 0; --i) {
        CDataItemBasis& item = *pagina.GetKind(i);
        ComputeAnchor(item, t.W(), t.H());
        if (!item.m_bActief)
            continue;
        const bool bGeselecteerd = m_variant == Variant::Ontwerp && &item == pGeselecteerd;
        switch (item.m_nItemSoort) {
        case ItemSoort::Tekst:
            TekenTekst(t, item, pagina, bGeselecteerd);
            if (m_naItem)
                m_naItem(t, item, item.m_rectScherm, item.m_rectScherm);
            break;
        case ItemSoort::Afbeelding:
            TekenAfbeeldingItem(t, item, bGeselecteerd);
            break;
        case ItemSoort::Kleurvlak:
            TekenKleurvlak(t, item, pagina, bGeselecteerd);
            if (m_naItem)
                m_naItem(t, item, item.m_rectScherm, item.m_rectScherm);
            break;
        default:
            break;
        }
    }

    m_aItemRect.resize(size_t(pagina.AantalKinderen()));
    for (int i = 0; i < pagina.AantalKinderen(); ++i)
        m_aItemRect[size_t(i)] = pagina.GetKind(i)->m_rectScherm;

    const bool bKaders = pagina.m_bKlikgebiedenMarkeren
        && (m_variant == Variant::Presentatie || pGeselecteerd == static_cast<const CDataItemBasis*>(&pagina));
    if (bKaders) {
        t.Teken([&](QPainter& p) {
            for (const auto& pItem : pagina.Kinderen()) {
                if (!pItem->m_bActief || !pItem->m_bKlikbaar)
                    continue;
                const CRect& r = pItem->m_rectScherm;
                const bool bEllips = pItem->m_bKleurvlak == 1 && pItem->m_bAfbeeldingTonen == 0
                    && pItem->m_bTekstTonen == 0 && IsEllips(*pItem);
                if (bEllips)
                    CTekenaar::StrokeFrame(p, { r.left, r.top, r.right - 1, r.bottom - 1 }, clrWit, false, true);
                else
                    CTekenaar::StrokeFrame(p, r, clrWit, false, false);
            }
        });
    }
}

void CPaginaTekenaar::DrawSelectionIndicator(
    QImage& bitmap, const CDataItemPagina& pagina, const CDataItemProject& project, const CDataItemBasis* pGeselecteerd)
{
    const int nItem = pagina.m_nSelectieItem;
    if (pagina.AantalKinderen() < 1 || !project.m_bToetsenbord || !pagina.m_bSelectieZichtbaar || nItem < 0
        || nItem >= int(m_aItemRect.size()) || !(pagina.m_dRandbreedte > 0))
        return;
    if (m_variant == Variant::Ontwerp && (!pGeselecteerd || pGeselecteerd->m_nSoort != Soort::Pagina))
        return;

    // The page's own monitor rectangle: in practice a fixed 1920 x 1080 reference.
    const CRect& ref = pagina.m_rectMonitor;
    const double dDikte = DikteProcent(pagina.m_dRandbreedte);
    const double p = dDikte / 100;
    int nBreedte, d;
    if (project.m_nSelectiePositie == Zijde::Links || project.m_nSelectiePositie == Zijde::Rechts) {
        nBreedte = Trunc(ref.Width() * p);
        d = nBreedte;
    } else {
        nBreedte = Trunc(ref.Height() * p);
        d = Trunc(ref.Height() * dDikte / 200);
    }
    nBreedte = qMax(1, nBreedte);
    const int nVoor = nBreedte / 2;

    const CRect& r = m_aItemRect[size_t(nItem)];
    QRect lijn;
    switch (pagina.m_nSelectiePositie) {
    case Zijde::Links:
        lijn = QRect(r.left - d - nVoor, r.top, nBreedte, r.Height());
        break;
    case Zijde::Boven:
        lijn = QRect(r.left, r.top - d - nVoor, r.Width(), nBreedte);
        break;
    case Zijde::Rechts:
        lijn = QRect(r.right + d - nVoor, r.top, nBreedte, r.Height());
        break;
    case Zijde::Onder:
        lijn = QRect(r.left, r.bottom + d - nVoor, r.Width(), nBreedte);
        break;
    default:
        return;
    }
    QPainter painter(&bitmap);
    painter.fillRect(lijn, NaarQColor(pagina.m_clrRand));
}

void CPaginaTekenaar::BereidVoor(CDataItemPagina& pagina, int W, int H)
{
    // The same placements as the drawing below, without drawing.
    const QSize maat(W, H);
    const CRect heel { 0, 0, W, H };
    CRect getekend, bron;
    if (const QImage* pBeeld = pagina.m_picture.Image()) {
        if (PlaatsAfbeelding(pagina.m_nManierVanTonen, heel, pBeeld->size(), nullptr, getekend, bron)
            && !bron.IsEmpty()) {
            const int nLaag = pagina.m_nDekkingKleurlaag > 0 ? pagina.m_nDekkingKleurlaag : 0;
            if (!BereidAfbeeldingMetLaag(maat, *pBeeld, Q(getekend), Q(bron), pagina.m_clrKleurlaag, nLaag))
                BereidAfbeelding(maat, *pBeeld, Q(getekend), Q(bron));
        }
    }
    for (const auto& pItem : pagina.Kinderen()) {
        const QImage* pBeeld = pItem->m_picture.Image();
        if (!pBeeld || !pItem->m_bActief || pItem->m_nItemSoort != ItemSoort::Afbeelding)
            continue;
        ComputeAnchor(*pItem, W, H);
        const CRect doel = AfbeeldingRect(*pItem, W, H);
        if (PlaatsAfbeelding(pItem->m_nManierVanTonen, doel, pBeeld->size(), pItem.get(), getekend, bron))
            BereidAfbeelding(maat, *pBeeld, Q(getekend), Q(bron));
    }
}

QImage CPaginaTekenaar::TekenVenster(
    const QSize& client, const CRect& monitor, CDataItemProject& project, CRect& uitvoer)
{
    QImage venster(client, QImage::Format_RGB32);
    venster.fill(QColor(128, 128, 128));
    {
        QPainter p(&venster);
        p.setPen(Qt::black);
        p.drawRect(0, 0, client.width() - 1, client.height() - 1);
    }
    uitvoer = Uitvoer(client, monitor, project);
    return venster;
}

CRect CPaginaTekenaar::Uitvoer(const QSize& client, const CRect& monitor, CDataItemProject& project)
{
    const CRect uitvoer = ComputeOutputRect({ 0, 0, client.width(), client.height() }, monitor);
    project.m_sizeDoel = { uitvoer.Width(), uitvoer.Height() };
    project.m_rectMonitor = uitvoer;
    return uitvoer;
}

void DrawPageBackgroundPreview(QImage& doel, const CRect& r, COLORREF clrAchtergrond, const CPicture& picture,
    int nManier, COLORREF clrLaag, int nDekkingLaag)
{
    CTekenaar t(doel);
    t.Teken([&](QPainter& p) {
        p.fillRect(Q(r), NaarQColor(clrAchtergrond));
        CTekenaar::StrokeFrame(p, r, 0x000000, false, false);
    });
    const QImage* pBeeld = picture.Image();
    if (!pBeeld)
        return;
    CRect getekend, bron;
    if (PlaatsAfbeelding(nManier, r, pBeeld->size(), nullptr, getekend, bron))
        t.Teken([&](QPainter& p) { TekenAfbeelding(p, *pBeeld, Q(getekend), Q(bron)); });
    if (nDekkingLaag > 0)
        t.OverlayColour(getekend, clrLaag, nDekkingLaag);
}
