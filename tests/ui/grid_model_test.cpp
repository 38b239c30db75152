// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QTableView>
#include <QTest>
#include <QApplication>

#include "app/main_window.h"
#include "dbase/table.h"
#include "regional/regional.h"
#include "support/gui_env.h"
#include "ui/book_grid_model.h"
#include "ui/navigator.h"

using testing_support::GuiEnv;

namespace {
void fill(TMain& main, int n)
{
    dbase::Table& t = main.MyTable.table();
    for (int i = 0; i < n; ++i) {
        t.append();
        t.setText(0, "Title " + std::to_string(i));
        t.setText(1, std::string(1, char('A' + i % 26)) + " author");
        t.setText(6, std::to_string(i) + ".5");
        t.setText(11, "19970301");
        t.post();
    }
    main.MyTable.refresh();
}
}  // namespace

TEST(GridModel, PassesTheModelTesterThroughChanges)
{
    GuiEnv env;
    auto main = env.start();
    ui::BookGridModel& model = *main->MyDataSource;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    fill(*main, 30);
    EXPECT_EQ(model.rowCount(), 30);
    main->show();
    EXPECT_EQ(model.columnCount(), 36);
    main->MyTable.goToRow(5);
    main->MyTable.append();
    EXPECT_EQ(model.rowCount(), 31);
    main->MyTable.cancel();
    main->MyTable.setFilter([](const dbase::RecordView& r) { return r.text(1)[0] == 'A'; });
    EXPECT_EQ(model.rowCount(), 2);
    main->MyTable.setFilter(nullptr);
    main->MyTable.goToRow(0);
    main->MyTable.deleteRecord();
    EXPECT_EQ(model.rowCount(), 29);
}

TEST(GridModel, ShowsTheRecordsInTheSortOrderWithFormattedValues)
{
    GuiEnv env;
    auto main = env.start();
    fill(*main, 3);
    main->show();
    ui::BookGridModel& model = *main->MyDataSource;
    // sorted by Author: "A author", "B author", "C author"
    EXPECT_EQ(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "Author");
    EXPECT_EQ(model.data(model.index(0, 1), Qt::DisplayRole).toString(), "A author");
    EXPECT_EQ(model.data(model.index(2, 6), Qt::DisplayRole).toString(), "2.50");
    EXPECT_EQ(model.data(model.index(0, 11), Qt::DisplayRole).toString(), "3/1/97");
    const int current = int(main->MyTable.row());
    EXPECT_EQ(model.headerData(current, Qt::Vertical, Qt::DisplayRole).toString(), "\u25B6");
    EXPECT_EQ(model.headerData((current + 1) % 3, Qt::Vertical, Qt::DisplayRole).toString(), "");
    main->action("MenuDateDMYSlashYr")->trigger();
    EXPECT_EQ(model.data(model.index(0, 11), Qt::DisplayRole).toString(), "1/3/1997");
}

TEST(GridModel, ViewerSettingsShapeTheColumns)
{
    GuiEnv env;
    auto main = env.start();
    fill(*main, 2);
    main->db.displayFields.fill(false);
    main->db.displayFields[1] = main->db.displayFields[0] = main->db.displayFields[16] = true;
    main->db.fieldOrder[0] = 2;
    main->db.fieldOrder[1] = 1;
    main->db.fieldNames[1] = "Writer";
    main->db.fieldWidth[0] = 30;
    main->db.showTitles = false;
    main->db.rowIndicator = false;
    main->db.fieldEditing = true;
    main->SetViewerOptions();
    ui::BookGridModel& model = *main->MyDataSource;
    ASSERT_EQ(model.columnCount(), 3);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Writer");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "Title");
    EXPECT_EQ(model.headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), "Checked Out");
    EXPECT_GT(main->ViewerGrid->columnWidth(1), main->ViewerGrid->columnWidth(0));
    EXPECT_TRUE(main->ViewerGrid->horizontalHeader()->isHidden());
    EXPECT_TRUE(main->ViewerGrid->verticalHeader()->isHidden());
    EXPECT_EQ(main->ViewerGrid->selectionBehavior(), QAbstractItemView::SelectItems);

    // in-grid editing writes the record at once
    EXPECT_TRUE(model.setData(model.index(1, 1), "Changed", Qt::EditRole));
    EXPECT_EQ(model.data(model.index(1, 1), Qt::DisplayRole).toString(), "Changed");
    main->MyTable.goToRow(1);
    EXPECT_EQ(main->MyTable.text(0), "Changed");

    // hiding every field leaves a grid without columns
    main->db.displayFields.fill(false);
    main->SetViewerOptions();
    EXPECT_EQ(model.columnCount(), 0);
    main->db.fieldEditing = false;
    main->db.displayFields.fill(true);
    main->SetViewerOptions();
    EXPECT_EQ(main->ViewerGrid->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_FALSE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
}

