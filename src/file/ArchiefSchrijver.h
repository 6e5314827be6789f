#pragma once

#include "model/Types.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <array>

class CDataItemBasis;

// Writes the archive encoding: little-endian numbers, length-prefixed
// strings, counted object lists with class tags. Indices of classes and
// objects are counted over the whole stream, starting at 1.
class CArchiefSchrijver {
public:
    void Byte(quint8 v) { m_data.append(char(v)); }
    void Word(quint16 v);
    void Dword(quint32 v);
    void I32(qint32 v) { Dword(quint32(v)); }
    void Double(double v);
    void Raw(const void* p, qsizetype n) { m_data.append(static_cast<const char*>(p), n); }
    // Windows-1252; a text that code page cannot hold is written in the wide form.
    void String(const QString& s);
    void Count(quint32 n);
    // Starts a new object of the class: a new-class tag the first time, a class reference after.
    void ObjectTag(const char* szKlasse);

    const QByteArray& Data() const { return m_data; }

    // For ElementVelden.
    void Veld(const char*, quint8 v) { Byte(v); }
    void Veld(const char*, qint32 v) { I32(v); }
    void Veld(const char*, quint32 v) { Dword(v); }
    void Veld(const char*, double v) { Double(v); }
    void Veld(const char*, const QString& v) { String(v); }
    void Veld(const char*, const CPoint& v);
    void Veld(const char*, const CSize& v);
    void Veld(const char*, const CRect& v);
    void Veld(const char*, const std::array<quint8, 8>& v) { Raw(v.data(), 8); }
    void ZetItemSoort(const CDataItemBasis&, int) { }

private:
    void Lengte(quint64 n);

    QByteArray m_data;
    QHash<QByteArray, quint32> m_klassen;
    quint32 m_nVolgendeIndex = 1;
};
