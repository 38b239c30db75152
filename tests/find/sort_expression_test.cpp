// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include "find/sort_expression.h"

using find::BuildSortString;

TEST(SortExpression, OneTermPerLevelByKind)
{
    EXPECT_EQ(BuildSortString({2, 0, 0, 0}), "Upper(Left(Author,80))");
    EXPECT_EQ(BuildSortString({2, 1, 0, 0}), "Upper(Left(Author,40))+Upper(Left(Title,40))");
    EXPECT_EQ(BuildSortString({5, 12, 7, 0}), "Upper(Left(Category,26))+DTOS(PurchDate)+STR(Cost,12,2)");
    EXPECT_EQ(BuildSortString({3, 9, 24, 6}),
              "STR(YearPub,12,0)+Upper(Left(Descriptio,20))+STR(Pages,12,0)+Upper(Left(WherePurch,20))");
    EXPECT_EQ(BuildSortString({0, 2, 0, 2}), "Upper(Left(Author,40))+Upper(Left(Author,40))");  // repeats kept
    EXPECT_EQ(BuildSortString({0, 0, 0, 0}), "");
}
