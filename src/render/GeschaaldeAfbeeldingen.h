#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include <list>

// Pictures scaled to the size they are shown at. A page is repainted on
// every change and once a second on a clock page; scaling a 24-megapixel
// photo each time would cost far more than the rest of the page, so each
// scaled part is made once and kept while it is in use.
class CGeschaaldeAfbeeldingen {
public:
    static CGeschaaldeAfbeeldingen& Instance();

    // Part bron (pixels of beeld) of the picture, smoothly scaled to grootte, as RGB32 or ARGB32.
    const QImage& Geschaald(const QImage& beeld, const QRect& bron, const QSize& grootte);

    void Leeg() { m_lijst.clear(); }
    qint64 Bytes() const;

private:
    struct SIngang {
        qint64 nBeeld;
        QRect bron;
        QSize grootte;
        QImage geschaald;
    };
    std::list<SIngang> m_lijst; // most recently used first
};

// Draws part bron of the picture stretched into doel; what falls outside the
// page bitmap is left out.
void TekenAfbeelding(class QPainter& p, const QImage& beeld, const QRect& doel, const QRect& bron);
