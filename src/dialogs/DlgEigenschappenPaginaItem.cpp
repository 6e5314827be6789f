#include "DlgEigenschappenPaginaItem.h"

#include "AnkerBeeld.h"
#include "GetalVeld.h"
#include "Getallen.h"
#include "IOpenBestand.h"
#include "KleurKnop.h"
#include "LettertypeLijst.h"
#include "Tooltips.h"
#include "model/Commandos.h"
#include "model/DataItemPaginaItem.h"
#include "model/FileKind.h"
#include "model/Hints.h"
#include "model/IMelder.h"
#include "model/Teksten.h"
#include "model/ZerbantikoDoc.h"
#include "show/ItemActies.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QStandardPaths>
#include <QToolButton>
#include <QTreeWidget>

const QColor CDlgEigenschappenPaginaItem::clrBekend(0, 0, 255);
const QColor CDlgEigenschappenPaginaItem::clrFout(255, 0, 0);

namespace {

constexpr int nPeilMs = 100;

const char* const szZonderNaam = "Zonder naam (label) is dit item niet zichtbaar op het scherm. Dit kunt u ook "
                                 "bereiken door de optie \"Actief\"uit te zetten.";

// The new-item name of each item type; a name that begins with it gives way
// to the title of a chosen file.
QString NieuweNaam(int nItemSoort)
{
    switch (nItemSoort) {
    case ItemSoort::Tekst:
        return Tekst::Laad(Tekst::NieuweTekst);
    case ItemSoort::Afbeelding:
        return Tekst::Laad(Tekst::NieuweAfbeelding);
    case ItemSoort::Kleurvlak:
        return Tekst::Laad(Tekst::NieuwKleurvlak);
    default:
        return QString();
    }
}

bool IsTerugOfBladeren(const QString& strOpdracht)
{
    return strOpdracht == QLatin1String("@back") || strOpdracht == QLatin1String("@pageDn")
        || strOpdracht == QLatin1String("@pageUp");
}

// The element's picture after its path changed; none for an empty path.
void LaadBeeld(CDataItemBasis& e, const CZerbantikoDoc& doc)
{
    if (e.m_strAfbeelding.isEmpty())
        e.m_picture.Release();
    else
        e.m_picture.Load(doc.Zoeker().Zoek(e.m_strAfbeelding));
}

void ZetTekstKleur(QWidget* pVeld, const std::optional<QColor>& clr)
{
    QPalette pal = pVeld->palette();
    pal.setColor(QPalette::Text, clr.value_or(pVeld->parentWidget()->palette().color(QPalette::Text)));
    pVeld->setPalette(pal);
}

} // namespace

CDlgEigenschappenPaginaItem::CDlgEigenschappenPaginaItem(
    CDataItemBasis& element, CZerbantikoDoc& doc, IMelder& melder, IOpenBestand& kiezer, QWidget* pOuder)
    : CVeldenDialoog(melder, pOuder)
    , m_pElement(&element)
    , m_pDocument(&doc)
    , m_kiezer(kiezer)
    , m_kopie(element)
{
    m_pVelden = m_pElement;
    m_peilen.setInterval(nPeilMs);
    connect(&m_peilen, &QTimer::timeout, this, &CDlgEigenschappenPaginaItem::Peil);
}

CDlgEigenschappenPaginaItem::~CDlgEigenschappenPaginaItem()
{
    Ontkoppel();
}

void CDlgEigenschappenPaginaItem::Ontkoppel()
{
    // Hiding the dialog takes the focus from its field, which would store
    // the controls again after the session has ended.
    m_peilen.stop();
    for (QObject* pKind : findChildren<QObject*>()) {
        QObject::disconnect(pKind, nullptr, this, nullptr);
        pKind->removeEventFilter(this);
    }
}

