// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QAbstractItemView>

#include "app/main_window.h"
#include "dbase/table.h"
#include "find/locate.h"
#include "find/windows/locate_window.h"
#include "support/gui_env.h"

using testing_support::GuiEnv;

namespace {
struct Books {
    GuiEnv env;
    std::unique_ptr<TMain> main = env.start();
    Books()
    {
        dbase::Table& t = main->MyTable.table();
        const char* rows[][2] = {{"Smith, A.", "12.5"}, {"Goldsmith, A.", "3"}, {"Lane, B.", "12.50"}, {"smithers", "7"}};
        for (auto& r : rows) {
            t.append();
            t.setText(1, r[0]);
            t.setText(6, r[1]);
            t.post();
        }
        main->MyTable.refresh();
        main->MyTable.first();  // by Author: Goldsmith, Lane, Smith, smithers
    }
    QString author() const { return QString::fromStdString(main->MyTable.table().getText(1)); }
    find::LocateResult run(const char* field, const char* value, find::MatchType m, bool fromStart, bool cs = false)
    {
        return find::locate(main->MyTable, {field, value, m, cs}, fromStart);
    }
};
}  // namespace

TEST(Locate, MatchRules)
{
    Books b;
    using M = find::MatchType;
    EXPECT_EQ(b.run("Author", "smi", M::PartialStart, true), find::LocateResult::Found);
    EXPECT_EQ(b.author(), "Smith, A.");  // not Goldsmith
    EXPECT_EQ(b.run("Author", "smi", M::PartialStart, false), find::LocateResult::Found);
    EXPECT_EQ(b.author(), "smithers");
    EXPECT_EQ(b.run("Author", "smi", M::PartialStart, false), find::LocateResult::NotFound);
    EXPECT_EQ(b.author(), "smithers");  // stays where it was
    EXPECT_EQ(b.run("Author", "smi", M::PartialAny, true), find::LocateResult::Found);
    EXPECT_EQ(b.author(), "Goldsmith, A.");
    EXPECT_EQ(b.run("Author", "smi", M::PartialStart, true, true), find::LocateResult::Found);  // case-sensitive
    EXPECT_EQ(b.author(), "smithers");
    EXPECT_EQ(b.run("Author", "lane, b.", M::Exact, true), find::LocateResult::Found);
    EXPECT_EQ(b.run("Author", "lane", M::Exact, true), find::LocateResult::NotFound);
    EXPECT_EQ(b.run("Author", "", M::PartialAny, true), find::LocateResult::NotFound);
    EXPECT_EQ(b.run("Author", "", M::PartialStart, true), find::LocateResult::NotFound);  // an empty value matches nothing
    EXPECT_EQ(b.run("Cost", "", M::PartialStart, true), find::LocateResult::NotFound);
    EXPECT_EQ(b.run("Cost", "", M::PartialAny, true), find::LocateResult::NotFound);
    EXPECT_EQ(b.run("Cost", "12.5", M::Exact, true), find::LocateResult::Found);
    EXPECT_EQ(b.author(), "Lane, B.");  // 12.50
    EXPECT_EQ(b.run("Cost", "12.5", M::Exact, false), find::LocateResult::Found);
    EXPECT_EQ(b.author(), "Smith, A.");
    EXPECT_EQ(b.run("Cost", "abc", M::Exact, true), find::LocateResult::NotFound);
    {
        dbase::Table& t = b.main->MyTable.table();
        t.append();
        t.setText(1, "Zed");
        t.setText(6, "1000");
        t.post();
        b.main->MyTable.refresh();
    }
    EXPECT_EQ(b.run("Cost", "1000", M::Exact, true), find::LocateResult::Found);
    EXPECT_EQ(b.run("Cost", "1,000", M::Exact, true), find::LocateResult::NotFound);  // no group separators
    EXPECT_EQ(b.run("Nope", "x", M::Exact, true), find::LocateResult::NoSuchField);
    // during a search only the result is visited
    b.main->MyTable.setFilter([](const dbase::RecordView& r) { return r.text(1) != "Smith, A."; });
    EXPECT_EQ(b.run("Author", "smi", M::PartialStart, true), find::LocateResult::Found);
    EXPECT_EQ(b.author(), "smithers");
}

TEST(Locate, LocateNextRemembersAndReports)
{
    Books b;
    b.main->locateSettings = {"Author", "smi", find::MatchType::PartialStart, false, true, true, "Locate Field Value"};
    EXPECT_TRUE(b.main->DoFindNext());
    EXPECT_EQ(b.author(), "Smith, A.");
    EXPECT_TRUE(b.main->DoFindNext());
    EXPECT_EQ(b.author(), "smithers");
    b.env.messages.expect();
    EXPECT_FALSE(b.main->DoFindNext());
    EXPECT_EQ(b.env.messages.shown.back().text, "No more matches found");
    EXPECT_EQ(b.author(), "smithers");
}

