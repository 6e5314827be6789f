#include "GeschaaldeAfbeeldingen.h"

#include "Mengen.h"

#include <QPainter>

namespace {

// Enough for several full-screen backgrounds at 4K; beyond this the least
// recently shown scaled copies are dropped.
constexpr qint64 nMaxBytes = 512ll * 1024 * 1024;
constexpr size_t nMaxIngangen = 64;

} // namespace

CGeschaaldeAfbeeldingen& CGeschaaldeAfbeeldingen::Instance()
{
    static CGeschaaldeAfbeeldingen cache;
    return cache;
}

qint64 CGeschaaldeAfbeeldingen::Bytes() const
{
    qint64 n = 0;
    for (const SIngang& i : m_lijst)
        n += i.geschaald.sizeInBytes();
    return n;
}

const QImage& CGeschaaldeAfbeeldingen::Geschaald(
    const QImage& beeld, const QRect& bron, const QSize& grootte, const SLaag& laag)
{
    const qint64 nBeeld = beeld.cacheKey();
    for (auto it = m_lijst.begin(); it != m_lijst.end(); ++it) {
        if (it->nBeeld == nBeeld && it->bron == bron && it->grootte == grootte && it->laag == laag) {
            m_lijst.splice(m_lijst.begin(), m_lijst, it);
            return m_lijst.front().geschaald;
        }
    }
    const QImage deel = bron == beeld.rect() ? beeld : beeld.copy(bron);
    QImage geschaald
        = deel.size() == grootte ? deel : deel.scaled(grootte, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!geschaald.hasAlphaChannel() && geschaald.format() != QImage::Format_RGB32)
        geschaald = geschaald.convertToFormat(QImage::Format_RGB32);
    if (laag.nAlpha > 0 && geschaald.format() == QImage::Format_RGB32) {
        geschaald.detach();
        Mengen::MengKleur(geschaald, geschaald.rect(), laag.clr, laag.nAlpha);
    }
    m_lijst.push_front({ nBeeld, bron, grootte, laag, std::move(geschaald) });

    qint64 nBytes = Bytes();
    while (m_lijst.size() > 1 && (m_lijst.size() > nMaxIngangen || nBytes > nMaxBytes)) {
        nBytes -= m_lijst.back().geschaald.sizeInBytes();
        m_lijst.pop_back();
    }
    return m_lijst.front().geschaald;
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
