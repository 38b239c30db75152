// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include "dbase/table.h"
#include "find/search_criteria.h"
#include "regional/regional.h"
#include "store/book_table.h"
#include "support/temp_dir.h"

using namespace find;

namespace {
using Page = std::array<QString, store::kFieldCount>;
using Ops = std::array<int, store::kFieldCount>;

Ops ones()
{
    Ops o;
    o.fill(1);
    return o;
}

struct Books {
    testing_support::TempDir dir;
    dbase::Table t;
    Books()
    {
        store::BookTableFiles files;
        files.MakeNewDB(QString::fromStdString((dir / "B.DBF").string()));
        t.open(dir.path(), "B");
        const char* rows[][5] = {{"Goldsmith, A.", "FICTION", "10", "WAR AND PEACE", "19970301"},
                                 {"King, S.", "HORROR", "20", "PEACE", ""},
                                 {"Lane, B.", "FICTION", "15", "NIGHT", "20050101"},
                                 {"Smith, C.", "HISTORY", "", "DAY", "19991231"}};
        for (auto& r : rows) {
            t.append();
            t.setText(1, r[0]);
            t.setText(4, r[1]);
            t.setText(6, r[2]);
            t.setText(22, r[3]);
            t.setText(11, r[4]);
            t.post();
        }
    }
    QStringList pass(const SearchCriteria& c)
    {
        QStringList out;
        for (std::uint32_t r = 1; r <= t.physicalCount(); ++r)
            if (c.BuildFilter(t.record(r))) out << QString::fromStdString(t.record(r).text(1)).section(u',', 0, 0);
        return out;
    }
};

Page page(std::initializer_list<std::pair<int, const char*>> cells)
{
    Page p;
    for (auto& [field, text] : cells) p[std::size_t(field - 1)] = QString::fromUtf8(text);
    return p;
}
}  // namespace

TEST(SearchCriteria, TextNumbersRangesAndWords)
{
    Books b;
    regional::current().setDateFormat(1, false);
    SearchCriteria c;
    ASSERT_EQ(c.SaveFields(page({{2, "smith"}}), ones()), SaveResult::Saved);
    EXPECT_EQ(b.pass(c), (QStringList {"Goldsmith", "Smith"}));  // a substring, without case

    c.clear();
    Ops ops = ones();
    ops[6] = Range;
    ASSERT_EQ(c.SaveFields(page({{7, "> 10 AND < 20"}}), ops), SaveResult::Saved);
    EXPECT_EQ(c.count(), 2);
    EXPECT_EQ(b.pass(c), QStringList {"Lane"});  // both bounds excluded

    c.clear();
    ASSERT_EQ(c.SaveFields(page({{23, "war peace"}}), ones()), SaveResult::Saved);
    EXPECT_EQ(c.criteria()[0].op, AnyWord);
    EXPECT_EQ(b.pass(c), (QStringList {"Goldsmith", "King"}));
    c.clear();
    ASSERT_EQ(c.SaveFields(page({{23, " war  peace "}}), ones()), SaveResult::Saved);  // two blanks between
    EXPECT_EQ(c.criteria()[0].words.size(), 2u);
    EXPECT_EQ(b.pass(c), (QStringList {"Goldsmith", "King"}));  // no empty word that every record holds

    c.clear();
    ops = ones();
    ops[6] = Less;
    ASSERT_EQ(c.SaveFields(page({{7, "< 11"}}), ops), SaveResult::Saved);
    EXPECT_EQ(b.pass(c), (QStringList {"Goldsmith", "Smith"}));  // a blank cost reads as 0

    c.clear();
    ops = ones();
    ops[11] = Greater;
    ASSERT_EQ(c.SaveFields(page({{12, "> 1/1/98"}}), ops), SaveResult::Saved);
    EXPECT_EQ(b.pass(c), (QStringList {"Lane", "Smith"}));
}

TEST(SearchCriteria, TextIsFoldedAsTheFieldsAre)
{
    Books b;
    b.t.append();
    b.t.setText(1, "Strau\xDF, J.");  // Windows-1252
    b.t.setText(22, "\xB5SCOPE");
    b.t.post();
    SearchCriteria c;
    ASSERT_EQ(c.SaveFields(page({{2, "strauß"}}), ones()), SaveResult::Saved);
    EXPECT_EQ(c.criteria()[0].text, QStringLiteral("STRAU\u00df"));
    EXPECT_EQ(b.pass(c).size(), 1);
    c.clear();
    ASSERT_EQ(c.SaveFields(page({{23, "µscope"}}), ones()), SaveResult::Saved);
    EXPECT_EQ(b.pass(c).size(), 1);
    c.clear();
    ASSERT_EQ(c.SaveFields(page({{2, "éa"}}), ones()), SaveResult::Saved);
    EXPECT_EQ(c.criteria()[0].text, QStringLiteral("\u00c9A"));
}

