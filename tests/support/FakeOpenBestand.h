#pragma once

#include "dialogs/IOpenBestand.h"

#include <QStringList>

// The file the test chooses; records the filters it was shown.
class CFakeOpenBestand : public IOpenBestand {
public:
    QString Kies(QWidget*, const QString& strBegin, const QString& strFilter) override
    {
        aBegin << strBegin;
        aFilters << strFilter;
        return strKeuze;
    }

    QString strKeuze;
    QStringList aBegin;
    QStringList aFilters;
};
