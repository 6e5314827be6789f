#include "DlgEigenschappenPagina.h"

#include "designer/ElementIconen.h"
#include "model/DataItemPaginaItem.h"
#include "model/Hints.h"
#include "model/IMelder.h"
#include "model/IProces.h"
#include "ui_DlgEigenschappenPagina.h"

#include <QCheckBox>
#include <QTreeWidget>

namespace {

using V = CDataItemVelden;
using G = CVeldenDialoog::Gedrag;
using B = CVeldenDialoog::BandHoogte;

const CVeldenDialoog::SKoppeling aPagina[] = {
    { "naam", &V::m_strNaam, G::Naam },
    { "aantekeningen", &V::m_strToelichting, G::Aantekening },
    { "achtergrondKleur", &V::m_clrKleurvlak, G::Kleur, B::nVlak },
    { "afbeelding", &V::m_strAfbeelding, G::Gewoon },
    { "manierVanTonen", &V::m_nManierVanTonen, G::Keuze },
    { "kleurlaagKleur", &V::m_clrKleurlaag, G::Kleur, B::nKleurlaag },
    { "kleurlaagDekking", &V::m_nDekkingKleurlaag, G::Schuif },
    { "clipping", &V::m_bClipping, G::Clipping },
    { "klikgebieden", &V::m_bKlikgebiedenMarkeren, G::Keuze },
    { "ankerpunten", &V::m_bAnkerpuntenTonen, G::Keuze },
    { "selectiePositie", &V::m_nSelectiePositie, G::Keuze },
    { "randKleur", &V::m_clrRand, G::Kleur, B::nRand },
    { "randbreedte", &V::m_dRandbreedte, G::Rand },
};

// The item list's columns and their widths in pixels.
constexpr int nNaamBreedte = 140;
constexpr int nOpdrachtBreedte = 130;
constexpr int nOptiesBreedte = 120;

} // namespace

CDlgEigenschappenPagina::CDlgEigenschappenPagina(
    CDataItemBasis& element, CZerbantikoDoc& doc, IMelder& melder, IOpenBestand& kiezer, QWidget* pOuder)
    : CDlgEigenschappenPaginaItem(element, doc, melder, kiezer, pOuder)
    , m_pUi(std::make_unique<Ui::DlgEigenschappenPagina>())
{
    m_pUi->setupUi(this);
    QTreeWidget* pLijst = m_pUi->lijst;
    pLijst->setHeaderLabels({ QStringLiteral("Naam"), QStringLiteral("Opdracht"), QStringLiteral("Opties") });
    pLijst->setColumnWidth(0, nNaamBreedte);
    pLijst->setColumnWidth(1, nOpdrachtBreedte);
    pLijst->setColumnWidth(2, nOptiesBreedte);
    Open(aPagina);
    OpenLijst(Hint::Kinderen);
    connect(m_pUi->clipping, &QCheckBox::clicked, this, &CDlgEigenschappenPagina::ClippingGeklikt);
    connect(pLijst, &QTreeWidget::itemDoubleClicked, this, &CDlgEigenschappenPagina::ProbeerActie);
}

CDlgEigenschappenPagina::~CDlgEigenschappenPagina() = default;

const QString& CDlgEigenschappenPagina::ClippingWaarschuwing()
{
    static const QString s = QStringLiteral("Er staan items op deze pagina die nu geheel buiten beeld vallen!");
    return s;
}

void CDlgEigenschappenPagina::VulRijen()
{
    for (const auto& pItem : m_pElement->Kinderen()) {
        auto* pRij = new QTreeWidgetItem(Lijst(), { pItem->m_strNaam, pItem->m_strOpdracht, pItem->m_strOpties });
        pRij->setIcon(0, ElementIconen::Icoon(ElementIconen::Voor(*pItem)));
    }
}

void CDlgEigenschappenPagina::ClippingGeklikt()
{
    Wijzig(Hint::Uiterlijk);
    if (!m_pElement->m_bClipping)
        return;
    // Where the items and the background were last drawn.
    const CRect& achtergrond = m_pElement->m_rectAchtergrondBeeld;
    for (const auto& pItem : m_pElement->Kinderen()) {
        if (!pItem->m_rectScherm.Overlapt(achtergrond)) {
            m_melder.Meld(ClippingWaarschuwing());
            return;
        }
    }
}

void CDlgEigenschappenPagina::ProbeerActie()
{
    // Tries the action of the item on the row: stops what it started, or starts it.
    auto* pItem = dynamic_cast<CDataItemPaginaItem*>(m_pElement->GetKind(GeselecteerdeRij()));
    if (!pItem)
        return;
    if (pItem->m_pProces)
        pItem->StopActie();
    else
        pItem->VoerActieUit(0);
    WerkBedieningBij();
}
