#include "MainFrame.h"

#include "IBestandsKiezer.h"
#include "Iconen.h"
#include "Instellingen.h"
#include "OpdrachtIds.h"
#include "UitgesteldeAfstand.h"
#include "ViewBoom.h"
#include "WerkbalkDialoog.h"
#include "console/PresentatieOverzicht.h"
#include "designer/ZerbantikoView.h"
#include "dialogs/Modaal.h"
#include "file/ProjectBestand.h"
#include "model/IMelder.h"
#include "model/ModulePaden.h"
#include "model/ProjectInhoud.h"
#include "model/Teksten.h"
#include "model/Versie.h"
#include "model/ZerbantikoDoc.h"
#include "pakket/Pakket.h"
#include "pakket/PdfExport.h"
#include "render/Geometrie.h"
#include "show/Geluidsmachine.h"
#include "show/ItemActies.h"
#include "show/Show.h"
#include "show/WndPresentatie.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

const QString strKlaar = QStringLiteral("Klaar");
// The printed page's longer side in pixels: sharp on paper, yet quick to draw.
constexpr int nAfdrukPixels = 3000;

QString TekstVoorSneltoets(const QString& s)
{
    return s.section(u'\n', 0, 0);
}

// The accelerator table. Menu texts show their keys after a tab themselves;
// a key bound here is never added to a text that does not name it.
struct SSneltoets {
    const char* szToetsen;
    int nOpdracht;
};
const SSneltoets g_aSneltoetsen[] = {
    { "Ctrl+N", Opdracht::Nieuw },
    { "Ctrl+O", Opdracht::Open },
    { "Ctrl+S", Opdracht::Opslaan },
    { "Ctrl+P", Opdracht::Afdrukken },
    { "Ctrl+C", Opdracht::Kopieren },
    { "Ctrl+Ins", Opdracht::Kopieren },
    { "Ctrl+X", Opdracht::Knippen },
    { "Shift+Del", Opdracht::Knippen },
    { "Ctrl+V", Opdracht::Plakken },
    { "Shift+Ins", Opdracht::Plakken },
    { "Ctrl+Z", Opdracht::Ongedaan },
    { "Alt+Backspace", Opdracht::Ongedaan },
    { "Ctrl+Y", Opdracht::Opnieuw },
    { "Ctrl+Shift+Z", Opdracht::Opnieuw },
    { "F6", Opdracht::VolgendVenster },
    { "Shift+F6", Opdracht::VorigVenster },
    { "Ctrl+G", Opdracht::Gong },
    { "Ctrl+Shift+G", Opdracht::GeenOpdracht },
    { "F5", Opdracht::ShowStart },
    { "Shift+F5", Opdracht::ShowStop },
    { "Ctrl+Shift+F5", Opdracht::Repetitie },
    { "Alt+E", Opdracht::Eigenschappen },
    // The menu names Ctrl+I for a new page; it does exactly that here.
    { "Ctrl+I", Opdracht::Pagina },
    { "Del", Opdracht::Verwijderen },
};

} // namespace

