#include "Picture.h"

#include "PictureCache.h"

#include <QDir>

namespace {
QString g_strBasisMap;
int g_nZonderBestanden = 0;
} // namespace

CPicture::CZonderBestanden::CZonderBestanden()
{
    ++g_nZonderBestanden;
}

CPicture::CZonderBestanden::~CZonderBestanden()
{
    --g_nZonderBestanden;
}

void CPicture::SetBasisMap(const QString& strMap)
{
    g_strBasisMap = strMap;
}

const QString& CPicture::BasisMap()
{
    return g_strBasisMap;
}

bool CPicture::Load(const QString& strPad, const QString& strMap)
{
    m_pImage.reset();
    if (strPad.isEmpty() || g_nZonderBestanden > 0)
        return false;
    const bool bRelatief = QDir::isRelativePath(strPad) && !strMap.isEmpty();
    m_pImage = CPictureCache::Instance().Get(bRelatief ? QDir(strMap).filePath(strPad) : strPad);
    return IsLoaded();
}

bool CPicture::LoadFromMemory(const QByteArray& data)
{
    m_pImage = CPictureCache::Decode(data);
    return IsLoaded();
}
