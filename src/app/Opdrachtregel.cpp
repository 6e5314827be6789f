#include "Opdrachtregel.h"

#include "designer/OntwerpMarkeringen.h"
#include "file/ProjectBestand.h"
#include "file/ProjectDump.h"
#include "model/ProjectInhoud.h"
#include "model/Versie.h"
#include "model/ZerbantikoDoc.h"
#include "pakket/Pakket.h"
#include "pakket/PdfExport.h"
#include "render/Klok.h"
#include "render/PaginaTekenaar.h"

#include <QCommandLineParser>
#include <QImage>
#include <QRegularExpression>

#include <cstdio>
#include <memory>

namespace Opdrachtregel {

namespace {

// The largest page --render draws, in pixels either way.
constexpr int nMaxPixels = 16384;

void Fout(const QString& strTekst)
{
    std::fprintf(stderr, "%s\n", qPrintable(strTekst));
}

SOpdracht FoutOpdracht(const QString& strTekst)
{
    SOpdracht o;
    o.soort = Soort::Fout;
    o.strFout = strTekst;
    return o;
}

const char* const szGebruikRender
    = "Gebruik: zerbantiko --render PROJECT.zb --page N --size BxH --out pagina.png [--designer]";

} // namespace

QString Versie()
{
    return Versie::Naam();
}

QString Hulp()
{
    return QStringLiteral(
        "Gebruik: zerbantiko [PROJECT.zb]\n"
        "       zerbantiko --dump PROJECT.zb\n"
        "       zerbantiko --render PROJECT.zb --page N --size BxH --out pagina.png [--designer]\n"
        "       zerbantiko --pack PROJECT.zb PAKKET.zbz [--allow-missing]\n"
        "       zerbantiko --unpack PAKKET.zbz MAP\n"
        "       zerbantiko --pdf PROJECT.zb UIT.pdf [--size BxH]\n"
        "\n"
        "Zerbantiko maakt klikbare presentatieschermen en toont ze op een tweede beeldscherm of een beamer.\n"
        "\n"
        "  PROJECT.zb             opent het project in de editor\n"
        "  --dump PROJECT.zb      schrijft elk opgeslagen veld van elk record als JSON, in de volgorde van het\n"
        "                         bestand\n"
        "  --render PROJECT.zb    tekent een pagina als PNG-bestand, zoals de presentatie haar toont:\n"
        "    --page N             de pagina, geteld vanaf 0\n"
        "    --size BxH           breedte en hoogte in pixels (ten hoogste 16384)\n"
        "    --out pagina.png     het bestand dat geschreven wordt\n"
        "    --designer           zoals de ontwerper de pagina toont, met ankerpunten\n"
        "  --pack PROJECT.zb PAKKET.zbz\n"
        "                         pakt het project in met alle afbeeldingen, geluiden en documenten die het\n"
        "                         noemt; ontbreekt er een, dan wordt niets geschreven (status 3)\n"
        "    --allow-missing      pakt toch in en noemt wat ontbreekt\n"
        "  --unpack PAKKET.zbz MAP\n"
        "                         pakt een pakket uit in een lege of nieuwe map, na controle van elk bestand\n"
        "  --pdf PROJECT.zb UIT.pdf\n"
        "                         schrijft alle pagina's als PDF, met de paginanamen als bladwijzers\n"
        "    --size BxH           de paginagrootte in pixels (standaard 1920x1080)\n"
        "  -h, --help             toont deze hulp\n"
        "  -v, --version          toont de versie\n"
        "\n"
        "--dump, --render, --pack, --unpack en --pdf hebben geen beeldscherm nodig. Afsluitstatus: 0 gelukt,\n"
        "1 een bestand kon niet worden gelezen of geschreven, 2 onjuist gebruik, 3 bestanden ontbreken.\n");
}

SOpdracht Lees(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption hulp({ "h", "help" }, {});
    const QCommandLineOption versie({ "v", "version" }, {});
    const QCommandLineOption dump("dump", {}, "PROJECT");
    const QCommandLineOption render("render", {}, "PROJECT");
    const QCommandLineOption pagina("page", {}, "N");
    const QCommandLineOption maat("size", {}, "BxH");
    const QCommandLineOption uit("out", {}, "PNG");
    const QCommandLineOption ontwerp("designer", {});
    const QCommandLineOption inpakken("pack", {}, "PROJECT");
    const QCommandLineOption uitpakken("unpack", {}, "PAKKET");
    const QCommandLineOption pdf("pdf", {}, "PROJECT");
    const QCommandLineOption ontbrekend("allow-missing", {});
    parser.addOptions({ hulp, versie, dump, render, pagina, maat, uit, ontwerp, inpakken, uitpakken, pdf, ontbrekend });
    if (!parser.parse(args)) {
        if (!parser.unknownOptionNames().isEmpty()) {
            const QString strNaam = parser.unknownOptionNames().constFirst();
            return FoutOpdracht(QStringLiteral("Onbekende optie: %1%2. Zie zerbantiko --help.")
                                    .arg(strNaam.size() == 1 ? "-" : "--", strNaam));
        }
        // Qt says which option lacks a value, or has one it takes none of.
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("'([^']+)'")).match(parser.errorText());
        const QString strOptie = m.hasMatch() ? m.captured(1) : QString();
        if (parser.errorText().startsWith(QLatin1String("Missing value")))
            return FoutOpdracht(QStringLiteral("Na %1 ontbreekt een waarde. Zie zerbantiko --help.").arg(strOptie));
        return FoutOpdracht(QStringLiteral("Bij %1 hoort geen waarde. Zie zerbantiko --help.").arg(strOptie));
    }
    SOpdracht o;
    if (parser.isSet(hulp)) {
        o.soort = Soort::Hulp;
        return o;
    }
    if (parser.isSet(versie)) {
        o.soort = Soort::Versie;
        return o;
    }
    const QStringList aLos = parser.positionalArguments();
    if (parser.isSet(dump)) {
        o.soort = Soort::Dump;
        o.strProject = parser.value(dump);
        if (!aLos.isEmpty())
            return FoutOpdracht(QStringLiteral("Gebruik: zerbantiko --dump PROJECT.zb"));
        return o;
    }
    if (parser.isSet(render)) {
        o.soort = Soort::Render;
        o.strProject = parser.value(render);
        o.strUit = parser.value(uit);
        o.bOntwerp = parser.isSet(ontwerp);
        bool bPaginaOk = false;
        o.nPagina = parser.value(pagina).toInt(&bPaginaOk);
        const QRegularExpressionMatch m
            = QRegularExpression(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$")).match(parser.value(maat));
        if (o.strUit.isEmpty() || !bPaginaOk || !m.hasMatch() || !aLos.isEmpty())
            return FoutOpdracht(QString::fromLatin1(szGebruikRender));
        o.maat = QSize(m.captured(1).toInt(), m.captured(2).toInt());
        if (o.maat.width() < 1 || o.maat.height() < 1 || o.maat.width() > nMaxPixels || o.maat.height() > nMaxPixels)
            return FoutOpdracht(QStringLiteral("Ongeldige afmeting %1 x %2.").arg(o.maat.width()).arg(o.maat.height()));
        return o;
    }
    const auto maatUit = [&](const QString& strMaat, QSize& grootte) {
        const QRegularExpressionMatch mm = QRegularExpression(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$")).match(strMaat);
        if (!mm.hasMatch())
            return false;
        grootte = QSize(mm.captured(1).toInt(), mm.captured(2).toInt());
        return grootte.width() >= 1 && grootte.height() >= 1 && grootte.width() <= nMaxPixels
            && grootte.height() <= nMaxPixels;
    };
    if (parser.isSet(inpakken) || parser.isSet(uitpakken) || parser.isSet(pdf)) {
        const bool bPdf = parser.isSet(pdf);
        const QCommandLineOption& optie = bPdf ? pdf : parser.isSet(inpakken) ? inpakken : uitpakken;
        o.soort = bPdf ? Soort::Pdf : parser.isSet(inpakken) ? Soort::Inpakken : Soort::Uitpakken;
        const char* szGebruik = bPdf     ? "Gebruik: zerbantiko --pdf PROJECT.zb UIT.pdf [--size BxH]"
            : o.soort == Soort::Inpakken ? "Gebruik: zerbantiko --pack PROJECT.zb PAKKET.zbz [--allow-missing]"
                                         : "Gebruik: zerbantiko --unpack PAKKET.zbz MAP";
        o.strProject = parser.value(optie);
        o.strUit = aLos.value(0);
        o.bZonderOntbrekende = parser.isSet(ontbrekend);
        o.maat = QSize(1920, 1080);
        const int nOpdrachten = int(parser.isSet(inpakken)) + int(parser.isSet(uitpakken)) + int(parser.isSet(pdf));
        if (aLos.size() != 1 || nOpdrachten > 1 || parser.isSet(pagina) || parser.isSet(uit) || parser.isSet(ontwerp)
            || (o.bZonderOntbrekende && o.soort != Soort::Inpakken) || (parser.isSet(maat) && !bPdf)
            || (parser.isSet(maat) && !maatUit(parser.value(maat), o.maat)))
            return FoutOpdracht(QString::fromLatin1(szGebruik));
        return o;
    }
    if (parser.isSet(pagina) || parser.isSet(maat) || parser.isSet(uit) || parser.isSet(ontwerp))
        return FoutOpdracht(QString::fromLatin1(szGebruikRender));
    if (parser.isSet(ontbrekend))
        return FoutOpdracht(QStringLiteral("Gebruik: zerbantiko --pack PROJECT.zb PAKKET.zbz [--allow-missing]"));
    if (aLos.size() > 1)
        return FoutOpdracht(QStringLiteral("Eén project tegelijk. Zie zerbantiko --help."));
    o.strProject = aLos.value(0);
    return o;
}

bool HeeftBeeldscherm()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

QString GeenBeeldscherm()
{
    return QStringLiteral("Zerbantiko kan de editor niet openen: er is geen beeldscherm (DISPLAY of WAYLAND_DISPLAY).");
}

int Dump(const SOpdracht& opdracht)
{
    const QString& strPad = opdracht.strProject;
    auto pInhoud = std::make_unique<CProjectInhoud>();
    ProjectBestand::SLeesOpties opties;
    opties.bAfbeeldingenLaden = false;
    const CBestandsResultaat r = ProjectBestand::LeesBestand(strPad, *pInhoud, opties);
    if (!r.Gelukt()) {
        Fout(r.strMelding);
        return 1;
    }
    const QByteArray json = DumpProjectJson(*pInhoud);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return 0;
}

int Render(const SOpdracht& opdracht)
{
    const QString& strPad = opdracht.strProject;
    const int nPagina = opdracht.nPagina;
    const int W = opdracht.maat.width(), H = opdracht.maat.height();
    CZerbantikoDoc doc;
    doc.NieuwDocument();
    const CBestandsResultaat r = ProjectBestand::Open(doc, strPad);
    if (!r.Gelukt()) {
        Fout(r.strMelding);
        return 1;
    }
    auto* pPagina = dynamic_cast<CDataItemPagina*>(doc.m_project.GetKind(nPagina));
    if (!pPagina) {
        Fout(QStringLiteral("Het project heeft geen pagina %1 (het heeft er %2, genummerd vanaf 0).")
                 .arg(nPagina)
                 .arg(doc.m_project.AantalKinderen()));
        return 1;
    }

    // As a window's paint does: the page bitmap's size goes into the project first.
    doc.m_project.m_sizeDoel = { W, H };
    doc.m_project.m_rectMonitor = { 0, 0, W, H };
    const bool bOntwerp = opdracht.bOntwerp;
    const CSysteemKlok klok;
    CPaginaTekenaar tekenaar(
        bOntwerp ? CPaginaTekenaar::Variant::Ontwerp : CPaginaTekenaar::Variant::Presentatie, klok);
    // The designer draws the page as it shows it when the page itself is
    // selected: with its anchor marks.
    COntwerpMarkeringen markeringen;
    const CDataItemBasis* pGeselecteerd = bOntwerp ? pPagina : nullptr;
    if (bOntwerp) {
        markeringen.KoppelAan(tekenaar);
        markeringen.BeginPagina(pPagina, pGeselecteerd);
    }
    QImage beeld(W, H, QImage::Format_RGB32);
    tekenaar.DrawPage(beeld, *pPagina, pGeselecteerd);
    tekenaar.DrawSelectionIndicator(beeld, *pPagina, doc.m_project, pGeselecteerd);
    if (!beeld.save(opdracht.strUit, "PNG")) {
        Fout(QStringLiteral("Het bestand %1 kan niet worden geschreven.").arg(opdracht.strUit));
        return 1;
    }
    return 0;
}

int Inpakken(const SOpdracht& opdracht)
{
    const Pakket::SResultaat r = Pakket::Inpakken(opdracht.strProject, opdracht.strUit, opdracht.bZonderOntbrekende);
    if (r.uitkomst == Pakket::Uitkomst::Ontbrekend) {
        Fout(r.strMelding);
        Fout(QStringLiteral("Er is niets geschreven; met --allow-missing wordt toch ingepakt."));
        return 3;
    }
    if (r.uitkomst != Pakket::Uitkomst::Gelukt) {
        Fout(r.strMelding);
        return 1;
    }
    // Packed without them, as asked: still named.
    if (!r.aOntbrekend.empty())
        Fout(Pakket::OntbrekendTekst(r.aOntbrekend));
    return 0;
}

int Uitpakken(const SOpdracht& opdracht)
{
    const Pakket::SResultaat r = Pakket::Uitpakken(opdracht.strProject, opdracht.strUit, false);
    if (r.uitkomst != Pakket::Uitkomst::Gelukt) {
        Fout(r.uitkomst == Pakket::Uitkomst::MapNietLeeg
                ? r.strMelding + QStringLiteral(" Kies een lege of nieuwe map; er is niets overschreven.")
                : r.strMelding);
        return 1;
    }
    std::printf("%s\n", qPrintable(r.strProject));
    return 0;
}

int Pdf(const SOpdracht& opdracht)
{
    CZerbantikoDoc doc;
    doc.NieuwDocument();
    const CBestandsResultaat r = ProjectBestand::Open(doc, opdracht.strProject);
    if (!r.Gelukt()) {
        Fout(r.strMelding);
        return 1;
    }
    const CSysteemKlok klok;
    QString strFout;
    if (!SchrijfPdf(doc.m_project, opdracht.strUit, opdracht.maat, klok, strFout)) {
        Fout(strFout);
        return 1;
    }
    return 0;
}

} // namespace Opdrachtregel
