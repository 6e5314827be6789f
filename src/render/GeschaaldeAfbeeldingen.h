#pragma once

#include "LruCache.h"
#include "model/Types.h"

#include <QHash>
#include <QImage>
#include <QRect>
#include <QSize>

#include <future>

// Pictures scaled to the size they are shown at. A page is repainted on
// every change and once a second on a clock page; scaling a 24-megapixel
// photo each time would cost far more than the rest of the page, so each
// scaled part is made once and kept while it is in use.
class CGeschaaldeAfbeeldingen {
public:
    // The calling thread's.
    static CGeschaaldeAfbeeldingen& Instance();
    // At most this many bytes of scaled copies kept.
    void ZetGrens(qint64 nBytes) { m_cache.ZetMaxBytes(nBytes); }

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

    // Starts making that scaled copy on a worker thread, unless it is kept
    // already or under way; Geschaald then takes it, waiting for it when it
    // is not done yet. Nothing is ever scaled twice.
    void Bereid(const QImage& beeld, const QRect& bron, const QSize& grootte, const SLaag& laag);
    // Whether no preparation is under way any more.
    bool Klaar();
    // Waits until every preparation is done (for tests and benchmarks).
    void WachtOpVoorbereiding();
    // Forgets every scaled copy (for benchmarks of first visits).
    void Leeg();

    qint64 Bytes() const { return m_cache.Bytes(); }
    // How many scaled copies the user-interface thread made itself so far.
    qint64 Schalingen() const { return m_nSchalingen; }
    // How many a worker thread made.
    qint64 Voorbereid() const { return m_nVoorbereid; }

    CGeschaaldeAfbeeldingen();
    ~CGeschaaldeAfbeeldingen();

    // The scaling itself: part bron of beeld at grootte, with the layer.
    static QImage Schaal(const QImage& beeld, const QRect& bron, const QSize& grootte, const SLaag& laag);

private:
    struct SSleutel {
        qint64 nBeeld;
        QRect bron;
        QSize grootte;
        SLaag laag;
        friend bool operator==(const SSleutel&, const SSleutel&) = default;
        friend size_t qHash(const SSleutel& k, size_t seed)
        {
            return qHashMulti(seed, k.nBeeld, k.bron.x(), k.bron.y(), k.bron.width(), k.bron.height(),
                k.grootte.width(), k.grootte.height(), k.laag.clr, k.laag.nAlpha);
        }
    };
    // Moves finished preparations into the cache.
    void Oogst();

    // Both are used by the user-interface thread only; a worker only fills
    // the future it was given.
    CLruCache<SSleutel, QImage> m_cache;
    QHash<SSleutel, std::shared_future<QImage>> m_onderweg;
    qint64 m_nSchalingen = 0;
    qint64 m_nVoorbereid = 0;
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

// The same two, on a page of that size, only starting the scaling their
// drawing will need on a worker thread.
void BereidAfbeelding(const QSize& pagina, const QImage& beeld, const QRect& doel, const QRect& bron);
bool BereidAfbeeldingMetLaag(
    const QSize& pagina, const QImage& beeld, const QRect& doel, const QRect& bron, COLORREF clrLaag, int nDekkingLaag);
