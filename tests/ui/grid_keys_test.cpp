// SPDX-License-Identifier: GPL-2.0-or-later
// Grids from the keyboard: Space on a Yes/No cell, Return kept from the default button, Ctrl+Tab
// out of the grid, and the main grid keeping the focus after a value typed into a cell.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include "app/main_window.h"
#include "dbase/table.h"
#include "display/windows/view_config.h"
#include "reports/fake_report_host.h"
#include "support/gui_env.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_messages.h"
#include "transfer/windows/export_window.h"
#include "ui/grid_keys.h"
#include "ui/keyboard_focus.h"

namespace {
void showActive(QWidget& w)
{
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}
}  // namespace

TEST(GridKeys, SpaceTogglesReturnIsKeptAndCtrlTabLeaves)
{
    QDialog d;
    auto* before = new QPushButton("&Before", &d);
    auto* grid = new QTableWidget(3, 2, &d);
    grid->move(0, 30);
    auto* ok = new QPushButton("&Ok", &d);
    ok->setDefault(true);
    ok->move(0, 200);
    int accepted = 0;
    QObject::connect(&d, &QDialog::accepted, [&] { ++accepted; });
    QList<int> toggled;
    ui::followFocusInEveryWindow();  // Ctrl+Tab, as the main window sets it up
    ui::toggleOnSpace(grid, [&](int row) { toggled << row; });
    showActive(d);
    grid->setFocus();
    grid->setCurrentCell(2, 0);
    QTest::keyClick(grid, Qt::Key_Space);
    grid->setCurrentCell(1, 1);
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_EQ(toggled, QList<int>({2, 1}));
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(accepted, 0);
    EXPECT_TRUE(d.isVisible());
    QTest::keyClick(grid, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_TRUE(ok->hasFocus());
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(before->hasFocus());
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Tab);  // Tab alone stays in the grid, one cell on
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_EQ(grid->currentColumn(), 0);
    EXPECT_EQ(grid->currentRow(), 2);
}

TEST(GridKeys, TheYesNoColumnsOfExportAndViewerChangeWithSpace)
{
    testing_support::FakeHost host;
    testing_support::ScriptedDialogs dialogs;
    testing_support::ScriptedMessages messages;
    TMyExport exportWindow(host);
    showActive(exportWindow);
    exportWindow.ExportGrid->setFocus();
    exportWindow.ExportGrid->setCurrentCell(3, 1);
    const QString before = exportWindow.ExportGrid->item(3, 1)->text();
    QTest::keyClick(exportWindow.ExportGrid, Qt::Key_Space);
    EXPECT_NE(exportWindow.ExportGrid->item(3, 1)->text(), before);
    QTest::keyClick(exportWindow.ExportGrid, Qt::Key_Space);
    EXPECT_EQ(exportWindow.ExportGrid->item(3, 1)->text(), before);
    QTest::keyClick(exportWindow.ExportGrid, Qt::Key_Return);  // no export started: no dialog asked
    EXPECT_TRUE(dialogs.captions.isEmpty());
    EXPECT_TRUE(exportWindow.isVisible());

    testing_support::GuiEnv env;
    store::DatabaseSettings s;
    TViewConfig viewer(s, 1.0, [] {});
    viewer.FormShow();
    showActive(viewer);
    QTableWidget* show = viewer.FieldsToDisplay;
    show->window()->activateWindow();
    show->setCurrentCell(2, 0);
    const QString shown = show->item(2, 1)->text();
    QTest::keyClick(show, Qt::Key_Space);
    EXPECT_NE(show->item(2, 1)->text(), shown);
}

TEST(GridKeys, TheMainGridKeepsTheFocusAfterACellIsWritten)
{
    testing_support::GuiEnv env;
    {
        auto first = env.start();
        first->db.fieldEditing = true;
        first->close();
    }
    {
        dbase::Table t;
        t.open(env.programDir().toStdString(), "MASTER.DBF");
        for (const char* title : {"Alpha", "Beta", "Gamma"}) {
            t.append();
            t.setText(0, title);
            t.post();
        }
    }
    auto main = env.start();
    showActive(*main);
    QTableView* grid = main->ViewerGrid;
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(1, 0));
    QTest::keyClick(grid, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_TRUE(editor) << "F2 opened no editor";
    editor->selectAll();
    QTest::keyClicks(editor, "Bravo");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();

    EXPECT_EQ(grid->model()->index(1, 0).data().toString().trimmed(), "Bravo");
    EXPECT_TRUE(grid->hasFocus()) << (QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className() : "nothing");
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(grid->currentIndex().row(), 2);
    QTest::keyClick(grid, Qt::Key_F2);
    EXPECT_TRUE(qobject_cast<QLineEdit*>(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
}
