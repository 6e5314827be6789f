#pragma once

#include <QString>

class CDataItemBasis;
class IKlok;

// Date and time fields such as "[T2]" or "[DD] [D2]" in the texts of items.
// The stored text keeps its fields; every paint shows them filled in.
namespace TekstVelden {

// The clock the fields read; the computer's clock unless a test sets another.
void SetKlok(const IKlok* pKlok);
const IKlok& Klok();

// The project's name as copied at the last start of a show ("[N]").
void SetProjectNaam(const QString& strNaam);

// Set by VulVeldenIn when it filled in at least one field; never cleared by it.
extern bool g_bVeldenGebruikt;

} // namespace TekstVelden

// Replaces every field in the text by its current value, in a fixed order,
// each field everywhere it occurs.
QString VulVeldenIn(const QString& strTekst);

// Whether the element's own text, or that of any child, holds a field.
bool HeeftVelden(const CDataItemBasis& element);
