// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <QDate>

#include "regional/regional.h"

using regional::Regional;

TEST(Regional, DateFormatsWithAndWithoutLeadingZeros)
{
    Regional r;
    const dbase::Date march1 {1997, 3, 1};
    r.setDateFormat(5, true);
    EXPECT_EQ(r.formatDate(march1), "01-03-97");
    r.setDateFormat(5, false);
    EXPECT_EQ(r.formatDate(march1), "1-3-97");
    EXPECT_EQ(r.dateSeparator(), u'-');
    r.setDateFormat(1, false);
    EXPECT_EQ(r.datePattern(), "m/d/yy");
    EXPECT_EQ(r.formatDate({2005, 12, 31}), "12/31/05");
    r.setDateFormat(12, true);
    EXPECT_EQ(r.formatDate(march1), "01.03.1997");
    r.setDateFormat(7, false);
    EXPECT_EQ(r.formatDate({987, 1, 2}), "1/2/0987");
}

TEST(Regional, TypedDatesFollowTheFormatAndTheCenturyWindow)
{
    Regional r;
    r.setDateFormat(4, false);  // d/m/yy
    auto d = r.parseDate("1/3/97");
    ASSERT_TRUE(d);
    EXPECT_EQ(d->year, 1997);
    EXPECT_EQ(d->month, 3);
    EXPECT_EQ(d->day, 1);
    EXPECT_EQ(r.parseDate("31/12/05")->year, 2005);
    EXPECT_EQ(r.parseDate("31/12/2105")->year, 2105);
    const int nextDecade = (QDate::currentDate().year() + 10) % 100, after = (nextDecade + 1) % 100;
    EXPECT_EQ(r.parseDate(QStringLiteral("1/1/%1").arg(nextDecade, 2, 10, QChar(u'0')))->year / 100, 20);
    EXPECT_EQ(r.parseDate(QStringLiteral("1/1/%1").arg(after, 2, 10, QChar(u'0')))->year / 100, 19);
    EXPECT_FALSE(r.parseDate("31/2/97"));
    EXPECT_FALSE(r.parseDate("1-3-97"));  // another separator
    EXPECT_FALSE(r.parseDate("1/3"));
    EXPECT_FALSE(r.parseDate("a/3/97"));
    r.setDateFormat(9, true);  // mm.dd.yyyy
    EXPECT_EQ(r.parseDate("03.01.1997")->day, 1);
}

TEST(Regional, GroupedNumbersInUsStyle)
{
    Regional r;
    EXPECT_EQ(r.grouped(1, 0, 1234567), "1,234,567");
    EXPECT_EQ(r.grouped(1, 0, -123456), "-123,456");
    EXPECT_EQ(r.grouped(1, 0, 999), "999");
    EXPECT_EQ(r.grouped(10, 0, 1000), "     1,000");
    EXPECT_EQ(r.grouped(1, 2, -1234.5), "-1,234.50");
    EXPECT_EQ(r.plain(6, -1, 1997), "  1997");
    EXPECT_EQ(r.money(1, 1234.5), "1,234.50");
    EXPECT_EQ(r.money(1, 0), "0.00");
    EXPECT_EQ(r.money(1, 999999999.99), "999,999,999.99");
}

TEST(Regional, TheOperatingSystemsStyle)
{
    Regional r;
    r.system = {u',', u'.', 3, 2};
    r.currencyFormat = 2;
    r.numericFormat = 2;
    EXPECT_EQ(r.money(1, 1234567.891), "1.234.567,89");
    EXPECT_EQ(r.grouped(1, 0, 1234567), "1.234.567");
    EXPECT_EQ(r.plain(1, 2, 12.5), "12,50");
    EXPECT_DOUBLE_EQ(r.readMoney("1.234.567,89").value(), 1234567.89);
    r.system = {u' ', u' ', 2, 0};  // empty separators read as blanks
    EXPECT_EQ(r.money(1, 1234.4), "1 234");
}

TEST(Regional, MoneyInputIsReadBack)
{
    Regional r;
    EXPECT_DOUBLE_EQ(r.readMoney("1,234.50").value(), 1234.5);
    EXPECT_DOUBLE_EQ(r.readMoney("  12  ").value(), 12);
    EXPECT_DOUBLE_EQ(r.readMoney("-3.5").value(), -3.5);
    EXPECT_FALSE(r.readMoney("12abc"));
    EXPECT_FALSE(r.readMoney(""));
}
