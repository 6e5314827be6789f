#pragma once

#include "LruCache.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>

// Texts rendered once into transparent images. Qt fills glyphs larger than
// 64 pixels as paths at every paint, which for the large texts of a
// projector page costs milliseconds each; a page repaints once a second
// with a clock on it, but the other texts stay the same.
class CTekstBeelden {
public:
    struct SBeeld {
        QImage beeld; // premultiplied ARGB, the text on transparency
        QPoint ptPositie; // where the image's top-left lies relative to the text box's top-left
    };

    static CTekstBeelden& Instance();

    CTekstBeelden();

    // The text as DrawTextBox shows it: one line, the box's top-left at (0, 0).
    // A volatile text (filled-in fields such as a clock) is kept only briefly.
    const SBeeld& Beeld(const QString& strTekst, const QFont& font, QRgb kleur, bool bVluchtig = false);

    qsizetype Aantal() const { return m_cache.Aantal(); }

private:
    struct SSleutel {
        QString strTekst;
        QString strFont;
        QRgb kleur;
        friend bool operator==(const SSleutel&, const SSleutel&) = default;
        friend size_t qHash(const SSleutel& k, size_t seed) { return qHashMulti(seed, k.strTekst, k.strFont, k.kleur); }
    };
    CLruCache<SSleutel, SBeeld> m_cache;
};
