#pragma once

#include "app/IBestandsKiezer.h"

#include <QStringList>

// File choices as the test sets them; records what it was asked.
class CFakeKiezer : public IBestandsKiezer {
public:
    QString KiesOpen(QWidget*) override
    {
        ++nOpenGevraagd;
        return strOpen;
    }
    QString KiesOpslaan(QWidget*, const QString& strVoorstel) override
    {
        aVoorstellen << strVoorstel;
        return strOpslaan;
    }

    QString strOpen;
    QString strOpslaan;
    int nOpenGevraagd = 0;
    QStringList aVoorstellen;
};
