#pragma once

#include "model/IEigenschappenDialogen.h"

class IGong;
class IMelder;
class IOpenBestand;
class QWidget;

// Opens the property dialog that belongs to an element, over the editor's
// main window.
class CEigenschappenDialogen : public IEigenschappenDialogen {
public:
    // pGong: the project dialog's gong buttons play through it; none in a test.
    CEigenschappenDialogen(IMelder& melder, IOpenBestand& kiezer, IGong* pGong = nullptr);

    void SetOuder(QWidget* pOuder) { m_pOuder = pOuder; }
    int Toon(EigenschappenDialoog soort, CDataItemBasis& element, CZerbantikoDoc& doc) override;

private:
    IMelder& m_melder;
    IOpenBestand& m_kiezer;
    IGong* m_pGong;
    QWidget* m_pOuder = nullptr;
};
