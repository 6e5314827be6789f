#include "KleurKnop.h"

#include "Modaal.h"
#include "render/Tekenaar.h"

#include <QColorDialog>
#include <QEventLoop>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QVBoxLayout>

namespace {

constexpr int nCel = 18; // pixels
constexpr int nKolommen = 8;
constexpr int nRand = 4; // the band's distance from the button's edges

const CKleurKnop::SPaletKleur g_aPalet[] = {
    { "Black", RGB(0x00, 0x00, 0x00) },
    { "Brown", RGB(0xA5, 0x2A, 0x2A) },
    { "Dark Olive Green", RGB(0x00, 0x40, 0x40) },
    { "Dark Green", RGB(0x00, 0x55, 0x00) },
    { "Dark Teal", RGB(0x00, 0x00, 0x5E) },
    { "Dark blue", RGB(0x00, 0x00, 0x8B) },
    { "Indigo", RGB(0x4B, 0x00, 0x82) },
    { "Dark grey", RGB(0x28, 0x28, 0x28) },
    { "Dark red", RGB(0x8B, 0x00, 0x00) },
    { "Orange", RGB(0xFF, 0x68, 0x20) },
    { "Dark yellow", RGB(0x8B, 0x8B, 0x00) },
    { "Green", RGB(0x00, 0x93, 0x00) },
    { "Teal", RGB(0x38, 0x8E, 0x8E) },
    { "Blue", RGB(0x00, 0x00, 0xFF) },
    { "Blue-grey", RGB(0x7B, 0x7B, 0xC0) },
    { "Grey - 60", RGB(0x66, 0x66, 0x66) },
    { "Red", RGB(0xFF, 0x00, 0x00) },
    { "Light orange", RGB(0xFF, 0xAD, 0x5B) },
    { "Lime", RGB(0x32, 0xCD, 0x32) },
    { "Sea green", RGB(0x3C, 0xB3, 0x71) },
    { "Aqua", RGB(0x7F, 0xFF, 0xD4) },
    { "Light blue", RGB(0x7D, 0x9E, 0xC0) },
    { "Violet", RGB(0x80, 0x00, 0x80) },
    { "Grey - 50", RGB(0x7F, 0x7F, 0x7F) },
    { "Pink", RGB(0xFF, 0xC0, 0xCB) },
    { "Gold", RGB(0xFF, 0xD7, 0x00) },
    { "Yellow", RGB(0xFF, 0xFF, 0x00) },
    { "Bright green", RGB(0x00, 0xFF, 0x00) },
    { "Turquoise", RGB(0x40, 0xE0, 0xD0) },
    { "Skyblue", RGB(0xC0, 0xFF, 0xFF) },
    { "Plum", RGB(0x48, 0x00, 0x48) },
    { "Light grey", RGB(0xC0, 0xC0, 0xC0) },
    { "Rose", RGB(0xFF, 0xE4, 0xE1) },
    { "Tan", RGB(0xD2, 0xB4, 0x8C) },
    { "Light yellow", RGB(0xFF, 0xFF, 0xE0) },
    { "Pale green ", RGB(0x98, 0xFB, 0x98) },
    { "Pale turquoise", RGB(0xAF, 0xEE, 0xEE) },
    { "Pale blue", RGB(0x68, 0x83, 0x8B) },
    { "Lavender", RGB(0xE6, 0xE6, 0xFA) },
    { "White", RGB(0xFF, 0xFF, 0xFF) },
};

QIcon Staal(COLORREF clr, int nMaat)
{
    QPixmap pm(nMaat, nMaat);
    pm.fill(NaarQColor(clr));
    QPainter p(&pm);
    p.setPen(Qt::gray);
    p.drawRect(0, 0, nMaat - 1, nMaat - 1);
    return QIcon(pm);
}

} // namespace

// The popup palette: the cells, then "Standaard" and "Meer...". The arrow
// keys move between cells, Enter or Space chooses, Escape closes.
class CKleurPalet : public QFrame {
public:
    CKleurPalet(CKleurKnop& knop)
        : QFrame(&knop, Qt::Popup)
        , m_knop(knop)
    {
        setFrameShape(QFrame::StyledPanel);
        auto* pLayout = new QVBoxLayout(this);
        pLayout->setContentsMargins(4, 4, 4, 4);
        auto* pRaster = new QGridLayout;
        pRaster->setSpacing(1);
        const COLORREF clrNu = knop.Kleur();
        int nAantal = 0;
        const CKleurKnop::SPaletKleur* pPalet = CKleurKnop::Palet(nAantal);
        QWidget* pEerste = nullptr;
        for (int i = 0; i < nAantal; ++i) {
            auto* pCel = new QToolButton(this);
            pCel->setObjectName(QStringLiteral("cel%1").arg(i));
            pCel->setIcon(Staal(pPalet[i].clr, nCel - 4));
            pCel->setFixedSize(nCel + 4, nCel + 4);
            pCel->setToolTip(QString::fromLatin1(pPalet[i].szNaam));
            pCel->setAutoRaise(true);
            pCel->setCheckable(true);
            pCel->setChecked(pPalet[i].clr == clrNu && clrNu != knop.Standaard());
            const COLORREF clr = pPalet[i].clr;
            connect(pCel, &QToolButton::clicked, this, [this, clr] { Kies(clr); });
            pRaster->addWidget(pCel, i / nKolommen, i % nKolommen);
            m_aCellen << pCel;
            if (pCel->isChecked())
                pEerste = pCel;
        }
        pLayout->addLayout(pRaster);
        m_pStandaard = new QPushButton(Staal(knop.Standaard(), 12), QStringLiteral("Standaard"), this);
        m_pStandaard->setObjectName(QStringLiteral("standaard"));
        m_pStandaard->setCheckable(true);
        m_pStandaard->setChecked(clrNu == knop.Standaard());
        connect(m_pStandaard, &QPushButton::clicked, this, [this] { Kies(m_knop.Standaard()); });
        auto* pMeer = new QPushButton(QStringLiteral("Meer..."), this);
        pMeer->setObjectName(QStringLiteral("meer"));
        connect(pMeer, &QPushButton::clicked, this, [this] { Meer(); });
        auto* pKnoppen = new QHBoxLayout;
        pKnoppen->addWidget(m_pStandaard);
        pKnoppen->addWidget(pMeer);
        pLayout->addLayout(pKnoppen);
        (pEerste ? pEerste : static_cast<QWidget*>(m_pStandaard))->setFocus();
    }

