#pragma once

#include "BestandsFout.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <memory>

class QIODevice;
class CZerbantikoDoc;
struct CProjectInhoud;

// The ".zb" project file: a header naming the version, the project record
// with its pages and items, then the template records.
namespace ProjectBestand {

inline constexpr char szVersieHuidig[] = "Zerbantiko 002.000.001.072";
inline constexpr char szVersie63[] = "Dit is een casus van Zerbantiko 2.0.0.63";
inline constexpr char szVersie55[] = "Dit is een casus van Zerbantiko 2.0.0.55";

struct SLeesOpties {
    bool bAfbeeldingenLaden = true; // off where only the saved fields matter
};

// Reads a whole project file into inhoud, which should be freshly made.
// strBestand names the file in messages and gives the name for a project
// still called "<nieuw project>".
CBestandsResultaat Lees(
    QByteArrayView data, const QString& strBestand, CProjectInhoud& inhoud, const SLeesOpties& opties = {});
// Reads the project file strPad: only a regular file, and no further than
// its header when that names no project.
CBestandsResultaat LeesBestand(const QString& strPad, CProjectInhoud& inhoud, const SLeesOpties& opties = {});

// The bytes of the current format for the document's project and templates.
QByteArray Schrijf(const CZerbantikoDoc& doc);
// The same for a copy of what the document holds (see Momentopname): a copy
// taken on the user-interface thread is written on a worker.
QByteArray Schrijf(const CProjectInhoud& inhoud);
// A copy of everything the document writes, taken in a few milliseconds even
// for a large project: the texts are shared, not copied.
std::unique_ptr<CProjectInhoud> Momentopname(const CZerbantikoDoc& doc);
bool Schrijf(QIODevice& doel, const CZerbantikoDoc& doc);

// Opens strPad into the document. On any failure the open project stays
// exactly as it was and the result carries the message.
CBestandsResultaat Open(CZerbantikoDoc& doc, const QString& strPad);

// Saves the document as strPad through a temporary file beside it that
// replaces the old file only once it is complete on disk. On failure the old
// file is untouched and the document stays modified.
CBestandsResultaat Opslaan(CZerbantikoDoc& doc, const QString& strPad);

} // namespace ProjectBestand
