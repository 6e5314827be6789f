#pragma once

#include "DlgSjabloon.h"

// The templates of new texts, images and colour areas: their styling only;
// name, position and action of the template keep their values.
class CDlgSjabloonPaginaItem : public CDlgSjabloon {
    Q_OBJECT

protected:
    CDlgSjabloonPaginaItem(CDataItemBasis& sjabloon, CZerbantikoDoc& doc, IMelder& melder, QWidget* pOuder);
    void Open();
};
