#pragma once

#include <QAbstractSpinBox>

// A number field with a spin button beside it. The text is whatever the user
// types (a comma or a point as the decimal separator); the arrows read it,
// step, clamp and write the result back with a point.
class CGetalVeld : public QAbstractSpinBox {
    Q_OBJECT

public:
    explicit CGetalVeld(QWidget* pOuder = nullptr);

    // Step per arrow press, the range, and 1 or 0 decimals.
    void Stel(double dStap, double dMin, double dMax, int nDecimalen);
    QString Tekst() const;
    // Sets the text without telling anyone.
    void ZetTekst(const QString& strTekst);
    double Waarde() const;

    void stepBy(int nStappen) override;
    QValidator::State validate(QString&, int&) const override { return QValidator::Acceptable; }

signals:
    // The text changed: by typing, or by an arrow.
    void bewerkt();
    // An arrow changed the value (after bewerkt).
    void gestapt();

protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }

private:
    double m_dStap = 0.1;
    double m_dMin = 0.0;
    double m_dMax = 100.0;
    int m_nDecimalen = 1;
};
