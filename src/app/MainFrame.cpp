#include "MainFrame.h"

#include "IBestandsKiezer.h"
#include "Instellingen.h"
#include "ViewBoom.h"
#include "WerkbalkDialoog.h"
#include "designer/ZerbantikoView.h"
#include "file/ProjectBestand.h"
#include "model/IMelder.h"
#include "model/ZerbantikoDoc.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
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
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// Command ids of the menus, toolbar and context menus.
enum : int {
    ID_NIEUW = 57600,
    ID_OPEN = 57601,
    ID_OPSLAAN = 57603,
    ID_OPSLAAN_ALS = 57604,
    ID_AFDRUKINSTELLING = 57606,
    ID_AFDRUKKEN = 57607,
    ID_AFDRUKVOORBEELD = 57609,
    ID_ONGEDAAN = 57643,
    ID_KNIPPEN = 57635,
    ID_KOPIEREN = 57634,
    ID_PLAKKEN = 57637,
    ID_AFSLUITEN = 57665,
    ID_OVER = 57664,
    ID_PAGINA = 32784,
    ID_TEKST = 32780,
    ID_AFBEELDING = 32779,
    ID_KLEURVLAK = 32778,
    ID_VERWIJDEREN = 32795,
    ID_EIGENSCHAPPEN = 32796,
    ID_GONG = 32785,
    ID_SHOW_START = 32786,
    ID_SHOW_STOP = 32788,
    ID_WERKBALK = 59392,
    ID_STATUSBALK = 59393,
};

QString TekstVoorSneltoets(const QString& s)
{
    return s.section(u'\n', 0, 0);
}

// A toolbar picture: a symbol on a light tile.
QIcon Icoon(const QString& strTeken, const QColor& kleur)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(14);
    f.setBold(true);
    p.setFont(f);
    p.setPen(kleur);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, strTeken);
    return QIcon(pm);
}

} // namespace

CMainFrame::CMainFrame(CZerbantikoDoc& doc, IMelder& melder, IBestandsKiezer& kiezer, QWidget* pOuder)
    : QMainWindow(pOuder)
    , m_doc(doc)
    , m_melder(melder)
    , m_kiezer(kiezer)
{
    setAcceptDrops(true);
    MaakMenus();
    MaakWerkbalk();
    statusBar()->showMessage(QStringLiteral("Klaar"));

    CViewBoom::SOpdrachten opdrachten;
    opdrachten.pEigenschappen = Actie(ID_EIGENSCHAPPEN);
    opdrachten.pKopieren = Actie(ID_KOPIEREN);
    opdrachten.pKnippen = Actie(ID_KNIPPEN);
    opdrachten.pPlakken = Actie(ID_PLAKKEN);
    opdrachten.pVerwijderen = Actie(ID_VERWIJDEREN);
    opdrachten.pPagina = Actie(ID_PAGINA);
    opdrachten.pTekst = Actie(ID_TEKST);
    opdrachten.pAfbeelding = Actie(ID_AFBEELDING);
    opdrachten.pKleurvlak = Actie(ID_KLEURVLAK);

    m_pSplitter = new QSplitter(Qt::Horizontal, this);
    m_pBoom = new CViewBoom(m_doc, opdrachten, m_pSplitter);
    m_pOntwerp = new CZerbantikoView(m_doc, m_pSplitter);
    m_pSplitter->addWidget(m_pBoom);
    m_pSplitter->addWidget(m_pOntwerp);
    m_pSplitter->setStretchFactor(1, 1);
    m_pSplitter->setChildrenCollapsible(false);
    m_pBoom->setMinimumWidth(10);
    const int nBreedte = Instellingen::BoomBreedte();
    m_pSplitter->setSizes({ nBreedte, qMax(400, 1200 - nBreedte) });
    setCentralWidget(m_pSplitter);
    resize(1200, 760);

    connect(&m_doc, &CZerbantikoDoc::updateAllViews, this, &CMainFrame::WerkOpdrachtenBij);
    connect(&m_doc, &CZerbantikoDoc::titleChanged, this, &CMainFrame::WerkTitelBij);
    connect(&m_doc, &CZerbantikoDoc::modifiedChanged, this, &CMainFrame::WerkTitelBij);
    WerkRecentBij();
    WerkTitelBij();
    WerkOpdrachtenBij();
}

QAction* CMainFrame::Actie(int nId) const
{
    return m_acties.value(nId);
}

QAction* CMainFrame::MaakActie(
    int nId, const QString& strTekst, const QString& strPrompt, const QKeySequence& sneltoets)
{
    // The text keeps the shortcut after a tab, as the menus show it.
    auto* p = new QAction(strTekst, this);
    if (!sneltoets.isEmpty())
        p->setShortcut(sneltoets);
    if (!strPrompt.isEmpty()) {
        p->setStatusTip(TekstVoorSneltoets(strPrompt));
        p->setToolTip(strPrompt.section(u'\n', 1, 1));
    }
    addAction(p);
    m_acties.insert(nId, p);
    return p;
}

