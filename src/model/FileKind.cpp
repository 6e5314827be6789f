#include "FileKind.h"

namespace {

bool ExtensieInLijst(const QString& strPad, QStringView lijst)
{
    if (strPad.isEmpty())
        return false;
    const qsizetype nScheiding = qMax(strPad.lastIndexOf(u'/'), strPad.lastIndexOf(u'\\'));
    const qsizetype nPunt = strPad.lastIndexOf(u'.');
    if (nPunt < 0 || nPunt < nScheiding)
        return false;
    const QString strExt = strPad.mid(nPunt).toLower();
    return !strExt.isEmpty() && lijst.contains(strExt);
}

} // namespace

bool IsImageFile(const QString& strPad)
{
    return ExtensieInLijst(strPad, u".jpg|.jpeg|.bmp|.png");
}

bool IsSoundFile(const QString& strPad)
{
    return ExtensieInLijst(strPad, u".wav|.mp3|.flac|.ogg");
}
