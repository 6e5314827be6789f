#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>

#include <list>

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

    // The text as DrawTextBox shows it: one line, the box's top-left at (0, 0).
    const SBeeld& Beeld(const QString& strTekst, const QFont& font, QRgb kleur);

private:
    struct SIngang {
        QString strTekst;
        QString strFont;
        QRgb kleur;
        SBeeld beeld;
    };
    std::list<SIngang> m_lijst; // most recently used first
};
