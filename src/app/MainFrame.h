#pragma once

#include <QMainWindow>

#include <memory>

class CUitgesteldeAfstand;
class CZerbantikoDoc;
class CPresentatieOverzicht;
class CZerbantikoView;
class CViewBoom;
class CShow;
class IKlok;
class IMelder;
class IBestandsKiezer;
class QAction;
class QMenu;
class QPrinter;
class QSplitter;
class QStackedWidget;
class QToolBar;

// The main window: menus, toolbar and status bar, and the project tree
// beside the designer view in a splitter whose width is kept between runs.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    // pShow runs the project's shows; without one the show commands stay off.
    CMainFrame(CZerbantikoDoc& doc, IMelder& melder, IBestandsKiezer& kiezer, const IKlok& klok, CShow* pShow = nullptr,
        QWidget* pOuder = nullptr);
    ~CMainFrame() override;

    // Opens a project after asking about unsaved changes; false when it did not open.
    bool OpenBestand(const QString& strPad);
    // The question before unsaved work would be lost; false means: stop.
    bool SaveModified();
    bool Opslaan();
    bool OpslaanAls();
    // The project with every file it names into one package.
    bool Inpakken();
    // Every page as a PDF.
    bool ExporteerPdf();

    CViewBoom* Boom() const { return m_pBoom; }
    CZerbantikoView* Ontwerp() const { return m_pOntwerp; }
    CPresentatieOverzicht* Overzicht() const { return m_pOverzicht; }
    CUitgesteldeAfstand* Afstand() const { return m_pAfstand; }
    // Whether the console stands where the designer does.
    bool ToontOverzicht() const;
    QSplitter* Splitter() const { return m_pSplitter; }
    // By command id, as the menus and the tree's context menu know them.
    QAction* Actie(int nId) const;

    // The toolbar's buttons by command id, in order; 0 is a separator.
    static const QList<int>& WerkbalkIndeling();
    QToolBar* Werkbalk() const { return m_pWerkbalk; }
    void Aanpassen();
    QMenu* createPopupMenu() override;

    void OverZerbantiko();

public slots:
    void WerkOpdrachtenBij();

protected:
    void closeEvent(QCloseEvent* pEvent) override;
    // The console or the designer, as the show's screen asks.
    void KiesOverzicht();
    void dragEnterEvent(QDragEnterEvent* pEvent) override;
    void dropEvent(QDropEvent* pEvent) override;

private:
    QAction* MaakActie(int nId, const QString& strTekst, const QString& strPrompt);
    void MaakMenus();
    void MaakSneltoetsen();
    // F6 and Shift+F6: the keyboard focus to the next or previous pane.
    void WisselVenster(int nRichting);
    void VulGeluidMenu();
    void MaakWerkbalk();
    // Fills the toolbar with the buttons the user keeps.
    void VulWerkbalk();
    void WerkRecentBij();
    void WerkTitelBij();
    void Afdrukken();
    void Afdrukvoorbeeld();
    void Afdrukinstellingen();
    QPrinter& Printer();
    void DrukAf(QPrinter& printer);
    // A package: unpacked into a folder the user chooses, then opened.
    bool OpenPakket(const QString& strPakket);

    CZerbantikoDoc& m_doc;
    IMelder& m_melder;
    IBestandsKiezer& m_kiezer;
    const IKlok& m_klok;
    CShow* m_pShow;
    QSplitter* m_pSplitter = nullptr;
    CViewBoom* m_pBoom = nullptr;
    CZerbantikoView* m_pOntwerp = nullptr;
    QStackedWidget* m_pStapel = nullptr;
    CPresentatieOverzicht* m_pOverzicht = nullptr; // only with a show
    CUitgesteldeAfstand* m_pAfstand = nullptr; // only with a show
    QToolBar* m_pWerkbalk = nullptr;
    QMenu* m_pBestandMenu = nullptr;
    QMenu* m_pGeluidMenu = nullptr;
    QAction* m_pRecentPlaats = nullptr;
    QList<QAction*> m_aRecent;
    QHash<int, QAction*> m_acties;
    std::unique_ptr<QPrinter> m_pPrinter;
};
