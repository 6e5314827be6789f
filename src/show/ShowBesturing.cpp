#include "ShowBesturing.h"

#include "Geluidsmachine.h"
#include "Toetsen.h"
#include "WndAfbeelding.h"
#include "WndPresentatie.h"
#include "model/DataItemPagina.h"
#include "model/DataItemPaginaItem.h"
#include "model/IProces.h"
#include "model/ZerbantikoDoc.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int nPeilMs = 250;
constexpr double dVolumeStap = 0.1;

} // namespace

CShowBesturing::CShowBesturing(
    CZerbantikoDoc& doc, CWndPresentatie& venster, CWndAfbeelding& viewer, IGeluidsmachine& geluid, QObject* pOuder)
    : QObject(pOuder)
    , m_doc(doc)
    , m_venster(venster)
    , m_viewer(viewer)
    , m_geluid(geluid)
{
    m_venster.SetToetsen([this](QKeyEvent& toets) { Toets(toets); });
    connect(&m_venster, &CWndPresentatie::beeldGewijzigd, this, &CShowBesturing::gewijzigd);
    connect(&m_venster, &CWndPresentatie::zichtbaarheidGewijzigd, this, [this] {
        if (m_venster.isVisible())
            m_peilen.start();
        else
            m_peilen.stop();
        emit gewijzigd();
    });
    connect(&m_viewer, &CWndAfbeelding::beeldGewijzigd, this, &CShowBesturing::gewijzigd);
    m_peilen.setInterval(nPeilMs);
    connect(&m_peilen, &QTimer::timeout, this, &CShowBesturing::Peil);
}

bool CShowBesturing::Loopt() const
{
    return m_venster.isVisible();
}

CDataItemPagina* CShowBesturing::Pagina() const
{
    return m_venster.Pagina();
}

const std::list<CDataItemPagina*>& CShowBesturing::Geschiedenis() const
{
    return m_venster.Geschiedenis();
}

int CShowBesturing::IndicatorItem() const
{
    const CDataItemPagina* p = Pagina();
    if (!p || !p->m_bSelectieZichtbaar || !m_doc.m_project.m_bToetsenbord)
        return -1;
    return p->GetKind(p->m_nSelectieItem) ? p->m_nSelectieItem : -1;
}

bool CShowBesturing::ViewerOpen() const
{
    return m_viewer.isVisible();
}

int CShowBesturing::ViewerSecondenOver() const
{
    return ViewerOpen() ? m_viewer.SecondenOver() : 0;
}

CShowBesturing::SGeluid CShowBesturing::Geluid() const
{
    SGeluid g;
    g.bLoopt = m_geluid.HuidigLoopt();
    if (g.bLoopt) {
        g.bPauze = m_geluid.Gepauzeerd();
        g.bHerhalen = m_geluid.Herhaalt();
        g.strBestand = m_geluid.HuidigBestand();
        // Whole seconds: what the operator reads, and what makes a change.
        g.dPositie = std::floor(m_geluid.Positie());
        g.dLengte = m_geluid.Lengte();
    }
    g.fVolume = m_geluid.Volume();
    g.fMaster = m_geluid.MasterVolume();
    return g;
}

std::vector<CDataItemBasis*> CShowBesturing::LopendeItems() const
{
    std::vector<CDataItemBasis*> a;
    for (const auto& pPagina : m_doc.m_project.Kinderen()) {
        for (const auto& pItem : pPagina->Kinderen()) {
            if (pItem->m_pProces && pItem->m_pProces->Loopt())
                a.push_back(pItem.get());
        }
    }
    return a;
}

