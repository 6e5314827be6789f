#pragma once

#include <QByteArray>

#include <optional>

// A message from a phone, read strictly: JSON of at most nMaxBericht bytes,
// an object with one known "cmd" and only the fields that command takes,
// each of the right type and range. Anything else is refused whole.
struct SAfstandBericht {
    enum class Soort { Vorige, Volgende, Terug, Gong, StopGeluid, Item, Tik, Maat, Ping };
    Soort soort = Soort::Ping;
    int nItem = -1; // Item
    double dX = 0, dY = 0; // Tik: the place on the picture, 0..1 of its width and height
    int nBreedte = 0; // Maat: the width in pixels the phone shows the picture at
    quint64 nSleutel = 0; // Item, Tik: the picture the tap was made on
};

constexpr int nMaxBericht = 4096;
constexpr int nMinBeeldBreedte = 120;
constexpr int nMaxBeeldBreedte = 1920;

std::optional<SAfstandBericht> LeesBericht(const QByteArray& data);
