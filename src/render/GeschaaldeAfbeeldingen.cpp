#include "GeschaaldeAfbeeldingen.h"

#include "Mengen.h"

#include <QPainter>

namespace {

// Enough for several full-screen backgrounds at 4K, and for the project
// overview's 64 thumbnails with their images beside the page on show.
constexpr qint64 nMaxBytes = 512ll * 1024 * 1024;
constexpr qsizetype nMaxIngangen = 1024;

} // namespace

CGeschaaldeAfbeeldingen::CGeschaaldeAfbeeldingen()
    : m_cache(nMaxIngangen, nMaxBytes, 0)
{
}

CGeschaaldeAfbeeldingen& CGeschaaldeAfbeeldingen::Instance()
{
    static CGeschaaldeAfbeeldingen cache;
    return cache;
}

const QImage& CGeschaaldeAfbeeldingen::Geschaald(
    const QImage& beeld, const QRect& bron, const QSize& grootte, const SLaag& laag)
{
    const SSleutel sleutel { beeld.cacheKey(), bron, grootte, laag };
    if (const QImage* p = m_cache.Zoek(sleutel))
        return *p;
    ++m_nSchalingen;
    const QImage deel = bron == beeld.rect() ? beeld : beeld.copy(bron);
    QImage geschaald
        = deel.size() == grootte ? deel : deel.scaled(grootte, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!geschaald.hasAlphaChannel() && geschaald.format() != QImage::Format_RGB32)
        geschaald = geschaald.convertToFormat(QImage::Format_RGB32);
    if (laag.nAlpha > 0 && geschaald.format() == QImage::Format_RGB32) {
        geschaald.detach();
        Mengen::MengKleur(geschaald, geschaald.rect(), laag.clr, laag.nAlpha);
    }
    const qint64 nBytes = geschaald.sizeInBytes();
    return m_cache.Voeg(sleutel, std::move(geschaald), nBytes);
}

void TekenAfbeelding(QPainter& p, const QImage& beeld, const QRect& doel, const QRect& bron)
{
    if (doel.isEmpty() || bron.isEmpty() || beeld.isNull())
        return;
    const QRect pagina(QPoint(0, 0), p.device() ? QSize(p.device()->width(), p.device()->height()) : doel.size());
    const QRect zichtbaar = doel.intersected(pagina);
    if (zichtbaar.isEmpty())
        return;
    // A picture far larger than the page (an item of 500 %) is not scaled
    // whole; its visible part is sampled directly.
    const qint64 nDoel = qint64(doel.width()) * doel.height();
    const qint64 nPagina = qint64(pagina.width()) * pagina.height();
    if (nDoel > 2 * nPagina) {
        p.save();
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(doel), beeld, QRectF(bron));
        p.restore();
        return;
    }
    p.drawImage(doel.topLeft(), CGeschaaldeAfbeeldingen::Instance().Geschaald(beeld, bron, doel.size()));
}

bool TekenAfbeeldingMetLaag(
    QPainter& p, const QImage& beeld, const QRect& doel, const QRect& bron, COLORREF clrLaag, int nDekkingLaag)
{
    const QRect pagina(0, 0, p.device()->width(), p.device()->height());
    if (beeld.hasAlphaChannel() || !pagina.contains(doel) || doel.isEmpty() || bron.isEmpty())
        return false;
    const CGeschaaldeAfbeeldingen::SLaag laag { clrLaag, Mengen::Alpha(nDekkingLaag) };
    p.drawImage(doel.topLeft(), CGeschaaldeAfbeeldingen::Instance().Geschaald(beeld, bron, doel.size(), laag));
    return true;
}
