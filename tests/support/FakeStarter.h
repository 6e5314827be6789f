#pragma once

#include "show/Starter.h"

#include <QStringList>

// Records what would be started and hands out processes the test controls.
class CFakeProces : public IProces {
public:
    explicit CFakeProces(int& nBeeindigd)
        : m_nBeeindigd(nBeeindigd)
    {
    }
    bool Loopt() override { return bLoopt; }
    void Beeindig() override
    {
        if (bLoopt)
            ++m_nBeeindigd;
        bLoopt = false;
    }
    bool bLoopt = true;

private:
    int& m_nBeeindigd;
};

class CFakeStarter : public IStarter {
public:
    std::unique_ptr<IProces> Start(const QString& strPad, const QString& strOpties) override
    {
        aGestart << strPad + u'|' + strOpties;
        if (bMislukt)
            return nullptr;
        auto p = std::make_unique<CFakeProces>(nBeeindigd);
        pLaatste = p.get();
        return p;
    }
    QStringList aGestart; // "path|options"
    bool bMislukt = false; // nothing starts
    int nBeeindigd = 0;
    CFakeProces* pLaatste = nullptr;
};
