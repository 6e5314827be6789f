#pragma once

#include <QHostAddress>
#include <QNetworkInterface>
#include <QString>

#include <vector>

// The IPv4 addresses a phone could reach this computer at, best first.
struct SNetwerkAdres {
    QString strInterface;
    QHostAddress adres;
};

// 0 for a private address on a real interface (what a phone on the same
// network reaches), then other real ones, link-local ones, virtual bridges
// and VPNs, and loopback last.
int AdresRang(const QString& strInterface, QNetworkInterface::InterfaceType type, const QHostAddress& adres);

// Every IPv4 address of the interfaces that are up, best first, loopback included.
std::vector<SNetwerkAdres> NetwerkAdressen();

// The address of the interface the user chose, or when that is gone the best one.
QHostAddress KiesAdres(const std::vector<SNetwerkAdres>& aAdressen, const QString& strInterface);
