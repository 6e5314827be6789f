#pragma once

class CDataItemBasis;
class CZerbantikoDoc;

enum class EigenschappenDialoog { Project, Pagina, Tekst, Afbeelding, Kleurvlak };

// The property dialogs, supplied by the dialog layer. Toon shows the dialog
// for the element modally and returns its result (1 OK, 0 cancel).
class IEigenschappenDialogen {
public:
    virtual ~IEigenschappenDialogen() = default;
    virtual int Toon(EigenschappenDialoog soort, CDataItemBasis& element, CZerbantikoDoc& doc) = 0;
};
