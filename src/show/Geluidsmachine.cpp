#include "Geluidsmachine.h"

#include "model/BestandZoeker.h"

float VolumeStap(float fVolume, double dStap)
{
    const float f = float(double(fVolume) + dStap);
    if (!(f < 1.0f))
        return 1.0f;
    if (!(f > 0.0f))
        return 0.0f;
    return f;
}

SGong ProjectGong(const CBestandZoeker& zoeker, const QString& strOpgeslagen, bool bIngebouwd)
{
    if (bIngebouwd || strOpgeslagen.isEmpty())
        return SGong::Ingebouwd();
    return SGong::Eigen(zoeker.Zoek(strOpgeslagen));
}
