#include "ZerbantikoDoc.h"

#include "Commandos.h"
#include "Hints.h"
#include "IMelder.h"
#include "IProces.h"
#include "ProjectInhoud.h"
#include "Teksten.h"

#include <QFileInfo>

#include <new>

namespace {

bool HoortBij(const CDataItemBasis* p, const CDataItemBasis& wortel)
{
    for (; p; p = p->m_pOuder) {
        if (p == &wortel)
            return true;
    }
    return false;
}

} // namespace

CZerbantikoDoc::CZerbantikoDoc(QObject* pParent)
    : QObject(pParent)
{
    // Every step done or undone: modified unless the project equals its file again.
    connect(&m_undo, &QUndoStack::indexChanged, this, [this] { SetModifiedFlag(!m_undo.isClean()); });
    for (CDataItemPagina& pagina : m_aSjabloonPagina)
        pagina.InitTemplate();

    CDataItemPaginaItem& tekst = SjabloonItem(1);
    tekst.InitTemplate();
    tekst.m_nItemSoort = ItemSoort::Tekst;
    tekst.m_strNaam = Tekst::Laad(Tekst::NieuweTekst);
    tekst.m_bKleurvlak = 0;
    tekst.m_bAfbeeldingTonen = 0;
    tekst.m_bTekstTonen = 1;
    tekst.m_nDekkingKleurlaag = 100;

    CDataItemPaginaItem& afbeelding = SjabloonItem(2);
    afbeelding.InitTemplate();
    afbeelding.m_nItemSoort = ItemSoort::Afbeelding;
    afbeelding.m_strNaam = Tekst::Laad(Tekst::NieuweAfbeelding);
    afbeelding.m_bAfbeeldingTonen = 1;
    afbeelding.m_bKleurvlak = 0;
    afbeelding.m_bTekstTonen = 0;
    afbeelding.m_nManierVanTonen = Manier::Passend;

    CDataItemPaginaItem& kleurvlak = SjabloonItem(3);
    kleurvlak.InitTemplate();
    kleurvlak.m_nItemSoort = ItemSoort::Kleurvlak;
    kleurvlak.m_strNaam = Tekst::Laad(Tekst::NieuwKleurvlak);
    kleurvlak.m_bKleurvlak = 1;
    kleurvlak.m_bAfbeeldingTonen = 0;
    kleurvlak.m_bTekstTonen = 0;
    kleurvlak.m_nKleurvlakMaat = BandMaat::Eigen;
    kleurvlak.m_nVorm = 0;

    SjabloonItem(4).InitTemplate();
}

CZerbantikoDoc::~CZerbantikoDoc() = default;

// --- selection -------------------------------------------------------------

CDataItemPagina* CZerbantikoDoc::GetHuidigePagina() const
{
    if (m_nHuidigePagina < 0)
        return nullptr;
    return dynamic_cast<CDataItemPagina*>(m_project.GetKind(m_nHuidigePagina));
}

CDataItemPagina* CZerbantikoDoc::SetHuidigePagina(int i)
{
    if (i < 0 || i >= m_project.AantalKinderen()) {
        m_nHuidigePagina = -1;
        return nullptr;
    }
    m_nHuidigePagina = i;
    return GetHuidigePagina();
}

CDataItemPaginaItem* CZerbantikoDoc::GetItem(int nPagina, int nItem) const
{
    const CDataItemBasis* pPagina = m_project.GetKind(nPagina);
    if (!pPagina)
        return nullptr;
    return dynamic_cast<CDataItemPaginaItem*>(pPagina->GetKind(nItem));
}

CDataItemPaginaItem* CZerbantikoDoc::GetHuidigItem() const
{
    return GetItem(m_nHuidigePagina, m_nHuidigItem);
}

CDataItemBasis* CZerbantikoDoc::GetGeselecteerd() const
{
    if (m_pGeselecteerd)
        return m_pGeselecteerd;
    if (m_nHuidigePagina < 0)
        return nullptr;
    if (m_nHuidigItem >= 0)
        return GetHuidigItem();
    return GetHuidigePagina();
}

