// SPDX-License-Identifier: GPL-2.0-or-later
#include "store/field_table.h"

#include <stdexcept>

namespace store {

namespace {
using K = FieldKind;
constexpr std::array<FieldDef, kFieldCount> kFields {{
    {1, "Title", 'C', 90, 0, K::Text, false, "Title"},
    {2, "Author", 'C', 90, 0, K::Text, true, "Author"},
    {3, "YearPub", 'N', 4, -1, K::WholeNumber, false, "Year Pub"},
    {4, "Publisher", 'C', 60, 0, K::Text, true, "Publisher"},
    {5, "Category", 'C', 20, 0, K::Text, true, "Category"},
    {6, "WherePurch", 'C', 30, 0, K::Text, true, "Where Purchased"},
    {7, "Cost", 'N', 12, 2, K::Money, false, "Cost"},
    {8, "Value", 'N', 12, 2, K::Money, false, "Value"},
    {9, "Descriptio", 'C', 110, 0, K::Text, false, "Description"},
    {10, "ISBN", 'C', 20, 0, K::Text, false, "ISBN"},
    {11, "Rating", 'C', 15, 0, K::Text, true, "Rating"},
    {12, "PurchDate", 'D', 10, 0, K::Date, false, "Purchase Date"},
    {13, "BookType", 'C', 15, 0, K::Text, true, "Book Type"},
    {14, "CatalogNum", 'C', 15, 0, K::Text, false, "Cat Num"},
    {15, "Sub1", 'C', 6, 0, K::Text, false, "Sub Cat1"},
    {16, "Sub2", 'C', 6, 0, K::Text, false, "Sub Cat2"},
    {17, "CheckOut", 'C', 3, 0, K::Text, true, "Checked Out"},
    {18, "CheckDate", 'D', 10, 0, K::Date, false, "Check Out Date"},
    {19, "CheckName", 'C', 30, 0, K::Text, true, "Check Out Person"},
    {20, "Volume", 'C', 8, 0, K::Text, false, "Volume"},
    {21, "Issue", 'C', 8, 0, K::Text, false, "Issue"},
    {22, "Edition", 'C', 10, 0, K::Text, false, "Edition"},
    {23, "KeyWords", 'C', 80, 0, K::Text, false, "Key Words"},
    {24, "Pages", 'N', 5, 0, K::WholeNumber, false, "Pages"},
    {25, "Location", 'C', 30, 0, K::Text, true, "Location"},
    {26, "Condition", 'C', 20, 0, K::Text, true, "Condition"},
    {27, "Editor", 'C', 30, 0, K::Text, false, "Editor"},
    {28, "Dewey", 'C', 20, 0, K::Text, false, "Dewey Decimal"},
    {29, "LowMarket", 'N', 12, 2, K::Money, false, "Low Market"},
    {30, "HighMarket", 'N', 12, 2, K::Money, false, "High Market"},
    {31, "UserDef1", 'C', 40, 0, K::Text, false, "User Defined 1"},
    {32, "UserDef2", 'C', 40, 0, K::Text, false, "User Defined 2"},
    {33, "UserDef3", 'C', 40, 0, K::Text, false, "User Defined 3"},
    {34, "UserDef4", 'C', 40, 0, K::Text, false, "User Defined 4"},
    {35, "UserDef5", 'C', 40, 0, K::Text, false, "User Defined 5"},
    {36, "UserDef6", 'C', 40, 0, K::Text, false, "User Defined 6"},
}};
}  // namespace

const std::array<FieldDef, kFieldCount>& fieldTable() { return kFields; }

const FieldDef& fieldDef(int number)
{
    if (number < 1 || number > kFieldCount) throw std::out_of_range("field number out of range");
    return kFields[std::size_t(number - 1)];
}

const char* yesNoOfLogical(std::string_view logical)
{
    if (logical == "T") return "Yes";
    if (logical == "F") return "No";
    return "";
}

}  // namespace store
