// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <QComboBox>

#include "app/main_window.h"
#include "dbase/table.h"
#include "find/windows/sort_order_window.h"
#include "store/profile.h"
#include "support/child.h"
#include "support/gui_env.h"

using testing_support::GuiEnv;

namespace {
void addBooks(TMain& m)
{
    dbase::Table& t = m.MyTable.table();
    const char* rows[][3] = {{"Zeta", "smith", "20010203"}, {"Alpha", "Adams", "19991231"}, {"Mid", "king", "20010202"}};
    for (auto& r : rows) {
        t.append();
        t.setText(0, r[0]);
        t.setText(1, r[1]);
        t.setText(11, r[2]);
        t.post();
    }
    m.MyTable.refresh();
}

QStringList titles(TMain& m)
{
    QStringList out;
    for (std::size_t i = 0; i < m.MyTable.recordCount(); ++i)
        out << QString::fromStdString(m.MyTable.table().record(m.MyTable.table().recordAt(i)).text(0));
    return out;
}
}  // namespace

TEST(SortOrder, TheWindowOffersNoneAndTheDisplayNames)
{
    GuiEnv env;
    auto main = env.start();
    TMySortOrder w(main->db.fieldNames, {2, 0, 12, 0}, [](const std::array<int, 4>&) { return true; });
    EXPECT_EQ(w.windowTitle(), "Sort Order");
    EXPECT_EQ(w.ComboBox[0]->count(), 37);
    EXPECT_EQ(w.ComboBox[0]->itemText(0), "<NONE>");
    EXPECT_EQ(w.ComboBox[0]->currentText(), "Author");
    EXPECT_EQ(w.ComboBox[2]->currentText(), "Purchase Date");
    EXPECT_EQ(w.levels(), (std::array<int, 4> {2, 0, 12, 0}));
}

TEST(SortOrder, ANewOrderIsBuiltStoredAndShown)
{
    GuiEnv env;
    auto main = env.start();
    addBooks(*main);
    EXPECT_EQ(titles(*main), (QStringList {"Alpha", "Mid", "Zeta"}));  // by Author, without case
    main->action("MenuDateDMYSlash")->trigger();  // the display format does not matter
    ASSERT_TRUE(main->applySortOrder({12, 0, 0, 0}));
    EXPECT_EQ(titles(*main), (QStringList {"Alpha", "Mid", "Zeta"}));
    ASSERT_TRUE(main->applySortOrder({1, 2, 3, 0}));
    EXPECT_EQ(main->sortExpression, "Upper(Left(Title,26))+Upper(Left(Author,26))+STR(YearPub,12,0)");
    EXPECT_FALSE(main->MyTable.exclusive());
    EXPECT_EQ(store::ProfileFile(env.programDir() + "/MASTER.INI").read("Sort Order", "Third Level Sort", "", 14), "3");
    // no level at all: record order, the old tag stays in the index unused
    ASSERT_TRUE(main->applySortOrder({0, 0, 0, 0}));
    EXPECT_EQ(main->MyTable.table().activeTag(), "");
    EXPECT_EQ(titles(*main), (QStringList {"Zeta", "Alpha", "Mid"}));
    EXPECT_EQ(main->MyTable.table().tags().size(), 1u);
}

TEST(SortOrder, AnotherProgramHoldingTheTableLeavesTheOrderAlone)
{
    GuiEnv env;
    auto main = env.start();
    addBooks(*main);
    testing_support::Child holder({BINDLOW_WRITER, "hold", env.programDir().toStdString(), "MASTER"});
    std::string line;
    ASSERT_TRUE(holder.readLine(line));
    env.messages.expect();
    EXPECT_FALSE(main->applySortOrder({1, 0, 0, 0}));
    EXPECT_EQ(env.messages.shown.back().text,
              "Creating a new sort order requires exclusive use of the DBase File.  Make sure that the DBase File is not "
              "in use by another program  or that no other users are running the software or that no other copies of the "
              "software are in use.");
    EXPECT_EQ(main->db.sortOrder, (std::array<int, 4> {2, 0, 0, 0}));
    EXPECT_TRUE(main->MyTable.active());
    EXPECT_EQ(titles(*main), (QStringList {"Alpha", "Mid", "Zeta"}));
    holder.closeInput();
    holder.wait();
}