CDataItemBasis* CZerbantikoDoc::Selecteer(int nPagina, int nItem)
{
    if (nPagina >= 0 && nPagina < m_project.AantalKinderen()) {
        m_nHuidigePagina = nPagina;
        CDataItemBasis* pItem = m_project.GetKind(nPagina)->GetKind(nItem);
        if (pItem) {
            m_nHuidigItem = nItem;
            m_pGeselecteerd = pItem;
        } else {
            m_nHuidigItem = -1;
            m_pGeselecteerd = nullptr;
        }
    } else {
        m_nHuidigePagina = -1;
        m_nHuidigItem = -1;
        m_pGeselecteerd = nullptr;
    }
    return GetGeselecteerd();
}

void CZerbantikoDoc::SelecteerElement(CDataItemBasis* pElement)
{
    if (!pElement)
        return;
    m_pGeselecteerd = pElement;
    pElement->m_nSelectieItem = -1;
    const int nPaginas = m_project.AantalKinderen();
    auto paginaIndex = [nPaginas](const CDataItemBasis* pPagina) {
        return pPagina && pPagina->m_nIndex >= 0 && pPagina->m_nIndex < nPaginas ? pPagina->m_nIndex : -1;
    };
    switch (pElement->m_nSoort) {
    case Soort::Project:
        m_nHuidigePagina = 0;
        break;
    case Soort::Pagina:
        m_nHuidigePagina = paginaIndex(pElement);
        break;
    case Soort::Item:
        m_nHuidigePagina = paginaIndex(pElement->m_pOuder);
        break;
    default:
        break;
    }
}

// --- command states --------------------------------------------------------

bool CZerbantikoDoc::IsPaginaOfItem(const CDataItemBasis* p)
{
    return p && (p->m_nSoort == Soort::Pagina || p->m_nSoort == Soort::Item);
}

bool CZerbantikoDoc::KanPaginaInvoegen() const
{
    const CDataItemBasis* p = GetGeselecteerd();
    return p && p->m_nSoort >= Soort::Project && p->m_nSoort <= Soort::Item;
}

bool CZerbantikoDoc::KanItemInvoegen() const
{
    return IsPaginaOfItem(GetGeselecteerd());
}

bool CZerbantikoDoc::KanKopieren() const
{
    return IsPaginaOfItem(m_pKopieerBron ? m_pKopieerBron : GetGeselecteerd());
}

bool CZerbantikoDoc::KanKnippen() const
{
    return IsPaginaOfItem(GetGeselecteerd());
}

bool CZerbantikoDoc::KanPlakken() const
{
    if (!m_pKlembord)
        return false;
    const CDataItemBasis* p = GetGeselecteerd();
    if (!p)
        return false;
    if (m_pKlembord->m_nSoort == Soort::Pagina)
        return p->m_nSoort == Soort::Pagina || p->m_nSoort == Soort::Project;
    if (m_pKlembord->m_nSoort == Soort::Item)
        return p->m_nSoort == Soort::Pagina || p->m_nSoort == Soort::Item;
    return false;
}

bool CZerbantikoDoc::KanVerwijderen() const
{
    return IsPaginaOfItem(GetGeselecteerd());
}

bool CZerbantikoDoc::KanEigenschappen() const
{
    return GetGeselecteerd() != nullptr;
}

// --- commands --------------------------------------------------------------

void CZerbantikoDoc::OnPaginaInvoegen()
{
    if (KanPaginaInvoegen())
        Invoegen(Soort::Pagina, 1);
}

void CZerbantikoDoc::OnTekstInvoegen()
{
    if (KanItemInvoegen())
        Invoegen(Soort::Item, 1);
}

void CZerbantikoDoc::OnAfbeeldingInvoegen()
{
    if (KanItemInvoegen())
        Invoegen(Soort::Item, 2);
}