std::vector<CDataItemPagina*> CShowBesturing::Volgende() const
{
    std::vector<CDataItemPagina*> a;
    const CDataItemPagina* pOp = Pagina();
    if (!pOp)
        return a;
    const CDataItemProject& project = m_doc.m_project;
    auto voeg = [&](int i) {
        auto* p = dynamic_cast<CDataItemPagina*>(project.GetKind(i));
        if (p && p != pOp && std::find(a.begin(), a.end(), p) == a.end())
            a.push_back(p);
    };
    voeg(pOp->m_nIndex + 1);
    for (const auto& pItem : pOp->Kinderen()) {
        const QString& s = pItem->m_strOpdracht;
        if ((s == QLatin1String("@page") || s == QLatin1String("@Seite")) && !pItem->m_strOpties.isEmpty())
            voeg(project.FindKindByNaam(pItem->m_strOpties));
    }
    if (!Geschiedenis().empty())
        voeg(Geschiedenis().front()->m_nIndex);
    return a;
}

QImage CShowBesturing::ViewerBeeld(const QSize& maat) const
{
    if (maat.isEmpty())
        return {};
    return m_viewer.Inhoud().Teken(maat.width(), maat.height(), true);
}

SViewerInhoud CShowBesturing::ViewerInhoud() const
{
    return m_viewer.Inhoud();
}

const QString& CShowBesturing::ProjectNaam() const
{
    return m_venster.ProjectNaam();
}

void CShowBesturing::NaarPagina(CDataItemPagina* pPagina)
{
    if (!pPagina || !Loopt() || pPagina == Pagina())
        return;
    m_venster.NaarGeschiedenis(Pagina());
    m_venster.ToonPaginaDoorToets(pPagina);
}

void CShowBesturing::KlikOpItem(CDataItemBasis& item)
{
    if (!Loopt() || item.m_pOuder != Pagina() || !item.m_bKlikbaar)
        return;
    Pagina()->m_nSelectieItem = item.m_nIndex;
    m_venster.VoerKlikUit(item);
    emit gewijzigd();
}

void CShowBesturing::VoerItemUit(int nIndex)
{
    CDataItemPagina* pPagina = Pagina();
    if (!pPagina)
        return;
    if (CDataItemBasis* pItem = pPagina->GetKind(nIndex))
        m_venster.VoerUitDoorToets(*pItem, 0);
    emit gewijzigd();
}

void CShowBesturing::Terug()
{
    if (Loopt())
        m_venster.ToonPaginaDoorToets(m_venster.TerugInGeschiedenis(1));
}

void CShowBesturing::VorigePagina()
{
    if (const CDataItemPagina* p = Pagina())
        NaarPagina(dynamic_cast<CDataItemPagina*>(m_doc.m_project.GetKind(p->m_nIndex - 1)));
}

void CShowBesturing::VolgendePagina()
{
    if (const CDataItemPagina* p = Pagina())
        NaarPagina(dynamic_cast<CDataItemPagina*>(m_doc.m_project.GetKind(p->m_nIndex + 1)));
}

void CShowBesturing::KiesItem(int nRichting)
{
    if (Loopt())
        m_venster.KiesItem(nRichting);
}

void CShowBesturing::Activeer(bool bStop)
{
    if (Loopt())
        m_venster.Activeer(bStop);
    emit gewijzigd();
}

void CShowBesturing::Gong(bool bIngebouwd)
{
    m_geluid.SpeelGong(ProjectGong(m_doc.Zoeker(), m_doc.m_project.m_strGong, bIngebouwd));
    emit gewijzigd();
}

void CShowBesturing::WisselPauze()
{
    m_geluid.WisselPauze();
    emit gewijzigd();
}

void CShowBesturing::StopGeluid()
{
    m_geluid.StopHuidig();
    emit gewijzigd();
}

void CShowBesturing::WisselHerhalen()
{
    m_geluid.WisselHerhalen();
    emit gewijzigd();
}

void CShowBesturing::Volume(bool bMaster, double dStap)
{
    if (!m_geluid.HuidigLoopt())
        return;
    if (bMaster)
        m_geluid.ZetMasterVolume(VolumeStap(m_geluid.MasterVolume(), dStap));
    else
        m_geluid.ZetVolume(VolumeStap(m_geluid.Volume(), dStap));
    emit gewijzigd();
}

void CShowBesturing::SluitViewer()
{
    m_viewer.Sluit();
}

