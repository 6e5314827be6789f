// Run on the screens A and B in that order: chooses B in the project
// dialog, as a user does, and saves the project to the path given.
#include "dialogs/DlgEigenschappenProject.h"
#include "file/ProjectBestand.h"
#include "model/ZerbantikoDoc.h"
#include "support/FakeMelder.h"
#include "support/FakeOpenBestand.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    CZerbantikoDoc doc;
    CFakeMelder melder;
    CFakeOpenBestand kiezer;
    doc.SetMelder(&melder);
    doc.NieuwDocument();
    doc.SelecteerElement(&doc.m_project);
    doc.Invoegen(Soort::Pagina, 1);
    {
        CDlgEigenschappenProject dlg(doc.m_project, doc, melder, kiezer, nullptr);
        auto* pMonitor = dlg.findChild<QComboBox*>("monitor");
        const int nB = pMonitor->findText("B (1280 x 1024)");
        if (nB != 2)
            return 3;
        pMonitor->setCurrentIndex(nB);
        emit pMonitor->activated(nB);
        dlg.findChild<QPushButton*>("ok")->click();
    }
    return ProjectBestand::Opslaan(doc, QString::fromLocal8Bit(argv[1])).Gelukt() ? 0 : 4;
}
