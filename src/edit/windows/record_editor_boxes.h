// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the three files of the record editor share: its pages, the boxes in the order they are
// entered, the money boxes, and the boxes whose values come from the data lists.
#include <QMap>
#include <QString>
#include <algorithm>
#include <iterator>

#include "edit/data_lists.h"
#include "regional/regional.h"

namespace edit::editor_boxes {

enum Page { Description, Catalog, Worth, Library, Other };

struct ComboList {
    const char* box;
    int list;
};
// in the order the update adds new values to the lists
inline constexpr ComboList kCombos[] = {
    {"Author", AuthorList},         {"Location", LocationList},   {"WherePurch", BoughtList},
    {"Category", CategoryList},     {"Publisher", PublisherList}, {"PersRating", RatingList},
    {"BookType", BookTypeList},     {"CheckName", CheckNameList}, {"Condition", ConditionList},
};

inline const char* const kEnterOrder[] = {"Title", "Author", "Publisher", "Editor", "BookType", "Volume", "Issue", "YearPub",
                                   "Edition", "Pages", "PurchDate", "WherePurch", "Catalog", "SubCat1", "SubCat2",
                                   "Dewey", "ISBN", "Category", "KeyWords", "PersRating", "Location", "Cost", "Value",
                                   "LowMarket", "HighMarket", "CheckOut", "CheckDate", "CheckName", "Condition",
                                   "Description", "UserDef1", "UserDef2", "UserDef3", "UserDef4", "UserDef5",
                                   "UserDef6"};
inline const char* const kHeaderBoxes[] = {"Title", "Editor", "Catalog", "SubCat1", "SubCat2", "KeyWords", "Dewey", "ISBN",
                                    "Description", "UserDef1", "UserDef2", "UserDef3", "UserDef4", "UserDef5",
                                    "UserDef6"};
inline const char* const kMoney[] = {"Cost", "Value", "LowMarket", "HighMarket"};
inline constexpr int kMoneyBoxLength = 64;

inline int pageOf(const QString& box)
{
    static const QMap<QString, int> pages = [] {
        QMap<QString, int> m;
        for (const char* b : {"Title", "Author", "Publisher", "Editor", "BookType", "Volume", "Issue", "YearPub",
                              "Edition", "Pages", "PurchDate", "WherePurch"})
            m[b] = Description;
        for (const char* b : {"Catalog", "SubCat1", "SubCat2", "Dewey", "ISBN", "Category", "KeyWords", "PersRating",
                              "Location"})
            m[b] = Catalog;
        for (const char* b : kMoney) m[b] = Worth;
        for (const char* b : {"CheckOut", "CheckDate", "CheckName"}) m[b] = Library;
        for (const char* b : {"Condition", "Description", "UserDef1", "UserDef2", "UserDef3", "UserDef4", "UserDef5",
                              "UserDef6"})
            m[b] = Other;
        return m;
    }();
    return pages.value(box, Description);
}

// Two digits, the separator, two digits, the separator, four digits; blanks shown as '_'.
inline QString dateMask()
{
    const QString s(regional::current().dateSeparator());
    return QStringLiteral("00") + s + QStringLiteral("00") + s + QStringLiteral("0000;_");
}

inline bool isDateBox(const QString& name) { return name == QLatin1String("PurchDate") || name == QLatin1String("CheckDate"); }

inline bool isMoneyBox(const QString& name)
{
    return std::any_of(std::begin(kMoney), std::end(kMoney), [&](const char* m) { return name == QLatin1String(m); });
}

}  // namespace edit::editor_boxes
