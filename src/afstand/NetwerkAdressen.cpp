#include "NetwerkAdressen.h"

#include <algorithm>

namespace {

enum Rang { Privé, Openbaar, LinkLokaal, Virtueel, Loopback };

// Names that container bridges, virtual machines and VPNs give their interfaces.
constexpr const char* aVirtueleNamen[] = { "docker", "br-", "virbr", "veth", "vmnet", "vboxnet", "tun", "tap", "wg",
    "tailscale", "zt", "ppp", "lxc", "lxd", "cni", "flannel", "podman", "vpn", "utun" };

bool IsPrivé(const QHostAddress& adres)
{
    return adres.isInSubnet(QHostAddress(QStringLiteral("10.0.0.0")), 8)
        || adres.isInSubnet(QHostAddress(QStringLiteral("172.16.0.0")), 12)
        || adres.isInSubnet(QHostAddress(QStringLiteral("192.168.0.0")), 16);
}

} // namespace

int AdresRang(const QString& strInterface, QNetworkInterface::InterfaceType type, const QHostAddress& adres)
{
    if (adres.isLoopback() || type == QNetworkInterface::Loopback)
        return Loopback;
    if (type == QNetworkInterface::Virtual || type == QNetworkInterface::Ppp)
        return Virtueel;
    for (const char* sz : aVirtueleNamen) {
        if (strInterface.startsWith(QLatin1String(sz), Qt::CaseInsensitive))
            return Virtueel;
    }
    if (adres.isLinkLocal())
        return LinkLokaal;
    return IsPrivé(adres) ? Privé : Openbaar;
}

std::vector<SNetwerkAdres> NetwerkAdressen()
{
    std::vector<std::pair<int, SNetwerkAdres>> a;
    for (const QNetworkInterface& ni : QNetworkInterface::allInterfaces()) {
        if (!ni.flags().testFlag(QNetworkInterface::IsUp))
            continue;
        for (const QNetworkAddressEntry& e : ni.addressEntries()) {
            if (e.ip().protocol() != QAbstractSocket::IPv4Protocol)
                continue;
            a.push_back({ AdresRang(ni.name(), ni.type(), e.ip()), { ni.name(), e.ip() } });
        }
    }
    std::stable_sort(a.begin(), a.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
    std::vector<SNetwerkAdres> aUit;
    for (auto& [nRang, adres] : a)
        aUit.push_back(adres);
    return aUit;
}

QHostAddress KiesAdres(const std::vector<SNetwerkAdres>& aAdressen, const QString& strInterface)
{
    for (const SNetwerkAdres& a : aAdressen) {
        if (a.strInterface == strInterface)
            return a.adres;
    }
    return aAdressen.empty() ? QHostAddress(QHostAddress::LocalHost) : aAdressen.front().adres;
}
