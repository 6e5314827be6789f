#include "BeeldLading.h"

#include "PictureCache.h"

#include <QThreadPool>

CBeeldLading::CBeeldLading(QByteArray data)
    : m_data(std::move(data))
{
}

CBeeldLading::CBeeldLading(std::shared_ptr<const QImage> pBeeld)
    : m_toestand(Toestand::Klaar)
    , m_pBeeld(std::move(pBeeld))
{
}

void CBeeldLading::StartOpAchtergrond(const std::shared_ptr<CBeeldLading>& pLading)
{
    QThreadPool::globalInstance()->start([pZwak = std::weak_ptr<CBeeldLading>(pLading)] {
        if (const auto p = pZwak.lock())
            p->Decodeer();
    });
}

const QImage* CBeeldLading::Beeld()
{
    Decodeer();
    return m_pBeeld.get();
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
    const QByteArray data = std::exchange(m_data, {});
    slot.unlock();
    auto pBeeld = CPictureCache::Decode(data);
    slot.lock();
    m_pBeeld = std::move(pBeeld);
    m_toestand = Toestand::Klaar;
    m_klaar.notify_all();
}