CMainFrame::CMainFrame(
    CZerbantikoDoc& doc, IMelder& melder, IBestandsKiezer& kiezer, const IKlok& klok, CShow* pShow, QWidget* pOuder)
    : QMainWindow(pOuder)
    , m_doc(doc)
    , m_melder(melder)
    , m_kiezer(kiezer)
    , m_klok(klok)
    , m_pShow(pShow)
{
    setAcceptDrops(true);
    MaakWerkbalk();
    MaakMenus();
    MaakSneltoetsen();
    // "Klaar" is the status bar's idle text: it returns whenever a status
    // tip or message goes away.
    connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString& strTekst) {
        if (strTekst.isEmpty())
            statusBar()->showMessage(strKlaar);
    });
    statusBar()->showMessage(strKlaar);

    SBewerkOpdrachten opdrachten;
    opdrachten.pEigenschappen = Actie(Opdracht::Eigenschappen);
    opdrachten.pKopieren = Actie(Opdracht::Kopieren);
    opdrachten.pKnippen = Actie(Opdracht::Knippen);
    opdrachten.pPlakken = Actie(Opdracht::Plakken);
    opdrachten.pVerwijderen = Actie(Opdracht::Verwijderen);
    opdrachten.pPagina = Actie(Opdracht::Pagina);
    opdrachten.pTekst = Actie(Opdracht::Tekst);
    opdrachten.pAfbeelding = Actie(Opdracht::Afbeelding);
    opdrachten.pKleurvlak = Actie(Opdracht::Kleurvlak);

    m_pSplitter = new QSplitter(Qt::Horizontal, this);
    m_pBoom = new CViewBoom(m_doc, opdrachten, m_pSplitter);
    // The designer, and during a show on another screen the operator's console in its place.
    m_pStapel = new QStackedWidget(m_pSplitter);
    m_pOntwerp = new CZerbantikoView(m_doc, klok, m_pStapel);
    m_pOntwerp->SetOpdrachten(opdrachten);
    m_pStapel->addWidget(m_pOntwerp);
    if (m_pShow) {
        m_pOverzicht = new CPresentatieOverzicht(m_doc, klok, m_pShow->Besturing(), m_pStapel);
        m_pStapel->addWidget(m_pOverzicht);
    }
    m_pSplitter->addWidget(m_pBoom);
    m_pSplitter->addWidget(m_pStapel);
    m_pSplitter->setStretchFactor(1, 1);
    m_pSplitter->setChildrenCollapsible(false);
    m_pBoom->setMinimumWidth(10);
    const int nBreedte = Instellingen::BoomBreedte();
    m_pSplitter->setSizes({ nBreedte, qMax(400, 1200 - nBreedte) });
    setCentralWidget(m_pSplitter);
    VulWerkbalk();
    resize(1200, 760);

    connect(&m_doc, &CZerbantikoDoc::updateAllViews, this, &CMainFrame::WerkOpdrachtenBij);
    if (m_pShow) {
        connect(
            &m_pShow->Presentatie(), &CWndPresentatie::zichtbaarheidGewijzigd, this, &CMainFrame::WerkOpdrachtenBij);
        connect(&m_pShow->Presentatie(), &CWndPresentatie::zichtbaarheidGewijzigd, this, &CMainFrame::KiesOverzicht);
        connect(&m_pShow->Presentatie(), &CWndPresentatie::schermGewijzigd, this, &CMainFrame::KiesOverzicht);
        m_pShow->Acties().m_overZerbantiko = [this] { OverZerbantiko(); };
        m_pAfstand = new CUitgesteldeAfstand(
            ModulePaden(QStringLiteral("zerbantiko-afstand.so")), m_doc, klok, m_pShow->Besturing(), this);
        auto toonAfstand = [this] { m_pOverzicht->ToonAfstand(m_pAfstand->Beschrijving()); };
        connect(m_pAfstand, &CUitgesteldeAfstand::toestandGewijzigd, this, toonAfstand);
        toonAfstand();
        // Not before the window is up: a server is nothing the first paint needs.
        QTimer::singleShot(0, m_pAfstand, &CUitgesteldeAfstand::StartAlsAan);
    }
    connect(&m_doc, &CZerbantikoDoc::titleChanged, this, &CMainFrame::WerkTitelBij);
    connect(&m_doc, &CZerbantikoDoc::modifiedChanged, this, &CMainFrame::WerkTitelBij);
    WerkRecentBij();
    WerkTitelBij();
    WerkOpdrachtenBij();
}

CMainFrame::~CMainFrame() = default;

QAction* CMainFrame::Actie(int nId) const
{
    return m_acties.value(nId);
}

QAction* CMainFrame::MaakActie(int nId, const QString& strTekst, const QString& strPrompt)
{
    // The text keeps the shortcut after a tab, as the menus show it.
    auto* p = new QAction(strTekst, this);
    if (!strPrompt.isEmpty()) {
        p->setStatusTip(TekstVoorSneltoets(strPrompt));
        p->setToolTip(strPrompt.section(u'\n', 1, 1));
    }
    p->setIcon(Iconen::Voor(nId));
    m_acties.insert(nId, p);
    return p;
}

void CMainFrame::MaakSneltoetsen()
{
    for (const SSneltoets& s : g_aSneltoetsen) {
        auto* pSneltoets = new QShortcut(QKeySequence(QString::fromLatin1(s.szToetsen)), this);
        pSneltoets->setContext(Qt::WindowShortcut);
        const int nId = s.nOpdracht;
        connect(pSneltoets, &QShortcut::activated, this, [this, nId] {
            if (QAction* p = Actie(nId); p && p->isEnabled())
                p->trigger();
        });
    }
}

