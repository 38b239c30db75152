// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QLineEdit>
#include <QListWidget>

#include "app/list_edit_box.h"
#include "app/main_window.h"
#include "dbase/check.h"
#include "dbase/table.h"
#include "support/child.h"
#include "support/gui_env.h"

using testing_support::GuiEnv;

namespace {
void addBooks(TMain& m, int n)
{
    dbase::Table& t = m.MyTable.table();
    for (int i = 0; i < n; ++i) {
        t.append();
        t.setText(0, "T" + std::to_string(i));
        t.post();
    }
    m.MyTable.refresh();
}
const QString kPackQuestion = QStringLiteral(
    "Deleted items are not permanently removed from the database until packing occurs.  Packing simply removes them "
    "to free up space.  Continue?");
}  // namespace

TEST(RecordCommands, DeleteAsksFirst)
{
    GuiEnv env;
    auto main = env.start();
    addBooks(*main, 2);
    env.messages.expect(ui::No);
    main->action("MenuDelete")->trigger();
    EXPECT_EQ(env.messages.shown.back().caption, "Confirm");
    EXPECT_EQ(env.messages.shown.back().text, "Delete this record?");
    EXPECT_EQ(main->MyTable.recordCount(), 2u);
    env.messages.expect(ui::Yes);
    main->DoDelete();
    EXPECT_EQ(main->MyTable.recordCount(), 1u);
}

TEST(RecordCommands, PackAndRebuildNeedTheTableToThemselves)
{
    GuiEnv env;
    auto main = env.start();
    addBooks(*main, 5);
    main->MyTable.goToRow(1);
    main->MyTable.deleteRecord();
    {
        testing_support::Child holder({BINDLOW_WRITER, "hold", env.programDir().toStdString(), "MASTER"});
        std::string line;
        ASSERT_TRUE(holder.readLine(line));
        env.messages.expect(ui::Yes);
        env.messages.expect();
        main->MenuPackClick();
        EXPECT_EQ(env.messages.shown[0].text, kPackQuestion);
        EXPECT_EQ(env.messages.shown[1].text,
                  "Unable to pack table.  Packing requires exclusive use of the DBase File.  Make sure that the DBase "
                  "File is not in use by another program  or that no other users are running the software or that no "
                  "other copies of the software are in use.");
        EXPECT_TRUE(main->MyTable.active());
        EXPECT_EQ(main->MyTable.table().physicalCount(), 5u);
        holder.closeInput();
        holder.wait();
    }
    env.messages.expect(ui::Yes);
    main->MenuPackClick();
    EXPECT_EQ(main->MyTable.table().physicalCount(), 4u);
    EXPECT_FALSE(main->MyTable.exclusive());
    EXPECT_EQ(main->MyTable.table().activeTag(), "NEWINDEX");
    env.messages.expect(ui::No);
    main->MenuRebuildClick();
    EXPECT_TRUE(env.messages.shown.back().text.startsWith("It is possible for your index files to become corrupted."));
}

TEST(RecordCommands, TheListMaintenanceBox)
{
    GuiEnv env;
    TMyEditBox box("Author", 90, {"b", "A", "c"});
    EXPECT_EQ(box.windowTitle(), "Edit \"Author\" List");
    EXPECT_EQ(box.TheList->currentRow(), 0);
    box.AddInfo->setText("  Zola  ");
    box.AddButtonClick();
    EXPECT_EQ(box.items(), (QStringList {"b", "A", "c", "Zola"}));
    EXPECT_EQ(box.AddInfo->text(), "");
    // Enter in the add box adds too, and leaves the box open for the next one
    box.show();
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    box.AddInfo->setFocus();
    QTest::keyClicks(box.AddInfo, "Poe");
    QTest::keyClick(box.AddInfo, Qt::Key_Return);
    EXPECT_EQ(box.items(), (QStringList {"b", "A", "c", "Zola", "Poe"}));
    EXPECT_TRUE(box.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), box.AddInfo);
    box.hide();
    delete box.TheList->takeItem(4);
    box.TheList->setCurrentRow(3);
    box.DeleteButtonClick();  // the last one: the new last is selected
    EXPECT_EQ(box.TheList->currentRow(), 2);
    env.messages.expect(ui::Yes);
    box.SortButtonClick();
    EXPECT_EQ(env.messages.shown.back().text, "Are you sure you want to sort the data?  Sorting cannot be undone.");
    EXPECT_EQ(box.items(), (QStringList {"A", "b", "c"}));
    TMyEditBox one("Rating", 15, {"only"});
    one.DeleteButtonClick();
    EXPECT_EQ(one.TheList->count(), 0);
    EXPECT_EQ(one.TheList->currentRow(), -1);
}

