// Reads a fuzzed project and composes its first page at a small size, as
// the show and as the designer with its marks: whatever numbers the file
// holds (the reader keeps them as they are), drawing must stay defined.
#include "designer/OntwerpMarkeringen.h"
#include "file/ProjectBestand.h"
#include "model/ProjectInhoud.h"
#include "render/Klok.h"
#include "render/PaginaTekenaar.h"

#include <QGuiApplication>
#include <QImage>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

constexpr int nBreedte = 96;
constexpr int nHoogte = 54;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* pArgc, char*** pArgv)
{
    // Text needs the font database, which needs an application.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QGuiApplication app(*pArgc, *pArgv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    auto pInhoud = std::make_unique<CProjectInhoud>();
    ProjectBestand::SLeesOpties opties;
    opties.bAfbeeldingenLaden = false; // paths in random bytes must not reach the disk
    const CBestandsResultaat r
        = ProjectBestand::Lees(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)),
            QStringLiteral("fuzz.zb"), *pInhoud, opties);
    CDataItemProject& project = pInhoud->project;
    auto* pPagina = dynamic_cast<CDataItemPagina*>(project.GetKind(0));
    if (!r.Gelukt() || !pPagina)
        return 0;
    project.m_sizeDoel = { nBreedte, nHoogte };
    project.m_rectMonitor = { 0, 0, nBreedte, nHoogte };
    const CSysteemKlok klok;
    QImage beeld(nBreedte, nHoogte, QImage::Format_RGB32);
    {
        CPaginaTekenaar show(CPaginaTekenaar::Variant::Presentatie, klok);
        show.DrawPage(beeld, *pPagina);
        show.DrawSelectionIndicator(beeld, *pPagina, project, nullptr);
    }
    {
        CPaginaTekenaar ontwerp(CPaginaTekenaar::Variant::Ontwerp, klok);
        COntwerpMarkeringen markeringen;
        markeringen.KoppelAan(ontwerp);
        const CDataItemBasis* pGeselecteerd = pPagina->AantalKinderen() > 0 ? pPagina->GetKind(0) : pPagina;
        markeringen.BeginPagina(pPagina, pGeselecteerd);
        ontwerp.DrawPage(beeld, *pPagina, pGeselecteerd);
        ontwerp.DrawSelectionIndicator(beeld, *pPagina, project, pPagina);
    }
    return 0;
}
