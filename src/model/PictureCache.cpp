#include "PictureCache.h"

#include "BeeldLading.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

CPictureCache& CPictureCache::Instance()
{
    static CPictureCache cache;
    return cache;
}

namespace {

// Qt refuses to decode a picture of more than 128 MB (about 33 megapixels)
// unless told otherwise; photos of current cameras are larger. This holds a
// picture of 268 megapixels at four bytes each, and a file that claims more
// (a hostile one can claim anything in a few bytes) is still refused before
// any memory is taken.
constexpr int nDecodeerLimietMB = 1024;

} // namespace

std::shared_ptr<const QImage> CPictureCache::Decode(const QByteArray& data)
{
    static const bool bLimiet = [] {
        QImageReader::setAllocationLimit(nDecodeerLimietMB);
        return true;
    }();
    Q_UNUSED(bLimiet);
    if (data.isEmpty())
        return nullptr;
    // The format comes from the content, whatever the file is called.
    QImage image = QImage::fromData(data);
    if (image.isNull())
        return nullptr;
    return std::make_shared<const QImage>(std::move(image));
}

std::shared_ptr<CBeeldLading> CPictureCache::Get(const QString& strPad)
{
    const QFileInfo info(strPad);
    if (!info.isFile())
        return nullptr;
    const SSleutel sleutel { info.absoluteFilePath(), info.size(), info.lastModified().toMSecsSinceEpoch() };
    if (auto it = m_map.constFind(sleutel); it != m_map.constEnd()) {
        if (auto p = it->lock())
            return p;
    }

    // A path in a project can name any file; no photo is this large, and a
    // file that is (or claims to be, as under /proc) is not read at all.
    constexpr qint64 nMaxBytes = 512ll * 1024 * 1024;
    if (info.size() > nMaxBytes)
        return nullptr;
    QFile file(strPad);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    // The first bytes tell whether this is a picture at all; a file that is
    // none is not read any further.
    {
        QImageReader kop(&file);
        kop.setDecideFormatFromContent(true);
        if (!kop.canRead())
            return nullptr;
    }
    if (!file.seek(0))
        return nullptr;
    const QByteArray data = file.read(nMaxBytes + 1);
    if (data.size() > nMaxBytes)
        return nullptr;
    auto p = std::make_shared<CBeeldLading>(data);
    CBeeldLading::StartOpAchtergrond(p);
    if (m_map.size() > 64)
        Opruimen();
    m_map.insert(sleutel, p);
    return p;
}

void CPictureCache::Opruimen()
{
    for (auto it = m_map.begin(); it != m_map.end();) {
        if (it->expired())
            it = m_map.erase(it);
        else
            ++it;
    }
}