void CMainFrame::MaakMenus()
{
    connect(MaakActie(Opdracht::Nieuw, "&Nieuw\tCtrl+N", "Maak een nieuw project\nNieuw"), &QAction::triggered, this,
        [this] {
            if (!SaveModified())
                return;
            if (m_pShow)
                m_pShow->Stop(); // the show never outlives its project
            m_doc.NieuwDocument();
        });
    connect(MaakActie(Opdracht::Open, "&Open...\tCtrl+O", "Open een bestaand project\nOpenen"), &QAction::triggered,
        this, [this] {
            if (!SaveModified())
                return;
            const QString strPad = m_kiezer.KiesOpen(this);
            if (!strPad.isEmpty())
                OpenBestand(strPad);
        });
    connect(MaakActie(Opdracht::Opslaan, "Op&slaan\tCtrl+S", "Sla het project op\nOpslaan"), &QAction::triggered, this,
        &CMainFrame::Opslaan);
    connect(MaakActie(Opdracht::OpslaanAls, "Opslaan &als...", "Sla het project op onder een nieuwe naam\nOpslaan als"),
        &QAction::triggered, this, &CMainFrame::OpslaanAls);
    connect(MaakActie(Opdracht::Inpakken, "Project &inpakken...",
                "Pak het project in met alle bestanden die het noemt, om het mee te nemen\nProject inpakken"),
        &QAction::triggered, this, &CMainFrame::Inpakken);
    connect(MaakActie(Opdracht::PdfExporteren, "&Exporteren als PDF...",
                "Schrijf alle pagina's als PDF-bestand\nExporteren als PDF"),
        &QAction::triggered, this, &CMainFrame::ExporteerPdf);
    connect(MaakActie(Opdracht::Afdrukken, "A&fdrukken...\tCtrl+P", "Druk de pagina af\nAfdrukken"),
        &QAction::triggered, this, &CMainFrame::Afdrukken);
    connect(MaakActie(Opdracht::Afdrukvoorbeeld, "Afdruk&voorbeeld",
                "Toon de pagina zoals hij wordt afgedrukt\nAfdrukvoorbeeld"),
        &QAction::triggered, this, &CMainFrame::Afdrukvoorbeeld);
    connect(MaakActie(Opdracht::Afdrukinstelling, "Afd&rukinstelingen...",
                "Wijzig de printer en de afdrukopties\nAfdrukinstellingen"),
        &QAction::triggered, this, &CMainFrame::Afdrukinstellingen);
    connect(MaakActie(Opdracht::Afsluiten, "A&fsluiten", "Sluit het programma af\nAfsluiten"), &QAction::triggered,
        this, &QWidget::close);

    // Undo and redo name in the status bar what they would undo or redo.
    QAction* pOngedaan = MaakActie(
        Opdracht::Ongedaan, "&Ongedaan maken\tCtrl+Z", "Maak de laatste handeling ongedaan\nOngedaan maken");
    connect(pOngedaan, &QAction::triggered, &m_doc.Undo(), &QUndoStack::undo);
    QAction* pOpnieuw = MaakActie(Opdracht::Opnieuw, "Opn&ieuw\tCtrl+Y", "Doe de handeling opnieuw\nOpnieuw");
    connect(pOpnieuw, &QAction::triggered, &m_doc.Undo(), &QUndoStack::redo);
    connect(&m_doc.Undo(), &QUndoStack::undoTextChanged, this, [pOngedaan](const QString& strTekst) {
        pOngedaan->setStatusTip(strTekst.isEmpty() ? QStringLiteral("Maak de laatste handeling ongedaan")
                                                   : QStringLiteral("Maak ongedaan: %1").arg(strTekst));
    });
    connect(&m_doc.Undo(), &QUndoStack::redoTextChanged, this, [pOpnieuw](const QString& strTekst) {
        pOpnieuw->setStatusTip(strTekst.isEmpty() ? QStringLiteral("Doe de handeling opnieuw")
                                                  : QStringLiteral("Opnieuw: %1").arg(strTekst));
    });
    connect(&m_doc.Undo(), &QUndoStack::canUndoChanged, pOngedaan, &QAction::setEnabled);
    connect(&m_doc.Undo(), &QUndoStack::canRedoChanged, pOpnieuw, &QAction::setEnabled);
    connect(MaakActie(Opdracht::Knippen, "K&nippen\tCtrl+X", "Knip de selectie naar het klembord\nKnippen"),
        &QAction::triggered, &m_doc, &CZerbantikoDoc::OnKnippen);
    connect(MaakActie(Opdracht::Kopieren, QString::fromUtf8("&Kopieëren\tCtrl+C"),
                QString::fromUtf8("Kopieer de selecie naar het klembord\nKopiëren")),
        &QAction::triggered, &m_doc, &CZerbantikoDoc::OnKopieren);
    connect(MaakActie(Opdracht::Plakken, "&Plakken\tCtrl+V", "Voeg de inhoud van het klembord in\nPlakken"),
        &QAction::triggered, &m_doc, &CZerbantikoDoc::OnPlakken);
    connect(MaakActie(Opdracht::Pagina, "P&agina\tCtrl+I", "Nieuwe pagina toevoegen\nNieuwe pagina"),
        &QAction::triggered, &m_doc, &CZerbantikoDoc::OnPaginaInvoegen);
    connect(MaakActie(Opdracht::Tekst, "Tekst", "Tekst-item invoegen\nInvoegen tekst-item"), &QAction::triggered,
        &m_doc, &CZerbantikoDoc::OnTekstInvoegen);
    connect(MaakActie(Opdracht::Afbeelding, "Afbeelding", "Afbeelding invoegen\nInvoegen afbeelding"),
        &QAction::triggered, &m_doc, &CZerbantikoDoc::OnAfbeeldingInvoegen);
    connect(MaakActie(Opdracht::Kleurvlak, "Kleurvlak", "Kleurvlak invoegen\nInvoegen kleurvlak"), &QAction::triggered,
        &m_doc, &CZerbantikoDoc::OnKleurvlakInvoegen);
    connect(MaakActie(Opdracht::Verwijderen, "&Verwijderen\tDel", "Verwijder de selectie\nVerwijderen"),
        &QAction::triggered, &m_doc, &CZerbantikoDoc::OnVerwijderen);
    connect(MaakActie(Opdracht::Eigenschappen, "Eigenschappen", "Eigenschappendialoog openen\nEigenschappen"),
        &QAction::triggered, &m_doc, &CZerbantikoDoc::OnEigenschappen);

    // The show's commands. The gong is always there; with Shift held, the built-in one.
    connect(MaakActie(Opdracht::Gong, "Gong\tCtrl+G", "Laat de gong klinken\nGong"), &QAction::triggered, this, [this] {
        if (m_pShow)
            m_pShow->SpeelGong(QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier);
    });
    connect(MaakActie(Opdracht::ShowStart, "Presentatie starten\tF5", "Start de presentatie\nStarten"),
        &QAction::triggered, this, [this] {
            if (m_pShow && m_pShow->KanStarten())
                m_pShow->Start();
        });
    connect(MaakActie(Opdracht::ShowStop, "Presentatie stoppen\tShift+F5", "Stop de presentatie\nStoppen"),
        &QAction::triggered, this, [this] {
            if (m_pShow)
                m_pShow->Stop();
        });
    connect(MaakActie(Opdracht::Repetitie, "Repetitie\tShift+Ctrl+F5",
                "Oefen de presentatie in een venster naast het presentatieoverzicht\nRepetitie"),
        &QAction::triggered, this, [this] {
            if (m_pShow && m_pShow->KanStarten())
                m_pShow->Start(true);
        });
    connect(MaakActie(Opdracht::Afstandsbediening, "Afstandsbediening...",
                "Bedien de presentatie met een telefoon op hetzelfde netwerk\nAfstandsbediening"),
        &QAction::triggered, this, [this] {
            if (m_pAfstand && !m_pAfstand->ToonDialoog(this))
                m_melder.Meld(QStringLiteral("De afstandsbediening is niet geïnstalleerd."));
        });
    QAction* pOverzicht = MaakActie(Opdracht::Overzicht, "Presentatieoverzicht",
        "Wissel tijdens de presentatie tussen het presentatieoverzicht en de ontwerper\nPresentatieoverzicht");
    pOverzicht->setCheckable(true);
    connect(pOverzicht, &QAction::triggered, this, [this](bool bAan) {
        if (m_pOverzicht)
            m_pStapel->setCurrentWidget(bAan ? static_cast<QWidget*>(m_pOverzicht) : m_pOntwerp);
    });
    connect(MaakActie(Opdracht::Over, "&Over Zerbantiko...", "Toon programma-informatie\nOver"), &QAction::triggered,
        this, &CMainFrame::OverZerbantiko);
    connect(MaakActie(Opdracht::VolgendVenster, QString(), QString()), &QAction::triggered, this,
        [this] { WisselVenster(+1); });
    connect(MaakActie(Opdracht::VorigVenster, QString(), QString()), &QAction::triggered, this,
        [this] { WisselVenster(-1); });

    m_pBestandMenu = menuBar()->addMenu("&Bestand");
    for (int nId : { Opdracht::Nieuw, Opdracht::Open, Opdracht::Opslaan, Opdracht::OpslaanAls })
        m_pBestandMenu->addAction(Actie(nId));
    m_pBestandMenu->addSeparator();
    for (int nId : { Opdracht::Inpakken, Opdracht::PdfExporteren })
        m_pBestandMenu->addAction(Actie(nId));
    m_pBestandMenu->addSeparator();
    for (int nId : { Opdracht::Afdrukken, Opdracht::Afdrukvoorbeeld, Opdracht::Afdrukinstelling })
        m_pBestandMenu->addAction(Actie(nId));
    m_pBestandMenu->addSeparator();
    m_pRecentPlaats = m_pBestandMenu->addAction("Recent project");
    m_pRecentPlaats->setEnabled(false);
    m_pBestandMenu->addSeparator();
    m_pBestandMenu->addAction(Actie(Opdracht::Afsluiten));

    QMenu* pBewerken = menuBar()->addMenu("Be&werken");
    pBewerken->addAction(Actie(Opdracht::Ongedaan));
    pBewerken->addAction(Actie(Opdracht::Opnieuw));
    pBewerken->addSeparator();
    for (int nId : { Opdracht::Knippen, Opdracht::Kopieren, Opdracht::Plakken })
        pBewerken->addAction(Actie(nId));
    pBewerken->addSeparator();
    QMenu* pInvoegen = pBewerken->addMenu("&Invoegen");
    pInvoegen->addAction(Actie(Opdracht::Pagina));
    pInvoegen->addSeparator();
    for (int nId : { Opdracht::Tekst, Opdracht::Afbeelding, Opdracht::Kleurvlak })
        pInvoegen->addAction(Actie(nId));
    pBewerken->addAction(Actie(Opdracht::Verwijderen));
    pBewerken->addSeparator();
    pBewerken->addAction(Actie(Opdracht::Eigenschappen));

    QMenu* pBeeld = menuBar()->addMenu("Beel&d");
    QMenu* pWerkbalken = pBeeld->addMenu("&Werkbalken");
    // The toolbar's own toggle stays in step however the toolbar is hidden.
    QAction* pStandaard = m_pWerkbalk->toggleViewAction();
    pStandaard->setText(QStringLiteral("Standaard"));
    pWerkbalken->addAction(pStandaard);
    m_acties.insert(Opdracht::Werkbalk, pStandaard);
    // The sound's output: speakers and projectors with audio come and go, so
    // the list is made each time it opens; the choice is the user's, not the project's.
    m_pGeluidMenu = pBeeld->addMenu(QStringLiteral("Geluid"));
    connect(m_pGeluidMenu, &QMenu::aboutToShow, this, &CMainFrame::VulGeluidMenu);
    pBeeld->addSeparator();
    for (int nId : { Opdracht::ShowStart, Opdracht::Repetitie, Opdracht::ShowStop, Opdracht::Overzicht })
        pBeeld->addAction(Actie(nId));
    pBeeld->addAction(Actie(Opdracht::Afstandsbediening));
    pBeeld->addSeparator();
    QAction* pStatus = pBeeld->addAction("&Statusbalk");
    pStatus->setCheckable(true);
    pStatus->setChecked(true);
    connect(pStatus, &QAction::toggled, statusBar(), &QWidget::setVisible);
    m_acties.insert(Opdracht::Statusbalk, pStatus);

    QMenu* pHelp = menuBar()->addMenu("&Help");
    pHelp->addAction(Actie(Opdracht::Over));
}

