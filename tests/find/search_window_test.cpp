// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "app/main_window.h"
#include "dbase/table.h"
#include "find/windows/search_window.h"
#include "support/gui_env.h"

using testing_support::GuiEnv;

namespace {
struct Books {
    GuiEnv env;
    std::unique_ptr<TMain> main = env.start();
    TMySearch& w = *main->MySearch;
    Books()
    {
        dbase::Table& t = main->MyTable.table();
        const char* rows[][3] = {{"Goldsmith, A.", "FICTION", "10"}, {"King, S.", "HORROR", "20"},
                                 {"Lane, B.", "FICTION", "15"}};
        for (auto& r : rows) {
            t.append();
            t.setText(1, r[0]);
            t.setText(4, r[1]);
            t.setText(6, r[2]);
            t.post();
        }
        main->MyTable.refresh();
        main->show();
        w.FormShow();
    }
    void type(int field, const char* text) { w.SearchGrid->item(field - 1, 2)->setText(QString::fromUtf8(text)); }
    QString count() const { return main->findChild<QLabel*>("CountLabel")->text(); }
};
}  // namespace

TEST(SearchWindow, LevelsSearchAndEndSearch)
{
    Books b;
    EXPECT_EQ(b.w.windowTitle(), "Search");
    EXPECT_EQ(b.w.SearchGrid->horizontalHeaderItem(2)->text(), " SEARCH CRITERIA    (Level 1)");
    EXPECT_EQ(b.w.SearchGrid->item(1, 0)->text(), " Author");
    EXPECT_EQ(b.w.SearchGrid->item(6, 1)->text(), "...");  // Cost has operators
    EXPECT_EQ(b.w.SearchGrid->item(0, 1)->text(), "");     // Title has no options
    b.type(5, "fiction");
    b.w.MoreButtonClick();
    EXPECT_EQ(b.w.level(), 2);
    EXPECT_EQ(b.w.SearchGrid->horizontalHeaderItem(2)->text(), " SEARCH CRITERIA    (Level 2)");
    EXPECT_EQ(b.w.SearchGrid->item(4, 2)->text(), "");
    b.type(2, "king");
    b.w.OkButtonClick();
    EXPECT_TRUE(b.main->searchOn);
    EXPECT_EQ(b.main->MyTable.recordCount(), 3u);  // FICTION or KING: the union
    EXPECT_EQ(b.count(), "3");

    // a new search replaces the old one; one nothing satisfies leaves everything unfiltered
    b.w.FormShow();
    b.type(2, "nobody");
    b.env.messages.expect();
    b.w.OkButtonClick();
    EXPECT_EQ(b.env.messages.shown.back().caption, "Notice");
    EXPECT_EQ(b.env.messages.shown.back().text, "No valid matches found.  Search Criteria will be cleared.");
    EXPECT_FALSE(b.main->searchOn);
    EXPECT_EQ(b.main->MyTable.recordCount(), 3u);
    EXPECT_EQ(b.w.SearchGrid->item(1, 2)->text(), "");

    b.w.FormShow();
    b.type(2, "smith");
    b.w.OkButtonClick();
    EXPECT_EQ(b.main->MyTable.recordCount(), 1u);  // Goldsmith
    b.main->action("MenuEndSearch")->trigger();
    EXPECT_EQ(b.main->MyTable.recordCount(), 3u);
}

TEST(SearchWindow, RangesOperatorsAndRefusals)
{
    Books b;
    b.w.applyOption(6, 4, {});  // Cost: > X <
    EXPECT_EQ(b.w.op(6), 4);
    b.type(7, "> 10        AND < 20      ");
    b.w.OkButtonClick();
    EXPECT_EQ(b.main->MyTable.recordCount(), 1u);  // 15: the ends excluded

    b.w.FormShow();
    b.w.applyOption(11, 4, {});  // Purchase Date range with one bound
    b.type(12, "> 01/01/1997 AND <   /  /    ");
    b.env.messages.expect();
    b.w.OkButtonClick();
    EXPECT_EQ(b.env.messages.shown.back().text, "Invalid search criteria entered.  Please correct.");
    EXPECT_EQ(b.w.SearchGrid->currentRow(), 11);
    b.type(12, "");
    b.env.messages.expect();
    b.w.OkButtonClick();
    EXPECT_EQ(b.env.messages.shown.back().text, "No search criteria entered.");
    // a list row takes a value from its options
    b.w.applyOption(16, 1, "YES");
    EXPECT_EQ(b.w.SearchGrid->item(16, 2)->text(), "YES");
    b.w.HelpButtonClick();
    EXPECT_EQ(b.env.help.keywords, QStringList {"Search Window"});
}

