#pragma once

#include <QElapsedTimer>
#include <QWidget>

#include <vector>

class CDataItemBasis;
class CDataItemPagina;
class CLiveBeeld;
class CShowBesturing;
class CZerbantikoDoc;
class IKlok;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSlider;
class QTreeWidget;

// The operator's console ("Presentatieoverzicht"): the show as the audience
// sees it, live, and everything that drives it, on the editor's screen.
// Every control goes through the show's control object; the presenter keys
// work here as they do on the projector.
class CPresentatieOverzicht : public QWidget {
    Q_OBJECT

public:
    CPresentatieOverzicht(CZerbantikoDoc& doc, const IKlok& klok, CShowBesturing& besturing, QWidget* pOuder = nullptr);

    CLiveBeeld& Beeld() { return *m_pBeeld; }
    QListWidget& VolgendeLijst() { return *m_pVolgende; }
    QTreeWidget& ItemLijst() { return *m_pItems; }
    QTreeWidget& ProgrammaLijst() { return *m_pProgrammas; }
    const QString& Bericht() const;
    // The phone remote's state, as the program describes it.
    void ToonAfstand(const QString& strTekst);
    QString Afstand() const;
    // The time since the show started, as the console shows it.
    QString Verstreken() const;

protected:
    bool event(QEvent* pEvent) override;
    bool focusNextPrevChild(bool) override { return false; } // Tab is a presenter key here
    void keyPressEvent(QKeyEvent* pEvent) override;
    void showEvent(QShowEvent*) override;
    void timerEvent(QTimerEvent*) override;

private:
    // Everything from the show's state.
    void WerkBij();
    void WerkVolgendeBij();
    void WerkItemsBij();
    void WerkGeluidBij();
    void WerkProgrammasBij();
    void WerkKlokBij();
    void ToonBericht(const QString& strTekst);

    CZerbantikoDoc& m_doc;
    const IKlok& m_klok;
    CShowBesturing& m_besturing;
    CLiveBeeld* m_pBeeld;
    QListWidget* m_pVolgende;
    QTreeWidget* m_pItems;
    QLabel* m_pKlok;
    QPushButton* m_pVerstreken;
    QLabel* m_pAftellen;
    QLabel* m_pGeluid;
    QProgressBar* m_pPositie;
    QPushButton* m_pPauze;
    QPushButton* m_pHerhalen;
    QSlider* m_pVolume;
    QTreeWidget* m_pProgrammas;
    QLabel* m_pBericht;
    QLabel* m_pAfstand;
    QString m_strBericht;
    QElapsedTimer m_sindsStart;
    std::vector<const CDataItemPagina*> m_aVolgende; // compared, never followed
    std::vector<const CDataItemBasis*> m_aLopend; // compared, never followed
    const CDataItemPagina* m_pItemsVan = nullptr; // compared, never followed
    int m_nKlokTimer = 0;
    bool m_bLaden = false;
    bool m_bLiep = false; // the show ran at the last update
};
