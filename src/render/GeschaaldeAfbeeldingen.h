#pragma once

#include "model/Types.h"

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

    // A colour layer mixed into a scaled copy.
    struct SLaag {
        COLORREF clr = 0;
        int nAlpha = 0; // 0: none
        friend bool operator==(const SLaag&, const SLaag&) = default;
    };

    // Part bron (pixels of beeld) of the picture, smoothly scaled to grootte,
    // as RGB32 or ARGB32; with a layer only for a picture without alpha.
    const QImage& Geschaald(const QImage& beeld, const QRect& bron, const QSize& grootte, const SLaag& laag);
    const QImage& Geschaald(const QImage& beeld, const QRect& bron, const QSize& grootte)
    {
        return Geschaald(beeld, bron, grootte, SLaag {});
    }

    qint64 Bytes() const;

private:
    struct SIngang {
        qint64 nBeeld;
        QRect bron;
        QSize grootte;
        SLaag laag;
        QImage geschaald;
    };
    std::list<SIngang> m_lijst; // most recently used first
};

// Draws part bron of the picture stretched into doel; what falls outside the
// page bitmap is left out.
void TekenAfbeelding(class QPainter& p, const QImage& beeld, const QRect& doel, const QRect& bron);

// The same for a page background with its colour layer over it, when the
// picture has no alpha channel and lies wholly on the page: the layer is then
// mixed into the scaled copy once instead of into the page at every paint,
// which gives the same pixels. False when that does not apply.
bool TekenAfbeeldingMetLaag(
    class QPainter& p, const QImage& beeld, const QRect& doel, const QRect& bron, COLORREF clrLaag, int nDekkingLaag);
