#pragma once

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QString>

#include <memory>

class CBeeldLading;

// Decoded pictures by file, so that a project in which many elements name the
// same photo holds it once (and decodes it once). Entries are weak: a picture is freed as soon as
// no element shows it. The key includes size and modification time, so a file
// that was changed on disk is decoded anew.
class CPictureCache {
public:
    static CPictureCache& Instance();

    // Null when the file cannot be read or is no picture; else the file's
    // bytes, decoding in the background.
    std::shared_ptr<CBeeldLading> Get(const QString& strPad);

    static std::shared_ptr<const QImage> Decode(const QByteArray& data);
    // The format the first bytes of a file announce, for the formats photos
    // come in; empty when they announce none of those.
    static QByteArray FormaatVanKop(const QByteArray& kop);

private:
    struct SSleutel {
        QString strPad;
        qint64 nGrootte = 0;
        qint64 nGewijzigd = 0;
        friend bool operator==(const SSleutel&, const SSleutel&) = default;
    };
    friend size_t qHash(const SSleutel& k, size_t seed) { return qHashMulti(seed, k.strPad, k.nGrootte, k.nGewijzigd); }

    void Opruimen();

    QHash<SSleutel, std::weak_ptr<CBeeldLading>> m_map;
};
