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
    // A relative path counts from strMap, by default the open project's folder.
    bool Load(const QString& strPad) { return Load(strPad, BasisMap()); }
    bool Load(const QString& strPad, const QString& strMap);
    bool LoadFromMemory(const QByteArray& data);
    void Release() { m_pImage.reset(); }

    bool IsLoaded() const { return m_pImage != nullptr; }
    // In pixels; only the ratio and proportional parts of it are ever used.
    QSize GetSize() const { return m_pImage ? m_pImage->size() : QSize(0, 0); }
    const QImage* Image() const { return m_pImage.get(); }

    // While one of these lives, loading a path touches no file and fails:
    // for reading untrusted projects where only the saved fields matter.
    class CZonderBestanden {
    public:
        CZonderBestanden();
        ~CZonderBestanden();
        CZonderBestanden(const CZonderBestanden&) = delete;
        CZonderBestanden& operator=(const CZonderBestanden&) = delete;
    };

    // The folder relative picture paths count from (the open project's folder).
    static void SetBasisMap(const QString& strMap);
    static const QString& BasisMap();

private:
    std::shared_ptr<const QImage> m_pImage;
};
