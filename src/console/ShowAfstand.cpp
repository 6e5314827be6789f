#include "ShowAfstand.h"

#include "afstand/AfstandServer.h"
#include "model/DataItemPagina.h"
#include "model/ZerbantikoDoc.h"
#include "render/TekstVelden.h"
#include "show/Monitors.h"
#include "show/ShowBesturing.h"

CShowAfstand::CShowAfstand(CZerbantikoDoc& doc, const IKlok& klok, CShowBesturing& besturing, QObject* pOuder)
    : QObject(pOuder)
    , m_doc(doc)
    , m_besturing(besturing)
    , m_tekenaar(CPaginaTekenaar::Variant::Presentatie, klok)
{
    connect(&m_besturing, &CShowBesturing::gewijzigd, this, [this] {
        if (m_pServer)
            m_pServer->Gewijzigd();
    });
}

void CShowAfstand::ZetServer(CAfstandServer* pServer)
{
    m_pServer = pServer;
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

QSize CShowAfstand::Maat(int nBreedte) const
{
    // In the projector's proportions.
    const CRect monitor = KiesMonitor(m_doc.m_project).GeefRechthoek();
    const int nHoogte = monitor.Width() > 0 ? int(qint64(nBreedte) * monitor.Height() / monitor.Width()) : 0;
    return { nBreedte, std::max(1, nHoogte) };
}

CDataItemPagina* CShowAfstand::VolgendePagina() const
{
    const CDataItemPagina* p = m_besturing.Pagina();
    return p ? dynamic_cast<CDataItemPagina*>(m_doc.m_project.GetKind(p->m_nIndex + 1)) : nullptr;
}

QImage CShowAfstand::Beeld(int nBreedte, AfstandKlikvlak& klikvlak)
{
    klikvlak.clear();
    const QSize maat = Maat(nBreedte);
    if (!m_besturing.Loopt())
        return {};
    if (m_besturing.ViewerOpen())
        return m_besturing.ViewerBeeld(maat);
    CDataItemPagina* pPagina = m_besturing.Pagina();
    if (!pPagina)
        return {};
    QImage beeld(maat, QImage::Format_RGB32);
    m_tekenaar.SetProjectNaam(m_besturing.ProjectNaam());
    m_tekenaar.DrawPage(beeld, *pPagina);
    m_tekenaar.DrawSelectionIndicator(beeld, *pPagina, m_doc.m_project);
    const std::vector<CRect>& aRects = m_tekenaar.ItemRechthoeken();
    const int n = std::min(pPagina->AantalKinderen(), int(aRects.size()));
    for (int i = 0; i < n; ++i) {
        const CRect& r = aRects[size_t(i)];
        if (pPagina->GetKind(i)->m_bKlikbaar)
            klikvlak.push_back({ i, QRect(r.left, r.top, r.Width(), r.Height()) });
    }
    return beeld;
}

QImage CShowAfstand::VolgendBeeld(int nBreedte)
{
    CDataItemPagina* pVolgende = m_besturing.Loopt() ? VolgendePagina() : nullptr;
    if (!pVolgende)
        return {};
    QImage beeld(Maat(nBreedte), QImage::Format_RGB32);
    m_tekenaar.DrawPage(beeld, *pVolgende);
    return beeld;
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
