#include "Picture.h"

#include "BeeldLading.h"
#include "PictureCache.h"

bool CPicture::Load(const QString& strPad)
{
    LoadZonderWachten(strPad);
    return IsLoaded();
}

void CPicture::LoadZonderWachten(const QString& strPad)
{
    m_pImage.reset();
    if (!strPad.isEmpty())
        m_pImage = CPictureCache::Instance().Get(strPad);
}

bool CPicture::LoadFromMemory(const QByteArray& data)
{
    m_pImage = std::make_shared<CBeeldLading>(CPictureCache::Decode(data));
    return IsLoaded();
}

const QImage* CPicture::Image() const
{
    return m_pImage ? m_pImage->Beeld() : nullptr;
}

QSize CPicture::GetSize() const
{
    const QImage* pBeeld = Image();
    return pBeeld ? pBeeld->size() : QSize(0, 0);
}