void CShowBesturing::StopItem(CDataItemBasis& item)
{
    if (auto* p = dynamic_cast<CDataItemPaginaItem*>(&item))
        p->StopActie();
    Peil();
}

void CShowBesturing::Beeindig()
{
    m_venster.Sluit();
}

void CShowBesturing::Meld(const QString& strTekst)
{
    emit bericht(strTekst);
}

void CShowBesturing::Peil()
{
    if (m_geluid.ApparaatVerdwenen())
        Meld(QStringLiteral(
            "Het geluidsapparaat is verdwenen; het geluid is gestopt. Het volgende geluid klinkt via het "
            "standaardapparaat, als er een is."));
    const SGeluid g = Geluid();
    const std::vector<CDataItemBasis*> aLopend = LopendeItems();
    if (g == m_laatsteGeluid && aLopend == m_aLaatstLopend)
        return;
    m_laatsteGeluid = g;
    m_aLaatstLopend = aLopend;
    emit gewijzigd();
}

void CShowBesturing::Toets(const QKeyEvent& toets)
{
    CDataItemProject& project = m_doc.m_project;
    CDataItemPagina* pPagina = Pagina();
    if (!pPagina || !project.m_bToetsenbord)
        return;
    using namespace Toetsen;
    const Qt::KeyboardModifiers toetsen = toets.modifiers();
    const bool bCtrl = toetsen & Qt::ControlModifier;
    const int nIndex = pPagina->m_nIndex;
    const int nLaatste = project.AantalKinderen() - 1;
    const SUitkomst u = Vertaal(project.m_nPresenter, toets.key(), toetsen & Qt::KeypadModifier,
        Vlagwoord(toets.key(), toets.nativeScanCode(), toets.isAutoRepeat()), toetsen & Qt::ShiftModifier, bCtrl,
        nIndex <= 0, nIndex >= nLaatste);
    auto pagina = [&](int i) { return dynamic_cast<CDataItemPagina*>(project.GetKind(i)); };
    auto naarPagina = [&](int i) {
        m_venster.NaarGeschiedenis(pPagina);
        m_venster.ToonPaginaDoorToets(pagina(i));
    };
    switch (u.handeling) {
    case Handeling::Niets:
        break;
    case Handeling::VorigePagina:
        naarPagina(nIndex - 1);
        break;
    case Handeling::VolgendePagina:
        naarPagina(nIndex + 1);
        break;
    case Handeling::EerstePagina:
        naarPagina(0);
        break;
    case Handeling::LaatstePagina:
        naarPagina(nLaatste);
        break;
    case Handeling::VorigItem:
        m_venster.KiesItem(-1);
        break;
    case Handeling::VolgendItem:
        m_venster.KiesItem(+1);
        break;
    case Handeling::Activeer:
        m_venster.Activeer(u.bShift && bCtrl);
        break;
    case Handeling::Cijfer:
        VoerItemUit(u.nCijfer);
        break;
    case Handeling::Terug:
        m_venster.ToonPaginaDoorToets(m_venster.TerugInGeschiedenis(1));
        break;
    case Handeling::Sluit:
        Beeindig();
        break;
    case Handeling::Gong:
        Gong(false);
        break;
    case Handeling::StopGeluid:
        StopGeluid();
        break;
    case Handeling::Herhalen:
        WisselHerhalen();
        break;
    case Handeling::Pauze:
        WisselPauze();
        break;
    case Handeling::StopMaarHoud:
        m_geluid.StopMaarHoud();
        emit gewijzigd();
        break;
    case Handeling::VolumeOp:
    case Handeling::VolumeNeer:
    case Handeling::MasterOp:
    case Handeling::MasterNeer: {
        const bool bOp = u.handeling == Handeling::VolumeOp || u.handeling == Handeling::MasterOp;
        Volume(u.handeling == Handeling::MasterOp || u.handeling == Handeling::MasterNeer,
            bOp ? dVolumeStap : -dVolumeStap);
        break;
    }
    }
}