void CMainFrame::MaakWerkbalk()
{
    m_pWerkbalk = new QToolBar(QStringLiteral("Standaard"), this);
    m_pWerkbalk->setObjectName(QStringLiteral("Standaard"));
    m_pWerkbalk->setIconSize(QSize(16, 16));
    m_pWerkbalk->setToolButtonStyle(Qt::ToolButtonIconOnly);
    addToolBar(m_pWerkbalk);
}

void CMainFrame::VulGeluidMenu()
{
    m_pGeluidMenu->clear();
    if (!m_pShow)
        return;
    const QString strGekozen = Instellingen::GeluidsApparaat();
    auto* pGroep = new QActionGroup(m_pGeluidMenu);
    auto voeg = [&](const QString& strTekst, const QString& strApparaat) {
        QAction* p = m_pGeluidMenu->addAction(strTekst);
        p->setCheckable(true);
        p->setChecked(strApparaat == strGekozen);
        pGroep->addAction(p);
        connect(p, &QAction::triggered, this, [this, strApparaat] {
            Instellingen::BewaarGeluidsApparaat(strApparaat);
            m_pShow->Geluid().KiesApparaat(strApparaat);
        });
    };
    voeg(QStringLiteral("Standaard"), QString());
    for (const QString& strApparaat : m_pShow->Geluid().Apparaten())
        voeg(strApparaat, strApparaat);
}