void CZerbantikoDoc::OnKleurvlakInvoegen()
{
    if (KanItemInvoegen())
        Invoegen(Soort::Item, 3);
}

CDataItemBasis* CZerbantikoDoc::Invoegen(int nSoort, int nSjabloon, const CDataItemBasis* pBron)
{
    CDataItemBasis* pS = GetGeselecteerd();
    if (!pS || (nSoort != 2 && nSoort != 3) || nSjabloon < 1 || nSjabloon > 4)
        return nullptr;
    const bool bPagina = nSoort == 2;

    std::unique_ptr<CDataItemBasis> pNieuw;
    if (bPagina)
        pNieuw = std::make_unique<CDataItemPagina>();
    else
        pNieuw = std::make_unique<CDataItemPaginaItem>();
    if (bPagina && pS->m_nSoort == Soort::Item)
        pBron = nullptr; // a page next to an item always starts from template page 1
    if (pBron)
        KopieerOfStop(*pNieuw, *pBron);
    else if (bPagina)
        KopieerOfStop(*pNieuw, SjabloonPagina(1));
    else
        KopieerOfStop(*pNieuw, SjabloonItem(nSjabloon));

    CDataItemBasis* pContainer = nullptr;
    Plaats plaats = Plaats::Achteraan;
    int nPositie = 0;
    bool bProjectGeval = false;
    switch (pS->m_nSoort) {
    case Soort::Pagina:
        if (bPagina) {
            pContainer = &m_project;
            plaats = Plaats::Na;
            nPositie = pS->m_nIndex;
        } else {
            // Into the selected page, at the page's own index when the page
            // has that many items, else at the end.
            pContainer = pS;
            plaats = Plaats::Voor;
            nPositie = pS->m_nIndex;
        }
        break;
    case Soort::Item:
        if (!pS->m_pOuder)
            return nullptr;
        if (bPagina) {
            pContainer = &m_project;
            plaats = Plaats::Na;
            nPositie = pS->m_pOuder->m_nIndex;
        } else {
            pContainer = pS->m_pOuder;
            plaats = Plaats::Voor;
            nPositie = pS->m_nIndex;
        }
        break;
    case Soort::Project:
        if (bPagina) {
            pContainer = &m_project;
        } else {
            if (!m_pKopieerBron || m_pKopieerBron->m_nSoort != Soort::Pagina)
                return nullptr;
            pContainer = m_pKopieerBron;
            bProjectGeval = true;
        }
        break;
    default:
        return nullptr;
    }

    if (!bPagina && !bProjectGeval && m_ptInvoegPositie.x > 0 && m_ptInvoegPositie.y > 0) {
        const CRect& rectMonitor = m_project.m_rectMonitor;
        const CSize& sizeDoel = m_project.m_sizeDoel;
        const double dX = (double(m_ptInvoegPositie.x) - rectMonitor.left) * 100.0 / sizeDoel.cx;
        const double dY = 100.0 - (double(m_ptInvoegPositie.y) - rectMonitor.top) * 100.0 / sizeDoel.cy;
        // Clamped to 0..100; the NaN of a zero-sized target becomes 0.
        pNieuw->m_dAnkerX = dX > 0.0 ? qMin(dX, 100.0) : 0.0;
        pNieuw->m_dAnkerY = dY > 0.0 ? qMin(dY, 100.0) : 0.0;
        m_ptInvoegPositie = CPoint { 0, 0 };
    }

    const QString strBasis = pNieuw->m_strNaam;
    QString strNaam = strBasis;
    for (int n = 1; pContainer->FindKindByNaam(strNaam) >= 0; ++n)
        strNaam = QStringLiteral("%1 (%2)").arg(strBasis).arg(n);
    pNieuw->m_strNaam = strNaam;

    CDataItemBasis* pElement = pNieuw.get();
    const int nHint = bPagina || bProjectGeval ? Hint::Toegevoegd : Hint::ItemToegevoegd;
    m_undo.push(new CInvoegCommando(*this, *pContainer, std::move(pNieuw), int(plaats), nPositie, nHint,
        pBron ? QStringLiteral("plakken") : QStringLiteral("%1 invoegen").arg(pElement->GetSoortNaam())));
    return pElement;
}

