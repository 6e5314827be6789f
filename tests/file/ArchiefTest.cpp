#include "file/ArchiefLezer.h"
#include "file/ArchiefSchrijver.h"
#include "file/Cp1252.h"
#include "model/DataItemPagina.h"
#include "support/ProjectBytes.h"

#include <gtest/gtest.h>

namespace {

QByteArray Geschreven(const QString& s)
{
    CArchiefSchrijver ar;
    ar.String(s);
    return ar.Data();
}

QString Gelezen(const QByteArray& data)
{
    CArchiefLezer ar(data);
    QString s = ar.String();
    EXPECT_EQ(ar.Rest(), 0);
    return s;
}

} // namespace

TEST(Archief, StringLengthPrefixes)
{
    // {length, expected prefix}
    const std::pair<int, QByteArray> aGevallen[] = {
        { 0, QByteArray::fromHex("00") },
        { 1, QByteArray::fromHex("01") },
        { 254, QByteArray::fromHex("fe") },
        { 255, QByteArray::fromHex("ffff00") },
        { 256, QByteArray::fromHex("ff0001") },
        { 65533, QByteArray::fromHex("fffdff") },
        { 65534, QByteArray::fromHex("fffffffeff0000") },
        { 70000, QByteArray::fromHex("ffffff70110100") },
    };
    for (const auto& [n, prefix] : aGevallen) {
        const QString s(n, QChar('x'));
        const QByteArray data = Geschreven(s);
        EXPECT_EQ(data.left(prefix.size()).toHex(), prefix.toHex()) << n;
        EXPECT_EQ(data.size(), prefix.size() + n) << n;
        EXPECT_EQ(Gelezen(data), s) << n;
    }
}

TEST(Archief, Windows1252BytesRoundTrip)
{
    QByteArray alle(256, '\0');
    for (int i = 0; i < 256; ++i)
        alle[i] = char(i);
    const QString s = Cp1252::Decodeer(alle);
    EXPECT_EQ(s[0x80], QChar(0x20AC)); // euro sign
    EXPECT_EQ(s[0xE9], QChar(0xE9)); // é
    EXPECT_EQ(s[0x81], QChar(0x81)); // unassigned: kept as the control of that number
    QByteArray terug;
    ASSERT_TRUE(Cp1252::Codeer(s, terug));
    EXPECT_EQ(terug, alle);

    EXPECT_EQ(Geschreven(QString::fromUtf8("Kopiëren €5")).toHex(),
        QByteArray("0b4b6f7069eb72656e2080"
                   "35"));
}

TEST(Archief, TextOutsideTheCodePageIsWrittenWide)
{
    const QString s = QString::fromUtf8("Łódź ☺");
    const QByteArray data = Geschreven(s);
    CBytes verwacht;
    verwacht.b(0xFF).w(0xFFFE).b(6);
    for (QChar c : s)
        verwacht.w(c.unicode());
    EXPECT_EQ(data.toHex(), verwacht.data().toHex());
    EXPECT_EQ(Gelezen(data), s);

    // A long wide string uses the longer prefix after the marker.
    const QString lang = QString(300, QChar(0x263A));
    const QByteArray dataLang = Geschreven(lang);
    EXPECT_EQ(dataLang.left(6).toHex(), QByteArray("fffeffff2c01"));
    EXPECT_EQ(Gelezen(dataLang), lang);
}

TEST(Archief, ListCounts)
{
    const std::pair<quint32, QByteArray> aGevallen[] = {
        { 0, QByteArray::fromHex("0000") },
        { 3, QByteArray::fromHex("0300") },
        { 65534, QByteArray::fromHex("feff") },
        { 65535, QByteArray::fromHex("ffffffff0000") },
        { 70000, QByteArray::fromHex("ffff70110100") },
    };
    for (const auto& [n, bytes] : aGevallen) {
        CArchiefSchrijver ar;
        ar.Count(n);
        EXPECT_EQ(ar.Data().toHex(), bytes.toHex()) << n;
        const QByteArray data = bytes + QByteArray(int(n), '\0');
        CArchiefLezer lezer(data);
        EXPECT_EQ(lezer.Count(1), n);
    }
}

