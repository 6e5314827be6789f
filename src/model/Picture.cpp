#include "Picture.h"

#include "PictureCache.h"

bool CPicture::Load(const QString& strPad)
{
    m_pImage.reset();
    if (strPad.isEmpty())
        return false;
    m_pImage = CPictureCache::Instance().Get(strPad);
    return IsLoaded();
}

bool CPicture::LoadFromMemory(const QByteArray& data)
{
    m_pImage = CPictureCache::Decode(data);
    return IsLoaded();
}
