// Writes the seed corpus for the reader's fuzz target: project files of all
// three versions, made with the program's own writer and, for the old
// versions, byte by byte.
#include "file/ProjectBestand.h"
#include "model/ZerbantikoDoc.h"
#include "support/ProjectBytes.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

void Schrijf(const QString& strMap, const char* szNaam, const QByteArray& data)
{
    QFile f(QDir(strMap).filePath(QString::fromLatin1(szNaam)));
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size())
        std::fprintf(stderr, "kan %s niet schrijven\n", szNaam);
}

QByteArray OudBestand(const char* szVersie, bool bOudste)
{
    CBytes o;
    o.s(szVersie);
    Record(o, { .nSoort = 1, .szNaam = "<nieuw project>" }, true).w(2);
    o.klasse("CDataItemPagina");
    Record(o, { .nSoort = 2, .szNaam = "Welkom" }, true).w(2);
    o.klasse("CDataItemPaginaItem");
    Record(o, { .nSoort = 3, .szNaam = "[T2]" }, true).w(0);
    o.w(0x8003);
    Record(o, { .nSoort = 3, .szNaam = "vlak", .bTekstTonen = 0 }, true).w(0);
    o.w(0x8001);
    Record(o, { .nSoort = 2, .szNaam = "Uitslag" }, true).w(0);
    const int nSjablonen = bOudste ? 3 : 8;
    for (int i = 0; i < nSjablonen; ++i)
        Record(o, { .nSoort = (bOudste ? i > 0 : i >= 4) ? 3 : 2 }, true).w(0);
    return o;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "gebruik: maak_zaden MAP\n");
        return 2;
    }
    const QString strMap = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(strMap);

    CZerbantikoDoc doc;
    doc.NieuwDocument();
    Schrijf(strMap, "leeg.zb", ProjectBestand::Schrijf(doc));

    doc.m_project.m_strNaam = QString::fromUtf8("Clubavond € Łódź");
    for (int p = 0; p < 3; ++p) {
        doc.SelecteerElement(&doc.m_project);
        doc.OnPaginaInvoegen();
        doc.OnTekstInvoegen();
        doc.GetGeselecteerd()->m_strNaam = "[DD] [D2] [T2]";
        doc.OnAfbeeldingInvoegen();
        doc.OnKleurvlakInvoegen();
    }
    Schrijf(strMap, "drie-paginas.zb", ProjectBestand::Schrijf(doc));
    Schrijf(strMap, "versie-63.zb", OudBestand(ProjectBestand::szVersie63, false));
    Schrijf(strMap, "versie-55.zb", OudBestand(ProjectBestand::szVersie55, true));
    return 0;
}
