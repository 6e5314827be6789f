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

struct SHandtekening {
    const char* szFormaat;
    qsizetype nPositie;
    QByteArrayView bytes;
};

// Asking Qt to tell the format from the content loads every picture plugin it
// has (and their libraries) to ask each; for the formats photos come in the
// first bytes say which one to ask, and a JPEG loads the JPEG plugin alone.
constexpr SHandtekening aHandtekeningen[] = {
    { "jpeg", 0, QByteArrayView("\xFF\xD8\xFF", 3) },
    { "png", 0, QByteArrayView("\x89PNG\r\n\x1A\n", 8) },
    { "gif", 0, QByteArrayView("GIF8", 4) },
    { "bmp", 0, QByteArrayView("BM", 2) },
    { "webp", 8, QByteArrayView("WEBP", 4) },
    { "tiff", 0, QByteArrayView("II*\0", 4) },
    { "tiff", 0, QByteArrayView("MM\0*", 4) },
};

} // namespace

QByteArray CPictureCache::FormaatVanKop(const QByteArray& kop)
{
    for (const auto& h : aHandtekeningen) {
        if (kop.size() >= h.nPositie + h.bytes.size()
            && QByteArrayView(kop).sliced(h.nPositie, h.bytes.size()) == h.bytes)
            return QByteArray(h.szFormaat);
    }
    return {};
}

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
    const QByteArray formaat = FormaatVanKop(data.first(qMin(data.size(), qsizetype(16))));
    QImage image = QImage::fromData(data, formaat.isEmpty() ? nullptr : formaat.constData());
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
    const QByteArray formaat = FormaatVanKop(file.peek(16));
    QSize maat;
    {
        QImageReader kop(&file, formaat);
        kop.setDecideFormatFromContent(formaat.isEmpty());
        if (!kop.canRead())
            return nullptr;
        // The header's size is the decoded one's unless the picture is turned on reading.
        if (!kop.autoTransform() || !(kop.transformation() & QImageIOHandler::TransformationRotate90))
            maat = kop.size();
    }
    if (!file.seek(0))
        return nullptr;
    const QByteArray data = file.read(nMaxBytes + 1);
    if (data.size() > nMaxBytes)
        return nullptr;
    auto p = std::make_shared<CBeeldLading>(data, maat, formaat);
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