void CZerbantikoDoc::KopieerOfStop(CDataItemBasis& doel, const CDataItemBasis& bron)
{
    try {
        doel.CopyFrom(bron);
    } catch (const std::bad_alloc&) {
        GeheugenTekortBijKopie(m_pMelder, bron.GetKlasseNaam());
    }
}

void CZerbantikoDoc::OnKopieren()
{
    if (!KanKopieren())
        return;
    const CDataItemBasis* pBron = m_pKopieerBron ? m_pKopieerBron : GetGeselecteerd();
    m_pKlembord = std::make_unique<CDataItemBasis>();
    KopieerOfStop(*m_pKlembord, *pBron);
    // The copy stands on its own; it must not point into the project.
    m_pKlembord->m_pOuder = nullptr;
    m_pKopieerBron = nullptr;
}

void CZerbantikoDoc::OnKnippen()
{
    if (!KanKnippen())
        return;
    CDataItemBasis* pS = GetGeselecteerd();
    CDataItemBasis* pOuder = pS->m_pOuder;
    if (!pOuder)
        return;
    // What is cut is what lands on the clipboard, even when a copy source was
    // left pending by the designer.
    m_pKopieerBron = nullptr;
    OnKopieren();
    m_undo.push(new CVerwijderCommando(*this, *pS, Hint::Kinderen, QStringLiteral("knippen")));
}

void CZerbantikoDoc::OnPlakken()
{
    if (!KanPlakken())
        return;
    const int nItemSoort = m_pKlembord->m_nItemSoort;
    Invoegen(m_pKlembord->m_nSoort, nItemSoort <= 2 ? nItemSoort + 1 : 4, m_pKlembord.get());
}

void CZerbantikoDoc::OnVerwijderen()
{
    if (!KanVerwijderen())
        return;
    CDataItemBasis* pS = GetGeselecteerd();
    CDataItemBasis* pOuder = pS->m_pOuder;
    if (!pOuder)
        return;
    QString strVraag
        = Tekst::Laad(pS->m_nSoort == Soort::Pagina ? Tekst::VraagVerwijderPagina : Tekst::VraagVerwijderItem);
    strVraag.replace(QStringLiteral("%s"), pS->m_strNaam);
    if (!m_pMelder || !m_pMelder->VraagJaNee(strVraag))
        return;
    m_undo.push(new CVerwijderCommando(
        *this, *pS, pOuder == &m_project ? Hint::Paginas : Hint::Kinderen, QStringLiteral("verwijderen")));
}

int CZerbantikoDoc::OnEigenschappen()
{
    CDataItemBasis* pS = GetGeselecteerd();
    return pS ? pS->ToonEigenschappen(this) : 0;
}

// --- structure -------------------------------------------------------------

void CZerbantikoDoc::VoegToe(
    CDataItemBasis& container, Plaats plaats, int nPositie, std::unique_ptr<CDataItemBasis> pElement)
{
    switch (plaats) {
    case Plaats::Achteraan:
        container.VoegKindToe(std::move(pElement));
        break;
    case Plaats::Voor:
        container.VoegKindIn(nPositie, std::move(pElement));
        break;
    case Plaats::Na:
        container.VoegKindInNa(nPositie, std::move(pElement));
        break;
    }
}

std::unique_ptr<CDataItemBasis> CZerbantikoDoc::NeemWeg(CDataItemBasis& container, int nPositie)
{
    if (CDataItemBasis* pKind = container.GetKind(nPositie)) {
        VergeetVerwijzingenNaar(*pKind);
        // A program started by an item does not outlive its place in the project.
        BeeindigProgrammas(*pKind);
    }
    return container.NeemKindWeg(nPositie);
}