void CMainFrame::WisselVenster(int nRichting)
{
    const QList<QWidget*> aVensters { m_pBoom, m_pOntwerp };
    const qsizetype nHuidig = aVensters.indexOf(QApplication::focusWidget());
    const qsizetype nVolgend = nHuidig < 0 ? 0 : (nHuidig + nRichting + aVensters.size()) % aVensters.size();
    aVensters[nVolgend]->setFocus(Qt::ShortcutFocusReason);
}

const QList<int>& CMainFrame::WerkbalkIndeling()
{
    static const QList<int> aIds { Opdracht::Nieuw, Opdracht::Open, Opdracht::Opslaan, 0, Opdracht::Knippen,
        Opdracht::Kopieren, Opdracht::Plakken, 0, Opdracht::Ongedaan, Opdracht::Opnieuw, 0, Opdracht::Afdrukken,
        Opdracht::Over, 0, Opdracht::Pagina, 0, Opdracht::Tekst, Opdracht::Afbeelding, Opdracht::Kleurvlak, 0,
        Opdracht::Eigenschappen, 0, Opdracht::Gong, 0, Opdracht::ShowStart, Opdracht::ShowStop, Opdracht::Overzicht };
    return aIds;
}

void CMainFrame::VulWerkbalk()
{
    const QSet<int> verborgen = Instellingen::VerborgenKnoppen();
    m_pWerkbalk->clear();
    bool bScheiding = false;
    for (int nId : WerkbalkIndeling()) {
        if (nId == 0) {
            bScheiding = !m_pWerkbalk->actions().isEmpty();
            continue;
        }
        if (verborgen.contains(nId))
            continue;
        if (bScheiding)
            m_pWerkbalk->addSeparator();
        bScheiding = false;
        m_pWerkbalk->addAction(Actie(nId));
    }
}

void CMainFrame::Aanpassen()
{
    QList<QPair<int, QAction*>> aKnoppen;
    for (int nId : WerkbalkIndeling()) {
        if (nId != 0)
            aKnoppen << qMakePair(nId, Actie(nId));
    }
    CWerkbalkDialoog dlg(aKnoppen, Instellingen::VerborgenKnoppen(), this);
    if (ToonModaal(dlg) != QDialog::Accepted)
        return;
    Instellingen::BewaarVerborgenKnoppen(dlg.Verborgen());
    VulWerkbalk();
}

QMenu* CMainFrame::createPopupMenu()
{
    QMenu* pMenu = QMainWindow::createPopupMenu();
    if (!pMenu)
        pMenu = new QMenu(this);
    pMenu->addSeparator();
    connect(pMenu->addAction(QStringLiteral("Aanpassen...")), &QAction::triggered, this, &CMainFrame::Aanpassen);
    return pMenu;
}