void CDlgEigenschappenPaginaItem::Open(std::span<const SKoppeling> aTabel)
{
    setWindowTitle(QStringLiteral("Eigenschappen ") + m_pElement->GetSoortNaam());
    ZetIconen();
    ZetTooltips(Tooltips());
    if (!IsPagina())
        if (QWidget* pLaag = Control(szLaagDekking))
            pLaag->setToolTip(QString());
    MaakKoppenVet();
    VulVasteLijsten(m_pElement->m_nItemSoort);
    VulSprong();
    if (auto* pLijst = Control<CLettertypeLijst>("lettertype"); pLijst && pLijst->count() > 0)
        pLijst->setCurrentIndex(0);
    ZetIngeschakeld({ "individueel", "toetsenbord" }, false); // shown, never changed here
    Koppel(aTabel, *m_pElement);
    for (const SControl& control : Controls())
        Verbind(control);
    VerbindKnoppen();
    WisselUit(false);
    WerkBedieningBij();
    WerkAnkerBeeldBij();
    // What the dialog itself adjusted on opening (a missing step count) is
    // no edit of the user's.
    m_basis = *m_pElement;
    m_bGewijzigdBijOpenen = m_pDocument->IsModified();
}

void CDlgEigenschappenPaginaItem::MaakKoppenVet()
{
    // Bold captions; the controls inside keep the dialog's own font.
    for (const char* szGroep : { "groepAlgemeen", "groepRechts" }) {
        QWidget* pGroep = Control(szGroep);
        if (!pGroep)
            continue;
        QFont vet = font();
        vet.setBold(true);
        QFont gewoon = font();
        gewoon.setBold(false); // set explicitly, so it is not inherited from the caption
        pGroep->setFont(vet);
        for (QWidget* pKind : pGroep->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            pKind->setFont(gewoon);
    }
}

void CDlgEigenschappenPaginaItem::VulSprong()
{
    auto* pLijst = Control<QComboBox>("sprong");
    if (!pLijst || pLijst->count() > 0)
        return;
    const CDataItemBasis* pHuidig = m_pDocument->GetHuidigePagina();
    for (const auto& pPagina : m_pDocument->m_project.Kinderen())
        if (pPagina.get() != pHuidig)
            pLijst->addItem(pPagina->m_strNaam);
}

bool CDlgEigenschappenPaginaItem::IsPagina() const
{
    return m_pElement->m_nSoort == Soort::Pagina;
}

void CDlgEigenschappenPaginaItem::Gewijzigd()
{
    m_pDocument->SetModifiedFlag(true);
}

void CDlgEigenschappenPaginaItem::Hint(int nHint)
{
    m_pDocument->UpdateAllViews(nullptr, nHint, m_pElement);
}

void CDlgEigenschappenPaginaItem::Wijzig(int nHint)
{
    WisselUit(true);
    Gewijzigd();
    Hint(nHint);
}

void CDlgEigenschappenPaginaItem::Verbind(const SControl& control)
{
    QWidget* p = control.pWidget;
    // The user's choice in a list, check box, radio group or slider.
    auto gekozen = [&](auto fn) {
        auto bijKeuze = [this, fn] {
            if (!m_bLaden)
                fn();
        };
        if (control.pGroep)
            connect(control.pGroep, &QButtonGroup::buttonClicked, this, bijKeuze);
        else if (auto* pVink = qobject_cast<QAbstractButton*>(p))
            connect(pVink, &QAbstractButton::clicked, this, bijKeuze);
        else if (auto* pLijst = qobject_cast<QComboBox*>(p))
            connect(pLijst, &QComboBox::activated, this, bijKeuze);
        else if (auto* pSchuif = qobject_cast<QSlider*>(p))
            connect(pSchuif, &QSlider::valueChanged, this, bijKeuze);
    };
    // Typing in a field marks it edited; fn runs on every edit.
    auto getypt = [&](auto fn) {
        if (auto* pRegel = qobject_cast<QLineEdit*>(p))
            connect(pRegel, &QLineEdit::textEdited, this, [this, p, fn] {
                m_bewerkt.insert(p);
                fn();
            });
        else if (auto* pGetal = qobject_cast<CGetalVeld*>(p))
            connect(pGetal, &CGetalVeld::bewerkt, this, [this, p, fn] {
                m_bewerkt.insert(p);
                fn();
            });
    };
    // Leaving a field that was edited.
    auto verlaten = [&](auto fn) {
        auto bijVerlaten = [this, p, fn] {
            if (m_bewerkt.remove(p))
                fn();
        };
        if (auto* pRegel = qobject_cast<QLineEdit*>(p))
            connect(pRegel, &QLineEdit::editingFinished, this, bijVerlaten);
        else if (auto* pGetal = qobject_cast<CGetalVeld*>(p))
            connect(pGetal, &CGetalVeld::editingFinished, this, bijVerlaten);
    };

    switch (control.pKoppeling->gedrag) {
    case Gedrag::Gewoon:
    case Gedrag::Strikt:
    case Gedrag::Monitor:
    case Gedrag::Clipping:
        break; // exchanged only, or handled by the dialog that has them
    case Gedrag::Naam:
        getypt([this] { Wijzig(Hint::Naam); });
        verlaten([this] { NaamVerlaten(); });
        break;
    case Gedrag::Aantekening:
        if (auto* pTekst = qobject_cast<QPlainTextEdit*>(p)) {
            connect(pTekst, &QPlainTextEdit::textChanged, this, [this, p] {
                if (!m_bLaden)
                    m_bewerkt.insert(p);
            });
            pTekst->installEventFilter(this);
        }
        break;
    case Gedrag::Gebied:
        gekozen([this] {
            WisselUit(true);
            WerkBedieningBij();
            Gewijzigd();
            Hint(Hint::Uiterlijk);
        });
        break;
    case Gedrag::Keuze:
    case Gedrag::Schuif:
        gekozen([this] { Wijzig(Hint::Uiterlijk); });
        break;
    case Gedrag::Stijl:
        gekozen([this] { Wijzig(Hint::Stijl); });
        break;
    case Gedrag::Stil:
        gekozen([this] {
            WisselUit(true);
            Gewijzigd();
        });
        break;
    case Gedrag::Lettertype:
        gekozen([this] {
            const QString strOud = m_pElement->m_strLettertype;
            WisselUit(true);
            if (m_pElement->m_strLettertype != strOud) {
                Gewijzigd();
                Hint(Hint::Stijl);
            }
        });
        break;
    case Gedrag::Anker:
        gekozen([this] {
            WisselUit(true);
            WerkAnkerBeeldBij();
            WerkBedieningBij();
            Gewijzigd();
            Hint(Hint::Uiterlijk);
        });
        break;
    case Gedrag::Kleur:
        if (auto* pKnop = qobject_cast<CKleurKnop*>(p)) {
            const auto pVeld = std::get<COLORREF CDataItemVelden::*>(control.pKoppeling->veld);
            connect(pKnop, &CKleurKnop::kleurGekozen, this, [this, pVeld] {
                const COLORREF clrOud = m_pElement->*pVeld;
                WisselUit(true);
                if (m_pElement->*pVeld != clrOud) {
                    Gewijzigd();
                    Hint(Hint::Uiterlijk);
                }
            });
        }
        break;
    case Gedrag::Procent:
    case Gedrag::Lettergrootte:
        if (auto* pGetal = qobject_cast<CGetalVeld*>(p)) {
            const SControl c = control;
            connect(pGetal, &CGetalVeld::bewerkt, this, [this, c] { ProcentBewerkt(c); });
            connect(pGetal, &CGetalVeld::editingFinished, this, [this, c] { ProcentVerlaten(c); });
            connect(pGetal, &CGetalVeld::gestapt, this, [this] { WisselUit(true); });
        }
        break;
    case Gedrag::Rand:
        getypt([this] { Wijzig(Hint::Uiterlijk); });
        verlaten([this] { Wijzig(Hint::Uiterlijk); });
        break;
    case Gedrag::Opdracht:
        getypt([this] {
            WisselUit(true);
            Gewijzigd();
            WerkBedieningBij();
        });
        verlaten([this] {
            WisselUit(true);
            Gewijzigd();
            WerkBedieningBij();
        });
        if (auto* pRegel = qobject_cast<QLineEdit*>(p))
            connect(pRegel, &QLineEdit::textChanged, this, &CDlgEigenschappenPaginaItem::KleurPaden);
        break;
    case Gedrag::Opties:
        getypt([] {});
        verlaten([this] {
            WisselUit(true);
            Gewijzigd();
        });
        break;
    case Gedrag::Sprong:
        gekozen([this] {
            Wijzig(Hint::Uiterlijk);
            WerkBedieningBij();
        });
        break;
    case Gedrag::Intern:
        gekozen([this] {
            WisselUit(true);
            WerkBedieningBij();
        });
        break;
    case Gedrag::Aantal:
        if (auto* pGetal = qobject_cast<CGetalVeld*>(p))
            connect(pGetal, &CGetalVeld::gestapt, this, [this] { WisselUit(true); });
        break;
    }
}

void CDlgEigenschappenPaginaItem::VerbindKnoppen()
{
    auto knop = [this](const char* szNaam, void (CDlgEigenschappenPaginaItem::*fn)()) {
        if (auto* p = Control<QAbstractButton>(szNaam))
            connect(p, &QAbstractButton::clicked, this, fn);
    };
    knop("kiesOpdracht", &CDlgEigenschappenPaginaItem::KiesOpdracht);
    knop("wisOpdracht", &CDlgEigenschappenPaginaItem::WisOpdracht);
    knop("startActie", &CDlgEigenschappenPaginaItem::StartActie);
    knop("stopActie", &CDlgEigenschappenPaginaItem::StopActie);
    knop("kiesAfbeelding", &CDlgEigenschappenPaginaItem::KiesAfbeelding);
    knop("wisAfbeelding", &CDlgEigenschappenPaginaItem::WisAfbeelding);
    knop("standaard", &CDlgEigenschappenPaginaItem::NaarStandaard);
    knop("ok", &CDlgEigenschappenPaginaItem::accept);
    knop("annuleren", &CDlgEigenschappenPaginaItem::reject);
}

void CDlgEigenschappenPaginaItem::ProcentBewerkt(const SControl& control)
{
    auto* pGetal = static_cast<CGetalVeld*>(control.pWidget);
    const auto pVeld = std::get<double CDataItemVelden::*>(control.pKoppeling->veld);
    // The field gets the clamped value; the text stays as typed.
    m_pElement->*pVeld = Getallen::Procent(pGetal->Waarde());
    Gewijzigd();
    Hint(control.pKoppeling->gedrag == Gedrag::Lettergrootte ? Hint::Stijl : Hint::Uiterlijk);
}

void CDlgEigenschappenPaginaItem::ProcentVerlaten(const SControl& control)
{
    auto* pGetal = static_cast<CGetalVeld*>(control.pWidget);
    const double d = Getallen::Procent(pGetal->Waarde());
    pGetal->ZetTekst(Getallen::MetEenDecimaal(d, QLatin1Char(',')));
    WisselUit(true);
    Gewijzigd();
    Hint(control.pKoppeling->gedrag == Gedrag::Lettergrootte ? Hint::Stijl : Hint::Uiterlijk);
}

void CDlgEigenschappenPaginaItem::NaamVerlaten()
{
    Wijzig(Hint::Naam);
    if (m_pElement->m_nSoort == Soort::Item && m_pElement->m_nItemSoort == ItemSoort::Tekst
        && m_pElement->m_strNaam.isEmpty())
        m_melder.Meld(QString::fromUtf8(szZonderNaam));
}

bool CDlgEigenschappenPaginaItem::eventFilter(QObject* pObject, QEvent* pEvent)
{
    // "Aantekeningen" is taken when it is left after an edit.
    if (pEvent->type() == QEvent::FocusOut && m_bewerkt.remove(pObject)) {
        WisselUit(true);
        Gewijzigd();
    }
    return CVeldenDialoog::eventFilter(pObject, pEvent);
}

void CDlgEigenschappenPaginaItem::WerkAnkerBeeldBij()
{
    if (auto* pBeeld = Control<CAnkerBeeld>("ankerBeeld"))
        pBeeld->ZetAnker(m_pElement->m_nAnkerH, m_pElement->m_nAnkerV);
}

void CDlgEigenschappenPaginaItem::WerkBedieningBij()
{
    const CDataItemBasis& e = *m_pElement;
    const bool bIndividueel = e.m_bIndividueel != 0;
    const bool bBeeld = !e.m_strAfbeelding.isEmpty();
    ZetIngeschakeld({ "ankerInhoudLabel", "ankerLinks", "ankerHMidden", "ankerRechts", "ankerBoven", "ankerVMidden",
                        "ankerOnder", "ankerBeeld", "lettertypeLabel", "lettertype", "lettergrootteLabel",
                        "lettergrootte", "lettergrootteProcent", "stijlLabel", "tekstKleurLabel", "tekstKleur",
                        "tekstDekkingLabel", "tekstDekking", "vet", "cursief", "onderlijnen", "doorhalen", "standaard",
                        "kleurvlak", "vlakKleurLabel", "vlakKleur", "vlakDekkingLabel", "vlakDekking", "rand" },
        bIndividueel);
    ZetIngeschakeld({ "randbreedteLabel", "randbreedte", "randbreedteProcent", "randKleurLabel", "randKleur",
                        "randDekkingLabel", "randDekking" },
        IsPagina() || (bIndividueel && e.m_bRand));
    ZetIngeschakeld({ "wisAfbeelding" }, bBeeld);
    if (IsPagina()) {
        ZetIngeschakeld({ "manierLabel", "manierVanTonen", "kleurlaagLabel", "kleurlaagKleur", "kleurlaagDekkingLabel",
                            "kleurlaagDekking" },
            bBeeld);
        ZetIngeschakeld({ "gebruikAfbeeldingLabel", "clipping" }, bBeeld && e.m_nManierVanTonen == Manier::Passend);
    } else {
        ZetIngeschakeld({ "kleurvlakMaat", "kleurlaagKleur", "kleurlaagDekkingLabel", "kleurlaagDekking" },
            bIndividueel && e.m_bKleurvlak);
    }
    WerkActieBij();
    WerkLijstKnoppenBij();
    KleurPaden();
    update();
}

void CDlgEigenschappenPaginaItem::OpenLijst(int nHint)
{
    m_pLijst = Control<QTreeWidget>("lijst");
    if (!m_pLijst)
        return;
    m_nLijstHint = nHint;
    m_pLijst->setRootIsDecorated(false);
    m_pLijst->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pLijst->setSelectionBehavior(QAbstractItemView::SelectRows);
    VulRijen();
    connect(m_pLijst, &QTreeWidget::itemSelectionChanged, this, &CDlgEigenschappenPaginaItem::WerkBedieningBij);
    const std::pair<const char*, Verplaatsing> aKnoppen[] = {
        { "naarBoven", Verplaatsing::Top },
        { "omhoog", Verplaatsing::Omhoog },
        { "omlaag", Verplaatsing::Omlaag },
        { "naarOnder", Verplaatsing::Onder },
    };
    for (const auto& [szNaam, verplaatsing] : aKnoppen)
        if (auto* pKnop = Control<QAbstractButton>(szNaam))
            connect(pKnop, &QAbstractButton::clicked, this, [this, v = verplaatsing] { Verplaats(v); });
    WerkLijstKnoppenBij();
}

int CDlgEigenschappenPaginaItem::GeselecteerdeRij() const
{
    if (!m_pLijst)
        return -1;
    const QList<QTreeWidgetItem*> aRijen = m_pLijst->selectedItems();
    return aRijen.isEmpty() ? -1 : m_pLijst->indexOfTopLevelItem(aRijen.front());
}

void CDlgEigenschappenPaginaItem::WerkLijstKnoppenBij()
{
    if (!m_pLijst)
        return;
    const int s = GeselecteerdeRij();
    const int n = m_pElement->AantalKinderen();
    ZetIngeschakeld({ "naarBoven", "omhoog" }, s > 0);
    ZetIngeschakeld({ "omlaag", "naarOnder" }, s >= 0 && s < n - 1);
}

void CDlgEigenschappenPaginaItem::Verplaats(Verplaatsing verplaatsing)
{
    const int s = GeselecteerdeRij();
    const int n = m_pElement->AantalKinderen();
    const bool bOmhoog = verplaatsing == Verplaatsing::Top || verplaatsing == Verplaatsing::Omhoog;
    if (bOmhoog ? (s < 1 || s >= n) : (s < 0 || s >= n - 1))
        return;
    const int nNaar = verplaatsing == Verplaatsing::Top ? 0
        : verplaatsing == Verplaatsing::Omhoog          ? s - 1
        : verplaatsing == Verplaatsing::Omlaag          ? s + 1
                                                        : n - 1;
    // To the top, the selection indicator starts again at the first item:
    // part of the move's own step, which Annuleren keeps.
    const bool bTop = verplaatsing == Verplaatsing::Top;
    m_pDocument->Undo().push(
        new CVerplaatsCommando(*m_pDocument, *m_pElement, s, nNaar, m_nLijstHint, QStringLiteral("Verplaatsen"), bTop));
    if (bTop) {
        m_kopie.m_nSelectieItem = m_basis.m_nSelectieItem = m_pElement->m_nSelectieItem;
        m_kopie.m_bSelectieZichtbaar = m_basis.m_bSelectieZichtbaar = m_pElement->m_bSelectieZichtbaar;
    }
    Gewijzigd();
    m_pLijst->clear();
    VulRijen();
    if (QTreeWidgetItem* pRij = m_pLijst->topLevelItem(nNaar))
        pRij->setSelected(true);
    WerkBedieningBij();
}

void CDlgEigenschappenPaginaItem::WerkActieBij()
{
    if (!Control("opdracht"))
        return;
    CDataItemBasis& e = *m_pElement;
    const bool bKlikbaar = e.m_bKlikbaar != 0;
    const QString& strOpdracht = e.m_strOpdracht;
    ZetIngeschakeld({ "opdrachtLabel", "opdracht", "kiesOpdracht" }, bKlikbaar);
    ZetIngeschakeld({ "startActie", "wisOpdracht" }, bKlikbaar && !strOpdracht.isEmpty());
    ZetIngeschakeld({ "stopActie" }, bKlikbaar && ActieLoopt());
    const bool bOpties = strOpdracht == QLatin1String("@rgb") || strOpdracht == QLatin1String("@grad");
    ZetIngeschakeld({ "optiesLabel", "opties" }, bKlikbaar && bOpties);

    const bool bSprong = strOpdracht == QLatin1String("@page");
    ZetZichtbaar({ "sprongLabel", "sprong" }, bSprong);
    ZetIngeschakeld({ "sprongLabel", "sprong" }, bKlikbaar && bSprong);
    const bool bAantal = IsTerugOfBladeren(strOpdracht);
    ZetZichtbaar({ "aantalLabel", "aantal" }, bAantal);
    ZetIngeschakeld({ "aantalLabel", "aantal" }, bKlikbaar && bAantal);
    if (bAantal && Getallen::LeesGeheel(e.m_strOpties) < 1)
        e.m_strOpties = QStringLiteral("1");

    const bool bGeluid = IsSoundFile(strOpdracht);
    const bool bAfbeelding = !bGeluid && IsImageFile(strOpdracht);
    const bool bIntern = e.m_bInternTonen != 0;
    ZetZichtbaar({ "internTonen", "internNoot", "weergaveLabel" }, bGeluid || bAfbeelding);
    ZetZichtbaar({ "weergave" }, bAfbeelding);
    ZetZichtbaar({ "volumeLabel", "volume" }, bGeluid);
    ZetIngeschakeld({ "internTonen", "internNoot" }, bKlikbaar && (bGeluid || bAfbeelding));
    ZetIngeschakeld({ "weergaveLabel" }, bKlikbaar && (bGeluid || bAfbeelding) && bIntern);
    ZetIngeschakeld({ "weergave" }, bKlikbaar && bIntern && bAfbeelding);
    ZetIngeschakeld({ "volumeLabel", "volume" }, bKlikbaar && bIntern && bGeluid);
}

void CDlgEigenschappenPaginaItem::KleurPaden()
{
    // A path is red when no readable file answers to it here; the tooltip
    // says which local file a path from another computer was found as.
    auto kleurPad = [this](QWidget* pVeld, const QString& strPad) {
        QString strLokaal = m_pDocument->Zoeker().Zoek(strPad);
        // A bare program name is started from the PATH, as the show does.
        if (strLokaal.isEmpty() && pVeld->objectName() == QLatin1String("opdracht")
            && !strPad.contains(QLatin1Char('/')) && !strPad.contains(QLatin1Char('\\')))
            strLokaal = QStandardPaths::findExecutable(strPad);
        const QFileInfo info(strLokaal);
        const bool bLeesbaar = !strLokaal.isEmpty() && info.isFile() && info.isReadable();
        ZetTekstKleur(pVeld, bLeesbaar ? std::nullopt : std::optional<QColor>(clrFout));
        pVeld->setToolTip(bLeesbaar && strLokaal != strPad ? QStringLiteral("Gevonden als: ") + strLokaal : QString());
    };
    if (auto* pOpdracht = Control<QLineEdit>("opdracht")) {
        const QString strTekst = pOpdracht->text();
        if (strTekst.startsWith(QLatin1Char('@'))) {
            pOpdracht->setToolTip(QString());
            if (strTekst.size() == 1)
                ZetTekstKleur(pOpdracht, std::nullopt);
            else
                ZetTekstKleur(pOpdracht,
                    CItemActies::OpdrachtLijst().contains(strTekst + QLatin1Char(' ')) ? clrBekend : clrFout);
        } else if (!strTekst.isEmpty()) {
            kleurPad(pOpdracht, strTekst);
        } else {
            ZetTekstKleur(pOpdracht, std::nullopt);
        }
    }
    if (auto* pAfbeelding = Control<QLineEdit>("afbeelding")) {
        if (pAfbeelding->text().isEmpty())
            ZetTekstKleur(pAfbeelding, std::nullopt);
        else
            kleurPad(pAfbeelding, pAfbeelding->text());
    }
}

bool CDlgEigenschappenPaginaItem::ActieLoopt() const
{
    auto* pItem = dynamic_cast<CDataItemPaginaItem*>(m_pElement);
    return pItem && pItem->ActieLoopt();
}

void CDlgEigenschappenPaginaItem::Peil()
{
    if (!ActieLoopt()) {
        WerkBedieningBij();
        m_peilen.stop();
    }
}

void CDlgEigenschappenPaginaItem::KiesOpdracht()
{
    BewaarDoeLaad([this] {
        const QString strPad
            = m_kiezer.Kies(this, m_pElement->m_strOpdracht, QString::fromUtf8(BestandsFilter::szActie));
        if (strPad.isEmpty())
            return;
        CDataItemBasis& e = *m_pElement;
        e.m_strOpdracht = strPad;
        if (IsImageFile(strPad) && e.m_nItemSoort == ItemSoort::Afbeelding && e.m_strAfbeelding.isEmpty()) {
            e.m_strAfbeelding = strPad;
            LaadBeeld(e, *m_pDocument);
            Hint(Hint::Uiterlijk);
        }
        const QString strNieuw = NieuweNaam(e.m_nItemSoort);
        if (e.m_strNaam.isEmpty() || (!strNieuw.isEmpty() && e.m_strNaam.startsWith(strNieuw)))
            e.m_strNaam = QFileInfo(strPad).completeBaseName();
    });
    WerkBedieningBij();
}

void CDlgEigenschappenPaginaItem::WisOpdracht()
{
    BewaarDoeLaad([this] {
        if (auto* pItem = dynamic_cast<CDataItemPaginaItem*>(m_pElement))
            pItem->StopActie();
        m_pElement->m_strOpdracht.clear();
        m_pElement->m_strOpties.clear();
    });
    WerkBedieningBij();
    m_peilen.stop();
}

void CDlgEigenschappenPaginaItem::StartActie()
{
    WisselUit(true);
    m_pElement->VoerActieUit(0);
    WerkBedieningBij();
    m_peilen.start();
}

void CDlgEigenschappenPaginaItem::StopActie()
{
    WisselUit(true);
    if (auto* pItem = dynamic_cast<CDataItemPaginaItem*>(m_pElement))
        pItem->StopActie();
    WerkBedieningBij();
    m_peilen.stop();
}

void CDlgEigenschappenPaginaItem::KiesAfbeelding()
{
    bool bGekozen = false;
    BewaarDoeLaad([this, &bGekozen] {
        const QString strPad
            = m_kiezer.Kies(this, m_pElement->m_strAfbeelding, QString::fromUtf8(BestandsFilter::szAfbeelding));
        if (strPad.isEmpty())
            return;
        m_pElement->m_strAfbeelding = strPad;
        LaadBeeld(*m_pElement, *m_pDocument);
        bGekozen = true;
    });
    if (!bGekozen)
        return;
    WerkBedieningBij();
    Gewijzigd();
    Hint(Hint::Uiterlijk);
}

void CDlgEigenschappenPaginaItem::WisAfbeelding()
{
    BewaarDoeLaad([this] {
        m_pElement->m_strAfbeelding.clear();
        m_pElement->m_picture.Release();
    });
    WerkBedieningBij();
    Gewijzigd();
    Hint(Hint::Uiterlijk);
}

void CDlgEigenschappenPaginaItem::NaarStandaard()
{
    BewaarDoeLaad([this] {
        const int nSjabloon = std::clamp(int(m_pElement->m_nItemSoort) + 1, 1, 4);
        m_pElement->ApplyTemplate(m_pDocument->SjabloonItem(nSjabloon));
    });
    WerkBedieningBij();
    WerkAnkerBeeldBij();
    Gewijzigd();
    Hint(Hint::Stijl);
}

void CDlgEigenschappenPaginaItem::accept()
{
    WisselUit(true);
    const CDataItemVelden& na = *m_pElement;
    // Where the element was last drawn is the composer's business, not an edit.
    m_kopie.m_rectScherm = na.m_rectScherm;
    m_kopie.m_rectAchtergrondBeeld = na.m_rectAchtergrondBeeld;
    m_basis.m_rectScherm = na.m_rectScherm;
    m_basis.m_rectAchtergrondBeeld = na.m_rectAchtergrondBeeld;
    if (na == m_basis) {
        // Nothing the user did: the element as the dialog found it, no
        // step, and the project as modified as it was.
        static_cast<CDataItemVelden&>(*m_pElement) = m_kopie;
        m_pElement->m_rectScherm = m_basis.m_rectScherm;
        m_pElement->m_rectAchtergrondBeeld = m_basis.m_rectAchtergrondBeeld;
        m_pDocument->SetModifiedFlag(m_bGewijzigdBijOpenen || !m_pDocument->Undo().isClean());
    } else if (!(na == m_kopie)) {
        // The whole session as one step: undo gives back what the dialog found.
        auto* pCommando = new CVeldenCommando(*m_pDocument, *m_pElement, m_kopie, na, Hint::Uiterlijk,
            QStringLiteral("Eigenschappen ") + m_pElement->GetSoortNaam());
        pCommando->VoegHintToe(Hint::Stijl);
        pCommando->VoegHintToe(Hint::Naam);
        m_pDocument->Undo().push(pCommando);
    }
    Ontkoppel();
    CVeldenDialoog::accept();
}

void CDlgEigenschappenPaginaItem::reject()
{
    Ontkoppel();
    const bool bAnderBeeld = m_pElement->m_strAfbeelding != m_kopie.m_strAfbeelding;
    m_kopie.m_rectScherm = m_pElement->m_rectScherm;
    m_kopie.m_rectAchtergrondBeeld = m_pElement->m_rectAchtergrondBeeld;
    static_cast<CDataItemVelden&>(*m_pElement) = m_kopie;
    if (bAnderBeeld)
        LaadBeeld(*m_pElement, *m_pDocument);
    Hint(Hint::Uiterlijk);
    Hint(Hint::Stijl);
    Hint(Hint::Naam);
    CVeldenDialoog::reject();
}
