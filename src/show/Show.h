#pragma once

#include <QObject>
#include <QSet>

#include <memory>

class CItemActies;
class CShowBesturing;
class CWndAfbeelding;
class CWndPresentatie;
class CZerbantikoDoc;
class IGeluidsmachine;
class IKlok;
class IMelder;
class IStarter;

// Everything a running show needs for one document: the presentation
// window, the image viewer, and the actions of the items, which reach the
// launcher and the sound engine. The editor starts and stops it.
class CShow : public QObject {
    Q_OBJECT

public:
    CShow(CZerbantikoDoc& doc, const IKlok& klok, IMelder& melder, IStarter& starter, IGeluidsmachine& geluid,
        QObject* pOuder = nullptr);
    ~CShow() override;

    // F5: the editor's page, full screen on the project's monitor; the
    // closing warning at the first start of the program.
    void Start(bool bRepetitie = false);
    // Shift+F5.
    void Stop();
    // The program ends: the show, its viewer and its sound.
    void BeeindigAlles();
    bool KanStarten() const;
    bool KanStoppen() const;

    CWndPresentatie& Presentatie() { return *m_pPresentatie; }
    CWndAfbeelding& Viewer() { return *m_pViewer; }
    CItemActies& Acties() { return *m_pActies; }
    // What the show shows, and the commands that drive it.
    CShowBesturing& Besturing() { return *m_pBesturing; }
    IGeluidsmachine& Geluid() { return m_geluid; }
    // The gong command: the project's gong, or the built-in one with bIntern.
    void SpeelGong(bool bIntern);

private:
    CZerbantikoDoc& m_doc;
    IMelder& m_melder;
    IGeluidsmachine& m_geluid;
    // Tells the console once per show of each picture on show that would not
    // decode (it is drawn as missing).
    void MeldBeschadigdeAfbeeldingen();

    bool m_bEersteStart = true;
    QSet<QString> m_gemeldeAfbeeldingen;
    std::unique_ptr<CWndAfbeelding> m_pViewer;
    std::unique_ptr<CItemActies> m_pActies;
    std::unique_ptr<CWndPresentatie> m_pPresentatie;
    std::unique_ptr<CShowBesturing> m_pBesturing;
};
