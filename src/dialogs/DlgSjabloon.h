#pragma once

#include "VeldenDialoog.h"

#include <memory>

class CDataItemBasis;
class CZerbantikoDoc;

// A dialog on one of the project's templates for new elements. It works on
// a copy; only OK writes it back, as one step on the undo stack, and
// nothing shows in the designer meanwhile.
class CDlgSjabloon : public CVeldenDialoog {
    Q_OBJECT

public:
    ~CDlgSjabloon() override;
    void accept() override;

    const CDataItemBasis& Kopie() const { return *m_pKopie; }

protected:
    CDlgSjabloon(CDataItemBasis& sjabloon, CZerbantikoDoc& doc, IMelder& melder, QWidget* pOuder);
    // After the form is set up: the lists, tooltips, the controls loaded.
    void Open(std::span<const SKoppeling> aTabel);

    CDataItemBasis& m_sjabloon;
    CZerbantikoDoc& m_doc;
    std::unique_ptr<CDataItemBasis> m_pKopie;
};
