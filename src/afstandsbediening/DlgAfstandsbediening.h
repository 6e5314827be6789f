#pragma once

#include "IAfstandsbediening.h"

#include <QDialog>
#include <QTimer>

#include <memory>

class CAfstandServer;
class CKoppeling;
namespace Ui {
class CDlgAfstandsbediening;
}

// "Afstandsbediening": switches the phone remote on or off, on which network
// and port, shows the address as text and QR code with a pairing code that
// is new each time the dialog opens and good only while it is open, and lists
// the paired phones with a button to remove each.
class CDlgAfstandsbediening : public QDialog {
    Q_OBJECT

public:
    CDlgAfstandsbediening(
        CAfstandServer& server, CKoppeling& koppeling, SAfstandInstelling& instelling, QWidget* pOuder = nullptr);
    ~CDlgAfstandsbediening() override;

    // What the QR code holds: the address with the code in its fragment.
    QString QrTekst() const;

private:
    void PasToe();
    void WerkBij();
    void WerkApparatenBij();
    void WerkSlotBij();

    std::unique_ptr<Ui::CDlgAfstandsbediening> m_pUi;
    CAfstandServer& m_server;
    CKoppeling& m_koppeling;
    SAfstandInstelling& m_instelling;
    QTimer m_seconde;
    QString m_strFout;
};
