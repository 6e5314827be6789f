// A program that edits a project and is then killed: it opens the project
// named, renames its first page, has its recovery copy written, says
// "klaar" and waits to be ended.
#include "app/Herstel.h"
#include "file/ProjectBestand.h"
#include "model/Hints.h"
#include "model/ZerbantikoDoc.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    CZerbantikoDoc doc;
    doc.NieuwDocument();
    if (!ProjectBestand::Open(doc, QString::fromLocal8Bit(argv[2])).Gelukt())
        return 1;
    CHerstel herstel(doc, QString::fromLocal8Bit(argv[1]));
    CDataItemBasis* pPagina = doc.m_project.GetKind(0);
    CDataItemVelden na = *pPagina;
    na.m_strNaam = QStringLiteral("Hersteld");
    doc.WijzigVelden(*pPagina, na, Hint::Naam, QStringLiteral("naam"));
    herstel.SchrijfNu();
    herstel.WachtOpSchrijven();
    std::printf("klaar\n");
    std::fflush(stdout);
    for (;;)
        QThread::sleep(60);
}
