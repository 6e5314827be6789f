#include "GeschaaldeAfbeeldingen.h"

#include "Mengen.h"

#include <QPainter>

#include <chrono>

namespace {

// Enough for several full-screen backgrounds at 4K, and for the project
// overview's 64 thumbnails with their images beside the page on show.
constexpr qint64 nMaxBytes = 512ll * 1024 * 1024;
constexpr qsizetype nMaxIngangen = 1024;
// Copies with a colour layer mixed in: a dragged opacity slider makes a new
// one at every step, so only the latest few are kept.
constexpr qsizetype nMaxMetLaag = 8;

// A layer of opacity 0 is no layer, whatever its colour: one key for both.
CGeschaaldeAfbeeldingen::SLaag Zonder(const CGeschaaldeAfbeeldingen::SLaag& laag)
{
    return laag.nAlpha > 0 ? laag : CGeschaaldeAfbeeldingen::SLaag {};
}

// The part bron of the picture, without copying its pixels when they are
// whole bytes: a view on the picture's own memory, read only, valid while the
// picture is.
QImage Deel(const QImage& beeld, const QRect& bron)
{
    if (bron == beeld.rect())
        return beeld;
    if (beeld.depth() < 8 || !beeld.rect().contains(bron))
        return beeld.copy(bron);
    const uchar* pBegin = beeld.constScanLine(bron.top()) + qsizetype(bron.left()) * (beeld.depth() / 8);
    QImage deel(pBegin, bron.width(), bron.height(), beeld.bytesPerLine(), beeld.format());
    deel.setColorTable(beeld.colorTable());
    return deel;
}

} // namespace

CGeschaaldeAfbeeldingen::CGeschaaldeAfbeeldingen()
    : m_cache(nMaxIngangen, nMaxBytes, nMaxMetLaag)
{
}

CGeschaaldeAfbeeldingen& CGeschaaldeAfbeeldingen::Instance()
{
    // One per thread: the UI thread's for the windows, and one for any
    // thread that draws pages of its own (the phone remote's).
    static thread_local CGeschaaldeAfbeeldingen cache;
    return cache;
}

CGeschaaldeAfbeeldingen::~CGeschaaldeAfbeeldingen()
{
    WachtOpVoorbereiding();
}

