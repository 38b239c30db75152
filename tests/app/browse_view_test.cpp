// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QHeaderView>
#include <QImage>
#include <QPixmap>

#include "app/main_window.h"
#include "dbase/table.h"
#include "support/gui_env.h"
#include "ui/book_grid_model.h"
#include "ui/navigator.h"

using testing_support::GuiEnv;

namespace {
QWidget* child(TMain& m, const char* name) { return m.findChild<QWidget*>(name); }
}  // namespace

TEST(BrowseView, TheThreeButtonBarModesLayTheWindowOut)
{
    GuiEnv env;
    auto main = env.start();
    main->show();
    QWidget* client = main->centralWidget();
    const int h = client->height();

    main->action("MenuButtons")->trigger();
    EXPECT_TRUE(main->action("MenuButtons")->isChecked());
    EXPECT_FALSE(main->action("MenuSpeed")->isChecked());
    EXPECT_FALSE(child(*main, "SpeedPanel")->isVisible());
    EXPECT_TRUE(child(*main, "NavigatorLabel")->isVisible());
    EXPECT_EQ(child(*main, "NavigatorLabel")->y(), 20);
    EXPECT_EQ(main->MyNavigator->geometry().topLeft(), QPoint(400, 47));
    EXPECT_EQ(main->MyNavigator->width(), 221);
    EXPECT_EQ(child(*main, "ViewerGrid")->geometry(), QRect(4, 122, client->width() - 14, h - 129));
    EXPECT_EQ(child(*main, "CountLabel")->y(), 90);
    auto* exit = main->findChild<QPushButton*>("ButtonExit");
    EXPECT_TRUE(exit->isVisible());
    EXPECT_TRUE(exit->isEnabled());
    EXPECT_EQ(exit->text(), "E&xit");
    EXPECT_EQ(exit->geometry(), QRect(320, 44, 69, 33));
    EXPECT_FALSE(main->findChild<QPushButton*>("EndSearchButton")->isEnabled());
    EXPECT_EQ(child(*main, "Bevel1")->geometry(), QRect(4, 4, 149, 77));

    // a search switches the end-search controls and the label together
    main->EnableEndSearch();
    EXPECT_TRUE(main->findChild<QPushButton*>("EndSearchButton")->isEnabled());
    EXPECT_TRUE(main->action("MenuEndSearch")->isEnabled());
    EXPECT_TRUE(child(*main, "SearchOnLabel")->isVisible());
    main->action("MenuSpeed")->trigger();
    EXPECT_TRUE(child(*main, "EndSearchSpeed")->isEnabled());
    EXPECT_FALSE(main->findChild<QPushButton*>("EndSearchButton")->isVisible());
    main->DisableEndSearch();
    EXPECT_FALSE(child(*main, "EndSearchSpeed")->isEnabled());
    EXPECT_FALSE(child(*main, "SearchOnLabel")->isVisible());

    main->action("MenuNoButtons")->trigger();
    EXPECT_EQ(main->MyNavigator->geometry(), QRect(client->width() - 207, 8, 201, 25));
    EXPECT_EQ(child(*main, "ViewerGrid")->geometry(), QRect(4, 40, client->width() - 14, h - 47));
    EXPECT_EQ(child(*main, "SearchOnLabel")->y(), 14);

    // resizing keeps the navigator 207 pixels from the right edge and the title centred
    main->resize(900, 600);
    EXPECT_EQ(client->width() - main->MyNavigator->x(), 207);
    QWidget* title = child(*main, "ViewerLabel");
    EXPECT_EQ(title->x(), (client->width() - title->width()) / 2);
    EXPECT_EQ(child(*main, "ViewerBevel")->width(), client->width() - 6);
    main->close();
    EXPECT_EQ(main->settings.buttonBar, 3);
}

TEST(BrowseView, AStoredPresetTheScreenCannotShowIsKeptButNotUsed)
{
    GuiEnv env(QSize(800, 600));
    env.writeIni("Window Size=1024\n");
    auto main = env.start();
    EXPECT_TRUE(main->action("N640x480")->isChecked());
    EXPECT_FALSE(main->action("N1024x768")->isChecked());
    EXPECT_DOUBLE_EQ(main->factor, 1.0);
    main->action("N1024x768")->trigger();  // the stored preset: nothing happens
    EXPECT_TRUE(main->action("N640x480")->isChecked());
    EXPECT_FALSE(main->action("N1024x768")->isChecked());

    env.messages.expect();
    main->action("N1280x1024")->trigger();
    ASSERT_EQ(env.messages.shown.size(), 1);
    EXPECT_EQ(env.messages.shown[0].caption, "Error");
    EXPECT_EQ(env.messages.shown[0].text, "Your current screen resolution does not support 1280 x 1024 pixels.");
    EXPECT_TRUE(main->action("N640x480")->isChecked());

    main->action("N800x600")->trigger();
    EXPECT_TRUE(main->action("N800x600")->isChecked());
    EXPECT_DOUBLE_EQ(main->factor, 1.25);
    main->close();
    EXPECT_EQ(main->settings.windowSize, 800);
}

TEST(BrowseView, AChosenPresetIsUsedAtTheNextStart)
{
    GuiEnv env(QSize(1600, 1200));
    {
        auto main = env.start();
        main->action("N1280x1024")->trigger();
        EXPECT_DOUBLE_EQ(main->factor, 2.0);
        main->close();
    }
    auto main = env.start();
    EXPECT_TRUE(main->action("N1280x1024")->isChecked());
    EXPECT_DOUBLE_EQ(main->factor, 2.0);
}

