#include "VeldenDialoog.h"

#include "GetalVeld.h"
#include "Getallen.h"
#include "KleurKnop.h"
#include "LettertypeLijst.h"
#include "model/IMelder.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QIcon>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSlider>
#include <QToolButton>
#include <QToolTip>

#include <algorithm>

namespace {

constexpr int nSchuifMax = 100;
constexpr int nAantalMax = 100;
constexpr double dProcentStap = 0.1;
constexpr double dLettergrootteStap = 0.5;

// The small buttons carry a picture of what they do.
struct SKnopIcoon {
    const char* szOpschrift;
    const char* szThema;
};
constexpr SKnopIcoon aKnopIconen[] = {
    { "Kies", "document-open" },
    { "Wis", "edit-delete" },
    { "Start", "media-playback-start" },
    { "Open", "media-playback-start" },
    { "Stop", "media-playback-stop" },
    { "Top", "go-top" },
    { "Up", "go-up" },
    { "Down", "go-down" },
    { "Bottom", "go-bottom" },
};

const QString& NietEenGetal()
{
    static const QString s = QStringLiteral("Voer een getal in.");
    return s;
}

const QString& GeenProcent()
{
    static const QString s = QStringLiteral("Voer een getal tussen 0 en 100 in.");
    return s;
}

} // namespace

CVeldenDialoog::CVeldenDialoog(IMelder& melder, QWidget* pOuder)
    : QDialog(pOuder)
    , m_melder(melder)
{
}

QWidget* CVeldenDialoog::Control(const char* szNaam) const
{
    return findChild<QWidget*>(QLatin1String(szNaam));
}

void CVeldenDialoog::ZetIngeschakeld(std::initializer_list<const char*> aNamen, bool bAan) const
{
    for (const char* szNaam : aNamen)
        if (QWidget* p = Control(szNaam))
            p->setEnabled(bAan);
}

void CVeldenDialoog::ZetZichtbaar(std::initializer_list<const char*> aNamen, bool bAan) const
{
    for (const char* szNaam : aNamen)
        if (QWidget* p = Control(szNaam))
            p->setVisible(bAan);
}

void CVeldenDialoog::Koppel(std::span<const SKoppeling> aTabel, const CDataItemVelden& velden)
{
    for (const SKoppeling& k : aTabel) {
        QWidget* pWidget = Control(k.szControl);
        auto* pGroep = pWidget ? nullptr : findChild<QButtonGroup*>(QLatin1String(k.szControl));
        if (!pWidget && !pGroep)
            continue; // this dialog's form has no such control
        m_aControls.push_back({ &k, pWidget, pGroep });
        if (auto* pVeld = qobject_cast<CGetalVeld*>(pWidget)) {
            if (k.gedrag == Gedrag::Aantal)
                pVeld->Stel(1, 1, nAantalMax, 0);
            else
                pVeld->Stel(k.gedrag == Gedrag::Lettergrootte ? dLettergrootteStap : dProcentStap, 0, 100, 1);
        } else if (auto* pSchuif = qobject_cast<QSlider*>(pWidget)) {
            pSchuif->setRange(0, nSchuifMax);
            pSchuif->setTickPosition(QSlider::NoTicks);
            // The value in a tip while the slider is dragged.
            connect(pSchuif, &QSlider::sliderMoved, pSchuif,
                [pSchuif](int nWaarde) { QToolTip::showText(QCursor::pos(), QString::number(nWaarde), pSchuif); });
        } else if (auto* pKnop = qobject_cast<CKleurKnop*>(pWidget)) {
            if (k.nBandHoogte > 0)
                pKnop->ZetBandHoogte(k.nBandHoogte);
            // The palette's "Standaard" is the colour the field held when the dialog opened.
            if (const auto* pKleur = std::get_if<COLORREF CDataItemVelden::*>(&k.veld))
                pKnop->ZetStandaard(velden.**pKleur);
        }
    }
    WielAlleenMetFocus();
}

void CVeldenDialoog::WielAlleenMetFocus()
{
    for (QWidget* p : findChildren<QWidget*>()) {
        if (!qobject_cast<QAbstractSpinBox*>(p) && !qobject_cast<QComboBox*>(p) && !qobject_cast<QSlider*>(p))
            continue;
        p->setFocusPolicy(Qt::StrongFocus); // the wheel does not take the focus
        p->installEventFilter(this);
    }
}

