#pragma once

#include "model/Picture.h"
#include "model/Types.h"

#include <QBasicTimer>
#include <QImage>
#include <QWidget>

#include <functional>

class CDataItemBasis;

// What the viewer shows, apart from its window: a copy that draws at any size
// on any thread (the picture itself is shared, not copied).
struct SViewerInhoud {
    CPicture beeld;
    int nWeergave = 0;
    COLORREF clrKleur1 = 0;
    COLORREF clrKleur2 = 0;
    bool bVerloop = false;
    bool bAftellen = false;
    int nTik = 0;
    int nTikken = 0;

    // The content at w x h: the colour, then the picture by its display mode,
    // or the gradient; with bMetBalk the countdown bar across the middle as
    // the viewer shows it. pBeeld receives where the picture lies.
    QImage Teken(int w, int h, bool bMetBalk = false, CRect* pBeeld = nullptr) const;
};

// The second full-screen window, over the show on the same monitor: a
// picture, a plain colour screen or a vertical gradient, with a countdown
// bar that closes it when full. Any click or key closes it.
class CWndAfbeelding : public QWidget {
    Q_OBJECT

public:
    // The monitor and the gong follow this project.
    explicit CWndAfbeelding(const CDataItemBasis& project, QWidget* pOuder = nullptr);
    ~CWndAfbeelding() override;

    // Loads the picture file (the local file to use) with a display mode;
    // false, and no picture, when it cannot be read.
    bool LaadAfbeelding(const QString& strPad, int nWeergave);
    void WisAfbeelding();
    // Arms a countdown of nSeconden when bAan and nSeconden > 0, else disarms it.
    void ZetAftelling(bool bAan, int nSeconden);
    void ZetKleur1(COLORREF clr) { m_clrKleur1 = clr; }
    void ZetKleur2(COLORREF clr) { m_clrKleur2 = clr; }
    void ZetVerloop(bool bVerloop) { m_bVerloop = bVerloop; }

    // Shows the window over the project's monitor; shown already, it takes
    // the new content at once and starts its countdown anew.
    void Toon();
    // Hides it and gives the show back its keyboard.
    void Sluit();
    // Called after the window closed.
    std::function<void()> m_naSluiten;
    // Where it opens instead of over the project's monitor (a rehearsal's
    // window); none: the monitor.
    void SetPlaats(std::function<QRect()> plaats) { m_plaats = std::move(plaats); }

    // The content at an output size of w x h: the colour, then the picture
    // by its display mode, or the gradient.
    QImage TekenInhoud(int w, int h);
    SViewerInhoud Inhoud() const;

    COLORREF Kleur1() const { return m_clrKleur1; }
    COLORREF Kleur2() const { return m_clrKleur2; }
    bool Verloop() const { return m_bVerloop; }
    bool HeeftAfbeelding() const { return m_beeld.IsLoaded(); }
    bool Aftellen() const { return m_bAftellen; }
    int Tikken() const { return m_nTikken; }
    int Tik() const { return m_nTik; }
    // The countdown bar for a tick, in client coordinates.
    QRect Balk(int nTik) const;

    // Seconds left of the countdown, rounded up; 0 without one.
    int SecondenOver() const;

signals:
    // Opened, closed, or a tick of its countdown.
    void beeldGewijzigd();

protected:
    void paintEvent(QPaintEvent*) override;
    void timerEvent(QTimerEvent* pEvent) override;
    void mousePressEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void closeEvent(QCloseEvent* pEvent) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void Plaats();
    void MaakVenster();
    void TikAf();
    void ToonCursor(bool bZichtbaar);

    const CDataItemBasis& m_project;
    std::function<QRect()> m_plaats;
    int m_nTik = 0;
    bool m_bAftellen = false;
    int m_nSeconden = 0;
    int m_nTikken = 0;
    CRect m_rectUitvoer;
    CRect m_rectBeeld;
    QString m_strPad;
    CPicture m_beeld;
    COLORREF m_clrKleur1 = 0x000000;
    COLORREF m_clrKleur2 = 0xFF6464; // red 100, green 100, blue 255, until a command sets grey
    bool m_bVerloop = false;
    int m_nWeergave = 0;
    QImage m_venster; // the composed window, redrawn only when the content changes
    bool m_bVensterGeldig = false;
    QBasicTimer m_timerAftellen; // 30 ms: the bar grows
    QBasicTimer m_timerCursor; // 100 ms after the mouse rests the cursor hides
    QBasicTimer m_timerSluiten; // 500 ms after the bar is full the window closes
};
