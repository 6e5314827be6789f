#pragma once

#include <QHash>
#include <QtGlobal>

#include <list>

// A cache that keeps the most recently used values within a number of
// entries and of bytes, dropping the least recently used first. Values that
// are known to go stale soon (a clock's text of one second) are volatile:
// only a few of them are kept, so they never push out values that will be
// asked for again.
template <class Sleutel, class Waarde> class CLruCache {
public:
    CLruCache(qsizetype nMaxIngangen, qint64 nMaxBytes, qsizetype nMaxVluchtig)
        : m_nMaxIngangen(nMaxIngangen)
        , m_nMaxBytes(nMaxBytes)
        , m_nMaxVluchtig(nMaxVluchtig)
    {
    }

    // The value, now the most recently used; null when it is not there.
    const Waarde* Zoek(const Sleutel& sleutel)
    {
        const auto it = m_index.constFind(sleutel);
        if (it == m_index.constEnd())
            return nullptr;
        m_lijst.splice(m_lijst.begin(), m_lijst, *it);
        return &m_lijst.front().waarde;
    }

    // Keeps a value that Zoek did not find; the reference stays valid until
    // the next call that adds a value.
    const Waarde& Voeg(const Sleutel& sleutel, Waarde waarde, qint64 nBytes, bool bVluchtig = false)
    {
        m_lijst.push_front({ sleutel, std::move(waarde), nBytes, bVluchtig });
        m_index.insert(sleutel, m_lijst.begin());
        m_nBytes += nBytes;
        if (bVluchtig && ++m_nVluchtig > m_nMaxVluchtig)
            VerwijderOudsteVluchtige();
        while (m_lijst.size() > 1 && (qsizetype(m_lijst.size()) > m_nMaxIngangen || m_nBytes > m_nMaxBytes))
            Verwijder(std::prev(m_lijst.end()));
        return m_lijst.front().waarde;
    }

    void ZetMaxBytes(qint64 nMaxBytes)
    {
        m_nMaxBytes = nMaxBytes;
        while (m_lijst.size() > 1 && m_nBytes > m_nMaxBytes)
            Verwijder(std::prev(m_lijst.end()));
    }
    qsizetype Aantal() const { return qsizetype(m_lijst.size()); }
    qint64 Bytes() const { return m_nBytes; }
    void Leeg()
    {
        m_lijst.clear();
        m_index.clear();
        m_nBytes = 0;
        m_nVluchtig = 0;
    }

private:
    struct SIngang {
        Sleutel sleutel;
        Waarde waarde;
        qint64 nBytes;
        bool bVluchtig;
    };
    using Iterator = typename std::list<SIngang>::iterator;

    void Verwijder(Iterator it)
    {
        m_nBytes -= it->nBytes;
        if (it->bVluchtig)
            --m_nVluchtig;
        m_index.remove(it->sleutel);
        m_lijst.erase(it);
    }

    void VerwijderOudsteVluchtige()
    {
        // Never the value just added, which lies at the front.
        for (auto it = std::prev(m_lijst.end()); it != m_lijst.begin(); --it) {
            if (it->bVluchtig) {
                Verwijder(it);
                return;
            }
        }
    }

    qsizetype m_nMaxIngangen;
    qint64 m_nMaxBytes;
    qsizetype m_nMaxVluchtig;
    std::list<SIngang> m_lijst; // most recently used first
    QHash<Sleutel, Iterator> m_index;
    qint64 m_nBytes = 0;
    qsizetype m_nVluchtig = 0;
};
