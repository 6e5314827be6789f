#pragma once

#include "BestandsFout.h"
#include "model/Types.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <vector>

class CDataItemBasis;

// Reads the archive encoding from bytes in memory. Every read checks what is
// left first, so a length or count that claims more than the file holds
// fails at once, before anything is allocated. Errors are thrown as
// CArchiefFout with the offset where the failing read started.
class CArchiefLezer {
public:
    // The bytes must outlive the reader.
    explicit CArchiefLezer(QByteArrayView data);

    qint64 Positie() const { return m_nPos; }
    qint64 Rest() const { return m_data.size() - m_nPos; }

    quint8 Byte();
    quint16 Word();
    quint32 Dword();
    qint32 I32() { return qint32(Dword()); }
    double Double();
    void Raw(void* p, qint64 n);
    QString String();
    // An element count; each element needs at least nMinBytes more bytes.
    quint32 Count(qint64 nMinBytes);

    struct STag {
        enum Soort { Null, NieuwObject, Verwijzing } soort = Null;
        QByteArray klasse; // NieuwObject: the class of the object that follows
        CDataItemBasis* pObject = nullptr; // Verwijzing: the object written before
        QByteArray klasseVanObject; // Verwijzing: its class
    };
    // Reads the tag in front of an object of a list. The classes that may
    // appear are the four element classes with schema 1.
    STag LeesTag();
    // Gives the object just started by a NieuwObject tag its index.
    void RegistreerObject(CDataItemBasis* pObject, const QByteArray& klasse);

    [[noreturn]] void Fout(FoutSoort soort, qint64 nOffset) const;

    // For ElementVelden.
    void Veld(const char*, quint8& v) { v = Byte(); }
    void Veld(const char*, qint32& v) { v = I32(); }
    void Veld(const char*, quint32& v) { v = Dword(); }
    void Veld(const char*, double& v) { v = Double(); }
    void Veld(const char*, QString& v) { v = String(); }
    void Veld(const char*, CPoint& v);
    void Veld(const char*, CSize& v);
    void Veld(const char*, CRect& v);
    void Veld(const char*, std::array<quint8, 8>& v) { Raw(v.data(), 8); }
    void ZetItemSoort(CDataItemBasis& e, int nSoort);

private:
    void Nodig(qint64 n) const;
    quint64 Lengte();

    struct SIngang {
        QByteArray klasse;
        CDataItemBasis* pObject = nullptr; // null for a class entry
    };

    QByteArrayView m_data;
    qint64 m_nPos = 0;
    std::vector<SIngang> m_aIngangen; // index 0 stands for the null object
};
