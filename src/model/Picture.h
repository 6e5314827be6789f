#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <memory>

// A decoded picture held by an element. Several elements naming the same
// unchanged file share one decoded copy (see CPictureCache); the element
// still behaves as if it owned the picture: loading another path replaces it,
// and a failed load leaves it empty.
class CPicture {
public:
    // Loads the local file strPad (as CBestandZoeker found it); an empty
    // path leaves the picture empty.
    bool Load(const QString& strPad);
    bool LoadFromMemory(const QByteArray& data);
    void Release() { m_pImage.reset(); }

    bool IsLoaded() const { return m_pImage != nullptr; }
    // In pixels; only the ratio and proportional parts of it are ever used.
    QSize GetSize() const { return m_pImage ? m_pImage->size() : QSize(0, 0); }
    const QImage* Image() const { return m_pImage.get(); }

private:
    std::shared_ptr<const QImage> m_pImage;
};