bool CVeldenDialoog::eventFilter(QObject* pObject, QEvent* pEvent)
{
    // Scrolling over a field that the user is not in changes nothing.
    if (pEvent->type() == QEvent::Wheel) {
        auto* p = qobject_cast<QWidget*>(pObject);
        if (p && !p->hasFocus()
            && (qobject_cast<QAbstractSpinBox*>(p) || qobject_cast<QComboBox*>(p) || qobject_cast<QSlider*>(p))) {
            pEvent->ignore();
            return true;
        }
    }
    return QDialog::eventFilter(pObject, pEvent);
}

void CVeldenDialoog::ZetTooltips(std::span<const STooltip> aTooltips)
{
    for (const STooltip& t : aTooltips) {
        const QString strTekst = QString::fromUtf8(t.szTekst);
        if (QWidget* p = Control(t.szControl))
            p->setToolTip(strTekst);
        else if (auto* pGroep = findChild<QButtonGroup*>(QLatin1String(t.szControl)))
            for (QAbstractButton* pKnop : pGroep->buttons())
                pKnop->setToolTip(strTekst);
    }
}

void CVeldenDialoog::ZetIconen()
{
    for (QToolButton* pKnop : findChildren<QToolButton*>()) {
        if (qobject_cast<CKleurKnop*>(pKnop))
            continue;
        const QString strOpschrift = pKnop->text();
        const auto* pIcoon = std::find_if(std::begin(aKnopIconen), std::end(aKnopIconen),
            [&](const SKnopIcoon& i) { return strOpschrift == QLatin1String(i.szOpschrift); });
        if (pIcoon == std::end(aKnopIconen))
            continue;
        const QIcon icoon = QIcon::fromTheme(QLatin1String(pIcoon->szThema));
        if (icoon.isNull())
            continue; // the caption stays
        pKnop->setIcon(icoon);
        pKnop->setToolButtonStyle(Qt::ToolButtonIconOnly);
        pKnop->setAccessibleName(strOpschrift);
        if (pKnop->toolTip().isEmpty())
            pKnop->setToolTip(strOpschrift);
    }
}

void CVeldenDialoog::VulLijst(const char* szControl, std::initializer_list<const char*> aItems)
{
    auto* pLijst = Control<QComboBox>(szControl);
    if (!pLijst || pLijst->count() > 0)
        return;
    for (const char* sz : aItems)
        pLijst->addItem(QString::fromUtf8(sz));
}

void CVeldenDialoog::VulVasteLijsten(int nItemSoort)
{
    VulLijst("weergave", { "Beeldverhouding behouden", "Uitvullen (stretch)", "Uitvullen (zoom vanuit het midden)" });
    VulLijst(
        "manierVanTonen", { "Beeldverhouding behouden", "Uitvullen (stretch)", "Uitvullen (zoom vanuit het midden)" });
    VulLijst("vorm", { "Rechthoek", "Vierkant", "Ellips", "Cirkel" });
    if (nItemSoort == ItemSoort::Tekst)
        VulLijst("kleurvlakMaat",
            { "Grootte van het tekstvak", "Hoogte van het tekstvlak, over de volle breedte van het scherm",
                "Breedte van het tekstvlak, over de volle hoogte van het scherm" });
    else
        VulLijst(
            "kleurvlakMaat", { "kleurvlak afbeelding", "kleurvlak afbeelding hoogte", "kleurvlak afbeelding breedte" });
}

bool CVeldenDialoog::DoetMee(const SControl& control) const
{
    const Gedrag g = control.pKoppeling->gedrag;
    if (g == Gedrag::Opties || g == Gedrag::Sprong)
        return control.pWidget->isEnabled();
    return true;
}

bool CVeldenDialoog::WisselUit(bool bOpslaan)
{
    if (!m_pVelden)
        return false;
    const bool bWasLaden = m_bLaden;
    if (!bOpslaan)
        m_bLaden = true;
    bool bGelukt = true;
    for (const SControl& control : m_aControls) {
        if (!DoetMee(control))
            continue;
        Wissel(control, bOpslaan, bGelukt);
        if (!bGelukt)
            break;
    }
    m_bLaden = bWasLaden;
    return bGelukt;
}

