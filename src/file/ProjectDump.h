#pragma once

#include <QByteArray>

struct CProjectInhoud;

// Every saved field of every record as JSON, in file order and with the
// fields' own names: for looking into a file without opening the editor.
QByteArray DumpProjectJson(const CProjectInhoud& inhoud);
