#pragma once

#include <QObject>
#include <QStringList>

#include <memory>

class CShowAfstand;
class CShowBesturing;
class CZerbantikoDoc;
class IAfstandsbediening;
class IKlok;
class QWidget;

// The phone remote, loaded when first wanted. Its server, pairing and dialog
// and the network libraries under them (a dozen, with Kerberos and proxy
// support) live in a module of their own, so that the editor starts without
// them: a remote the user left on loads it once the window is up, the
// dialog loads it otherwise. The show's side of it is the program's own.
class CUitgesteldeAfstand : public QObject {
    Q_OBJECT

public:
    // aModules: where the module may be, in order.
    CUitgesteldeAfstand(QStringList aModules, CZerbantikoDoc& doc, const IKlok& klok, CShowBesturing& besturing,
        QObject* pOuder = nullptr);
    ~CUitgesteldeAfstand() override;

    // Whether the module was loaded (for the start-up's sake, not yet).
    bool Geladen() const { return m_pEcht != nullptr; }

    // Starts the server when the user left it on.
    void StartAlsAan();
    // False when the module cannot be loaded.
    bool ToonDialoog(QWidget* pOuder);
    // For the console: "Afstandsbediening: uit", or the address and phones.
    QString Beschrijving() const;

signals:
    void toestandGewijzigd();

private:
    IAfstandsbediening* Echt();

    QStringList m_aModules;
    CShowAfstand* m_pDoel;
    std::unique_ptr<IAfstandsbediening> m_pEcht;
};
