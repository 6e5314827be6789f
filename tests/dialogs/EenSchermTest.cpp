// The project dialog on a machine with one screen (the offscreen default).
#include "dialogs/DlgEigenschappenProject.h"
#include "model/ZerbantikoDoc.h"
#include "support/FakeMelder.h"
#include "support/FakeOpenBestand.h"
#include "support/QtPrinters.h"

#include <QComboBox>

#include <gtest/gtest.h>

TEST(EenScherm, OnlyTheAutomaticMonitorDisabled)
{
    CZerbantikoDoc doc;
    CFakeMelder melder;
    CFakeOpenBestand kiezer;
    doc.NieuwDocument();
    CDlgEigenschappenProject dlg(doc.m_project, doc, melder, kiezer, nullptr);
    auto* pMonitor = dlg.findChild<QComboBox*>("monitor");
    ASSERT_NE(pMonitor, nullptr);
    ASSERT_EQ(pMonitor->count(), 1);
    EXPECT_EQ(pMonitor->itemText(0), "automatisch (hoofdbeeldscherm, maximaal gevuld)");
    EXPECT_FALSE(pMonitor->isEnabled());
    EXPECT_FALSE(dlg.findChild<QWidget*>("monitorLabel")->isEnabled());
}
