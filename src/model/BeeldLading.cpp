#include "BeeldLading.h"

#include "PictureCache.h"

#include <QBuffer>
#include <QImageReader>
#include <QThreadPool>

#include <vector>

namespace {

// The loads waiting while the workers are held back.
struct SAchtergrond {
    std::mutex mutex;
    bool bTegengehouden = false;
    std::vector<std::weak_ptr<CBeeldLading>> aWachtend;
};

SAchtergrond& Achtergrond()
{
    static SAchtergrond achtergrond;
    return achtergrond;
}

bool Tegengehouden()
{
    SAchtergrond& achtergrond = Achtergrond();
    const std::lock_guard slot(achtergrond.mutex);
    return achtergrond.bTegengehouden;
}

void Start(std::weak_ptr<CBeeldLading> pZwak)
{
    QThreadPool::globalInstance()->start([pZwak = std::move(pZwak)] {
        if (const auto p = pZwak.lock())
            p->Beeld();
    });
}

} // namespace

CBeeldLading::CBeeldLading(QByteArray data, QSize maat, QByteArray formaat)
    : m_data(std::move(data))
    , m_maat(maat)
    , m_formaat(std::move(formaat))
{
}

CBeeldLading::CBeeldLading(std::shared_ptr<const QImage> pBeeld)
    : m_toestand(Toestand::Klaar)
    , m_maat(pBeeld ? pBeeld->size() : QSize())
    , m_pBeeld(std::move(pBeeld))
{
}

void CBeeldLading::StartOpAchtergrond(const std::shared_ptr<CBeeldLading>& pLading)
{
    SAchtergrond& achtergrond = Achtergrond();
    {
        const std::lock_guard slot(achtergrond.mutex);
        if (achtergrond.bTegengehouden) {
            achtergrond.aWachtend.push_back(pLading);
            return;
        }
    }
    Start(pLading);
}

void CBeeldLading::HoudAchtergrondTegen()
{
    SAchtergrond& achtergrond = Achtergrond();
    const std::lock_guard slot(achtergrond.mutex);
    achtergrond.bTegengehouden = true;
}

void CBeeldLading::LaatAchtergrondToe()
{
    SAchtergrond& achtergrond = Achtergrond();
    std::vector<std::weak_ptr<CBeeldLading>> aWachtend;
    {
        const std::lock_guard slot(achtergrond.mutex);
        achtergrond.bTegengehouden = false;
        aWachtend.swap(achtergrond.aWachtend);
    }
    for (auto& pZwak : aWachtend) {
        if (const auto p = pZwak.lock(); p && !p->Klaar())
            Start(std::move(pZwak));
    }
}

const QImage* CBeeldLading::Beeld()
{
    Decodeer();
    return m_pBeeld.get();
}

std::shared_ptr<const QImage> CBeeldLading::BeeldVanMinstens(const QSize& minimaal)
{
    {
        const std::lock_guard slot(m_mutex);
        if (m_toestand == Toestand::Klaar)
            return m_pBeeld;
        if (m_pVerkleind && m_pVerkleind->width() >= minimaal.width() && m_pVerkleind->height() >= minimaal.height())
            return m_pVerkleind;
    }
    if (!Tegengehouden() || m_formaat != "jpeg" || !m_maat.isValid() || minimaal.isEmpty()
        || minimaal.width() * 2 > m_maat.width() || minimaal.height() * 2 > m_maat.height()) {
        Beeld();
        return m_pBeeld;
    }
    QByteArray data;
    {
        const std::lock_guard slot(m_mutex);
        // Shared, not copied; a worker at the whole picture holds them too.
        data = m_data;
    }
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader lezer(&buffer, m_formaat);
    lezer.setScaledSize(minimaal);
    QImage beeld = lezer.read();
    if (beeld.isNull()) {
        Beeld();
        return m_pBeeld;
    }
    const std::lock_guard slot(m_mutex);
    if (m_toestand == Toestand::Klaar)
        return m_pBeeld;
    m_pVerkleind = std::make_shared<const QImage>(std::move(beeld));
    return m_pVerkleind;
}

QSize CBeeldLading::Maat()
{
    if (m_maat.isValid())
        return m_maat;
    const QImage* pBeeld = Beeld();
    return pBeeld ? pBeeld->size() : QSize();
}

bool CBeeldLading::Klaar() const
{
    const std::lock_guard slot(m_mutex);
    return m_toestand == Toestand::Klaar;
}

void CBeeldLading::Decodeer()
{
    std::unique_lock slot(m_mutex);
    if (m_toestand == Toestand::Bezig)
        m_klaar.wait(slot, [this] { return m_toestand == Toestand::Klaar; });
    if (m_toestand == Toestand::Klaar)
        return;
    m_toestand = Toestand::Bezig;
    const QByteArray data = m_data;
    slot.unlock();
    auto pBeeld = CPictureCache::Decode(data);
    slot.lock();
    m_pBeeld = std::move(pBeeld);
    m_data.clear();
    m_pVerkleind.reset();
    m_toestand = Toestand::Klaar;
    m_klaar.notify_all();
}