QImage CGeschaaldeAfbeeldingen::Schaal(const QImage& beeld, const QRect& bron, const QSize& grootte, const SLaag& laag)
{
    // A view must not outlive the picture: what is kept is always a scaled
    // or converted copy of it.
    const QImage deel = Deel(beeld, bron);
    QImage geschaald
        = deel.size() == grootte ? deel : deel.scaled(grootte, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (geschaald.constBits() == deel.constBits() && bron != beeld.rect())
        geschaald = deel.copy();
    if (!geschaald.hasAlphaChannel() && geschaald.format() != QImage::Format_RGB32)
        geschaald = geschaald.convertToFormat(QImage::Format_RGB32);
    if (laag.nAlpha > 0 && geschaald.format() == QImage::Format_RGB32) {
        geschaald.detach();
        Mengen::MengKleur(geschaald, geschaald.rect(), laag.clr, laag.nAlpha);
    }
    return geschaald;
}

const QImage& CGeschaaldeAfbeeldingen::Geschaald(
    const QImage& beeld, const QRect& bron, const QSize& grootte, const SLaag& laagGevraagd)
{
    const SLaag laag = Zonder(laagGevraagd);
    const SSleutel sleutel { beeld.cacheKey(), bron, grootte, laag };
    if (const QImage* p = m_cache.Zoek(sleutel))
        return *p;
    const std::shared_future<QImage> onderweg = m_onderweg.take(sleutel);
    if (onderweg.valid()) {
        QImage geschaald = onderweg.get(); // waits when a worker is still at it
        const qint64 nBytes = geschaald.sizeInBytes();
        return m_cache.Voeg(sleutel, std::move(geschaald), nBytes);
    }
    if (laag.nAlpha > 0) {
        // Another layer over the same picture is mixed into the scaled copy
        // without it, which is kept: a new opacity never rescales the photo.
        QImage gemengd = Geschaald(beeld, bron, grootte, SLaag {});
        if (gemengd.format() == QImage::Format_RGB32) {
            gemengd.detach();
            Mengen::MengKleur(gemengd, gemengd.rect(), laag.clr, laag.nAlpha);
        }
        const qint64 nBytes = gemengd.sizeInBytes();
        return m_cache.Voeg(sleutel, std::move(gemengd), nBytes, true);
    }
    ++m_nSchalingen;
    QImage geschaald = Schaal(beeld, bron, grootte, laag);
    const qint64 nBytes = geschaald.sizeInBytes();
    return m_cache.Voeg(sleutel, std::move(geschaald), nBytes);
}

void CGeschaaldeAfbeeldingen::Bereid(
    const QImage& beeld, const QRect& bron, const QSize& grootte, const SLaag& laagGevraagd)
{
    const SLaag laag = Zonder(laagGevraagd);
    if (beeld.isNull() || bron.isEmpty() || grootte.isEmpty())
        return;
    Oogst();
    const SSleutel sleutel { beeld.cacheKey(), bron, grootte, laag };
    if (m_cache.Zoek(sleutel) || m_onderweg.contains(sleutel))
        return;
    // The worker holds its own reference to the picture, so it may be
    // dropped meanwhile.
    m_onderweg.insert(sleutel, std::async(std::launch::async, [beeld, bron, grootte, laag] {
        return Schaal(beeld, bron, grootte, laag);
    }).share());
    ++m_nVoorbereid;
}

void CGeschaaldeAfbeeldingen::Oogst()
{
    for (auto it = m_onderweg.begin(); it != m_onderweg.end();) {
        if (it->wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
            ++it;
            continue;
        }
        QImage geschaald = it->get();
        const qint64 nBytes = geschaald.sizeInBytes();
        m_cache.Voeg(it.key(), std::move(geschaald), nBytes);
        it = m_onderweg.erase(it);
    }
}

bool CGeschaaldeAfbeeldingen::Klaar()
{
    Oogst();
    return m_onderweg.isEmpty();
}

void CGeschaaldeAfbeeldingen::WachtOpVoorbereiding()
{
    for (const auto& f : std::as_const(m_onderweg))
        f.wait();
    Oogst();
}

void CGeschaaldeAfbeeldingen::Leeg()
{
    WachtOpVoorbereiding();
    m_cache.Leeg();
}

namespace {

// Whether a picture in doel on a page of that size is drawn from a scaled
// copy: not when nothing of it shows, nor when it is far larger than the
// page (an item of 500 %), whose visible part is sampled directly.
bool VanGeschaaldeKopie(const QSize& pagina, const QImage& beeld, const QRect& doel, const QRect& bron)
{
    if (doel.isEmpty() || bron.isEmpty() || beeld.isNull() || !doel.intersects(QRect(QPoint(0, 0), pagina)))
        return false;
    const qint64 nDoel = qint64(doel.width()) * doel.height();
    const qint64 nPagina = qint64(pagina.width()) * pagina.height();
    return nDoel <= 2 * nPagina;
}

// Whether a background is drawn with its colour layer mixed into the copy:
// a picture without alpha lying wholly on the page.
bool MetLaagInKopie(const QSize& pagina, const QImage& beeld, const QRect& doel, const QRect& bron)
{
    return !beeld.hasAlphaChannel() && QRect(QPoint(0, 0), pagina).contains(doel) && !doel.isEmpty() && !bron.isEmpty();
}

QSize Maat(const QPainter& p)
{
    return QSize(p.device()->width(), p.device()->height());
}

} // namespace

void TekenAfbeelding(QPainter& p, const QImage& beeld, const QRect& doel, const QRect& bron)
{
    if (doel.isEmpty() || bron.isEmpty() || beeld.isNull())
        return;
    if (VanGeschaaldeKopie(Maat(p), beeld, doel, bron)) {
        p.drawImage(doel.topLeft(), CGeschaaldeAfbeeldingen::Instance().Geschaald(beeld, bron, doel.size()));
    } else if (doel.intersects(QRect(QPoint(0, 0), Maat(p)))) {
        p.save();
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(doel), beeld, QRectF(bron));
        p.restore();
    }
}

bool TekenAfbeeldingMetLaag(
    QPainter& p, const QImage& beeld, const QRect& doel, const QRect& bron, COLORREF clrLaag, int nDekkingLaag)
{
    if (!MetLaagInKopie(Maat(p), beeld, doel, bron))
        return false;
    const CGeschaaldeAfbeeldingen::SLaag laag { clrLaag, Mengen::Alpha(nDekkingLaag) };
    p.drawImage(doel.topLeft(), CGeschaaldeAfbeeldingen::Instance().Geschaald(beeld, bron, doel.size(), laag));
    return true;
}

void BereidAfbeelding(const QSize& pagina, const QImage& beeld, const QRect& doel, const QRect& bron)
{
    if (VanGeschaaldeKopie(pagina, beeld, doel, bron))
        CGeschaaldeAfbeeldingen::Instance().Bereid(beeld, bron, doel.size(), {});
}

bool BereidAfbeeldingMetLaag(
    const QSize& pagina, const QImage& beeld, const QRect& doel, const QRect& bron, COLORREF clrLaag, int nDekkingLaag)
{
    if (!MetLaagInKopie(pagina, beeld, doel, bron))
        return false;
    CGeschaaldeAfbeeldingen::Instance().Bereid(beeld, bron, doel.size(), { clrLaag, Mengen::Alpha(nDekkingLaag) });
    return true;
}
