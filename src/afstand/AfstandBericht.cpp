#include "AfstandBericht.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

struct SSoortNaam {
    const char* szNaam;
    SAfstandBericht::Soort soort;
};

constexpr SSoortNaam aSoorten[] = {
    { "vorige", SAfstandBericht::Soort::Vorige },
    { "volgende", SAfstandBericht::Soort::Volgende },
    { "terug", SAfstandBericht::Soort::Terug },
    { "gong", SAfstandBericht::Soort::Gong },
    { "stopgeluid", SAfstandBericht::Soort::StopGeluid },
    { "item", SAfstandBericht::Soort::Item },
    { "tik", SAfstandBericht::Soort::Tik },
    { "maat", SAfstandBericht::Soort::Maat },
    { "ping", SAfstandBericht::Soort::Ping },
};

// A whole number within [nMin, nMax], exactly.
std::optional<qint64> Geheel(const QJsonValue& v, qint64 nMin, qint64 nMax)
{
    if (!v.isDouble())
        return std::nullopt;
    const double d = v.toDouble();
    if (!std::isfinite(d) || d != std::floor(d) || d < double(nMin) || d > double(nMax))
        return std::nullopt;
    return qint64(d);
}

std::optional<double> Fractie(const QJsonValue& v)
{
    if (!v.isDouble())
        return std::nullopt;
    const double d = v.toDouble();
    if (!std::isfinite(d) || d < 0 || d > 1)
        return std::nullopt;
    return d;
}

constexpr qint64 nMaxSleutel = (qint64(1) << 53) - 1; // what a script's number holds exactly

} // namespace

std::optional<SAfstandBericht> LeesBericht(const QByteArray& data)
{
    if (data.size() > nMaxBericht)
        return std::nullopt;
    QJsonParseError fout;
    const QJsonDocument doc = QJsonDocument::fromJson(data, &fout);
    if (fout.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    const QJsonObject o = doc.object();
    const QJsonValue cmd = o.value(QLatin1String("cmd"));
    if (!cmd.isString())
        return std::nullopt;
    SAfstandBericht b;
    bool bGevonden = false;
    for (const SSoortNaam& s : aSoorten) {
        if (cmd.toString() == QLatin1String(s.szNaam)) {
            b.soort = s.soort;
            bGevonden = true;
        }
    }
    if (!bGevonden)
        return std::nullopt;
    qsizetype nVelden = 1;
    auto sleutel = [&]() {
        const auto n = Geheel(o.value(QLatin1String("s")), 0, nMaxSleutel);
        if (n)
            b.nSleutel = quint64(*n);
        ++nVelden;
        return n.has_value();
    };
    switch (b.soort) {
    case SAfstandBericht::Soort::Item: {
        const auto n = Geheel(o.value(QLatin1String("i")), 0, 9999);
        if (!n || !sleutel())
            return std::nullopt;
        b.nItem = int(*n);
        ++nVelden;
        break;
    }
    case SAfstandBericht::Soort::Tik: {
        const auto x = Fractie(o.value(QLatin1String("x")));
        const auto y = Fractie(o.value(QLatin1String("y")));
        if (!x || !y || !sleutel())
            return std::nullopt;
        b.dX = *x;
        b.dY = *y;
        nVelden += 2;
        break;
    }
    case SAfstandBericht::Soort::Maat: {
        const auto n = Geheel(o.value(QLatin1String("b")), nMinBeeldBreedte, nMaxBeeldBreedte);
        if (!n)
            return std::nullopt;
        b.nBreedte = int(*n);
        ++nVelden;
        break;
    }
    default:
        break;
    }
    // No field the command does not take.
    if (o.size() != nVelden)
        return std::nullopt;
    return b;
}
