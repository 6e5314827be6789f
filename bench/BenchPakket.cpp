// Packing and the PDF. Packing a project with 2 GB of media, against copying
// the same files with cp on the same disk, with the resident memory it takes
// beyond the open project; the PDF of the example, and of 200 pages with a
// photo each at 1920x1080 (time, memory, bytes per page).
#include "BenchMain.h"
#include "file/ProjectBestand.h"
#include "model/DataItemPagina.h"
#include "model/DataItemPaginaItem.h"
#include "model/ZerbantikoDoc.h"
#include "pakket/Pakket.h"
#include "pakket/PdfExport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sys/resource.h>

namespace {

double PiekMB()
{
    rusage gebruik {};
    getrusage(RUSAGE_SELF, &gebruik);
    return double(gebruik.ru_maxrss) / 1024.0;
}

// A project in a folder on the build's disk naming nBestanden files of
// nMB megabytes each (random bytes: media that does not compress).
QString MaakMediaProject(const QTemporaryDir& dir, int nBestanden, int nMB)
{
    CZerbantikoDoc doc;
    doc.NieuwDocument();
    auto pagina = std::make_unique<CDataItemPagina>();
    pagina->m_strNaam = "Media";
    QByteArray blok(1 << 20, Qt::Uninitialized);
    for (int i = 0; i < nBestanden; ++i) {
        const QString strNaam = QStringLiteral("media/film%1.mp3").arg(i);
        QDir().mkpath(dir.filePath("media"));
        QFile f(dir.filePath(strNaam));
        if (!f.open(QIODevice::WriteOnly))
            return {};
        for (int m = 0; m < nMB; ++m) {
            QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(blok.data()), blok.size() / 4);
            f.write(blok);
        }
        auto pItem = std::make_unique<CDataItemPaginaItem>();
        pItem->m_strOpdracht = strNaam;
        pagina->VoegKindToe(std::move(pItem));
    }
    doc.m_project.VoegKindToe(std::move(pagina));
    const QString strProject = dir.filePath("media.zb");
    ProjectBestand::Opslaan(doc, strProject);
    return strProject;
}

void BM_Inpakken(benchmark::State& state)
{
    const int nMB = int(state.range(0));
    QTemporaryDir dir(QDir::current().filePath("bench-pakket-XXXXXX"));
    const QString strProject = MaakMediaProject(dir, nMB / 64, 64);
    const double dVoor = PiekMB();
    double dCpSeconden = 0, dPakSeconden = 0;
    for (auto _ : state) {
        QProcess::execute("sync", {});
        QElapsedTimer klok;
        klok.start();
        const auto r = Pakket::Inpakken(strProject, dir.filePath("media.zbz"), false);
        if (r.uitkomst != Pakket::Uitkomst::Gelukt)
            state.SkipWithError(qPrintable(r.strMelding));
        dPakSeconden += double(klok.nsecsElapsed()) / 1e9;
        state.SetIterationTime(double(klok.nsecsElapsed()) / 1e9);
        QFile::remove(dir.filePath("media.zbz"));
        QProcess::execute("sync", {});
        klok.restart();
        QProcess::execute("cp", { "-r", dir.filePath("media"), dir.filePath("kopie") });
        dCpSeconden += double(klok.nsecsElapsed()) / 1e9;
        QDir(dir.filePath("kopie")).removeRecursively();
    }
    state.counters["snelheid_tov_cp"] = dCpSeconden / dPakSeconden;
    state.counters["extra_piek_MB"] = PiekMB() - dVoor;
    state.SetBytesProcessed(state.iterations() * qint64(nMB) * 1024 * 1024);
}
BENCHMARK(BM_Inpakken)->Arg(2048)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(2);

void Pdf(benchmark::State& state, CZerbantikoDoc& doc, const QTemporaryDir& dir)
{
    const CStapKlok klok;
    const double dVoor = RssMB();
    qint64 nBytes = 0;
    for (auto _ : state) {
        QString strFout;
        if (!SchrijfPdf(doc.m_project, dir.filePath("uit.pdf"), QSize(1920, 1080), klok, strFout))
            state.SkipWithError(qPrintable(strFout));
        nBytes = QFileInfo(dir.filePath("uit.pdf")).size();
    }
    state.counters["kB_per_pagina"] = double(nBytes) / 1024.0 / doc.m_project.AantalKinderen();
    state.counters["piek_MB"] = PiekMB();
    state.counters["rss_voor_MB"] = dVoor;
}

void BM_PdfVoorbeeld(benchmark::State& state)
{
    QTemporaryDir dir;
    CZerbantikoDoc doc;
    doc.NieuwDocument();
    ProjectBestand::Open(doc, QStringLiteral(ZB_VOORBEELD));
    Pdf(state, doc, dir);
}
BENCHMARK(BM_PdfVoorbeeld)->Unit(benchmark::kMillisecond);

void BM_Pdf200Fotopaginas(benchmark::State& state)
{
    QTemporaryDir dir;
    // Twenty photos of 1920x1080 with detail, each shown on ten pages.
    for (int i = 0; i < 20; ++i) {
        QImage foto(1920, 1080, QImage::Format_RGB32);
        for (int y = 0; y < foto.height(); ++y) {
            auto* p = reinterpret_cast<QRgb*>(foto.scanLine(y));
            for (int x = 0; x < foto.width(); ++x)
                p[x] = qRgb((x * (i + 3)) % 256, (y * 7 + x / 5) % 256, (x ^ y) % 256);
        }
        foto.save(dir.filePath(QStringLiteral("foto%1.jpg").arg(i)), "JPG", 90);
    }
    CZerbantikoDoc doc;
    doc.NieuwDocument();
    for (int i = 0; i < 200; ++i) {
        auto pagina = std::make_unique<CDataItemPagina>();
        pagina->m_strNaam = QStringLiteral("Foto %1").arg(i + 1);
        pagina->m_strAfbeelding = QStringLiteral("foto%1.jpg").arg(i % 20);
        doc.m_project.VoegKindToe(std::move(pagina));
    }
    ProjectBestand::Opslaan(doc, dir.filePath("fotos.zb"));
    CZerbantikoDoc geopend;
    geopend.NieuwDocument();
    ProjectBestand::Open(geopend, dir.filePath("fotos.zb"));
    Pdf(state, geopend, dir);
}
BENCHMARK(BM_Pdf200Fotopaginas)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    ZonderScherm();
    return DraaiBenchmarks<QGuiApplication>(argc, argv);
}
