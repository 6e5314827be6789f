#pragma once

#include "console/DlgAfstandsbediening.h"

#include <QObject>

class CAfstandServer;
class CKoppeling;
class CShowAfstand;
class CShowBesturing;
class CZerbantikoDoc;
class IKlok;

// The phone remote as the program keeps it: the server over the show, the
// pairing, and the user's setting, which it reads at start and writes when
// it changes.
class CAfstandsbediening : public QObject {
    Q_OBJECT

public:
    CAfstandsbediening(CZerbantikoDoc& doc, const IKlok& klok, CShowBesturing& besturing, QObject* pOuder = nullptr);
    ~CAfstandsbediening() override;

    // Starts the server when the user left it on.
    void StartAlsAan();
    void ToonDialoog(QWidget* pOuder);
    // For the console: "Afstandsbediening: uit", or the address and phones.
    QString Beschrijving() const;
    CAfstandServer& Server() { return *m_pServer; }

signals:
    void toestandGewijzigd();

private:
    SAfstandInstelling m_instelling;
    CKoppeling* m_pKoppeling;
    CShowAfstand* m_pDoel;
    CAfstandServer* m_pServer;
};
