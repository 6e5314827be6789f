#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Windows-1252, the code page project files are written in. Every byte maps
// to one character (the five unassigned bytes to the C1 controls of the same
// number, as Windows does), so any byte string reads back unchanged.
namespace Cp1252 {

QString Decodeer(QByteArrayView bytes);
// False when a character has no byte in the code page.
bool Codeer(const QString& strTekst, QByteArray& uit);

} // namespace Cp1252
