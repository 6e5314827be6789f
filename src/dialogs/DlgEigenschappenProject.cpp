#include "DlgEigenschappenProject.h"

#include "DlgSjabloonAfbeelding.h"
#include "DlgSjabloonKleurvlak.h"
#include "DlgSjabloonPagina.h"
#include "DlgSjabloonTekst.h"
#include "IGong.h"
#include "IOpenBestand.h"
#include "Modaal.h"
#include "designer/ElementIconen.h"
#include "model/Hints.h"
#include "model/ZerbantikoDoc.h"
#include "show/Monitors.h"
#include "ui_DlgEigenschappenProject.h"

#include <QGuiApplication>
#include <QTreeWidget>

namespace {

using V = CDataItemVelden;
using G = CVeldenDialoog::Gedrag;

// "Presentatiegedrag" has no entries and is not exchanged: a store would
// otherwise overwrite the stored value with "no choice". "Monitor" is not
// exchanged either: it shows the screen the show will use, which may be the
// remembered one rather than the stored number, and only the user's own
// choice in it changes the project.
const CVeldenDialoog::SKoppeling aProject[] = {
    { "naam", &V::m_strNaam, G::Naam },
    { "aantekeningen", &V::m_strToelichting, G::Aantekening },
    { "doelformaat", &V::m_nDoelformaat, G::Monitor },
    { "gong", &V::m_strGong },
    { "toetsenbord", &V::m_bToetsenbord },
    { "presenter", &V::m_nPresenter, G::Stil },
    { "autoVolgende", &V::m_bAutoVolgende, G::Stil },
};

// The page list's columns and their widths in pixels.
constexpr int nNaamBreedte = 300;
constexpr int nAantalBreedte = 70;

} // namespace

CDlgEigenschappenProject::CDlgEigenschappenProject(
    CDataItemBasis& element, CZerbantikoDoc& doc, IMelder& melder, IOpenBestand& kiezer, IGong* pGong, QWidget* pOuder)
    : CDlgEigenschappenPaginaItem(element, doc, melder, kiezer, pOuder)
    , m_pUi(std::make_unique<Ui::DlgEigenschappenProject>())
    , m_pGong(pGong)
{
    m_pUi->setupUi(this);
    QTreeWidget* pLijst = m_pUi->lijst;
    pLijst->setHeaderLabels({ QStringLiteral("Naam"), QStringLiteral("Aantal") });
    pLijst->setColumnWidth(0, nNaamBreedte);
    pLijst->setColumnWidth(1, nAantalBreedte);
    pLijst->headerItem()->setTextAlignment(1, Qt::AlignRight);
    VulMonitors();
    for (const QString& strFormaat : Doelformaten())
        m_pUi->doelformaat->addItem(strFormaat);
    VulLijst("presenter",
        { "Standaard toetsen (basis-bediening)", "Logitech (volledig)", "Logitech (veilig)", "Kensington",
            "Maxxter (ACT-WPL-01), Action" });
    Open(aProject);
    OpenLijst(Hint::Paginas);

    // The screen the project remembers is the one the show will use, wherever it now is in the order.
    const int nMonitor = m_pElement->m_nMonitor;
    const int nOnthouden = OnthoudenMonitor(*m_pElement);
    const int nAantal = m_pUi->monitor->count();
    m_pUi->monitor->setCurrentIndex(nOnthouden > 0 && nOnthouden < nAantal ? nOnthouden
            : nMonitor >= 0 && nMonitor < nAantal                          ? nMonitor
                                                                           : -1);

    connect(m_pUi->monitor, &QComboBox::activated, this, &CDlgEigenschappenProject::MonitorGekozen);
    connect(m_pUi->doelformaat, &QComboBox::activated, this, [this] {
        WisselUit(true);
        WerkBedieningBij();
        Gewijzigd();
        m_pDocument->UpdateAllViews(nullptr, Hint::Monitor, m_pElement);
    });
    connect(m_pUi->kiesGong, &QAbstractButton::clicked, this, &CDlgEigenschappenProject::KiesGong);
    connect(m_pUi->wisGong, &QAbstractButton::clicked, this, &CDlgEigenschappenProject::WisGong);
    connect(m_pUi->startGong, &QAbstractButton::clicked, this, &CDlgEigenschappenProject::StartGong);
    connect(m_pUi->stopGong, &QAbstractButton::clicked, this, &CDlgEigenschappenProject::StopGong);
    connect(m_pUi->sjabloonPagina, &QAbstractButton::clicked, this, [this] { OpenSjabloon(Sjabloon::Pagina); });
    connect(m_pUi->sjabloonTekst, &QAbstractButton::clicked, this, [this] { OpenSjabloon(Sjabloon::Tekst); });
    connect(m_pUi->sjabloonAfbeelding, &QAbstractButton::clicked, this, [this] { OpenSjabloon(Sjabloon::Afbeelding); });
    connect(m_pUi->sjabloonKleurvlak, &QAbstractButton::clicked, this, [this] { OpenSjabloon(Sjabloon::Kleurvlak); });
    connect(pLijst, &QTreeWidget::itemDoubleClicked, this, &CDlgEigenschappenProject::KiesPagina);
    WerkBedieningBij();
}

