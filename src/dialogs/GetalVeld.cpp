#include "GetalVeld.h"

#include "Getallen.h"

#include <QLineEdit>

#include <algorithm>

namespace {
constexpr int nPijlenBreedte = 28; // the spin arrows and the frame, in pixels
}

CGetalVeld::CGetalVeld(QWidget* pOuder)
    : QAbstractSpinBox(pOuder)
{
    setAccelerated(true); // a held arrow steps faster, as spin buttons do
    setKeyboardTracking(true);
    // Room for "100,0" beside the arrows.
    setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("100,00")) + nPijlenBreedte);
    connect(lineEdit(), &QLineEdit::textEdited, this, &CGetalVeld::bewerkt);
}

void CGetalVeld::Stel(double dStap, double dMin, double dMax, int nDecimalen)
{
    m_dStap = dStap;
    m_dMin = dMin;
    m_dMax = dMax;
    m_nDecimalen = nDecimalen;
}

QString CGetalVeld::Tekst() const
{
    return lineEdit()->text();
}

void CGetalVeld::ZetTekst(const QString& strTekst)
{
    lineEdit()->setText(strTekst);
}

double CGetalVeld::Waarde() const
{
    return Getallen::LeesGetal(Tekst());
}

void CGetalVeld::stepBy(int nStappen)
{
    const double d = std::clamp(Waarde() + m_dStap * nStappen, m_dMin, m_dMax);
    ZetTekst(m_nDecimalen > 0 ? Getallen::MetEenDecimaal(d) : QString::number(qRound(d)));
    emit bewerkt();
    emit gestapt();
}
