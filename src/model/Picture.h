#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <memory>

class CBeeldLading;

// A decoded picture held by an element. Several elements naming the same
// unchanged file share one decoded copy (see CPictureCache); the element
// still behaves as if it owned the picture: loading another path replaces it,
// and a failed load leaves it empty. A file is read at once but decoded in
// the background; whoever asks for the picture first waits for it.
class CPicture {
public:
    // Loads the local file strPad (as CBestandZoeker found it); an empty
    // path leaves the picture empty.
    bool Load(const QString& strPad);
    // The same without waiting for the picture: a project being opened
    // starts all its pictures and lets them decode meanwhile.
    void LoadZonderWachten(const QString& strPad);
    bool LoadFromMemory(const QByteArray& data);
    void Release() { m_pImage.reset(); }

    bool IsLoaded() const { return Image() != nullptr; }
    // In pixels; only the ratio and proportional parts of it are ever used.
    QSize GetSize() const;
    const QImage* Image() const;
    // The size without decoding when the file's header told it.
    QSize Maat() const;
    // For drawing the part bron of the picture (in the pixels of the whole
    // one, of size Maat()) into a rectangle of size doel: the whole picture,
    // or during a first paint while it is not decoded yet one decoded smaller
    // that still has a pixel for each one drawn (see CBeeldLading). Held by
    // the caller while it draws.
    std::shared_ptr<const QImage> ImageVoor(const QSize& doel, const QSize& bron) const;
    // A file was named and read but it would not decode (it is truncated or
    // corrupt): drawn as missing, and worth telling the operator about.
    bool Mislukt() const { return m_pImage && !Image(); }

private:
    std::shared_ptr<CBeeldLading> m_pImage;
};
