#pragma once

#include <QString>

// Why a project file could not be read or written. The texts are the ones
// users of this file format have always seen.
enum class FoutSoort {
    Geen,
    VoorbijEinde, // "Attempted to access %1 past its end."
    OnverwachtObject, // "%1 contained an unexpected object."
    VerkeerdSchema, // "%1 contains an incorrect schema."
    OngeldigFormaat, // "%1 has a bad format."
    OnverwachtFormaat, // "Unexpected file format."
    Openen, // the file could not be opened
    Opslaan, // the file could not be written
};

struct CBestandsResultaat {
    FoutSoort soort = FoutSoort::Geen;
    qint64 nOffset = -1; // where in the file reading stopped, for the read errors
    QString strMelding; // ready to show; empty on success

    bool Gelukt() const { return soort == FoutSoort::Geen; }
};

// The message for a read error, with the file name for %1.
QString FoutMelding(FoutSoort soort, const QString& strBestand);

// An error while reading; the reader throws it and LeesProject turns it into a result.
struct CArchiefFout {
    FoutSoort soort;
    qint64 nOffset;
};