TEST(SearchCriteria, LevelsAreJoinedByOr)
{
    Books b;
    SearchCriteria c;
    ASSERT_EQ(c.SaveFields(page({{5, "fiction"}, {7, "= 10"}}), ones()), SaveResult::Saved);
    EXPECT_EQ(b.pass(c), QStringList {"Goldsmith"});
    ASSERT_EQ(c.SaveFields(page({{2, "KING"}}), ones()), SaveResult::Saved);
    EXPECT_EQ(b.pass(c), (QStringList {"Goldsmith", "King"}));
}

TEST(SearchCriteria, RefusalsAndLimits)
{
    SearchCriteria c;
    EXPECT_EQ(c.SaveFields(page({{7, "=   "}}), ones()), SaveResult::NothingEntered);  // a mask left as it was
    ASSERT_EQ(c.SaveFields(page({{2, "a"}}), ones()), SaveResult::Saved);
    Ops ops = ones();
    ops[11] = Range;
    int row = 0;
    EXPECT_EQ(c.SaveFields(page({{1, "x"}, {12, "> 01/01/1997 AND <   /  /    "}}), ops, &row), SaveResult::Refused);
    EXPECT_EQ(row, 12);
    EXPECT_EQ(c.count(), 1);  // this page dropped, the earlier level kept
    EXPECT_EQ(c.SaveFields(page({{3, "= 19x7"}}), ones(), &row), SaveResult::Refused);
    EXPECT_EQ(row, 3);
    EXPECT_EQ(c.SaveFields(page({{7, "= 1,000"}}), ones(), &row), SaveResult::Refused);  // no group separators
    EXPECT_EQ(row, 7);
    regional::current().setDateFormat(1, false);
    Page many;
    for (int f = 1; f <= store::kFieldCount; ++f)
        many[std::size_t(f - 1)] = searchKind(f) == 'D' ? QStringLiteral("1/1/1997") : QStringLiteral("1");
    // 36 criteria a page: the third page passes 75
    SearchCriteria d;
    EXPECT_EQ(d.SaveFields(many, ones()), SaveResult::Saved);
    EXPECT_EQ(d.SaveFields(many, ones()), SaveResult::Saved);
    EXPECT_EQ(d.SaveFields(many, ones()), SaveResult::TooMany);
    EXPECT_EQ(d.count(), 0);
}

TEST(SearchCriteria, SeventyFiveCriteriaAreAcceptedAndTheSeventySixthIsRefused)
{
    regional::current().setDateFormat(1, false);
    Page many;
    for (int f = 1; f <= store::kFieldCount; ++f)
        many[std::size_t(f - 1)] = searchKind(f) == 'D' ? QStringLiteral("1/1/1997") : QStringLiteral("1");
    auto first = [&](int n) {
        Page p;
        for (int f = 1; f <= n; ++f) p[std::size_t(f - 1)] = many[std::size_t(f - 1)];
        return p;
    };
    SearchCriteria c;
    ASSERT_EQ(c.SaveFields(many, ones()), SaveResult::Saved);
    ASSERT_EQ(c.SaveFields(many, ones()), SaveResult::Saved);
    ASSERT_EQ(c.count(), 72);
    EXPECT_EQ(c.SaveFields(first(3), ones()), SaveResult::Saved);
    EXPECT_EQ(c.count(), 75);
    EXPECT_EQ(c.SaveFields(first(1), ones()), SaveResult::TooMany);
    EXPECT_EQ(c.count(), 0);

    SearchCriteria d;
    d.SaveFields(many, ones());
    d.SaveFields(many, ones());
    EXPECT_EQ(d.SaveFields(first(4), ones()), SaveResult::TooMany);  // 76 on one page
    EXPECT_EQ(d.count(), 0);

    // a range counts twice: 74 and one range passes 75
    SearchCriteria e;
    e.SaveFields(many, ones());
    e.SaveFields(many, ones());
    ASSERT_EQ(e.SaveFields(first(2), ones()), SaveResult::Saved);
    Ops ops = ones();
    ops[6] = Range;
    EXPECT_EQ(e.SaveFields(page({{7, "> 1 AND < 5"}}), ops), SaveResult::TooMany);
    EXPECT_EQ(e.count(), 0);
}