TEST(RecordCommands, DefaultListsAreSavedAndLoadedAfterAWarning)
{
    GuiEnv env;
    auto main = env.start();
    main->dataLists[edit::RatingList] = {"*****"};
    env.messages.expect(ui::Yes);
    main->MenuSaveDefaultsClick();
    EXPECT_EQ(env.messages.shown.back().caption, "Warning");
    EXPECT_TRUE(env.messages.shown.back().beep);
    EXPECT_TRUE(QFileInfo::exists(env.programDir() + "/RATING.LST"));
    main->dataLists[edit::RatingList].clear();
    env.messages.expect(ui::No);
    main->MenuLoadDefaultsClick();
    EXPECT_TRUE(main->dataLists[edit::RatingList].isEmpty());
    env.messages.expect(ui::Yes);
    main->MenuLoadDefaultsClick();
    EXPECT_EQ(main->dataLists[edit::RatingList], QStringList {"*****"});
}

// Rebuild Indexes mends an index whatever became of it, and keeps the sort order.
TEST(RecordCommands, RebuildIndexesMendsADamagedIndex)
{
    GuiEnv env;
    auto main = env.start();
    addBooks(*main, 12);
    {
        QFile f(env.programDir() + "/MASTER.MDX");
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.seek(28);
        f.write("\xFF\xFF", 2);  // 65535 tags
    }
    env.messages.expect(ui::Yes);
    main->MenuRebuildClick();
    ASSERT_EQ(env.messages.shown.size(), 1);  // the question only: no error
    EXPECT_TRUE(main->MyTable.active());
    EXPECT_EQ(main->MyTable.table().activeTag(), "NEWINDEX");
    EXPECT_EQ(main->MyTable.recordCount(), 12u);
    EXPECT_TRUE(dbase::checkTable(env.programDir().toStdString(), "MASTER").empty());

    // another program holding the database: the exclusive-use message, the books still shown
    testing_support::Child holder({BINDLOW_WRITER, "hold", env.programDir().toStdString(), "MASTER"});
    std::string line;
    ASSERT_TRUE(holder.readLine(line));
    env.messages.expect(ui::Yes);
    env.messages.expect();
    main->MenuRebuildClick();
    EXPECT_TRUE(env.messages.shown.back().text.startsWith("Unable to reindex table.  Reindexing requires exclusive use"));
    EXPECT_EQ(main->MyTable.recordCount(), 12u);
    holder.closeInput();
    holder.wait();
}

TEST(RecordCommands, EditCopyAndDeleteWaitForABook)
{
    GuiEnv env;
    auto main = env.start();
    main->show();
    auto enabled = [&](bool on) {
        for (const char* a : {"MenuEdit", "MenuCopy", "MenuDelete"}) EXPECT_EQ(main->action(a)->isEnabled(), on) << a;
        for (const char* b : {"EditSpeed", "CopySpeed", "DeleteSpeed"})
            EXPECT_EQ(main->findChild<QWidget*>(b)->isEnabled(), on) << b;
        EXPECT_TRUE(main->action("MenuAdd")->isEnabled());
    };
    enabled(false);
    addBooks(*main, 1);
    enabled(true);
    main->MenuButtonsClick();
    for (const char* b : {"EditButton", "CopyButton", "DeleteButton"})
        EXPECT_TRUE(main->findChild<QWidget*>(b)->isEnabled()) << b;
    // the last book deleted: the commands go with it
    env.messages.expect(ui::Yes);
    main->DoDelete();
    ASSERT_EQ(main->MyTable.recordCount(), 0u);
    for (const char* b : {"EditButton", "CopyButton", "DeleteButton"})
        EXPECT_FALSE(main->findChild<QWidget*>(b)->isEnabled()) << b;
    main->MenuSpeedClick();
    enabled(false);
    // a search that shows no book does the same, and ending it brings them back
    addBooks(*main, 2);
    main->MyTable.setFilter([](const dbase::RecordView&) { return false; });
    enabled(false);
    main->MyTable.setFilter(nullptr);
    enabled(true);
}
