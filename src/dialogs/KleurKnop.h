#pragma once

#include "model/Types.h"

#include <QToolButton>

#include <functional>
#include <optional>

// The "Kleur" button of the property dialogs: a caption and a band in the
// current colour; a click opens a palette of 40 named colours with
// "Standaard" (the default colour) and "Meer..." (any colour). Closing the
// palette without a choice changes nothing; a choice emits kleurGekozen.
class CKleurKnop : public QToolButton {
    Q_OBJECT

public:
    // The value that stands for the default colour in a field.
    static constexpr COLORREF clrStandaard = 0xFF000000;

    explicit CKleurKnop(QWidget* pOuder = nullptr);

    // Load: the field's colour (clrStandaard gives the default colour).
    void ZetKleur(COLORREF clr);
    // Store: the current colour; the default colour while there is none.
    COLORREF Kleur() const;
    bool HeeftKleur() const { return m_kleur.has_value(); }
    void ZetStandaard(COLORREF clr) { m_clrStandaard = clr; }
    COLORREF Standaard() const { return m_clrStandaard; }
    void ZetBandHoogte(int nPixels);

    // Opens the palette under the button; returns when it has closed.
    void OpenPalet();
    // "Meer...": the colour chooser, preset to the current colour; none when cancelled.
    std::function<std::optional<QColor>(const QColor&, QWidget*)> m_kiesMeer;

    // The 40 colours of the palette in order, with their names.
    struct SPaletKleur {
        const char* szNaam;
        COLORREF clr;
    };
    static const SPaletKleur* Palet(int& nAantal);

signals:
    void kleurGekozen();

protected:
    void paintEvent(QPaintEvent*) override;
    QSize sizeHint() const override;

private:
    friend class CKleurPalet;
    void Kies(COLORREF clr);

    std::optional<COLORREF> m_kleur;
    COLORREF m_clrStandaard = 0x000000;
    int m_nBandHoogte = 5;
};