CDlgEigenschappenProject::~CDlgEigenschappenProject() = default;

const QString& CDlgEigenschappenProject::Onthouden()
{
    static const QString s = QStringLiteral(" (onthouden)");
    return s;
}

void CDlgEigenschappenProject::VulMonitors()
{
    const std::vector<QString> aTeksten = MonitorLijst();
    m_nAantalMonitors = CMonitors().GeefAantal();
    const int nOnthouden = aTeksten.size() > 1 ? OnthoudenMonitor(*m_pElement) : -1;
    for (size_t i = 0; i < aTeksten.size(); ++i)
        m_pUi->monitor->addItem(int(i) == nOnthouden ? aTeksten[i] + Onthouden() : aTeksten[i]);
}

void CDlgEigenschappenProject::VulRijen()
{
    for (const auto& pPagina : m_pElement->Kinderen()) {
        auto* pRij = new QTreeWidgetItem(Lijst(), { pPagina->m_strNaam, QString::number(pPagina->AantalKinderen()) });
        pRij->setIcon(0, ElementIconen::Icoon(ElementIconen::Pagina));
        pRij->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
}

void CDlgEigenschappenProject::WerkBedieningBij()
{
    CDlgEigenschappenPaginaItem::WerkBedieningBij();
    const CDataItemBasis& e = *m_pElement;
    ZetIngeschakeld({ "startGong", "wisGong" }, !e.m_strGong.isEmpty());
    ZetIngeschakeld({ "stopGong" }, ActieLoopt());
    ZetIngeschakeld({ "monitorLabel", "monitor" }, m_nAantalMonitors > 1);
    ZetIngeschakeld({ "doelformaatLabel", "doelformaat", "presentatiegedragLabel", "presentatiegedrag" }, false);
    ZetIngeschakeld({ "presenterLabel", "presenter", "autoVolgende" }, e.m_bToetsenbord != 0);
}

bool CDlgEigenschappenProject::ActieLoopt() const
{
    return m_pGong && m_pGong->GeluidLoopt();
}

void CDlgEigenschappenProject::MonitorGekozen()
{
    WisselUit(true);
    // The number, and which physical screen it is, so the show finds it again.
    m_pElement->m_nMonitor = m_pUi->monitor->currentIndex();
    BewaarMonitorKeuze(*m_pElement, m_pElement->m_nMonitor);
    WerkBedieningBij();
    Gewijzigd();
    m_pDocument->UpdateAllViews(nullptr, Hint::Monitor, m_pElement);
}

void CDlgEigenschappenProject::KiesGong()
{
    BewaarDoeLaad([this] {
        const QString strPad = m_kiezer.Kies(this, m_pElement->m_strGong, QString::fromUtf8(BestandsFilter::szGong));
        if (strPad.isEmpty())
            return;
        Gewijzigd();
        m_pElement->m_strGong = strPad;
    });
    WerkBedieningBij();
}

void CDlgEigenschappenProject::WisGong()
{
    BewaarDoeLaad([this] {
        Gewijzigd();
        m_pElement->m_strGong.clear();
    });
    WerkBedieningBij();
}

void CDlgEigenschappenProject::StartGong()
{
    if (!m_pGong)
        return;
    // With Shift the built-in gong, as everywhere else.
    m_pGong->SpeelGong(QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier));
    WerkBedieningBij();
    m_peilen.start();
}

void CDlgEigenschappenProject::StopGong()
{
    if (m_pGong)
        m_pGong->StopGeluid();
    WerkBedieningBij();
}

void CDlgEigenschappenProject::OpenSjabloon(Sjabloon sjabloon)
{
    std::unique_ptr<QDialog> pDialoog;
    if (sjabloon == Sjabloon::Pagina)
        pDialoog = std::make_unique<CDlgSjabloonPagina>(
            m_pDocument->SjabloonPagina(1), *m_pDocument, m_melder, m_kiezer, this);
    else if (sjabloon == Sjabloon::Tekst)
        pDialoog = std::make_unique<CDlgSjabloonTekst>(m_pDocument->SjabloonItem(1), *m_pDocument, m_melder, this);
    else if (sjabloon == Sjabloon::Afbeelding)
        pDialoog = std::make_unique<CDlgSjabloonAfbeelding>(m_pDocument->SjabloonItem(2), *m_pDocument, m_melder, this);
    else
        pDialoog = std::make_unique<CDlgSjabloonKleurvlak>(m_pDocument->SjabloonItem(3), *m_pDocument, m_melder, this);
    ToonModaal(*pDialoog);
}

void CDlgEigenschappenProject::KiesPagina()
{
    // A double-click on a page makes it the editor's page; it runs nothing.
    const int nRij = GeselecteerdeRij();
    if (nRij < 0)
        return;
    CDataItemBasis* pPagina = m_pElement->GetKind(nRij);
    m_pDocument->SelecteerElement(pPagina);
    m_pDocument->UpdateAllViews(nullptr, Hint::AnderePagina, pPagina);
}
