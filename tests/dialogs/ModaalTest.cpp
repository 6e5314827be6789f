// A dialog open in the editor blocks the editor only: the show on the
// projector still takes the presenter's clicks and keys.
#include "dialogs/DlgEigenschappenTekst.h"
#include "dialogs/EigenschappenDialogen.h"
#include "model/DataItemPagina.h"
#include "model/ZerbantikoDoc.h"
#include "show/Show.h"
#include "show/WndPresentatie.h"
#include "support/FakeGeluid.h"
#include "support/FakeMelder.h"
#include "support/FakeOpenBestand.h"
#include "support/FakeStarter.h"
#include "support/VasteKlok.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

TEST(Modaal, AnOpenDialogLeavesTheShowToThePresenter)
{
    CVasteKlok klok;
    CFakeMelder melder;
    CFakeStarter starter;
    CFakeGeluid geluid;
    CFakeOpenBestand kiezer;
    CZerbantikoDoc doc;
    doc.SetMelder(&melder);
    doc.NieuwDocument();
    doc.SelecteerElement(&doc.m_project);
    CDataItemBasis* pPagina = doc.Invoegen(Soort::Pagina, 1);
    doc.SelecteerElement(pPagina);
    CDataItemBasis* pItem = doc.Invoegen(Soort::Item, 3);
    pItem->m_strOpdracht = "programma";
    pItem->m_dBreedte = pItem->m_dHoogte = 100;
    CShow show(doc, klok, melder, starter, geluid);

    QWidget editor; // the main window
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    doc.SelecteerElement(pPagina);
    show.Start();
    CWndPresentatie& venster = show.Presentatie();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&venster));
    venster.OnDraw(venster.size());

    CEigenschappenDialogen dialogen(melder, kiezer, nullptr);
    dialogen.SetOuder(&editor);
    bool bGetest = false;
    QTimer::singleShot(0, [&] {
        QWidget* pDialoog = QApplication::activeModalWidget();
        ASSERT_NE(pDialoog, nullptr);
        // Through the window system, where a modal dialog would block them.
        QTest::mouseClick(venster.windowHandle(), Qt::LeftButton, {}, venster.rect().center());
        EXPECT_EQ(starter.aGestart, QStringList { "programma|" }) << "a click on the show acts";
        QTest::keyClick(venster.windowHandle(), Qt::Key_C);
        EXPECT_FALSE(venster.isVisible()) << "C ends the show";
        bGetest = true;
        static_cast<QDialog*>(pDialoog)->reject();
    });
    dialogen.Toon(EigenschappenDialoog::Tekst, *pItem, doc);
    EXPECT_TRUE(bGetest);
}
