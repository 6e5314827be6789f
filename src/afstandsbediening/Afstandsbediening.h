#pragma once

#include "IAfstandsbediening.h"

#include <QObject>

class CAfstandServer;

// The phone remote: the server over the show, the pairing with the phones
// the user paired before, and the dialog; it writes the user's setting and
// the paired phones back when they change.
class CAfstandsbediening : public QObject, public IAfstandsbediening {
    Q_OBJECT

public:
    CAfstandsbediening(IAfstandDoel& doel, SAfstandOpslag opslag);
    ~CAfstandsbediening() override;

    void StartAlsAan() override;
    void ToonDialoog(QWidget* pOuder) override;
    QString Toestand() const override;
    void BijWijziging(std::function<void()> gewijzigd) override;
    void ShowGewijzigd() override;

private:
    SAfstandOpslag m_opslag;
    CKoppeling* m_pKoppeling;
    CAfstandServer* m_pServer;
};
