#include "TekstBeelden.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

// The texts of the overview's 64 thumbnails besides those of the page on show.
constexpr qsizetype nMaxIngangen = 4096;
constexpr qint64 nMaxBytes = 128ll * 1024 * 1024;
// A clock page makes a new text every second; the old ones are never shown again.
constexpr qsizetype nMaxVluchtig = 16;

} // namespace

CTekstBeelden::CTekstBeelden()
    : m_cache(nMaxIngangen, nMaxBytes, nMaxVluchtig)
{
}

CTekstBeelden& CTekstBeelden::Instance()
{
    static thread_local CTekstBeelden cache; // one per thread that draws
    return cache;
}

const CTekstBeelden::SBeeld& CTekstBeelden::Beeld(
    const QString& strTekst, const QFont& font, QRgb kleur, bool bVluchtig)
{
    const SSleutel sleutel { strTekst, font.key(), kleur };
    if (const SBeeld* p = m_cache.Zoek(sleutel))
        return *p;

    // The ink may reach beyond the advance (italics, accents); underline
    // and strike-out run along the advance. Two pixels spare for antialiasing.
    const QFontMetrics fm(font);
    const int nAscent = fm.ascent();
    const QRect box(0, 0, fm.horizontalAdvance(strTekst), nAscent + fm.descent());
    const QRect inkt = fm.boundingRect(strTekst).translated(0, nAscent);
    const QRect r = box.united(inkt).adjusted(-2, -2, 2, 2);

    SBeeld b;
    b.ptPositie = r.topLeft();
    b.beeld = QImage(r.size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    b.beeld.fill(Qt::transparent);
    {
        QPainter p(&b.beeld);
        p.setFont(font);
        p.setPen(QColor::fromRgb(kleur));
        // No mnemonic processing: an ampersand is drawn as it is.
        p.drawText(QPoint(-r.left(), nAscent - r.top()), strTekst);
    }
    const qint64 nBytes = b.beeld.sizeInBytes();
    return m_cache.Voeg(sleutel, std::move(b), nBytes, bVluchtig);
}
