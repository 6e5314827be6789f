#include "ShowAfstand.h"

#include "model/DataItemPagina.h"
#include "model/DataItemProject.h"
#include "model/ZerbantikoDoc.h"
#include "render/GeschaaldeAfbeeldingen.h"
#include "render/PaginaTekenaar.h"
#include "render/TekstVelden.h"
#include "show/Monitors.h"
#include "show/ShowBesturing.h"

CShowAfstand::CShowAfstand(CZerbantikoDoc& doc, const IKlok& klok, CShowBesturing& besturing, QObject* pOuder)
    : QObject(pOuder)
    , m_doc(doc)
    , m_klok(klok)
    , m_besturing(besturing)
{
    connect(&m_besturing, &CShowBesturing::gewijzigd, this, [this] {
        if (m_gewijzigd)
            m_gewijzigd();
    });
}

void CShowAfstand::ZetBijWijziging(std::function<void()> gewijzigd)
{
    m_gewijzigd = std::move(gewijzigd);
}

SAfstandStaat CShowAfstand::Staat() const
{
    SAfstandStaat staat;
    staat.bLoopt = m_besturing.Loopt();
    const CDataItemPagina* pPagina = staat.bLoopt ? m_besturing.Pagina() : nullptr;
    staat.bViewer = staat.bLoopt && m_besturing.ViewerOpen();
    if (pPagina) {
        staat.strPagina = pPagina->m_strNaam;
        for (const auto& pItem : pPagina->Kinderen()) {
            if (pItem->m_bKlikbaar)
                staat.aItems.push_back({ pItem->m_nIndex, pItem->m_strNaam });
        }
        if (const CDataItemPagina* pVolgende = VolgendePagina())
            staat.strVolgende = pVolgende->m_strNaam;
    }
    staat.nViewerOver = m_besturing.ViewerSecondenOver();
    const CShowBesturing::SGeluid g = m_besturing.Geluid();
    staat.bGeluid = g.bLoopt;
    staat.bPauze = g.bPauze;
    staat.dPositie = g.dPositie;
    staat.dLengte = g.dLengte;
    staat.bLevend = staat.bViewer ? staat.nViewerOver > 0 : pPagina && HeeftVelden(*pPagina);
    const SBeeldInhoud inhoud { pPagina, m_besturing.IndicatorItem(), staat.bViewer, staat.bLoopt };
    if (!(inhoud == m_inhoud)) {
        m_inhoud = inhoud;
        ++m_nSleutel;
    }
    staat.nBeeldSleutel = m_nSleutel;
    return staat;
}

namespace {

// The scaled pictures the drawing thread keeps: those of the page on show at
// two widths, so that a clock page is not scaled anew each second. More
// would spare the phones some waiting at a page change (the scaling is on
// this thread, never on the UI thread) at the cost of memory.
constexpr qint64 nGeschaaldGrens = 6ll * 1024 * 1024;
// The page buffers it keeps: the page on show and the next one at two widths.
constexpr size_t nMaxVellen = 4;

QSize Maat(const CRect& monitor, int nBreedte)
{
    // In the projector's proportions.
    const int nHoogte = monitor.Width() > 0 ? int(qint64(nBreedte) * monitor.Height() / monitor.Width()) : 0;
    return { nBreedte, std::max(1, nHoogte) };
}

// Copies of the page on show and the next one, with the project's settings
// the indicator needs; drawn on the remote's thread, never touching the
// document the UI thread edits.
class CShowTekening : public IAfstandTekening {
public:
    CShowTekening(const IKlok& klok)
        : m_klok(klok)
    {
    }

    QImage Huidig(int nBreedte, AfstandKlikvlak& klikvlak) override
    {
        klikvlak.clear();
        if (m_bViewer) {
            const QSize maat = Maat(m_monitor, nBreedte);
            ZetGrens();
            return m_viewer.Teken(maat.width(), maat.height(), true);
        }
        auto* pPagina = static_cast<CDataItemPagina*>(m_pPagina.get());
        if (!pPagina)
            return {};
        CPaginaTekenaar tekenaar = Tekenaar();
        QImage& beeld = Vel(nBreedte, false);
        tekenaar.DrawPage(beeld, *pPagina);
        tekenaar.DrawSelectionIndicator(beeld, *pPagina, *m_pProject);
        const std::vector<CRect>& aRects = tekenaar.ItemRechthoeken();
        const int n = std::min(pPagina->AantalKinderen(), int(aRects.size()));
        for (int i = 0; i < n; ++i) {
            const CRect& r = aRects[size_t(i)];
            if (pPagina->GetKind(i)->m_bKlikbaar)
                klikvlak.push_back({ i, QRect(r.left, r.top, r.Width(), r.Height()) });
        }
        return beeld;
    }

