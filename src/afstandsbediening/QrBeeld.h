#pragma once

#include <QImage>
#include <QString>

// A QR code for a text, black on white with the standard quiet zone, each
// module nModule pixels; null when the text does not fit a code.
QImage QrBeeld(const QString& strTekst, int nModule);