void CZerbantikoDoc::BeeindigProgrammas(CDataItemBasis& element)
{
    if (element.m_pProces) {
        element.m_pProces->Beeindig();
        element.m_pProces.reset();
    }
    for (const auto& pKind : element.Kinderen())
        BeeindigProgrammas(*pKind);
}

void CZerbantikoDoc::WijzigVelden(
    CDataItemBasis& element, const CDataItemVelden& na, int nHint, const QString& strTekst, int nSamen)
{
    // An edit that changes nothing (a nudge against an edge, a drag back to
    // where it began) is no step and marks nothing modified.
    if (static_cast<const CDataItemVelden&>(element) == na)
        return;
    m_undo.push(new CVeldenCommando(*this, element, element, na, nHint, strTekst, nSamen));
}

void CZerbantikoDoc::MarkeerOpgeslagen()
{
    m_undo.setClean();
    SetModifiedFlag(false);
}

void CZerbantikoDoc::VergeetVerwijzingenNaar(const CDataItemBasis& element)
{
    if (HoortBij(m_pGeselecteerd, element))
        m_pGeselecteerd = nullptr;
    if (HoortBij(m_pKopieerBron, element))
        m_pKopieerBron = nullptr;
    if (HoortBij(m_pShowStartPagina, element))
        m_pShowStartPagina = nullptr;
}

// --- document --------------------------------------------------------------

void CZerbantikoDoc::NieuwDocument()
{
    m_undo.clear();
    VergeetVerwijzingenNaar(m_project);
    SetPathName(QString());
    SetModifiedFlag(false);
    m_project.ResetToDefaults();
    m_project.InitTemplate();
    Selecteer(-1, -1);
    SelecteerElement(&m_project);
    SetTitle(m_project.m_strNaam);
    UpdateAllViews(nullptr, Hint::Uiterlijk, nullptr);
}

void CZerbantikoDoc::NeemOver(CProjectInhoud& inhoud, const QString& strPad)
{
    m_undo.clear();
    VergeetVerwijzingenNaar(m_project);
    m_strVersie = inhoud.strVersie;
    m_project.Verwissel(inhoud.project);
    m_aSjabloonPagina[0].Verwissel(inhoud.aSjabloonPagina[0]);
    m_aSjabloonItem[0].Verwissel(inhoud.aSjabloonItem[0]);
    m_aSjabloonItem[1].Verwissel(inhoud.aSjabloonItem[1]);
    if (inhoud.bAlleSjablonen) {
        for (size_t i = 1; i < 4; ++i)
            m_aSjabloonPagina[i].Verwissel(inhoud.aSjabloonPagina[i]);
        for (size_t i = 2; i < 4; ++i)
            m_aSjabloonItem[i].Verwissel(inhoud.aSjabloonItem[i]);
    }
    SetPathName(strPad);
    SetTitle(QFileInfo(strPad).fileName());
    SetModifiedFlag(false);
    Selecteer(-1, -1);
    SelecteerElement(&m_project);
    UpdateAllViews(nullptr, Hint::Uiterlijk, nullptr);
}

void CZerbantikoDoc::SetPathName(const QString& strPad)
{
    m_strPathName = strPad;
    // The project's paths are looked up from its own folder.
    m_zoeker.SetProjectMap(strPad.isEmpty() ? QString() : QFileInfo(strPad).absolutePath());
}

void CZerbantikoDoc::SetTitle(const QString& strTitel)
{
    if (m_strTitle == strTitel)
        return;
    m_strTitle = strTitel;
    emit titleChanged(m_strTitle);
}

void CZerbantikoDoc::SetModifiedFlag(bool bModified)
{
    if (m_bModified == bModified)
        return;
    m_bModified = bModified;
    emit modifiedChanged(m_bModified);
}

void CZerbantikoDoc::UpdateAllViews(QObject* pSender, int nHint, CDataItemBasis* pElement)
{
    emit updateAllViews(pSender, nHint, pElement);
}
