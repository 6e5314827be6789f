#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

// Pairing phones with the remote: a six-digit code that the dialog shows,
// good for one phone, and for every paired phone a random 128-bit token.
// Only the tokens' SHA-256 is kept, so the settings hold nothing that opens
// the remote. After nMaxFout wrong codes from anywhere pairing is locked for
// nSlotSeconden.
class CKoppeling : public QObject {
    Q_OBJECT

public:
    static constexpr int nMaxFout = 5;
    static constexpr int nSlotSeconden = 60;

    struct SApparaat {
        QString strNaam;
        QByteArray hash; // of the token, hexadecimal
        QDateTime gekoppeld;
        friend bool operator==(const SApparaat&, const SApparaat&) = default;
    };
    enum class Uitslag { Gekoppeld, FouteCode, Vergrendeld };
    struct SPoging {
        Uitslag uitslag = Uitslag::FouteCode;
        QByteArray token; // Gekoppeld: hexadecimal, for the phone alone
    };

    // klokMs: a monotonic clock in milliseconds (tests pass their own).
    explicit CKoppeling(std::function<qint64()> klokMs = {}, QObject* pOuder = nullptr);

    // No code until the first is made: nothing pairs before the dialog opens.
    const QString& Code() const { return m_strCode; }
    void NieuweCode();
    // The dialog closed: nothing pairs until it opens again.
    void WisCode();
    SPoging Koppel(const QByteArray& code, const QString& strNaam);
    bool Geldig(const QByteArray& token) const;
    // The seconds the lock still holds; 0 when open.
    int SlotSeconden() const;

    const QList<SApparaat>& Apparaten() const { return m_aApparaten; }
    void ZetApparaten(const QList<SApparaat>& aApparaten);
    void Verwijder(int nIndex);
    static QByteArray Hash(const QByteArray& token);

signals:
    void codeGewijzigd();
    void apparatenGewijzigd();
    void slotGewijzigd();
    // A paired phone's token no longer opens the remote.
    void ingetrokken(const QByteArray& hash);

private:
    std::function<qint64()> m_klokMs;
    QString m_strCode;
    QList<SApparaat> m_aApparaten;
    int m_nFout = 0;
    qint64 m_nSlotTot = 0;
};
