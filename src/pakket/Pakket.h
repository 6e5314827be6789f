#pragma once

#include "Referenties.h"

#include <QString>

#include <functional>
#include <vector>

// A project with every file it names in one ZIP file (".zbz"): the project
// file byte for byte, each named file at the place where the project's path
// resolver finds it after unpacking, and a manifest (program, project file,
// each entry's stored paths, size and SHA-256) that unpacking checks.
namespace Pakket {

inline constexpr char szManifest[] = ".zerbantiko-pakket.json";

// Bytes done and bytes in all; false stops the work (nothing is left).
using Voortgang = std::function<bool(qint64 nGedaan, qint64 nTotaal)>;

struct SOnderzoek {
    QString strMelding; // why the project cannot be read; empty when it could
    std::vector<SReferentie> aReferenties; // placed
    // The references that will not be in the package (no file, or no place).
    std::vector<SReferentie> Ontbrekend() const;
};

// What packing the project would take; nothing is written.
SOnderzoek Onderzoek(const QString& strProject);

// "Niet gevonden:" with each stored path and who names it.
QString OntbrekendTekst(const std::vector<SReferentie>& aOntbrekend);

enum class Uitkomst { Gelukt, Ontbrekend, Geannuleerd, Fout, MapNietLeeg };

struct SResultaat {
    Uitkomst uitkomst = Uitkomst::Fout;
    QString strMelding; // in Dutch, for the operator
    std::vector<SReferentie> aOntbrekend;
    QString strProject; // unpacking: the project file written
};

// Packs strProject into strDoel: through a file beside it that takes its
// place at the end, so a failure leaves an old package as it was. With
// missing files refused (Uitkomst::Ontbrekend) unless bZonderOntbrekende.
SResultaat Inpakken(
    const QString& strProject, const QString& strDoel, bool bZonderOntbrekende, const Voortgang& voortgang = {});

// Unpacks strPakket into strMap after checking it whole: every name stays
// inside the folder, no links or devices, at most 10,000 entries, 8 GB in
// all and no more than the disk holds, no entry compressed beyond 200:1,
// and every entry's size and SHA-256 as the manifest says. Nothing is
// written unless all of it checks out. A folder that holds files already
// gives Uitkomst::MapNietLeeg unless bOverschrijven.
SResultaat Uitpakken(
    const QString& strPakket, const QString& strMap, bool bOverschrijven, const Voortgang& voortgang = {});

// The project's name as the package's manifest gives it (for the folder
// to suggest), or empty.
QString ProjectNaam(const QString& strPakket);

} // namespace Pakket