TEST(Locate, TheWindowOffersTheLastLocateAgain)
{
    Books b;
    // locate next before any locate opens the window
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<TMyLocateDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->windowTitle(), "Locate Field Value");
        EXPECT_EQ(w->FieldNameComboBox->currentIndex(), -1);
        EXPECT_TRUE(w->PartialMatchStartBtn->isChecked());
        w->FieldNameComboBox->setCurrentText("Author");
        w->SearchValue->setText("gold");
        w->FirstButtonClick();
    });
    EXPECT_TRUE(b.main->DoFindNext());
    EXPECT_EQ(b.author(), "Goldsmith, A.");
    EXPECT_EQ(b.main->locateSettings.SearchField, "Author");
    EXPECT_EQ(b.main->locateSettings.FieldValue, "gold");

    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<TMyLocateDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->FieldNameComboBox->currentText(), "Author");
        EXPECT_EQ(w->SearchValue->text(), "gold");
        b.env.messages.expect();
        w->SearchValue->setText("zzz");
        w->FirstButtonClick();  // not found: the window stays
        EXPECT_EQ(b.env.messages.shown.back().text, "No matches found");
        w->reject();
    });
    EXPECT_FALSE(b.main->DoFind());
    EXPECT_EQ(b.author(), "Goldsmith, A.");
    EXPECT_EQ(b.main->locateSettings.FieldValue, "zzz");  // kept whichever way the window closed
}

TEST(Locate, TheFieldListIsSortedWithoutRegardToCase)
{
    Books b;
    b.main->db.fieldNames[0] = "title of the book";
    b.main->db.fieldNames[1] = "author";
    QStringList items;
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<TMyLocateDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        for (int i = 0; i < w->FieldNameComboBox->count(); ++i) items << w->FieldNameComboBox->itemText(i);
        w->reject();
    });
    b.main->DoFind();
    ASSERT_EQ(items.size(), 36);
    EXPECT_EQ(items.first(), "author");
    EXPECT_LT(items.indexOf("title of the book"), items.indexOf("User Defined 1"));
    EXPECT_EQ(items.last(), "Year Pub");
}

TEST(Locate, LettersTypedInTheFieldListChooseByPrefixAndStayThere)
{
    Books b;
    b.main->locateSettings.SearchField = "Author";
    b.main->locateSettings.FieldValue = "gold";
    QString field, value;
    bool listKeptFocus = false;
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<TMyLocateDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        w->FieldNameComboBox->setFocus();
        QTest::keyClicks(w->FieldNameComboBox, "Titl");
        field = w->FieldNameComboBox->currentText();
        value = w->SearchValue->text();
        listKeptFocus = QApplication::focusWidget() == w->FieldNameComboBox;
        // a choice from the open list still moves on to the value
        w->FieldNameComboBox->showPopup();
        QAbstractItemView* popup = w->FieldNameComboBox->view();
        popup->setCurrentIndex(popup->model()->index(0, 0));
        QTest::keyClick(popup, Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), w->SearchValue);
        w->reject();
    });
    b.main->DoFind();
    EXPECT_EQ(field, "Title");
    EXPECT_EQ(value, "");  // another field: the old value goes, and no letters land in the box
    EXPECT_TRUE(listKeptFocus);
}

// "Starts with" and "anywhere" see a number as its digits, a million and more too, never in
// exponent form.
TEST(Locate, LargeNumbersMatchByTheirDigits)
{
    Books b;
    using M = find::MatchType;
    dbase::Table& t = b.main->MyTable.table();
    for (auto [author, cost] : {std::pair {"Zed, A.", "1234567.5"}, std::pair {"Zed, B.", "2500000"}}) {
        t.append();
        t.setText(1, author);
        t.setText(6, cost);
        t.post();
    }
    b.main->MyTable.refresh();
    EXPECT_EQ(b.run("Cost", "1234", M::PartialStart, true), find::LocateResult::Found);
    EXPECT_EQ(b.author(), "Zed, A.");
    EXPECT_EQ(b.run("Cost", "67.5", M::PartialAny, true), find::LocateResult::Found);
    EXPECT_EQ(b.author(), "Zed, A.");
    EXPECT_EQ(b.run("Cost", "2500000", M::PartialStart, true), find::LocateResult::Found);
    EXPECT_EQ(b.author(), "Zed, B.");
    EXPECT_EQ(b.run("Cost", "500000", M::PartialAny, true), find::LocateResult::Found);
    EXPECT_EQ(b.author(), "Zed, B.");
    EXPECT_EQ(b.run("Cost", "e+", M::PartialAny, true), find::LocateResult::NotFound);
}
