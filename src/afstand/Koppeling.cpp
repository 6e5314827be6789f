#include "Koppeling.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QRandomGenerator>

namespace {

constexpr int nTokenBytes = 16;

} // namespace

CKoppeling::CKoppeling(std::function<qint64()> klokMs, QObject* pOuder)
    : QObject(pOuder)
    , m_klokMs(std::move(klokMs))
{
    if (!m_klokMs) {
        auto pStart = std::make_shared<QElapsedTimer>();
        pStart->start();
        m_klokMs = [pStart] { return pStart->elapsed(); };
    }
}

void CKoppeling::NieuweCode()
{
    m_strCode = QStringLiteral("%1").arg(QRandomGenerator::system()->bounded(1000000), 6, 10, QLatin1Char('0'));
    emit codeGewijzigd();
}

void CKoppeling::WisCode()
{
    m_strCode.clear();
    emit codeGewijzigd();
}

int CKoppeling::SlotSeconden() const
{
    const qint64 nOver = m_nSlotTot - m_klokMs();
    return nOver > 0 ? int((nOver + 999) / 1000) : 0;
}

CKoppeling::SPoging CKoppeling::Koppel(const QByteArray& code, const QString& strNaam)
{
    SPoging poging;
    if (SlotSeconden() > 0) {
        poging.uitslag = Uitslag::Vergrendeld;
        return poging;
    }
    if (m_strCode.isEmpty() || code != m_strCode.toLatin1()) {
        if (++m_nFout >= nMaxFout) {
            m_nFout = 0;
            m_nSlotTot = m_klokMs() + qint64(nSlotSeconden) * 1000;
            poging.uitslag = Uitslag::Vergrendeld;
            emit slotGewijzigd();
        }
        return poging;
    }
    m_nFout = 0;
    QByteArray ruw(nTokenBytes, '\0');
    QRandomGenerator::system()->generate(ruw.begin(), ruw.end());
    poging.uitslag = Uitslag::Gekoppeld;
    poging.token = ruw.toHex();
    m_aApparaten.append({ strNaam, Hash(poging.token), QDateTime::currentDateTime() });
    // One code, one phone.
    NieuweCode();
    emit apparatenGewijzigd();
    return poging;
}

bool CKoppeling::Geldig(const QByteArray& token) const
{
    if (token.size() != 2 * nTokenBytes)
        return false;
    const QByteArray hash = Hash(token);
    for (const SApparaat& a : m_aApparaten) {
        if (a.hash == hash)
            return true;
    }
    return false;
}

void CKoppeling::ZetApparaten(const QList<SApparaat>& aApparaten)
{
    m_aApparaten = aApparaten;
    emit apparatenGewijzigd();
}

void CKoppeling::Verwijder(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_aApparaten.size())
        return;
    const QByteArray hash = m_aApparaten.takeAt(nIndex).hash;
    emit apparatenGewijzigd();
    emit ingetrokken(hash);
}

QByteArray CKoppeling::Hash(const QByteArray& token)
{
    return QCryptographicHash::hash(token, QCryptographicHash::Sha256).toHex();
}