void CMainFrame::WerkOpdrachtenBij()
{
    Actie(Opdracht::Pagina)->setEnabled(m_doc.KanPaginaInvoegen());
    for (int nId : { Opdracht::Tekst, Opdracht::Afbeelding, Opdracht::Kleurvlak })
        Actie(nId)->setEnabled(m_doc.KanItemInvoegen());
    Actie(Opdracht::Kopieren)->setEnabled(m_doc.KanKopieren());
    Actie(Opdracht::Knippen)->setEnabled(m_doc.KanKnippen());
    Actie(Opdracht::Plakken)->setEnabled(m_doc.KanPlakken());
    Actie(Opdracht::Verwijderen)->setEnabled(m_doc.KanVerwijderen());
    // Open only once the property dialogs exist.
    Actie(Opdracht::Eigenschappen)->setEnabled(m_doc.KanEigenschappen() && m_doc.GetEigenschappenDialogen());
    Actie(Opdracht::ShowStart)->setEnabled(m_pShow && m_pShow->KanStarten());
    Actie(Opdracht::ShowStop)->setEnabled(m_pShow && m_pShow->KanStoppen());
    Actie(Opdracht::Repetitie)->setEnabled(m_pShow && m_pShow->KanStarten());
    Actie(Opdracht::Gong)->setEnabled(m_pShow != nullptr);
    Actie(Opdracht::Ongedaan)->setEnabled(m_doc.Undo().canUndo());
    Actie(Opdracht::Opnieuw)->setEnabled(m_doc.Undo().canRedo());
}

void CMainFrame::WerkTitelBij()
{
    setWindowTitle(
        m_doc.GetTitle() + (m_doc.IsModified() ? QStringLiteral("*") : QString()) + QStringLiteral(" - Zerbantiko"));
}

void CMainFrame::WerkRecentBij()
{
    for (QAction* p : m_aRecent) {
        m_pBestandMenu->removeAction(p);
        delete p;
    }
    m_aRecent.clear();
    const QStringList aRecent = Instellingen::RecenteBestanden();
    m_pRecentPlaats->setVisible(aRecent.isEmpty());
    for (int i = 0; i < aRecent.size(); ++i) {
        const QString strPad = aRecent[i];
        auto* p = new QAction(QStringLiteral("&%1 %2").arg((i + 1) % 10).arg(strPad), this);
        connect(p, &QAction::triggered, this, [this, strPad] { OpenBestand(strPad); });
        m_pBestandMenu->insertAction(m_pRecentPlaats, p);
        m_aRecent << p;
    }
}

bool CMainFrame::SaveModified()
{
    if (!m_doc.IsModified())
        return true;
    switch (m_melder.VraagJaNeeAnnuleren(QStringLiteral("Wijzigingen in %1 opslaan?").arg(m_doc.GetTitle()))) {
    case IMelder::Antwoord::Ja:
        return Opslaan();
    case IMelder::Antwoord::Nee:
        return true;
    case IMelder::Antwoord::Annuleren:
        break;
    }
    return false;
}

bool CMainFrame::OpenBestand(const QString& strPad)
{
    if (!SaveModified())
        return false;
    if (QFileInfo(strPad).suffix().compare(QLatin1String("zbz"), Qt::CaseInsensitive) == 0)
        return OpenPakket(strPad);
    if (m_pShow)
        m_pShow->Stop(); // the show never outlives its project
    const CBestandsResultaat r = ProjectBestand::Open(m_doc, strPad);
    if (!r.Gelukt()) {
        m_melder.Meld(r.strMelding);
        if (r.soort == FoutSoort::Openen)
            Instellingen::VerwijderRecent(QFileInfo(strPad).absoluteFilePath());
        WerkRecentBij();
        return false;
    }
    Instellingen::VoegRecentToe(strPad);
    WerkRecentBij();
    return true;
}

namespace {

// The bytes of a package's work in a progress dialog with "Annuleren";
// false once the user cancelled.
class CVoortgangDialoog {
public:
    CVoortgangDialoog(QWidget* pOuder, const QString& strTekst)
        : m_dlg(strTekst, QStringLiteral("Annuleren"), 0, 1000, pOuder)
    {
        m_dlg.setWindowModality(Qt::WindowModal);
        m_dlg.setMinimumDuration(500);
        m_dlg.setAutoClose(false);
        m_dlg.setAutoReset(false);
    }
    Pakket::Voortgang Voortgang()
    {
        return [this](qint64 nGedaan, qint64 nTotaal) {
            m_dlg.setLabelText(QStringLiteral("%1 van %2 MB")
                                   .arg(double(nGedaan) / 1e6, 0, 'f', 1)
                                   .arg(double(nTotaal) / 1e6, 0, 'f', 1));
            m_dlg.setValue(nTotaal > 0 ? int(1000 * nGedaan / nTotaal) : 0);
            QCoreApplication::processEvents();
            return !m_dlg.wasCanceled();
        };
    }

private:
    QProgressDialog m_dlg;
};

} // namespace

