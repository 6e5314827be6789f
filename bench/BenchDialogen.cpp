// Opening the font list of a property dialog: every installed face listed,
// none of them made as a font until its entry is drawn; and opening the
// text dialog that holds it.
#include "BenchMain.h"
#include "dialogs/DlgEigenschappenTekst.h"
#include "dialogs/IOpenBestand.h"
#include "dialogs/LettertypeLijst.h"
#include "model/IMelder.h"
#include "model/ZerbantikoDoc.h"

#include <QApplication>
#include <QFontDatabase>

#include <benchmark/benchmark.h>

namespace {

void BM_LettertypeLijstOpenen(benchmark::State& state)
{
    for (auto _ : state) {
        CLettertypeLijst lijst;
        lijst.Laad(QStringLiteral("Verdana"));
        benchmark::DoNotOptimize(lijst.Naam());
    }
    state.counters["lettertypen"] = double(QFontDatabase::families().size());
}
BENCHMARK(BM_LettertypeLijstOpenen)->Unit(benchmark::kMillisecond);

class CStil : public IMelder, public IOpenBestand {
public:
    void Meld(const QString&) override { }
    bool VraagJaNee(const QString&) override { return false; }
    Antwoord VraagJaNeeAnnuleren(const QString&) override { return Antwoord::Annuleren; }
    QString Kies(QWidget*, const QString&, const QString&) override { return QString(); }
};

// From the command to the dialog on screen: the form, the lists, every
// control loaded and its state worked out, and the first paint.
void BM_TekstDialoogOpenen(benchmark::State& state)
{
    CZerbantikoDoc doc;
    CStil stil;
    doc.NieuwDocument();
    doc.SelecteerElement(&doc.m_project);
    doc.SelecteerElement(doc.Invoegen(Soort::Pagina, 1));
    CDataItemBasis* pItem = doc.Invoegen(Soort::Item, 1);
    for (auto _ : state) {
        CDlgEigenschappenTekst dlg(*pItem, doc, stil, stil);
        dlg.show();
        benchmark::DoNotOptimize(dlg.grab());
    }
    state.counters["lettertypen"] = double(QFontDatabase::families().size());
}
BENCHMARK(BM_TekstDialoogOpenen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    ZonderScherm();
    return DraaiBenchmarks<QApplication>(argc, argv);
}
