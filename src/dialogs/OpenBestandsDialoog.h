#pragma once

#include "IOpenBestand.h"

// The platform's open-file dialog.
class COpenBestandsDialoog : public IOpenBestand {
public:
    QString Kies(QWidget* pOuder, const QString& strBegin, const QString& strFilter) override;
    // "Afbeeldingen (*.jpg)|*.jpg|...||" as Qt's name filters.
    static QString QtFilter(const QString& strFilter);
};
