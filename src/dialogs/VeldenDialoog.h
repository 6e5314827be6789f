#pragma once

#include "model/DataItemVelden.h"

#include <QDialog>

#include <span>
#include <variant>
#include <vector>

class IMelder;
class QButtonGroup;

// What the property and template dialogs share: one table per dialog that
// binds each control (by its name in the form) to a field, walked in both
// directions by WisselUit; the number fields, sliders and colour buttons.
class CVeldenDialoog : public QDialog {
    Q_OBJECT

public:
    using Veld = std::variant<QString CDataItemVelden::*, double CDataItemVelden::*, qint32 CDataItemVelden::*,
        COLORREF CDataItemVelden::*>;

    // How a control takes part in the live editing of the property dialogs,
    // and how its number is read and written.
    enum class Gedrag {
        Gewoon, // exchanged only
        Naam, // the name or text: every edit, and on leaving
        Aantekening, // on leaving, when edited
        Gebied, // switches whole areas on or off
        Keuze, // a list or check box that changes the appearance
        Stijl, // a font style
        Lettertype,
        Anker, // the anchor radio buttons
        Schuif, // a slider
        Kleur, // a colour button
        Procent, // anchor and size: clamped on every edit, rewritten on leaving
        Lettergrootte, // as Procent, in steps of 0.5
        Rand, // the border width: a percentage with handlers of its own
        Strikt, // a plain decimal number, refused otherwise (template dialogs)
        Opdracht,
        Opties, // taken part only while enabled
        Sprong, // the page list; taken part only while enabled
        Intern,
        Aantal, // a whole number 1..100
        Monitor,
        Clipping,
        Stil, // stored and marked modified, no view told
    };

    // Heights of the colour bands of the colour buttons, in pixels.
    struct BandHoogte {
        static constexpr int nVlak = 5; // colour area, background colour
        static constexpr int nKleurlaag = 10;
        static constexpr int nRand = 20; // border, selection indicator
        static constexpr int nTekst = 20;
        static constexpr int nSjabloonPagina = 10; // every band of the page template
    };

    struct SKoppeling {
        const char* szControl;
        Veld veld;
        Gedrag gedrag = Gedrag::Gewoon;
        int nBandHoogte = 0; // colour buttons: the height of the colour band
    };

    struct STooltip {
        const char* szControl;
        const char* szTekst;
    };

protected:
    CVeldenDialoog(IMelder& melder, QWidget* pOuder);

    // After the form is set up: binds the table's controls that are present,
    // and sets up number fields, sliders and colour buttons.
    void Koppel(std::span<const SKoppeling> aTabel, const CDataItemVelden& velden);
    void ZetTooltips(std::span<const STooltip> aTooltips);
    // Icons instead of captions on the small buttons.
    void ZetIconen();
    void VulLijst(const char* szControl, std::initializer_list<const char*> aItems);
    // The lists with fixed entries ("Weergave", "Manier van tonen", "Vorm"
    // and the colour-area extent of that item type), where present.
    void VulVasteLijsten(int nItemSoort);

    // Store (controls into m_pVelden) or load. A store fails only on a number
    // field of the strict kind that holds no number; it then says so, puts
    // the focus there and stops.
    bool WisselUit(bool bOpslaan);
    // What every button that changes fields behind the controls goes
    // through: the controls are stored first (text just typed into a field
    // that keeps the focus when a tool button is clicked would otherwise be
    // lost), then the action runs, then the controls are loaded again.
    // Nothing runs while a field holds what cannot be stored.
    template <typename F> void BewaarDoeLaad(F actie)
    {
        if (!WisselUit(true))
            return;
        actie();
        WisselUit(false);
    }

    // A control of the form by name, or null when this dialog has none.
    QWidget* Control(const char* szNaam) const;
    template <typename T> T* Control(const char* szNaam) const { return qobject_cast<T*>(Control(szNaam)); }
    void ZetIngeschakeld(std::initializer_list<const char*> aNamen, bool bAan) const;
    void ZetZichtbaar(std::initializer_list<const char*> aNamen, bool bAan) const;

    struct SControl {
        const SKoppeling* pKoppeling;
        QWidget* pWidget; // null for a radio group
        QButtonGroup* pGroep;
    };
    const std::vector<SControl>& Controls() const { return m_aControls; }
    // Whether a control takes part in this exchange; the options field and
    // the page list only while they are enabled.
    virtual bool DoetMee(const SControl& control) const;

    IMelder& m_melder;
    CDataItemVelden* m_pVelden = nullptr;
    bool m_bLaden = false; // set while the controls are being loaded
    // The border width as a plain number, refused when it is none (template dialogs).
    bool m_bStriktRand = false;

    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

private:
    void Wissel(const SControl& control, bool bOpslaan, bool& bGelukt);
    // Number fields, lists and sliders take the wheel only with the focus,
    // so scrolling the dialog never changes a value.
    void WielAlleenMetFocus();

    std::vector<SControl> m_aControls;
};
