#pragma once

#include <QString>

class CDataItemBasis;
class IKlok;

// Date and time fields such as "[T2]" or "[DD] [D2]" in the texts of items.
// The stored text keeps its fields; every paint shows them filled in.

// What the fields read besides the text itself.
struct SVeldBron {
    const IKlok& klok;
    QString strProjectNaam; // "[N]": the project's name at the last start of a show
};

// Replaces every field in the text by its current value, in a fixed order,
// each field everywhere it occurs. *pGebruikt tells whether any field was
// filled in.
QString VulVeldenIn(const QString& strTekst, const SVeldBron& bron, bool* pGebruikt = nullptr);

// Whether the text holds a field.
bool BevatVeld(const QString& strTekst);
// Whether the element's own text, or that of any child, holds a field.
bool HeeftVelden(const CDataItemBasis& element);
