#include "TekstBeelden.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

constexpr size_t nMaxIngangen = 256;
constexpr qint64 nMaxBytes = 128ll * 1024 * 1024;

} // namespace

CTekstBeelden& CTekstBeelden::Instance()
{
    static CTekstBeelden cache;
    return cache;
}

const CTekstBeelden::SBeeld& CTekstBeelden::Beeld(const QString& strTekst, const QFont& font, QRgb kleur)
{
    const QString strFont = font.key();
    for (auto it = m_lijst.begin(); it != m_lijst.end(); ++it) {
        if (it->kleur == kleur && it->strTekst == strTekst && it->strFont == strFont) {
            m_lijst.splice(m_lijst.begin(), m_lijst, it);
            return m_lijst.front().beeld;
        }
    }

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
    m_lijst.push_front({ strTekst, strFont, kleur, std::move(b) });

    qint64 nBytes = 0;
    for (const SIngang& i : m_lijst)
        nBytes += i.beeld.beeld.sizeInBytes();
    while (m_lijst.size() > 1 && (m_lijst.size() > nMaxIngangen || nBytes > nMaxBytes)) {
        nBytes -= m_lijst.back().beeld.beeld.sizeInBytes();
        m_lijst.pop_back();
    }
    return m_lijst.front().beeld;
}
