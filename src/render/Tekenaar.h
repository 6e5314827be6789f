#pragma once

#include "model/Types.h"

#include <QFont>
#include <QImage>
#include <QString>

#include <functional>

class QPainter;
class CDataItemBasis;

// Draws with opacity onto a page bitmap. An element is first drawn fully
// opaque, then mixed with what was there before. The literal way snapshots
// the whole page around every element; the quick way only the area the
// element can touch, and skips the mix at 100 % and the drawing at 0 %. Both
// give the same pixels; the literal one is kept to prove it.
class CTekenaar {
public:
    enum class Methode { Snel, Letterlijk };

    explicit CTekenaar(QImage& pagina, Methode methode = Methode::Snel);

    QImage& Pagina() { return m_pagina; }
    int W() const { return m_pagina.width(); }
    int H() const { return m_pagina.height(); }

    // stap draws opaquely; it must stay inside bereik (for the quick way).
    void DrawWithOpacity(int nDekking, const CRect& bereik, const std::function<void(QPainter&)>& stap);
    // A shape filled with the colour at the opacity. A rectangle drawn
    // opaquely and then mixed is the colour mixed over its area, which the
    // quick way does in one pass.
    void FillWithOpacity(const CRect& r, COLORREF clr, int nDekking, bool bEllips);
    // Lays a colour over r at the opacity.
    void OverlayColour(const CRect& r, COLORREF clr, int nDekking);
    // Opaque drawing without mixing (backgrounds, frames, marks).
    void Teken(const std::function<void(QPainter&)>& stap);

    static void FillShape(QPainter& p, const CRect& r, COLORREF clr, bool bEllips);
    // The band 2t wide just outside r (a 1-pixel line on r's outline when t is 0).
    static void StrokeBorder(QPainter& p, const CRect& r, COLORREF clr, int t, bool bEllips);
    // What StrokeBorder can touch.
    static CRect BorderBereik(const CRect& r, int t);
    // A 1-pixel outline on r's edge pixels, solid or dash-dot.
    static void StrokeFrame(QPainter& p, const CRect& r, COLORREF clr, bool bStreepPunt, bool bEllips);
    // The text on one line at the box's top-left, in the item's colour; no
    // mnemonic processing, so an ampersand shows as it is.
    // bVluchtig: the text holds filled-in fields and changes with the clock.
    static void DrawTextBox(QPainter& p, const CDataItemBasis& item, const QFont& font, const QString& strTekst,
        const CRect& box, bool bVluchtig = false);
    // What DrawTextBox can touch: the ink, which may reach beyond the box.
    static CRect TextBereik(const CDataItemBasis& item, const QFont& font, const QString& strTekst, const CRect& box,
        bool bVluchtig = false);

private:
    // Copies part r of the page into m_voor (kept between steps, so no
    // memory is allocated per element).
    void Bewaar(const QRect& r);

    QImage& m_pagina;
    Methode m_methode;
    QImage m_voor;
};

QColor NaarQColor(COLORREF clr);