void CMainFrame::MaakMenus()
{
    QStyle* pStijl = style();
    QAction* pNieuw = MaakActie(ID_NIEUW, "&Nieuw\tCtrl+N", "Maak een nieuw project\nNieuw", QKeySequence("Ctrl+N"));
    pNieuw->setIcon(pStijl->standardIcon(QStyle::SP_FileIcon));
    connect(pNieuw, &QAction::triggered, this, [this] {
        if (SaveModified())
            m_doc.NieuwDocument();
    });
    QAction* pOpen
        = MaakActie(ID_OPEN, "&Open...\tCtrl+O", "Open een bestaand project\nOpenen", QKeySequence("Ctrl+O"));
    pOpen->setIcon(pStijl->standardIcon(QStyle::SP_DialogOpenButton));
    connect(pOpen, &QAction::triggered, this, [this] {
        if (!SaveModified())
            return;
        const QString strPad = m_kiezer.KiesOpen(this);
        if (!strPad.isEmpty())
            OpenBestand(strPad);
    });
    QAction* pOpslaan
        = MaakActie(ID_OPSLAAN, "Op&slaan\tCtrl+S", "Sla het project op\nOpslaan", QKeySequence("Ctrl+S"));
    pOpslaan->setIcon(pStijl->standardIcon(QStyle::SP_DialogSaveButton));
    connect(pOpslaan, &QAction::triggered, this, &CMainFrame::Opslaan);
    connect(MaakActie(ID_OPSLAAN_ALS, "Opslaan &als...", "Sla het project op onder een nieuwe naam\nOpslaan als"),
        &QAction::triggered, this, &CMainFrame::OpslaanAls);
    QAction* pAfdrukken
        = MaakActie(ID_AFDRUKKEN, "A&fdrukken...\tCtrl+P", "Druk de pagina af\nAfdrukken", QKeySequence("Ctrl+P"));
    connect(pAfdrukken, &QAction::triggered, this, &CMainFrame::Afdrukken);
    connect(
        MaakActie(ID_AFDRUKVOORBEELD, "Afdruk&voorbeeld", "Toon de pagina zoals hij wordt afgedrukt\nAfdrukvoorbeeld"),
        &QAction::triggered, this, &CMainFrame::Afdrukvoorbeeld);
    connect(MaakActie(ID_AFDRUKINSTELLING, "Afd&rukinstelingen...",
                "Wijzig de printer en de afdrukopties\nAfdrukinstellingen"),
        &QAction::triggered, this, &CMainFrame::Afdrukinstellingen);
    connect(MaakActie(ID_AFSLUITEN, "A&fsluiten", "Sluit het programma af\nAfsluiten"), &QAction::triggered, this,
        &QWidget::close);

    MaakActie(ID_ONGEDAAN, "&Ongedaan maken\tCtrl+Z", "Maak de laatste handeling ongedaan\nOngedaan maken",
        QKeySequence("Ctrl+Z"));
    QAction* pKnippen = MaakActie(ID_KNIPPEN, "K&nippen\tCtrl+X", "Knip de selectie naar het klembord\nKnippen");
    pKnippen->setShortcuts({ QKeySequence("Ctrl+X"), QKeySequence("Shift+Del") });
    connect(pKnippen, &QAction::triggered, &m_doc, &CZerbantikoDoc::OnKnippen);
    QAction* pKopieren = MaakActie(ID_KOPIEREN, QString::fromUtf8("&Kopieëren\tCtrl+C"),
        QString::fromUtf8("Kopieer de selecie naar het klembord\nKopiëren"));
    pKopieren->setShortcuts({ QKeySequence("Ctrl+C"), QKeySequence("Ctrl+Ins") });
    connect(pKopieren, &QAction::triggered, &m_doc, &CZerbantikoDoc::OnKopieren);
    QAction* pPlakken = MaakActie(ID_PLAKKEN, "&Plakken\tCtrl+V", "Voeg de inhoud van het klembord in\nPlakken");
    pPlakken->setShortcuts({ QKeySequence("Ctrl+V"), QKeySequence("Shift+Ins") });
    connect(pPlakken, &QAction::triggered, &m_doc, &CZerbantikoDoc::OnPlakken);
    // The menu names Ctrl+I for a new page; it does exactly that here.
    QAction* pPagina
        = MaakActie(ID_PAGINA, "P&agina\tCtrl+I", "Nieuwe pagina toevoegen\nNieuwe pagina", QKeySequence("Ctrl+I"));
    connect(pPagina, &QAction::triggered, &m_doc, &CZerbantikoDoc::OnPaginaInvoegen);
    connect(MaakActie(ID_TEKST, "Tekst", "Tekst-item invoegen\nInvoegen tekst-item"), &QAction::triggered, &m_doc,
        &CZerbantikoDoc::OnTekstInvoegen);
    connect(MaakActie(ID_AFBEELDING, "Afbeelding", "Afbeelding invoegen\nInvoegen afbeelding"), &QAction::triggered,
        &m_doc, &CZerbantikoDoc::OnAfbeeldingInvoegen);
    connect(MaakActie(ID_KLEURVLAK, "Kleurvlak", "Kleurvlak invoegen\nInvoegen kleurvlak"), &QAction::triggered, &m_doc,
        &CZerbantikoDoc::OnKleurvlakInvoegen);
    QAction* pVerwijderen = MaakActie(
        ID_VERWIJDEREN, "&Verwijderen\tDel", "Verwijder de selectie\nVerwijderen", QKeySequence(Qt::Key_Delete));
    connect(pVerwijderen, &QAction::triggered, &m_doc, &CZerbantikoDoc::OnVerwijderen);
    QAction* pEigenschappen = MaakActie(
        ID_EIGENSCHAPPEN, "Eigenschappen", "Eigenschappendialoog openen\nEigenschappen", QKeySequence("Alt+E"));
    connect(pEigenschappen, &QAction::triggered, &m_doc, &CZerbantikoDoc::OnEigenschappen);

    // The show's commands; they come alive with the presentation window.
    MaakActie(ID_GONG, "Gong\tCtrl+G", "Laat de gong klinken\nGong", QKeySequence("Ctrl+G"));
    MaakActie(ID_SHOW_START, "Presentatie starten\tF5", "Start de presentatie\nStarten", QKeySequence(Qt::Key_F5));
    MaakActie(ID_SHOW_STOP, "Presentatie stoppen\tShift+F5", "Stop de presentatie\nStoppen", QKeySequence("Shift+F5"));
    MaakActie(ID_OVER, "&Over Zerbantiko...", "Toon programma-informatie\nOver");
    connect(Actie(ID_OVER), &QAction::triggered, this, &CMainFrame::OverZerbantiko);

    m_pBestandMenu = menuBar()->addMenu("&Bestand");
    for (int nId : { ID_NIEUW, ID_OPEN, ID_OPSLAAN, ID_OPSLAAN_ALS })
        m_pBestandMenu->addAction(Actie(nId));
    m_pBestandMenu->addSeparator();
    for (int nId : { ID_AFDRUKKEN, ID_AFDRUKVOORBEELD, ID_AFDRUKINSTELLING })
        m_pBestandMenu->addAction(Actie(nId));
    m_pBestandMenu->addSeparator();
    m_pRecentPlaats = m_pBestandMenu->addAction("Recent project");
    m_pRecentPlaats->setEnabled(false);
    m_pBestandMenu->addSeparator();
    m_pBestandMenu->addAction(Actie(ID_AFSLUITEN));

    QMenu* pBewerken = menuBar()->addMenu("Be&werken");
    pBewerken->addAction(Actie(ID_ONGEDAAN));
    pBewerken->addSeparator();
    for (int nId : { ID_KNIPPEN, ID_KOPIEREN, ID_PLAKKEN })
        pBewerken->addAction(Actie(nId));
    pBewerken->addSeparator();
    QMenu* pInvoegen = pBewerken->addMenu("&Invoegen");
    pInvoegen->addAction(Actie(ID_PAGINA));
    pInvoegen->addSeparator();
    for (int nId : { ID_TEKST, ID_AFBEELDING, ID_KLEURVLAK })
        pInvoegen->addAction(Actie(nId));
    pBewerken->addAction(Actie(ID_VERWIJDEREN));
    pBewerken->addSeparator();
    pBewerken->addAction(Actie(ID_EIGENSCHAPPEN));

    QMenu* pBeeld = menuBar()->addMenu("Beel&d");
    QMenu* pWerkbalken = pBeeld->addMenu("&Werkbalken");
    QAction* pStandaard = pWerkbalken->addAction("Standaard");
    pStandaard->setCheckable(true);
    pStandaard->setChecked(true);
    m_acties.insert(ID_WERKBALK, pStandaard);
    QAction* pStatus = pBeeld->addAction("&Statusbalk");
    pStatus->setCheckable(true);
    pStatus->setChecked(true);
    connect(pStatus, &QAction::toggled, statusBar(), &QWidget::setVisible);
    m_acties.insert(ID_STATUSBALK, pStatus);

    QMenu* pHelp = menuBar()->addMenu("&Help");
    pHelp->addAction(Actie(ID_OVER));
}