bool CMainFrame::Inpakken()
{
    // What is packed is the project file as it is on disk.
    if ((m_doc.IsModified() || m_doc.GetPathName().isEmpty()) && !Opslaan())
        return false;
    const QString strProject = m_doc.GetPathName();
    const Pakket::SOnderzoek onderzoek = Pakket::Onderzoek(strProject);
    if (!onderzoek.strMelding.isEmpty()) {
        m_melder.Meld(onderzoek.strMelding);
        return false;
    }
    const auto aOntbrekend = onderzoek.Ontbrekend();
    if (!aOntbrekend.empty()
        && !m_melder.VraagJaNee(
            Pakket::OntbrekendTekst(aOntbrekend) + QStringLiteral("\n\nZonder deze bestanden inpakken?")))
        return false;
    const QFileInfo info(strProject);
    QString strDoel = m_kiezer.KiesDoel(this, QStringLiteral("Project inpakken"), QStringLiteral("&Inpakken"),
        QStringLiteral("Zerbantiko-pakketten (*.zbz)"), info.absoluteDir().filePath(info.completeBaseName() + ".zbz"));
    if (strDoel.isEmpty())
        return false;
    if (QFileInfo(strDoel).suffix().isEmpty())
        strDoel += QStringLiteral(".zbz");
    CVoortgangDialoog voortgang(this, QStringLiteral("Inpakken..."));
    const Pakket::SResultaat r = Pakket::Inpakken(strProject, strDoel, true, voortgang.Voortgang());
    if (r.uitkomst == Pakket::Uitkomst::Geannuleerd)
        return false;
    if (r.uitkomst != Pakket::Uitkomst::Gelukt) {
        m_melder.Meld(r.strMelding);
        return false;
    }
    statusBar()->showMessage(QStringLiteral("Ingepakt: %1").arg(strDoel), 5000);
    return true;
}

bool CMainFrame::OpenPakket(const QString& strPakket)
{
    const QFileInfo info(strPakket);
    QString strNaam = Pakket::ProjectNaam(strPakket);
    if (strNaam.isEmpty())
        strNaam = info.completeBaseName();
    const QString strMap = m_kiezer.KiesDoel(this, QStringLiteral("Uitpakken in de map"), QStringLiteral("&Uitpakken"),
        QStringLiteral("Mappen (*)"), info.absoluteDir().filePath(strNaam));
    if (strMap.isEmpty())
        return false;
    CVoortgangDialoog voortgang(this, QStringLiteral("Uitpakken..."));
    Pakket::SResultaat r = Pakket::Uitpakken(strPakket, strMap, false, voortgang.Voortgang());
    if (r.uitkomst == Pakket::Uitkomst::MapNietLeeg) {
        if (!m_melder.VraagJaNee(r.strMelding + QStringLiteral("\nBestanden met dezelfde naam overschrijven?")))
            return false;
        r = Pakket::Uitpakken(strPakket, strMap, true, voortgang.Voortgang());
    }
    if (r.uitkomst == Pakket::Uitkomst::Geannuleerd)
        return false;
    if (r.uitkomst != Pakket::Uitkomst::Gelukt) {
        m_melder.Meld(r.strMelding);
        return false;
    }
    return OpenBestand(r.strProject);
}

bool CMainFrame::ExporteerPdf()
{
    const QFileInfo info(m_doc.GetPathName().isEmpty() ? m_doc.m_project.m_strNaam : m_doc.GetPathName());
    QString strDoel = m_kiezer.KiesDoel(this, QStringLiteral("Exporteren als PDF"), QStringLiteral("&Exporteren"),
        QStringLiteral("PDF-bestanden (*.pdf)"), info.absoluteDir().filePath(info.completeBaseName() + ".pdf"));
    if (strDoel.isEmpty())
        return false;
    if (QFileInfo(strDoel).suffix().isEmpty())
        strDoel += QStringLiteral(".pdf");
    // Drawn from a copy: the drawing sets the page size in the project.
    const std::unique_ptr<CProjectInhoud> pKopie = ProjectBestand::Momentopname(m_doc);
    QString strFout;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool bGelukt = SchrijfPdf(pKopie->project, strDoel, QSize(1920, 1080), m_klok, strFout);
    QApplication::restoreOverrideCursor();
    if (!bGelukt)
        m_melder.Meld(strFout);
    return bGelukt;
}

bool CMainFrame::Opslaan()
{
    if (m_doc.GetPathName().isEmpty())
        return OpslaanAls();
    const CBestandsResultaat r = ProjectBestand::Opslaan(m_doc, m_doc.GetPathName());
    if (!r.Gelukt()) {
        m_melder.Meld(r.strMelding);
        return false;
    }
    Instellingen::VoegRecentToe(m_doc.GetPathName());
    WerkRecentBij();
    return true;
}

bool CMainFrame::OpslaanAls()
{
    const QString strVoorstel
        = m_doc.GetPathName().isEmpty() ? m_doc.m_project.m_strNaam + QStringLiteral(".zb") : m_doc.GetPathName();
    QString strPad = m_kiezer.KiesOpslaan(this, strVoorstel);
    if (strPad.isEmpty())
        return false;
    if (QFileInfo(strPad).suffix().isEmpty())
        strPad += QStringLiteral(".zb");
    const CBestandsResultaat r = ProjectBestand::Opslaan(m_doc, strPad);
    if (!r.Gelukt()) {
        m_melder.Meld(r.strMelding);
        return false;
    }
    Instellingen::VoegRecentToe(strPad);
    WerkRecentBij();
    return true;
}

