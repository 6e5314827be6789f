#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

// The head of an HTTP/1.1 request, read from the bytes received so far.
struct SHttpVerzoek {
    enum class Uitslag { Onvolledig, Fout, TeGroot, Klaar };

    QByteArray methode;
    QByteArray pad; // without the query
    QByteArray query;
    QList<QPair<QByteArray, QByteArray>> aKoppen; // names in lower case
    qsizetype nKopLengte = 0; // the head's bytes, with its blank line

    QByteArray Kop(const char* szNaam) const;
    // A value of the query, percent-decoded; empty when absent.
    QByteArray QueryWaarde(const char* szNaam) const;
};

constexpr qsizetype nMaxKop = 8192;

// Onvolledig: the blank line has not come yet and the head is still under
// nMaxKop; TeGroot: it is not under it; Fout: not a request we take.
SHttpVerzoek::Uitslag LeesVerzoek(const QByteArray& data, SHttpVerzoek& verzoek);