void CMainFrame::MaakWerkbalk()
{
    const std::tuple<int, const char*, QColor> aIcoon[] = {
        { ID_KNIPPEN, "\u2702", QColor(60, 60, 60) },
        { ID_KOPIEREN, "\u2750", QColor(60, 60, 60) },
        { ID_PLAKKEN, "\u25A4", QColor(140, 90, 30) },
        { ID_AFDRUKKEN, "\u2399", QColor(60, 60, 60) },
        { ID_OVER, "?", QColor(30, 80, 180) },
        { ID_PAGINA, "\u25AD", QColor(40, 90, 180) },
        { ID_TEKST, "T", QColor(30, 30, 30) },
        { ID_AFBEELDING, "\u25A8", QColor(40, 130, 60) },
        { ID_KLEURVLAK, "\u25CF", QColor(210, 60, 50) },
        { ID_EIGENSCHAPPEN, "\u270E", QColor(60, 60, 60) },
        { ID_GONG, "\u266A", QColor(150, 100, 0) },
        { ID_SHOW_START, "\u25B6", QColor(30, 140, 40) },
        { ID_SHOW_STOP, "\u25A0", QColor(180, 30, 30) },
    };
    for (const auto& [nId, szTeken, kleur] : aIcoon)
        Actie(nId)->setIcon(Icoon(QString::fromUtf8(szTeken), kleur));

    m_pWerkbalk = addToolBar(QStringLiteral("Standaard"));
    m_pWerkbalk->setObjectName(QStringLiteral("Standaard"));
    m_pWerkbalk->setIconSize(QSize(16, 16));
    m_pWerkbalk->setToolButtonStyle(Qt::ToolButtonIconOnly);
    VulWerkbalk();
    connect(Actie(ID_WERKBALK), &QAction::toggled, m_pWerkbalk, &QWidget::setVisible);
}