TEST(BrowseView, DateFormatItemsActAsOneChoice)
{
    GuiEnv env;
    auto main = env.start();
    main->action("MenuDateDMYDash")->trigger();
    EXPECT_TRUE(main->action("MenuDateDMYDash")->isChecked());
    EXPECT_FALSE(main->action("MenuDateMDYSlash")->isChecked());
    EXPECT_EQ(main->settings.dateFormat, 5);
    main->action("MenuDateLeadingZeros")->trigger();
    EXPECT_TRUE(main->settings.dateLeadingZeros);
    EXPECT_TRUE(main->action("MenuDateLeadingZeros")->isChecked());
    main->action("MenuDateDMYDash")->trigger();  // already checked: stays checked
    EXPECT_TRUE(main->action("MenuDateDMYDash")->isChecked());
    main->action("MenuCurrencyWin")->trigger();
    EXPECT_TRUE(main->action("MenuCurrencyWin")->isChecked());
    EXPECT_FALSE(main->action("MenuCurrencyUS")->isChecked());
    main->action("MenuNumericWin")->trigger();
    main->action("MenuNumericUS")->trigger();
    EXPECT_EQ(main->settings.numericFormat, 1);
    main->close();
    auto again = env.start();
    EXPECT_TRUE(again->action("MenuDateDMYDash")->isChecked());
    EXPECT_TRUE(again->action("MenuDateLeadingZeros")->isChecked());
    EXPECT_EQ(again->settings.currencyFormat, 2);
}

TEST(BrowseView, EndSearchShowsEveryBookAgain)
{
    GuiEnv env;
    auto main = env.start();
    dbase::Table& t = main->MyTable.table();
    for (const char* a : {"Smith", "Goldsmith", "Lane"}) {
        t.append();
        t.setText(1, a);
        t.post();
    }
    main->show();
    main->MyTable.setFilter([](const dbase::RecordView& r) { return r.text(1) == "Lane"; });
    main->EnableEndSearch();
    main->DisplayCount();
    EXPECT_EQ(main->findChild<QLabel*>("CountLabel")->text(), "1");
    main->action("MenuEndSearch")->trigger();
    EXPECT_FALSE(main->searchOn);
    EXPECT_FALSE(main->action("MenuEndSearch")->isEnabled());
    EXPECT_EQ(main->findChild<QLabel*>("CountLabel")->text(), "3");
}

namespace {
// Every shown button of the navigator whole inside it, and the navigator inside the window.
void expectWholeButtons(TMain& main, const char* when)
{
    QWidget* client = main.centralWidget();
    ui::TNavigator* nav = main.MyNavigator;
    EXPECT_LE(nav->geometry().right(), client->width() - 1) << when;
    const int full = nav->width() / ui::TNavigator::kButtons;
    for (int i = 0; i < ui::TNavigator::kButtons; ++i) {
        QWidget* b = nav->button(ui::TNavigator::Button(i));
        if (b->isHidden()) continue;
        EXPECT_LE(b->geometry().right(), nav->width() - 1) << when << " button " << i;
        EXPECT_EQ(b->width(), full) << when << " button " << i;  // never stretched
        EXPECT_GE(b->width(), 16) << when << " button " << i;
    }
}
}  // namespace

TEST(BrowseView, TheNavigatorKeepsItsButtonsWhole)
{
    for (const QStringList& arguments : {QStringList(), QStringList {"/BROWSE"}}) {
        GuiEnv env(QSize(640, 480));
        auto main = env.start(arguments);
        main->resize(640, 480);
        main->show();
        for (const char* mode : {"MenuSpeed", "MenuButtons", "MenuNoButtons"}) {
            main->action(mode)->trigger();
            expectWholeButtons(*main, mode);
            main->resize(1000, 700);
            expectWholeButtons(*main, mode);
            main->resize(640, 480);
            expectWholeButtons(*main, mode);
        }
        main->close();
    }
}

TEST(BrowseView, ColumnTitlesKeepTheirFontWhenARowIsSelected)
{
    GuiEnv env;
    auto main = env.start();
    dbase::Table& t = main->MyTable.table();
    for (const char* a : {"Smith", "Lane"}) {
        t.append();
        t.setText(1, a);
        t.post();
    }
    main->MyTable.refresh();
    main->show();
    QHeaderView* titles = main->ViewerGrid->horizontalHeader();
    main->ViewerGrid->clearSelection();
    const QImage plain = titles->grab().toImage();
    main->ViewerGrid->selectRow(1);
    ASSERT_TRUE(main->ViewerGrid->selectionModel()->hasSelection());
    EXPECT_EQ(titles->grab().toImage(), plain);
    // editing in the grid selects single cells: the same
    main->db.fieldEditing = true;
    main->SetViewerOptions();
    main->ViewerGrid->clearSelection();
    const QImage editing = titles->grab().toImage();
    main->ViewerGrid->setCurrentIndex(main->MyDataSource->index(0, 1));
    main->ViewerGrid->selectionModel()->select(main->MyDataSource->index(0, 1), QItemSelectionModel::Select);
    EXPECT_EQ(titles->grab().toImage(), editing);
}