    void Kies(COLORREF clr)
    {
        m_keuze = clr;
        close();
    }
    void Meer()
    {
        const QColor begin = NaarQColor(m_knop.Kleur());
        m_bInMeer = true;
        hide(); // the chooser stands on its own
        const std::optional<QColor> kleur = m_knop.m_kiesMeer ? m_knop.m_kiesMeer(begin, &m_knop) : std::nullopt;
        m_bInMeer = false;
        if (kleur && kleur->isValid())
            m_keuze = RGB(kleur->red(), kleur->green(), kleur->blue());
        if (m_pLus)
            m_pLus->quit();
    }
    std::optional<COLORREF> Keuze() const { return m_keuze; }

protected:
    void keyPressEvent(QKeyEvent* pEvent) override
    {
        const qsizetype i = m_aCellen.indexOf(focusWidget());
        int nStap = 0;
        switch (pEvent->key()) {
        case Qt::Key_Left:
            nStap = -1;
            break;
        case Qt::Key_Right:
            nStap = 1;
            break;
        case Qt::Key_Up:
            nStap = -nKolommen;
            break;
        case Qt::Key_Down:
            nStap = nKolommen;
            break;
        default:
            return QFrame::keyPressEvent(pEvent);
        }
        const qsizetype n = m_aCellen.size();
        m_aCellen[i < 0 ? 0 : ((i + nStap) % n + n) % n]->setFocus();
    }
    void hideEvent(QHideEvent* pEvent) override
    {
        QFrame::hideEvent(pEvent);
        if (m_pLus && !m_bInMeer)
            m_pLus->quit();
    }

public:
    QEventLoop* m_pLus = nullptr;
    bool m_bInMeer = false;

private:
    CKleurKnop& m_knop;
    QList<QWidget*> m_aCellen;
    QPushButton* m_pStandaard = nullptr;
    std::optional<COLORREF> m_keuze;
};

CKleurKnop::CKleurKnop(QWidget* pOuder)
    : QToolButton(pOuder)
{
    setText(QStringLiteral("Kleur"));
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_kiesMeer = [](const QColor& begin, QWidget* pOuderVenster) -> std::optional<QColor> {
        QColorDialog dlg(begin, pOuderVenster);
        if (ToonModaal(dlg) != QDialog::Accepted || !dlg.selectedColor().isValid())
            return std::nullopt;
        return dlg.selectedColor();
    };
    connect(this, &QToolButton::clicked, this, &CKleurKnop::OpenPalet);
}

const CKleurKnop::SPaletKleur* CKleurKnop::Palet(int& nAantal)
{
    nAantal = int(std::size(g_aPalet));
    return g_aPalet;
}

void CKleurKnop::ZetKleur(COLORREF clr)
{
    m_kleur = clr == clrStandaard ? m_clrStandaard : clr;
    update();
}

COLORREF CKleurKnop::Kleur() const
{
    return m_kleur.value_or(m_clrStandaard);
}

void CKleurKnop::ZetBandHoogte(int nPixels)
{
    m_nBandHoogte = nPixels;
    updateGeometry();
    update();
}

void CKleurKnop::Kies(COLORREF clr)
{
    m_kleur = clr;
    update();
    emit kleurGekozen();
}

void CKleurKnop::OpenPalet()
{
    CKleurPalet palet(*this);
    palet.adjustSize();
    palet.move(mapToGlobal(QPoint(0, height())));
    QEventLoop lus;
    palet.m_pLus = &lus;
    palet.show();
    lus.exec();
    if (const std::optional<COLORREF> keuze = palet.Keuze())
        Kies(*keuze);
}

QSize CKleurKnop::sizeHint() const
{
    const QSize s = QToolButton::sizeHint();
    return { qMax(s.width(), 80), s.height() + m_nBandHoogte + nRand };
}

void CKleurKnop::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionToolButton optie;
    initStyleOption(&optie);
    optie.text.clear();
    p.drawComplexControl(QStyle::CC_ToolButton, optie);
    const QRect band(nRand, height() - nRand - m_nBandHoogte, width() - 2 * nRand, m_nBandHoogte);
    const QRect tekst(nRand + 2, 0, width() - 2 * nRand, band.top());
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(tekst, Qt::AlignLeft | Qt::AlignVCenter, text());
    if (m_kleur && isEnabled())
        p.fillRect(band, NaarQColor(*m_kleur));
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(band.adjusted(0, 0, -1, -1));
}
