#pragma once

#include "WndAfbeelding.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <QTimer>

#include <list>
#include <vector>

class CDataItemBasis;
class CDataItemPagina;
class CWndAfbeelding;
class CWndPresentatie;
class CZerbantikoDoc;
class IGeluidsmachine;
class QKeyEvent;

// The running show as one object: what it shows, and the commands that drive
// it. The presentation window's keys, the operator's console and a remote all
// go through these commands, and the presentation window's clicks run the
// same operations, so every action has one path. Its state is read through
// the functions below; gewijzigd() says that some of it changed.
class CShowBesturing : public QObject {
    Q_OBJECT

public:
    CShowBesturing(CZerbantikoDoc& doc, CWndPresentatie& venster, CWndAfbeelding& viewer, IGeluidsmachine& geluid,
        QObject* pOuder = nullptr);

    // State.
    bool Loopt() const;
    CDataItemPagina* Pagina() const;
    const std::list<CDataItemPagina*>& Geschiedenis() const;
    // The item under the indicator as the audience sees it; -1 when hidden.
    int IndicatorItem() const;
    bool ViewerOpen() const;
    int ViewerSecondenOver() const;
    struct SGeluid {
        bool bLoopt = false;
        bool bPauze = false;
        bool bHerhalen = false;
        QString strBestand;
        double dPositie = 0;
        double dLengte = -1;
        float fVolume = 1;
        float fMaster = 1;
        friend bool operator==(const SGeluid&, const SGeluid&) = default;
    };
    SGeluid Geluid() const;
    // The items of the project whose programs or documents still run.
    std::vector<CDataItemBasis*> LopendeItems() const;
    // The pages one action away from the page on show: the next page, the
    // targets of its "@page" items, the top of the history.
    std::vector<CDataItemPagina*> Volgende() const;
    // The viewer's content with its countdown bar at a size of the caller's.
    QImage ViewerBeeld(const QSize& maat) const;
    // What the viewer shows, to draw elsewhere (on another thread).
    SViewerInhoud ViewerInhoud() const;
    // The project name that "[N]" shows during this show.
    const QString& ProjectNaam() const;

    // Commands.
    void NaarPagina(CDataItemPagina* pPagina); // as a jump: the page left goes into the history
    void KlikOpItem(CDataItemBasis& item); // as a click on the projector
    void VoerItemUit(int nIndex); // as the digit keys: item n of the page
    void Terug();
    void VorigePagina();
    void VolgendePagina();
    void KiesItem(int nRichting); // the indicator to the previous or next clickable item
    void Activeer(bool bStop = false); // the item under the indicator
    // A key as the presenter profiles turn it into an operation.
    void Toets(const QKeyEvent& toets);
    void Gong(bool bIngebouwd);
    void WisselPauze();
    void StopGeluid();
    void WisselHerhalen();
    void Volume(bool bMaster, double dStap);
    void SluitViewer();
    void StopItem(CDataItemBasis& item);
    void Beeindig();
    // A message of the running show, for the operator rather than a dialog
    // over the projector.
    void Meld(const QString& strTekst);

signals:
    void gewijzigd();
    void bericht(const QString& strTekst);

private:
    // The sound and the programs are polled while the show runs.
    void Peil();

    CZerbantikoDoc& m_doc;
    CWndPresentatie& m_venster;
    CWndAfbeelding& m_viewer;
    IGeluidsmachine& m_geluid;
    QTimer m_peilen;
    SGeluid m_laatsteGeluid;
    std::vector<CDataItemBasis*> m_aLaatstLopend; // compared, never followed
};
