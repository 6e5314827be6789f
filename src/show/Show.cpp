#include "Show.h"

#include "Geluidsmachine.h"
#include "ItemActies.h"
#include "ShowBesturing.h"
#include "WndAfbeelding.h"
#include "WndPresentatie.h"
#include "model/Hints.h"
#include "model/IMelder.h"
#include "model/ZerbantikoDoc.h"

namespace {

const QString strWaarschuwing = QStringLiteral(
    "Let op: u kunt het presentatievenster alleen sluiten met de toets C of de toets X, niet met Escape!");

} // namespace

CShow::CShow(CZerbantikoDoc& doc, const IKlok& klok, IMelder& melder, IStarter& starter, IGeluidsmachine& geluid,
    QObject* pOuder)
    : QObject(pOuder)
    , m_doc(doc)
    , m_melder(melder)
    , m_geluid(geluid)
{
    m_pViewer = std::make_unique<CWndAfbeelding>(doc.m_project);
    m_pActies = std::make_unique<CItemActies>(doc.Zoeker(), starter, geluid, *m_pViewer);
    m_pPresentatie = std::make_unique<CWndPresentatie>(doc, klok, geluid);
    m_pBesturing = std::make_unique<CShowBesturing>(doc, *m_pPresentatie, *m_pViewer, geluid);
    m_pActies->m_bijMislukt = [this](const QString& strTekst) {
        if (m_pPresentatie->isVisible())
            m_pBesturing->Meld(strTekst);
    };
    m_doc.m_project.m_pActies = m_pActies.get();
    connect(m_pPresentatie.get(), &CWndPresentatie::beeldGewijzigd, this, &CShow::MeldBeschadigdeAfbeeldingen);
    m_pViewer->m_naSluiten = [this] {
        // The show beneath takes the keyboard again.
        if (m_pPresentatie->isVisible()) {
            m_pPresentatie->activateWindow();
            m_pPresentatie->setFocus(Qt::OtherFocusReason);
            m_pPresentatie->update();
        }
    };
    connect(&m_doc, &CZerbantikoDoc::updateAllViews, this, [this](QObject*, int nHint, CDataItemBasis* pElement) {
        if (!pElement && nHint == Hint::Uiterlijk)
            m_pViewer->Sluit(); // another project: nothing of the old one stays on screen
    });
}

CShow::~CShow()
{
    if (m_doc.m_project.m_pActies == m_pActies.get())
        m_doc.m_project.m_pActies = nullptr;
}

bool CShow::KanStarten() const
{
    if (m_pPresentatie->isVisible())
        return false;
    const CDataItemBasis* p = m_doc.GetGeselecteerd();
    if (!p)
        return false;
    if (p->m_nSoort == Soort::Project)
        return m_doc.m_project.AantalKinderen() > 0;
    return p->m_nSoort == Soort::Pagina || p->m_nSoort == Soort::Item;
}

bool CShow::KanStoppen() const
{
    return m_pPresentatie->isVisible();
}

void CShow::Start(bool bRepetitie)
{
    if (m_doc.m_project.AantalKinderen() == 0)
        return;
    if (m_bEersteStart) {
        m_bEersteStart = false;
        m_melder.Meld(strWaarschuwing);
    }
    m_gemeldeAfbeeldingen.clear();
    m_pPresentatie->Start(bRepetitie);
    MeldBeschadigdeAfbeeldingen();
    // In a rehearsal the viewer opens over the rehearsal's window.
    m_pViewer->SetPlaats(
        bRepetitie ? std::function<QRect()>([this] { return m_pPresentatie->geometry(); }) : std::function<QRect()>());
}

void CShow::MeldBeschadigdeAfbeeldingen()
{
    const CDataItemPagina* pPagina = m_pPresentatie->Pagina();
    if (!pPagina)
        return;
    const auto meld = [this](const CDataItemBasis& e) {
        if (e.m_picture.Mislukt() && !m_gemeldeAfbeeldingen.contains(e.m_strAfbeelding)) {
            m_gemeldeAfbeeldingen.insert(e.m_strAfbeelding);
            m_pBesturing->Meld(QStringLiteral("Afbeelding beschadigd, niet getoond: %1").arg(e.m_strAfbeelding));
        }
    };
    meld(*pPagina);
    for (const auto& pItem : pPagina->Kinderen())
        meld(*pItem);
}

void CShow::Stop()
{
    m_pPresentatie->Sluit();
}

void CShow::BeeindigAlles()
{
    m_pPresentatie->Sluit();
    m_pViewer->Sluit();
    m_geluid.StopHuidig();
}

void CShow::SpeelGong(bool bIntern)
{
    m_geluid.SpeelGong(ProjectGong(m_doc.Zoeker(), m_doc.m_project.m_strGong, bIntern));
}