    QImage Volgend(int nBreedte) override
    {
        auto* pVolgende = static_cast<CDataItemPagina*>(m_pVolgende.get());
        if (!pVolgende)
            return {};
        CPaginaTekenaar tekenaar = Tekenaar();
        QImage& beeld = Vel(nBreedte, true);
        tekenaar.DrawPage(beeld, *pVolgende);
        return beeld;
    }

    std::unique_ptr<CDataItemBasis> m_pPagina, m_pVolgende;
    std::unique_ptr<CDataItemProject> m_pProject;
    CRect m_monitor;
    QString m_strProjectNaam;
    bool m_bViewer = false;
    SViewerInhoud m_viewer;

private:
    static void ZetGrens() { CGeschaaldeAfbeeldingen::Instance().ZetGrens(nGeschaaldGrens); }
    // The drawing thread draws each size into the same pixels each time
    // (the picture before it is encoded and let go by then), so that its
    // heap does not grow with every page; a width no longer asked for (a
    // phone turned or gone) gives its pixels back.
    QImage& Vel(int nBreedte, bool bVolgend) const
    {
        static thread_local std::map<std::pair<int, bool>, QImage> vellen;
        const std::pair<int, bool> sleutel { nBreedte, bVolgend };
        if (!vellen.contains(sleutel) && vellen.size() >= nMaxVellen)
            vellen.clear();
        QImage& vel = vellen[sleutel];
        const QSize maat = Maat(m_monitor, nBreedte);
        if (vel.size() != maat)
            vel = QImage(maat, QImage::Format_RGB32);
        return vel;
    }
    // A composer per picture: its fonts are keyed by the copies' elements.
    CPaginaTekenaar Tekenaar() const
    {
        ZetGrens();
        CPaginaTekenaar tekenaar(CPaginaTekenaar::Variant::Presentatie, m_klok);
        tekenaar.SetProjectNaam(m_strProjectNaam);
        return tekenaar;
    }

    const IKlok& m_klok;
};

} // namespace

CDataItemPagina* CShowAfstand::VolgendePagina() const
{
    const CDataItemPagina* p = m_besturing.Pagina();
    return p ? dynamic_cast<CDataItemPagina*>(m_doc.m_project.GetKind(p->m_nIndex + 1)) : nullptr;
}

std::shared_ptr<IAfstandTekening> CShowAfstand::Opname()
{
    auto pTekening = std::make_shared<CShowTekening>(m_klok);
    if (!m_besturing.Loopt())
        return pTekening;
    pTekening->m_monitor = KiesMonitor(m_doc.m_project).GeefRechthoek();
    if (m_besturing.ViewerOpen()) {
        pTekening->m_bViewer = true;
        pTekening->m_viewer = m_besturing.ViewerInhoud();
        return pTekening;
    }
    pTekening->m_strProjectNaam = m_besturing.ProjectNaam();
    if (const CDataItemPagina* p = m_besturing.Pagina())
        pTekening->m_pPagina = p->Clone();
    if (const CDataItemPagina* p = VolgendePagina())
        pTekening->m_pVolgende = p->Clone();
    pTekening->m_pProject = std::make_unique<CDataItemProject>();
    pTekening->m_pProject->CopyValues(m_doc.m_project);
    return pTekening;
}

void CShowAfstand::Voer(const SAfstandOpdracht& opdracht)
{
    using Soort = SAfstandOpdracht::Soort;
    switch (opdracht.soort) {
    case Soort::Vorige:
        m_besturing.VorigePagina();
        break;
    case Soort::Volgende:
        m_besturing.VolgendePagina();
        break;
    case Soort::Terug:
        m_besturing.Terug();
        break;
    case Soort::Gong:
        if (m_besturing.Loopt())
            m_besturing.Gong(false);
        break;
    case Soort::StopGeluid:
        m_besturing.StopGeluid();
        break;
    case Soort::SluitViewer:
        m_besturing.SluitViewer();
        break;
    case Soort::Item:
        if (CDataItemPagina* pPagina = m_besturing.Pagina()) {
            if (CDataItemBasis* pItem = pPagina->GetKind(opdracht.nItem))
                m_besturing.KlikOpItem(*pItem); // only a clickable item of the page on show
        }
        break;
    }
}
