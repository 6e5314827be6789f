#include "Tekenaar.h"

#include "Mengen.h"
#include "TekstBeelden.h"
#include "model/DataItemBasis.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <cstring>

namespace {

QRect NaarQRect(const CRect& r)
{
    return QRect(r.left, r.top, r.Width(), r.Height());
}

} // namespace

QColor NaarQColor(COLORREF clr)
{
    return QColor(GetRValue(clr), GetGValue(clr), GetBValue(clr));
}

CTekenaar::CTekenaar(QImage& pagina, Methode methode)
    : m_pagina(pagina)
    , m_methode(methode)
{
}

void CTekenaar::Teken(const std::function<void(QPainter&)>& stap)
{
    QPainter p(&m_pagina);
    stap(p);
}

void CTekenaar::DrawWithOpacity(int nDekking, const CRect& bereik, const std::function<void(QPainter&)>& stap)
{
    const int a = Mengen::Alpha(nDekking);
    if (m_methode == Methode::Letterlijk) {
        const QImage voor = m_pagina.copy();
        Teken(stap);
        Mengen::MengTerug(m_pagina, voor, m_pagina.rect(), a);
        return;
    }
    if (a == 0)
        return; // the mix would give back exactly what was there
    if (a == 256) {
        Teken(stap);
        return;
    }
    const QRect r = NaarQRect(bereik).intersected(m_pagina.rect());
    if (r.isEmpty())
        return;
    Bewaar(r);
    {
        QPainter p(&m_pagina);
        p.setClipRect(r); // outside it the mix would change nothing anyway
        stap(p);
    }
    Mengen::MengTerug(m_pagina, m_voor, r, a);
}

void CTekenaar::Bewaar(const QRect& r)
{
    if (m_voor.width() < r.width() || m_voor.height() < r.height())
        m_voor = QImage(qMax(m_voor.width(), r.width()), qMax(m_voor.height(), r.height()), QImage::Format_RGB32);
    const qsizetype nBytes = qsizetype(r.width()) * 4;
    for (int y = 0; y < r.height(); ++y)
        std::memcpy(m_voor.scanLine(y), m_pagina.constScanLine(r.top() + y) + r.left() * 4, size_t(nBytes));
}

void CTekenaar::FillWithOpacity(const CRect& r, COLORREF clr, int nDekking, bool bEllips)
{
    if (m_methode == Methode::Snel && !bEllips) {
        if (!r.IsEmpty())
            OverlayColour(r, clr, nDekking);
        return;
    }
    DrawWithOpacity(nDekking, r, [&](QPainter& p) { FillShape(p, r, clr, bEllips); });
}

void CTekenaar::OverlayColour(const CRect& r, COLORREF clr, int nDekking)
{
    Mengen::MengKleur(m_pagina, NaarQRect(r), clr, Mengen::Alpha(nDekking));
}

void CTekenaar::FillShape(QPainter& p, const CRect& r, COLORREF clr, bool bEllips)
{
    if (r.IsEmpty())
        return;
    if (!bEllips) {
        p.fillRect(NaarQRect(r), NaarQColor(clr));
        return;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(NaarQColor(clr));
    p.drawEllipse(NaarQRect(r));
}

CRect CTekenaar::BorderBereik(const CRect& r, int t)
{
    const int m = 2 * t + 2;
    return { r.left - m, r.top - m, r.right + m, r.bottom + m };
}

void CTekenaar::StrokeBorder(QPainter& p, const CRect& r, COLORREF clr, int t, bool bEllips)
{
    const QColor kleur = NaarQColor(clr);
    if (t <= 0) {
        StrokeFrame(p, bEllips ? CRect { r.left, r.top, r.right - 1, r.bottom - 1 } : r, clr, false, bEllips);
        return;
    }
    if (!bEllips) {
        const int b = 2 * t;
        p.fillRect(QRect(r.left - b, r.top - b, r.Width() + 2 * b, b), kleur);
        p.fillRect(QRect(r.left - b, r.bottom, r.Width() + 2 * b, b), kleur);
        p.fillRect(QRect(r.left - b, r.top, b, r.Height()), kleur);
        p.fillRect(QRect(r.right, r.top, b, r.Height()), kleur);
        return;
    }
    // A ring 2t wide on the ellipse inscribed in r grown by t, right and
    // bottom moved in by one pixel.
    const QRectF midden(r.left - t, r.top - t, r.Width() + 2 * t - 1, r.Height() + 2 * t - 1);
    QPainterPath ring;
    ring.setFillRule(Qt::OddEvenFill);
    ring.addEllipse(midden.adjusted(-t, -t, t, t));
    ring.addEllipse(midden.adjusted(t, t, -t, -t));
    p.fillPath(ring, kleur);
}

void CTekenaar::StrokeFrame(QPainter& p, const CRect& r, COLORREF clr, bool bStreepPunt, bool bEllips)
{
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    QPen pen(NaarQColor(clr), 0, bStreepPunt ? Qt::DashDotLine : Qt::SolidLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    // A 1-pixel pen outlines a QRect one pixel beyond its width, so this
    // covers the edge pixels left .. right - 1.
    const QRect q(r.left, r.top, r.Width() - 1, r.Height() - 1);
    if (bEllips)
        p.drawEllipse(q);
    else
        p.drawRect(q);
}

void CTekenaar::DrawTextBox(QPainter& p, const CDataItemBasis& item, const QFont& font, const QString& strTekst,
    const CRect& box, bool bVluchtig)
{
    // The box is exactly as wide as the text, so every alignment starts at its left.
    const CTekstBeelden::SBeeld& b
        = CTekstBeelden::Instance().Beeld(strTekst, font, NaarQColor(item.m_clrTekst).rgb(), bVluchtig);
    p.drawImage(box.left + b.ptPositie.x(), box.top + b.ptPositie.y(), b.beeld);
}

CRect CTekenaar::TextBereik(
    const CDataItemBasis& item, const QFont& font, const QString& strTekst, const CRect& box, bool bVluchtig)
{
    const CTekstBeelden::SBeeld& b
        = CTekstBeelden::Instance().Beeld(strTekst, font, NaarQColor(item.m_clrTekst).rgb(), bVluchtig);
    const int x = box.left + b.ptPositie.x(), y = box.top + b.ptPositie.y();
    return { x, y, x + b.beeld.width(), y + b.beeld.height() };
}