const QList<int>& CMainFrame::WerkbalkIndeling()
{
    static const QList<int> aIds { ID_NIEUW, ID_OPEN, ID_OPSLAAN, 0, ID_KNIPPEN, ID_KOPIEREN, ID_PLAKKEN, 0,
        ID_AFDRUKKEN, ID_OVER, 0, ID_PAGINA, 0, ID_TEKST, ID_AFBEELDING, ID_KLEURVLAK, 0, ID_EIGENSCHAPPEN, 0, ID_GONG,
        0, ID_SHOW_START, ID_SHOW_STOP };
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
    if (dlg.exec() != QDialog::Accepted)
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
    Actie(ID_PAGINA)->setEnabled(m_doc.KanPaginaInvoegen());
    for (int nId : { ID_TEKST, ID_AFBEELDING, ID_KLEURVLAK })
        Actie(nId)->setEnabled(m_doc.KanItemInvoegen());
    Actie(ID_KOPIEREN)->setEnabled(m_doc.KanKopieren());
    Actie(ID_KNIPPEN)->setEnabled(m_doc.KanKnippen());
    Actie(ID_PLAKKEN)->setEnabled(m_doc.KanPlakken());
    Actie(ID_VERWIJDEREN)->setEnabled(m_doc.KanVerwijderen());
    // Open only once the property dialogs exist.
    Actie(ID_EIGENSCHAPPEN)->setEnabled(m_doc.KanEigenschappen() && m_doc.GetEigenschappenDialogen());
    for (int nId : { ID_ONGEDAAN, ID_GONG, ID_SHOW_START, ID_SHOW_STOP })
        Actie(nId)->setEnabled(false);
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

void CMainFrame::closeEvent(QCloseEvent* pEvent)
{
    if (!SaveModified()) {
        pEvent->ignore();
        return;
    }
    Instellingen::BewaarBoomBreedte(m_pSplitter->sizes().value(0));
    pEvent->accept();
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
    auto* pTekst = new QLabel(QStringLiteral("Zerbantiko: presentatieschermen voor een avond vol presentaties.\n\n"
                                             "versie %1.%2.%3 build %4\n\n%5")
                                  .arg(ZB_VERSIE_1)
                                  .arg(ZB_VERSIE_2)
                                  .arg(ZB_VERSIE_3)
                                  .arg(ZB_VERSIE_4)
                                  .arg(QCoreApplication::applicationFilePath()),
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
    dlg.exec();
}

void CMainFrame::Afdrukken()
{
    QPrinter printer;
    QPrintDialog dlg(&printer, this);
    if (dlg.exec() == QDialog::Accepted)
        m_pOntwerp->Print(printer);
}

void CMainFrame::Afdrukvoorbeeld()
{
    QPrinter printer;
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintPreviewDialog dlg(&printer, this);
    connect(&dlg, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) { m_pOntwerp->Print(*p); });
    dlg.exec();
}

void CMainFrame::Afdrukinstellingen()
{
    QPrinter printer;
    QPageSetupDialog dlg(&printer, this);
    dlg.exec();
}