void CVeldenDialoog::Wissel(const SControl& control, bool bOpslaan, bool& bGelukt)
{
    CDataItemVelden& v = *m_pVelden;
    QWidget* p = control.pWidget;
    const Gedrag gedrag
        = m_bStriktRand && control.pKoppeling->gedrag == Gedrag::Rand ? Gedrag::Strikt : control.pKoppeling->gedrag;
    std::visit(
        [&](auto pVeld) {
            auto& veld = v.*pVeld;
            using T = std::decay_t<decltype(veld)>;
            if constexpr (std::is_same_v<T, QString>) {
                if (auto* pFont = qobject_cast<CLettertypeLijst*>(p)) {
                    bOpslaan ? void(veld = pFont->Naam()) : pFont->Laad(veld);
                } else if (auto* pLijst = qobject_cast<QComboBox*>(p)) {
                    // A list of names: the chosen name. A stored name no entry
                    // has (a page renamed since) shows no choice and is kept.
                    if (!bOpslaan)
                        pLijst->setCurrentIndex(pLijst->findText(veld, Qt::MatchExactly | Qt::MatchCaseSensitive));
                    else if (pLijst->currentIndex() >= 0)
                        veld = pLijst->currentText();
                } else if (auto* pTekst = qobject_cast<QPlainTextEdit*>(p)) {
                    if (bOpslaan)
                        veld = pTekst->toPlainText();
                    else if (pTekst->toPlainText() != veld)
                        pTekst->setPlainText(veld);
                } else if (auto* pRegel = qobject_cast<QLineEdit*>(p)) {
                    if (bOpslaan)
                        veld = pRegel->text();
                    else if (pRegel->text() != veld)
                        pRegel->setText(veld); // keeps the cursor while typing
                }
            } else if constexpr (std::is_same_v<T, double>) {
                auto* pGetal = qobject_cast<CGetalVeld*>(p);
                if (!pGetal)
                    return;
                if (gedrag == Gedrag::Strikt) {
                    if (!bOpslaan) {
                        pGetal->ZetTekst(Getallen::KortGetal(veld));
                    } else if (const auto d = Getallen::LeesStriktGetal(pGetal->Tekst());
                               d && Getallen::IsProcent(*d)) {
                        veld = *d;
                    } else {
                        m_melder.Meld(d ? GeenProcent() : NietEenGetal());
                        pGetal->setFocus();
                        pGetal->selectAll();
                        bGelukt = false;
                    }
                } else if (bOpslaan) {
                    // A field showing what was loaded into it keeps the stored
                    // value as it is, decimals and all; an edited one is
                    // clamped here too, so a value confirmed while its field
                    // still has the focus is never stored out of range.
                    const QString strTekst = pGetal->Tekst();
                    if (strTekst != Getallen::MetEenDecimaal(veld)
                        && strTekst != Getallen::MetEenDecimaal(veld, QLatin1Char(',')))
                        veld = std::clamp(pGetal->Waarde(), 0.0, 100.0);
                } else {
                    pGetal->ZetTekst(Getallen::MetEenDecimaal(veld));
                }
            } else if constexpr (std::is_same_v<T, COLORREF>) {
                if (auto* pKnop = qobject_cast<CKleurKnop*>(p))
                    bOpslaan ? void(veld = pKnop->Kleur()) : pKnop->ZetKleur(veld);
            } else {
                if (control.pGroep) {
                    const QList<QAbstractButton*> aKnoppen = control.pGroep->buttons();
                    if (bOpslaan) {
                        // A stored value without a button (an odd value in a
                        // file) is kept while none is checked.
                        if (QAbstractButton* pAan = control.pGroep->checkedButton())
                            veld = qint32(aKnoppen.indexOf(pAan));
                    } else if (veld >= 0 && veld < aKnoppen.size()) {
                        aKnoppen[veld]->setChecked(true);
                    } else if (QAbstractButton* pAan = control.pGroep->checkedButton()) {
                        // No button stands for this value: none is checked.
                        control.pGroep->setExclusive(false);
                        pAan->setChecked(false);
                        control.pGroep->setExclusive(true);
                    }
                } else if (auto* pVink = qobject_cast<QCheckBox*>(p)) {
                    bOpslaan ? void(veld = pVink->isChecked() ? 1 : 0) : pVink->setChecked(veld != 0);
                } else if (auto* pLijst = qobject_cast<QComboBox*>(p)) {
                    // A stored value without an entry (a monitor of another
                    // computer) shows no choice and is kept as it is.
                    if (!bOpslaan)
                        pLijst->setCurrentIndex(veld >= 0 && veld < pLijst->count() ? veld : -1);
                    else if (pLijst->currentIndex() >= 0)
                        veld = pLijst->currentIndex();
                } else if (auto* pSchuif = qobject_cast<QSlider*>(p)) {
                    bOpslaan ? void(veld = pSchuif->value()) : pSchuif->setValue(veld);
                } else if (auto* pGetal = qobject_cast<CGetalVeld*>(p)) {
                    bOpslaan ? void(veld = Getallen::LeesGeheel(pGetal->Tekst()))
                             : pGetal->ZetTekst(QString::number(veld));
                }
            }
        },
        control.pKoppeling->veld);
}