TEST(SearchWindow, FindMoreStopsAtLevelTen)
{
    Books b;
    for (int level = 1; level < 10; ++level) {
        b.type(1, "x");
        b.w.MoreButtonClick();
    }
    EXPECT_EQ(b.w.level(), 10);
    EXPECT_FALSE(b.w.MoreButton->isEnabled());
    b.w.ClearSearch();
    EXPECT_TRUE(b.w.MoreButton->isEnabled());
    EXPECT_EQ(b.w.level(), 1);
    // Exit leaves no search in force and no criteria behind
    b.type(1, "x");
    b.w.MoreButtonClick();
    b.w.ExitButtonClick();
    EXPECT_FALSE(b.main->searchOn);
    EXPECT_EQ(b.main->MyTable.recordCount(), 3u);
}

TEST(SearchWindow, TheOptionsWindowOffersOperatorsAndLists)
{
    Books b;
    b.main->dataLists[edit::AuthorList] = {"King, S."};
    QTimer::singleShot(0, [] {
        auto* d = QApplication::activeModalWidget();
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->windowTitle(), "Search Options");
        auto* list = d->findChild<QListWidget*>("ListBox1");
        ASSERT_EQ(list->count(), 4);
        EXPECT_EQ(list->item(3)->text(), " > X < ");
        list->setCurrentRow(1);
        static_cast<QDialog*>(d)->accept();
    });
    EXPECT_TRUE(b.w.OptionClick(6));
    EXPECT_EQ(b.w.op(6), 2);
    QTimer::singleShot(0, [] {
        auto* d = QApplication::activeModalWidget();
        auto* list = d->findChild<QListWidget*>("ListBox1");
        ASSERT_EQ(list->count(), 1);
        list->setCurrentRow(0);
        static_cast<QDialog*>(d)->accept();
    });
    EXPECT_TRUE(b.w.OptionClick(1));
    EXPECT_EQ(b.w.SearchGrid->item(1, 2)->text(), "King, S.");
    EXPECT_FALSE(b.w.OptionClick(0));  // Title: nothing to offer
}

TEST(SearchWindow, OpeningAgainAtAPresetKeepsTheSameSize)
{
    Books b;
    b.main->ChoosePreset(1024);
    auto* help = b.w.findChild<QPushButton*>("HelpButton");
    QSize sizes[3];
    QRect buttons[3];
    for (int i = 0; i < 3; ++i) {
        b.w.FormShow();
        sizes[i] = b.w.size();
        buttons[i] = help->geometry();
    }
    EXPECT_EQ(sizes[0], QSize(1011, 712));
    EXPECT_EQ(sizes[1], sizes[0]);
    EXPECT_EQ(sizes[2], sizes[0]);
    EXPECT_EQ(buttons[2], buttons[0]);
    EXPECT_NEAR(help->font().pointSizeF(), 10.5 * 1.6, 0.01);
    EXPECT_LE(b.w.frameGeometry().bottom(), 1024);
    // going back to 640 gives the window as designed
    b.main->ChoosePreset(640);
    b.w.FormShow();
    EXPECT_EQ(b.w.size(), QSize(632, 445));
    EXPECT_EQ(help->geometry(), QRect(510, 404, 112, 32));
}

