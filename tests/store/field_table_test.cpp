// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "store/field_table.h"

using namespace store;

TEST(FieldTable, ThirtySixFieldsInTableOrder)
{
    const auto& t = fieldTable();
    std::set<std::string> names;
    int money = 0, lists = 0, dates = 0;
    for (int i = 0; i < kFieldCount; ++i) {
        const FieldDef& f = t[std::size_t(i)];
        EXPECT_EQ(f.number, i + 1);
        EXPECT_LE(std::string(f.name).size(), 10u);
        EXPECT_LE(std::string(f.displayName).size(), 20u);
        names.insert(f.name);
        money += f.kind == FieldKind::Money;
        lists += f.list;
        dates += f.kind == FieldKind::Date;
        EXPECT_EQ(f.type == 'D', f.kind == FieldKind::Date);
        EXPECT_EQ(f.decimals == 2, f.kind == FieldKind::Money);
    }
    EXPECT_EQ(names.size(), 36u);
    EXPECT_EQ(money, 4);
    EXPECT_EQ(lists, 10);  // nine data lists, and CheckOut offers Yes and No
    EXPECT_EQ(dates, 2);
    EXPECT_STREQ(fieldDef(9).name, "Descriptio");
    EXPECT_STREQ(fieldDef(9).displayName, "Description");
    EXPECT_EQ(fieldDef(3).decimals, -1);
    EXPECT_EQ(fieldDef(24).decimals, 0);
    EXPECT_STREQ(fieldDef(17).name, "CheckOut");
    EXPECT_EQ(fieldDef(17).width, 3);
    EXPECT_STREQ(fieldDef(36).displayName, "User Defined 6");
    EXPECT_THROW(fieldDef(37), std::out_of_range);
}
