#pragma once

#include <QString>

#include <optional>

// How the dialogs read and write the numbers in their fields. Users type a
// comma or a point as the decimal separator; both mean the same.
namespace Getallen {

// Leading blanks, an optional sign, digits, a decimal separator and digits;
// reading stops at the first other character, and no number at all reads as 0.
double LeesGetal(const QString& strTekst);
// The same for whole numbers: the digits before any other character.
int LeesGeheel(const QString& strTekst);
// Clamped to 0..100 and reduced to one decimal, as the fields show it.
double Procent(double d);
// One decimal with the separator given ("12.5" or "12,5").
QString MetEenDecimaal(double d, QChar cScheiding = QLatin1Char('.'));
// A plain decimal number with a point: blanks or tabs around it, an optional
// sign and exponent; a zero must start with the digit 0. None otherwise, and
// none for what does not fit a double ("1e999").
std::optional<double> LeesStriktGetal(const QString& strTekst);
// Whether d lies in the range of the percentage fields, 0..100.
bool IsProcent(double d);
// Up to 15 significant digits, so 0.1 shows as 0.1.
QString KortGetal(double d);

} // namespace Getallen
