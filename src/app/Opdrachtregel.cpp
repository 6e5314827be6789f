#include "Opdrachtregel.h"

#include "designer/OntwerpMarkeringen.h"
#include "file/ProjectBestand.h"
#include "file/ProjectDump.h"
#include "model/ProjectInhoud.h"
#include "model/ZerbantikoDoc.h"
#include "render/Klok.h"
#include "render/PaginaTekenaar.h"

#include <QImage>
#include <QRegularExpression>

#include <cstdio>
#include <memory>

namespace Opdrachtregel {

namespace {

void Fout(const QString& strTekst)
{
    std::fprintf(stderr, "%s\n", qPrintable(strTekst));
}

QString Waarde(const QStringList& args, const QString& strOptie)
{
    const qsizetype i = args.indexOf(strOptie);
    return i >= 0 && i + 1 < args.size() ? args[i + 1] : QString();
}

} // namespace

bool IsDump(const QStringList& args)
{
    return args.contains(QLatin1String("--dump"));
}

bool IsRender(const QStringList& args)
{
    return args.contains(QLatin1String("--render"));
}

int Dump(const QStringList& args)
{
    const QString strPad = Waarde(args, "--dump");
    if (strPad.isEmpty()) {
        Fout("Gebruik: zerbantiko --dump PROJECT.zb");
        return 2;
    }
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

int Render(const QStringList& args)
{
    const QString strPad = Waarde(args, "--render");
    const QString strUit = Waarde(args, "--out");
    bool bPaginaOk = false;
    const int nPagina = Waarde(args, "--page").toInt(&bPaginaOk);
    const QRegularExpressionMatch maat
        = QRegularExpression(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$")).match(Waarde(args, "--size"));
    if (strPad.isEmpty() || strUit.isEmpty() || !bPaginaOk || !maat.hasMatch()) {
        Fout("Gebruik: zerbantiko --render PROJECT.zb --page N --size BxH --out pagina.png [--designer]");
        return 2;
    }
    const int W = maat.captured(1).toInt(), H = maat.captured(2).toInt();
    if (W < 1 || H < 1 || W > 16384 || H > 16384) {
        Fout(QStringLiteral("Ongeldige afmeting %1 x %2.").arg(W).arg(H));
        return 2;
    }

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
    const bool bOntwerp = args.contains(QLatin1String("--designer"));
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
    if (!beeld.save(strUit, "PNG")) {
        Fout(QStringLiteral("Het bestand %1 kan niet worden geschreven.").arg(strUit));
        return 1;
    }
    return 0;
}

} // namespace Opdrachtregel