TEST(SearchWindow, FindMoreLeavesTheCursorInTheFirstCriterion)
{
    Books b;
    b.w.show();
    b.w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b.w));
    EXPECT_EQ(b.w.SearchGrid->currentColumn(), 2);
    b.w.SearchGrid->setFocus();
    b.w.SearchGrid->setCurrentCell(4, 2);
    QTest::keyClicks(b.w.SearchGrid, "f");  // the first key opens the cell's editor
    QTest::keyClicks(QApplication::focusWidget(), "iction");
    b.w.MoreButton->click();
    EXPECT_EQ(b.w.level(), 2);
    EXPECT_EQ(b.w.SearchGrid->currentRow(), 0);
    EXPECT_EQ(b.w.SearchGrid->currentColumn(), 2);
    EXPECT_TRUE(b.w.SearchGrid->hasFocus());
    // typing goes into the criterion, not into the field's name
    QTest::keyClicks(b.w.SearchGrid, "g");
    ASSERT_NE(QApplication::focusWidget(), b.w.SearchGrid);
    QTest::keyClicks(QApplication::focusWidget(), "old");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents();  // the cell editor commits from the event loop
    EXPECT_EQ(b.w.SearchGrid->item(0, 2)->text(), "gold");
    EXPECT_EQ(b.w.SearchGrid->item(0, 0)->text(), " Title");
    // nothing typed: the message, and the cursor stays in the criteria
    b.w.SearchGrid->setCurrentCell(3, 2);
    b.w.SearchGrid->item(0, 2)->setText("");
    b.env.messages.expect();
    b.w.MoreButtonClick();
    EXPECT_EQ(b.env.messages.shown.back().text, "No search criteria entered.");
    EXPECT_EQ(b.w.SearchGrid->currentColumn(), 2);
    b.w.hide();
}

// A keyboard user opens a "..." cell's options with the keys of a drop-down, and Tab stops only
// where something is chosen or typed.
TEST(SearchWindow, TheOptionsCellWorksFromTheKeyboard)
{
    Books b;
    b.w.show();
    b.w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b.w));
    QTableWidget* grid = b.w.SearchGrid;
    grid->setFocus();
    int opened = 0;
    QObject watcher;
    // each options window that opens is counted and cancelled
    auto expectOptions = [&] {
        QTimer::singleShot(0, &watcher, [&] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                d && d->windowTitle() == "Search Options") {
                ++opened;
                d->reject();
            }
        });
    };
    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    const Key keys[] = {{Qt::Key_Return, {}}, {Qt::Key_Enter, Qt::KeypadModifier}, {Qt::Key_Space, {}},
                        {Qt::Key_F2, {}},     {Qt::Key_F4, {}},                    {Qt::Key_Down, Qt::AltModifier},
                        {Qt::Key_Menu, {}},   {Qt::Key_F10, Qt::ShiftModifier}};
    for (const Key& k : keys) {
        grid->setCurrentCell(6, 1);  // Cost's "..."
        expectOptions();
        const int before = opened;
        QTest::keyClick(grid, k.key, k.modifiers);
        EXPECT_EQ(opened, before + 1) << "key " << k.key;
    }
    // the search window active again (as the window manager makes it), the focus is where it was
    b.w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b.w));
    EXPECT_EQ(QApplication::focusWidget(), grid);
    // F4 in a criterion being typed opens its row's options too
    grid->setCurrentCell(6, 2);
    QTest::keyClicks(grid, "1");
    ASSERT_NE(QApplication::focusWidget(), grid);  // in the cell's editor
    expectOptions();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4);
    EXPECT_EQ(opened, int(std::size(keys)) + 1);
    b.w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b.w));
    // F4 on a row without options opens nothing
    grid->setCurrentCell(0, 2);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_F4);
    QApplication::processEvents();
    EXPECT_EQ(opened, int(std::size(keys)) + 1);

    // Tab from Title's criterion: Author's "..." (a data list), Author's criterion, Year Pub's
    // "..." (its operators); never a field name
    grid->setCurrentCell(0, 2);
    grid->setFocus();
    std::vector<std::pair<int, int>> stops;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        stops.emplace_back(grid->currentRow(), grid->currentColumn());
    }
    EXPECT_EQ(stops, (std::vector<std::pair<int, int>> {{1, 1}, {1, 2}, {2, 1}}));
    for (auto [row, column] : {std::pair {1, 2}, {1, 1}, {0, 2}, {0, 2}}) {  // Title's "..." is empty: no stop
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_EQ(grid->currentRow(), row);
        EXPECT_EQ(grid->currentColumn(), column);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);  // the editor closed, out of the grid
    EXPECT_FALSE(grid->isAncestorOf(QApplication::focusWidget()) || grid->hasFocus());
    // Ctrl+Tab leaves the grid for the buttons
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_FALSE(grid->hasFocus());
    EXPECT_TRUE(qobject_cast<QPushButton*>(QApplication::focusWidget()));
}