TEST(GridModel, BadValuesTypedInTheGridAreRefused)
{
    GuiEnv env;
    auto main = env.start();
    fill(*main, 1);
    main->db.fieldEditing = true;
    main->SetViewerOptions();
    ui::BookGridModel& model = *main->MyDataSource;
    env.messages.expect();
    EXPECT_FALSE(model.setData(model.index(0, 11), "31/31/97", Qt::EditRole));
    EXPECT_EQ(env.messages.shown.back().text, "'31/31/97' is not a valid date.");
    env.messages.expect();
    EXPECT_FALSE(model.setData(model.index(0, 6), "12abc", Qt::EditRole));
    EXPECT_EQ(env.messages.shown.back().text, "'12abc' is not a valid number.");
    env.messages.expect();
    EXPECT_FALSE(model.setData(model.index(0, 0), QStringLiteral("\u0412\u043e\u0439\u043d\u0430"), Qt::EditRole));
    EXPECT_EQ(env.messages.shown.back().text, "The characters \"\u0412\u043e\u0439\u043d\u0430\" cannot be stored in field TITLE.");
    EXPECT_EQ(main->MyTable.table().state(), dbase::TableState::Browse);
    EXPECT_EQ(model.data(model.index(0, 0), Qt::DisplayRole).toString(), "Title 0");
    EXPECT_TRUE(model.setData(model.index(0, 11), "12/25/05", Qt::EditRole));
    EXPECT_EQ(main->MyTable.table().getText(11), "20051225");
}

namespace {
// Replaces the value of the grid's current cell from the keyboard: F2, select all, type, Enter.
void typeIntoGrid(QTableView* grid, const QString& text)
{
    QTest::keyClick(grid, Qt::Key_F2);
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, grid);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();  // the cell editor commits from the event loop
}

// The main window shown and active with n books, field editing on and the grid focused.
bool editableGrid(TMain& main, int n)
{
    fill(main, n);
    main.db.fieldEditing = true;
    main.SetViewerOptions();
    main.show();
    main.activateWindow();
    if (!QTest::qWaitForWindowActive(&main)) return false;
    main.ViewerGrid->setFocus();
    return true;
}
}  // namespace

TEST(GridModel, AnEditInTheGridKeepsTheCurrentRecordAndColumn)
{
    GuiEnv env;
    auto main = env.start();
    ASSERT_TRUE(editableGrid(*main, 40));
    QTableView* grid = main->ViewerGrid;
    ui::BookGridModel& model = *main->MyDataSource;
    grid->setCurrentIndex(model.index(30, 0));
    ASSERT_EQ(main->MyTable.row(), 30u);
    const QString author = model.data(model.index(30, 1), Qt::DisplayRole).toString();

    // a field outside the sort order: the same row and column
    typeIntoGrid(grid, QStringLiteral("Renamed"));
    EXPECT_EQ(grid->currentIndex().row(), 30);
    EXPECT_EQ(grid->currentIndex().column(), 0);
    EXPECT_EQ(main->MyTable.row(), 30u);
    EXPECT_EQ(main->MyTable.text(0), "Renamed");
    EXPECT_EQ(main->MyTable.text(1), author);

    grid->setCurrentIndex(model.index(30, 6));
    typeIntoGrid(grid, QStringLiteral("7.25"));
    EXPECT_EQ(grid->currentIndex().row(), 30);
    EXPECT_EQ(grid->currentIndex().column(), 6);
    EXPECT_DOUBLE_EQ(main->MyTable.text(6).toDouble(), 7.25);

    // the sort field: the record moves to its new place and the grid follows it
    grid->setCurrentIndex(model.index(30, 1));
    typeIntoGrid(grid, QStringLiteral("ZZ last"));
    EXPECT_EQ(main->MyTable.text(1), "ZZ last");  // typing replaces the value, in list cells too
    EXPECT_EQ(main->MyTable.text(0), "Renamed");
    EXPECT_EQ(main->MyTable.row(), 39u);
    EXPECT_EQ(grid->currentIndex().row(), 39);
    EXPECT_EQ(grid->currentIndex().column(), 1);
}

// Typing on a cell replaces its value, in the cells with a drop-down list too.
TEST(GridModel, TypingOnAListCellReplacesItsValue)
{
    GuiEnv env;
    auto main = env.start();
    ASSERT_TRUE(editableGrid(*main, 10));
    QTableView* grid = main->ViewerGrid;
    ui::BookGridModel& model = *main->MyDataSource;
    grid->setCurrentIndex(model.index(4, 3));  // Publisher: a drop-down list
    const auto rec = main->MyTable.table().recordNumber();
    QTest::keyClicks(grid, QStringLiteral("Z"));  // opens the editor with this key
    QTest::qWait(50);  // a user types the next key after the editor has settled
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, grid);
    QTest::keyClicks(editor, QStringLiteral("ed"));
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    main->MyTable.table().gotoBookmark(rec);
    EXPECT_EQ(main->MyTable.text(3), "Zed");
}
