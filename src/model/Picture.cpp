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

QSize CPicture::Maat() const
{
    return m_pImage ? m_pImage->Maat() : QSize();
}

std::shared_ptr<const QImage> CPicture::ImageVoor(const QSize& doel, const QSize& bron) const
{
    if (!m_pImage)
        return nullptr;
    const QSize maat = m_pImage->Maat();
    if (!maat.isValid() || bron.isEmpty())
        return m_pImage->BeeldVanMinstens(maat);
    // Each drawn pixel's share of the whole picture.
    const QSize minimaal(int((qint64(doel.width()) * maat.width() + bron.width() - 1) / bron.width()),
        int((qint64(doel.height()) * maat.height() + bron.height() - 1) / bron.height()));
    return m_pImage->BeeldVanMinstens(minimaal);
}