bool CMainFrame::ToontOverzicht() const
{
    return m_pOverzicht && m_pStapel->currentWidget() == m_pOverzicht;
}

void CMainFrame::KiesOverzicht()
{
    if (!m_pOverzicht)
        return;
    // The console takes the designer's place while the show runs on another
    // screen than the editor's, or in a window of its own for a rehearsal.
    const CWndPresentatie& venster = m_pShow->Presentatie();
    const bool bLoopt = venster.isVisible();
    const bool bOverzicht = bLoopt && (venster.Repetitie() || venster.screen() != screen());
    QAction* pOverzicht = Actie(Opdracht::Overzicht);
    pOverzicht->setEnabled(bLoopt);
    pOverzicht->setChecked(bOverzicht);
    m_pStapel->setCurrentWidget(bOverzicht ? static_cast<QWidget*>(m_pOverzicht) : m_pOntwerp);
    if (bOverzicht && venster.Repetitie())
        m_pOverzicht->setFocus(Qt::OtherFocusReason);
}

void CMainFrame::closeEvent(QCloseEvent* pEvent)
{
    if (!SaveModified()) {
        pEvent->ignore();
        return;
    }
    Instellingen::BewaarBoomBreedte(m_pSplitter->sizes().value(0));
    pEvent->accept();
    // The show's windows are windows of their own: without this the program
    // would run on, with or without a show, after the editor has gone.
    if (m_pShow)
        m_pShow->BeeindigAlles();
    QCoreApplication::quit();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* pEvent)
{
    if (pEvent->mimeData()->hasUrls() && pEvent->mimeData()->urls().value(0).isLocalFile())
        pEvent->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* pEvent)
{
    const QString strPad = pEvent->mimeData()->urls().value(0).toLocalFile();
    if (strPad.isEmpty())
        return;
    pEvent->acceptProposedAction();
    OpenBestand(strPad);
}

void CMainFrame::OverZerbantiko()
{
    QDialog dlg(this);
    dlg.setWindowTitle(QStringLiteral("Over Zerbantiko"));
    QString strVersie = Tekst::Laad(Tekst::VersieRegel);
    for (int nDeel : Versie::aDelen)
        strVersie.replace(strVersie.indexOf(QLatin1String("%d")), 2, QString::number(nDeel));
    auto* pTekst
        = new QLabel(QStringLiteral("Zerbantiko: presentatieschermen voor een avond vol presentaties.\n\n%1\n\n%2")
                         .arg(strVersie, QCoreApplication::applicationFilePath()),
            &dlg);
    pTekst->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* pIcon = new QLabel(&dlg);
    pIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    auto* pKnoppen = new QDialogButtonBox(&dlg);
    pKnoppen->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    connect(pKnoppen, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    auto* pBoven = new QHBoxLayout;
    pBoven->addWidget(pIcon, 0, Qt::AlignTop);
    pBoven->addWidget(pTekst, 1);
    auto* pOnder = new QHBoxLayout;
    pOnder->addWidget(new QLabel(QStringLiteral("NL"), &dlg));
    pOnder->addStretch();
    pOnder->addWidget(pKnoppen);
    auto* pLayout = new QVBoxLayout(&dlg);
    pLayout->addLayout(pBoven);
    pLayout->addLayout(pOnder);
    ToonModaal(dlg);
}

QPrinter& CMainFrame::Printer()
{
    // One printer for the session, so the choices of print setup hold.
    if (!m_pPrinter) {
        m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_pPrinter->setPageOrientation(QPageLayout::Landscape);
    }
    return *m_pPrinter;
}

void CMainFrame::DrukAf(QPrinter& printer)
{
    QPainter p(&printer);
    const QRect papier = p.viewport();
    const QImage beeld = m_pOntwerp->TekenVoorAfdruk(QSize(nAfdrukPixels, nAfdrukPixels));
    if (beeld.isNull() || papier.isEmpty())
        return;
    // The page's own shape, as large as the paper allows, centred.
    const CRect doel = Geometrie::FitRect(
        { papier.left(), papier.top(), papier.right() + 1, papier.bottom() + 1 }, beeld.width(), beeld.height());
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(doel.left, doel.top, doel.Width(), doel.Height()), beeld);
}

void CMainFrame::Afdrukken()
{
    QPrintDialog dlg(&Printer(), this);
    if (ToonModaal(dlg) == QDialog::Accepted)
        DrukAf(Printer());
}

void CMainFrame::Afdrukvoorbeeld()
{
    QPrintPreviewDialog dlg(&Printer(), this);
    connect(&dlg, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) { DrukAf(*p); });
    ToonModaal(dlg);
}

void CMainFrame::Afdrukinstellingen()
{
    QPageSetupDialog dlg(&Printer(), this);
    ToonModaal(dlg);
}
