// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "app/main_window.h"
#include "dbase/table.h"
#include "find/windows/search_replace_window.h"
#include "support/child.h"
#include "support/gui_env.h"

using testing_support::GuiEnv;

namespace {
struct Books {
    GuiEnv env;
    std::unique_ptr<TMain> main = env.start();
    Books()
    {
        dbase::Table& t = main->MyTable.table();
        const char* rows[][3] = {{"One", "SMITH", "0"}, {"Two", "Smith, J.", ""}, {"Three", "", "5"}, {"Four", "smith", "0"}};
        for (auto& r : rows) {
            t.append();
            t.setText(0, r[0]);
            t.setText(1, r[1]);
            t.setText(6, r[2]);
            t.post();
        }
        main->MyTable.refresh();
    }
    std::string author(std::uint32_t rec) { return main->MyTable.table().record(rec).text(1); }
    find::ReplaceRequest request(int field, const char* search, const char* replace, bool confirm = false)
    {
        return {field, search, replace, confirm};
    }
};
}  // namespace

TEST(SearchReplace, WholeValuesWithoutCaseAndBlankNumbersAsZero)
{
    Books b;
    TSearchAndReplace w(b.main->db.fieldNames, 1.0, [](const find::ReplaceRequest&) { return true; });
    b.env.messages.expect();
    ASSERT_TRUE(b.main->runReplace(b.request(1, "smith", "Smythe"), w));
    EXPECT_EQ(b.env.messages.shown.back().caption, "Finished");
    EXPECT_EQ(b.env.messages.shown.back().text, "Global Search and Replace Complete.");
    EXPECT_EQ(b.author(1), "Smythe");
    EXPECT_EQ(b.author(2), "Smith, J.");
    EXPECT_EQ(b.author(4), "Smythe");
    EXPECT_EQ(w.Counts[0]->text(), "4");
    EXPECT_EQ(w.Counts[2]->text(), "2");
    EXPECT_EQ(b.main->MyTable.table().activeTag(), "NEWINDEX");  // sorted again
    EXPECT_FALSE(b.main->MyTable.exclusive());

    b.env.messages.expect();
    ASSERT_TRUE(b.main->runReplace(b.request(6, "0", "1.25"), w));
    EXPECT_DOUBLE_EQ(b.main->MyTable.table().record(2).number(6).value(), 1.25);  // the blank cost too
    EXPECT_DOUBLE_EQ(b.main->MyTable.table().record(3).number(6).value(), 5.0);

    b.env.messages.expect();
    ASSERT_TRUE(b.main->runReplace(b.request(1, "", "Anonymous"), w));  // empty values filled
    EXPECT_EQ(b.author(3), "Anonymous");
}

TEST(SearchReplace, ConfirmingAndDuringASearch)
{
    Books b;
    b.main->MyTable.setFilter([](const dbase::RecordView& r) { return r.text(0) == "One"; });
    b.main->EnableEndSearch();
    TSearchAndReplace w(b.main->db.fieldNames, 1.0, [](const find::ReplaceRequest&) { return true; });
    b.env.messages.expect(ui::No);
    b.env.messages.expect(ui::No);
    b.env.messages.expect();
    ASSERT_TRUE(b.main->runReplace(b.request(1, "smith", "X", true), w));
    EXPECT_EQ(b.env.messages.shown[0].caption, "Confirm");
    EXPECT_EQ(b.env.messages.shown[0].text, "Item = \"One\".  Change this record?");
    EXPECT_EQ(w.Counts[1]->text(), "2");
    EXPECT_EQ(w.Counts[2]->text(), "0");
    EXPECT_TRUE(b.main->searchOn);  // the search is in force again
    EXPECT_EQ(b.main->MyTable.recordCount(), 1u);
}

TEST(SearchReplace, TheWindowChecksItsValues)
{
    Books b;
    int runs = 0;
    TSearchAndReplace w(b.main->db.fieldNames, 1.0, [&](const find::ReplaceRequest&) { return ++runs, true; });
    EXPECT_EQ(w.windowTitle(), "Search and Replace");
    b.env.messages.expect();
    w.StartButtonClick();
    EXPECT_EQ(b.env.messages.shown.back().text, "No field has been selected.");
    w.FieldBox->setCurrentIndex(6);  // Cost
    w.SearchText->setText("abc");
    b.env.messages.expect();
    w.StartButtonClick();
    EXPECT_EQ(b.env.messages.shown.back().text, "Invalid search value entered.  Please correct.");
    w.SearchText->setText("1,000");  // no group separators
    b.env.messages.expect();
    w.StartButtonClick();
    EXPECT_EQ(b.env.messages.shown.back().text, "Invalid search value entered.  Please correct.");
    w.SearchText->setText("1");
    w.ReplaceText->setText("2,500");
    b.env.messages.expect();
    w.StartButtonClick();
    EXPECT_EQ(b.env.messages.shown.back().text, "Invalid replacement value entered.  Please correct.");
    w.FieldBox->setCurrentIndex(11);  // Purchase Date: the edits are emptied
    EXPECT_EQ(w.SearchText->text().remove(u'/').trimmed(), "");
    b.env.messages.expect();
    w.StartButtonClick();
    EXPECT_EQ(b.env.messages.shown.back().text, "Invalid search date entered.  Please correct.");
    EXPECT_EQ(runs, 0);
}

TEST(SearchReplace, NeedsTheTableToItself)
{
    Books b;
    testing_support::Child holder({BINDLOW_WRITER, "hold", b.env.programDir().toStdString(), "MASTER"});
    std::string line;
    ASSERT_TRUE(holder.readLine(line));
    TSearchAndReplace w(b.main->db.fieldNames, 1.0, [](const find::ReplaceRequest&) { return true; });
    b.env.messages.expect();
    EXPECT_FALSE(b.main->runReplace(b.request(1, "smith", "X"), w));
    EXPECT_TRUE(b.env.messages.shown.back().text.startsWith("Search and Replace requires exclusive use of the DBase File."));
    EXPECT_EQ(b.author(1), "SMITH");
    EXPECT_TRUE(b.main->MyTable.active());
    holder.closeInput();
    holder.wait();
}

TEST(SearchReplace, ValuesAreFoldedAsTheFieldsAre)
{
    Books b;
    dbase::Table& t = b.main->MyTable.table();
    t.append();
    t.setText(1, "Strau\xDF");  // Windows-1252
    t.post();
    auto none = [](const find::ReplaceCounts&) {};
    auto yes = [](const QString&) { return true; };
    // "ß" is no "SS": the fold is the code page's, not the language's
    find::replaceAll(t, b.request(1, "strauss", "Wrong"), yes, none);
    EXPECT_EQ(b.author(5), "Strau\xDF");
    find::replaceAll(t, b.request(1, "STRAUß", "Strauss"), yes, none);
    EXPECT_EQ(b.author(5), "Strauss");
}