TEST(Archief, ClassTagsAndIndices)
{
    CArchiefSchrijver ar;
    ar.ObjectTag("CDataItemPagina"); // class 1, object 2
    ar.ObjectTag("CDataItemPaginaItem"); // class 3, object 4
    ar.ObjectTag("CDataItemPaginaItem"); // object 5
    ar.ObjectTag("CDataItemPagina"); // object 6
    CBytes verwacht;
    verwacht.klasse("CDataItemPagina").klasse("CDataItemPaginaItem").w(0x8003).w(0x8001);
    EXPECT_EQ(ar.Data().toHex(), verwacht.data().toHex());
}

TEST(Archief, ReadingPastTheEndFailsAtOnce)
{
    struct SGeval {
        QByteArray data;
        FoutSoort soort;
        qint64 nOffset;
    };
    const SGeval aGevallen[] = {
        { QByteArray::fromHex("05616263"), FoutSoort::VoorbijEinde, 0 }, // 5 bytes claimed, 3 there
        { QByteArray::fromHex("ffffffffffff7f"), FoutSoort::VoorbijEinde, 0 }, // 2 GB claimed
        { QByteArray::fromHex("fffefffff0ff"), FoutSoort::VoorbijEinde, 0 }, // wide, 65520 units claimed
        { QByteArray::fromHex("ffffffffffffff"), FoutSoort::OngeldigFormaat, 0 }, // a 64-bit length follows
        { QByteArray::fromHex("ff"), FoutSoort::VoorbijEinde, 1 },
        { QByteArray(), FoutSoort::VoorbijEinde, 0 },
    };
    for (const SGeval& g : aGevallen) {
        CArchiefLezer ar(g.data);
        try {
            ar.String();
            ADD_FAILURE() << g.data.toHex().constData();
        } catch (const CArchiefFout& f) {
            EXPECT_EQ(f.soort, g.soort) << g.data.toHex().constData();
            EXPECT_EQ(f.nOffset, g.nOffset) << g.data.toHex().constData();
        }
    }
}

TEST(Archief, TagsThatMakeNoSense)
{
    struct SGeval {
        QByteArray data;
        FoutSoort soort;
    };
    const SGeval aGevallen[] = {
        { CBytes().w(0xFFFF).w(2).w(15).raw("CDataItemPagina"), FoutSoort::VerkeerdSchema },
        { CBytes().w(0xFFFF).w(1).w(7).raw("CObject"), FoutSoort::OnverwachtObject },
        { CBytes().w(0xFFFF).w(1).w(200).zeros(200), FoutSoort::OnverwachtObject },
        { CBytes().w(0x8001), FoutSoort::OngeldigFormaat }, // class index 1 before any class
        { CBytes().w(0x0005), FoutSoort::OngeldigFormaat }, // object 5 never written
        { CBytes().w(0x7FFF).dw(0x80000009), FoutSoort::OngeldigFormaat },
        { CBytes().w(0x7FFF), FoutSoort::VoorbijEinde },
    };
    for (const SGeval& g : aGevallen) {
        CArchiefLezer ar(g.data);
        try {
            ar.LeesTag();
            ADD_FAILURE() << g.data.toHex().constData();
        } catch (const CArchiefFout& f) {
            EXPECT_EQ(f.soort, g.soort) << g.data.toHex().constData();
        }
    }
    // A class reference to an object index is as wrong as the other way round.
    const QByteArray data = CBytes().klasse("CDataItemPagina").w(0x8002);
    CArchiefLezer ar(data);
    EXPECT_EQ(ar.LeesTag().soort, CArchiefLezer::STag::NieuwObject);
    CDataItemPagina pagina;
    ar.RegistreerObject(&pagina, "CDataItemPagina");
    EXPECT_THROW(ar.LeesTag(), CArchiefFout);
}
