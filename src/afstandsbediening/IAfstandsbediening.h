#pragma once

#include "afstand/Koppeling.h"

#include <QList>
#include <QString>

#include <functional>

class IAfstandDoel;
class QWidget;

// The remote's setting as the user keeps it, not in the project.
struct SAfstandInstelling {
    bool bAan = false;
    QString strInterface;
    int nPoort = 8421;
};

// Where the remote keeps what the user set and which phones are paired: the
// program's settings, handed over so that the remote writes them itself when
// they change.
struct SAfstandOpslag {
    SAfstandInstelling instelling;
    QList<CKoppeling::SApparaat> aApparaten;
    std::function<void(const SAfstandInstelling&)> bewaarInstelling;
    std::function<void(const QList<CKoppeling::SApparaat>&)> bewaarApparaten;
};

// The phone remote as the program uses it: its server over the show, the
// pairing and its dialog. It lives in a module of its own with the network
// libraries under it, loaded when the remote is first wanted.
class IAfstandsbediening {
public:
    virtual ~IAfstandsbediening() = default;

    // Starts the server when the user left it on.
    virtual void StartAlsAan() = 0;
    virtual void ToonDialoog(QWidget* pOuder) = 0;
    // "uit", or the address and the number of phones.
    virtual QString Toestand() const = 0;
    // Called whenever Toestand() may have changed.
    virtual void BijWijziging(std::function<void()> gewijzigd) = 0;
    // The show changed: the phones get its state and pictures anew.
    virtual void ShowGewijzigd() = 0;
};

// The module's one entry point: a remote over doel, owned by the caller.
using MaakAfstandsbediening = IAfstandsbediening* (*)(IAfstandDoel& doel, const SAfstandOpslag& opslag);
inline constexpr const char* szMaakAfstandsbediening = "zb_maak_afstandsbediening";
