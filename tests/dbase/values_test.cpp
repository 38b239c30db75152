// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include "dbase/values.h"

using namespace dbase;

namespace {
std::string str(std::string_view text, int len, int dec)
{
    std::string out(std::size_t(len), '?');
    strFromText(text, len, dec, out.data());
    return out;
}
}  // namespace

TEST(Values, StrRoundsHalfAwayFromZeroAndPads)
{
    EXPECT_EQ(str("1997", 12, 0), "        1997");
    EXPECT_EQ(str("12.5", 12, 2), "       12.50");
    EXPECT_EQ(str("-3", 12, 2), "       -3.00");
    EXPECT_EQ(str("8.995", 8, 2), "    9.00");
    EXPECT_EQ(str("-8.995", 8, 2), "   -9.00");
    EXPECT_EQ(str("0.5", 5, 2), " 0.50");
    EXPECT_EQ(str(".5", 5, 2), " 0.50");
    EXPECT_EQ(str("6.56", 5, 0), "    7");
    EXPECT_EQ(str("-205.45", 8, 2), " -205.45");
    EXPECT_EQ(str("99.995", 6, 2), "100.00");
    EXPECT_EQ(str("-0.001", 6, 2), "  0.00");  // no negative zero
    EXPECT_EQ(str("", 12, 2), "        0.00");  // a blank number counts as 0
    EXPECT_EQ(str("   12.5000", 12, 2), "       12.50");
}

TEST(Values, StrWritesAsterisksWhenTheNumberDoesNotFit)
{
    EXPECT_EQ(str("2002", 3, 0), "***");
    EXPECT_EQ(str("999.995", 6, 2), "******");
    EXPECT_EQ(str("***", 5, 0), "    0");  // junk in the field reads as 0
}

TEST(Values, NumbersAreWrittenRightAlignedWithTheirDecimals)
{
    EXPECT_EQ(formatNumber(12.5, 20, 4).value(), "             12.5000");
    EXPECT_EQ(formatNumber(-0.0, 6, 2).value(), "  0.00");
    EXPECT_EQ(formatNumber(999999999.99, 12, 2).value(), "999999999.99");
    EXPECT_FALSE(formatNumber(1e12, 12, 2).has_value());
    EXPECT_FALSE(formatNumber(std::numeric_limits<double>::infinity(), 20, 4).has_value());
    EXPECT_EQ(formatInteger(-1234567890, 11, 0).value(), "-1234567890");
    EXPECT_FALSE(formatInteger(123456, 5, 0).has_value());
    EXPECT_EQ(formatInteger(7, 6, 2).value(), "  7.00");
}

TEST(Values, NumberTextParsesLocaleFree)
{
    EXPECT_DOUBLE_EQ(parseNumber("   12.5000").value(), 12.5);
    EXPECT_DOUBLE_EQ(parseNumber("-3").value(), -3);
    EXPECT_DOUBLE_EQ(parseNumber("12.").value(), 12);
    EXPECT_FALSE(parseNumber("      ").has_value());
    EXPECT_FALSE(parseNumber("****").has_value());
    EXPECT_FALSE(parseNumber("1,5").has_value());
}

TEST(Values, DatesReadOnlyWhenReal)
{
    auto d = parseDate("19970228");
    ASSERT_TRUE(d);
    EXPECT_EQ(d->year, 1997);
    EXPECT_EQ(d->month, 2);
    EXPECT_EQ(d->day, 28);
    EXPECT_FALSE(parseDate("        "));
    EXPECT_FALSE(parseDate("00000000"));
    EXPECT_FALSE(parseDate("19970230"));
    EXPECT_TRUE(parseDate("20000229"));
    EXPECT_FALSE(parseDate("19000229"));
    EXPECT_EQ(formatDate({2005, 3, 7}), "20050307");
    EXPECT_DOUBLE_EQ(julianDay({2000, 1, 1}), 2451545.0);
}

TEST(Values, UpperCaseFollowsWindows1252)
{
    EXPECT_EQ(upper1252('a'), 'A');
    EXPECT_EQ(upper1252(0xE9), 0xC9);  // é
    EXPECT_EQ(upper1252(0xF7), 0xF7);  // ÷ has no capital
    EXPECT_EQ(upper1252(0x9A), 0x8A);  // š
    EXPECT_EQ(upper1252(0xFF), 0x9F);  // ÿ
    EXPECT_EQ(upper1252('1'), '1');
}
