#pragma once

#include "show/Geluidsmachine.h"

#include <QStringList>

// Records every sound request; the current sound plays until stopped.
class CFakeGeluid : public IGeluidsmachine {
public:
    void SpeelItemGeluid(const QString& strPad, int nVolume) override
    {
        aVerzoeken << QStringLiteral("speel %1 %2").arg(strPad).arg(nVolume);
        bSpeelt = true;
    }
    void SpeelGong(const SGong& gong) override
    {
        aVerzoeken << (gong.bEigen ? QStringLiteral("gong eigen ") + gong.strPad : QStringLiteral("gong ingebouwd"));
    }
    void StopHuidig() override
    {
        if (bSpeelt)
            aVerzoeken << QStringLiteral("stop");
        bSpeelt = false;
    }
    bool HuidigLoopt() const override { return bSpeelt; }
    bool ApparaatVerdwenen() override
    {
        const bool b = bVerdwenen;
        if (b)
            bSpeelt = false;
        bVerdwenen = false;
        return b;
    }
    bool bVerdwenen = false;

    QStringList aVerzoeken;
    bool bSpeelt = false;
};
