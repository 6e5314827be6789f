#pragma once

#include <QDataStream>
#include <QFile>
#include <QString>

#include <cmath>

// A sine of 440 Hz as a WAV file at 44.1 kHz: mono, 16 bits, at an amplitude
// of 0..1. The path, or empty when it could not be written.
inline QString MaakToon(const QString& strPad, double dSeconden, double dAmplitude)
{
    constexpr int nRate = 44100;
    const int n = int(dSeconden * nRate);
    QFile f(strPad);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    QDataStream s(&f);
    s.setByteOrder(QDataStream::LittleEndian);
    s.writeRawData("RIFF", 4);
    s << quint32(36 + n * 2);
    s.writeRawData("WAVEfmt ", 8);
    s << quint32(16) << quint16(1) << quint16(1) << quint32(nRate) << quint32(nRate * 2) << quint16(2) << quint16(16);
    s.writeRawData("data", 4);
    s << quint32(n * 2);
    for (int i = 0; i < n; ++i)
        s << qint16(std::lround(dAmplitude * 32767 * std::sin(2 * M_PI * 440 * i / nRate)));
    return strPad;
}
