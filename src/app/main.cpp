#include "file/ProjectBestand.h"
#include "file/ProjectDump.h"
#include "model/ProjectInhoud.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <memory>

namespace {

int Dump(const QString& strPad)
{
    QFile file(strPad);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s\n", qPrintable(FoutMelding(FoutSoort::Openen, strPad)));
        return 1;
    }
    auto pInhoud = std::make_unique<CProjectInhoud>();
    ProjectBestand::SLeesOpties opties;
    opties.bAfbeeldingenLaden = false;
    const CBestandsResultaat r = ProjectBestand::Lees(file, strPad, *pInhoud, opties);
    if (!r.Gelukt()) {
        std::fprintf(stderr, "%s\n", qPrintable(r.strMelding));
        return 1;
    }
    const QByteArray json = DumpProjectJson(*pInhoud);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return 0;
}

void Gebruik()
{
    std::fprintf(stderr, "Gebruik: zerbantiko --dump PROJECT.zb\n");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--dump"))
        return Dump(args[2]);
    Gebruik();
    return 2;
}
