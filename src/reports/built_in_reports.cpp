// SPDX-License-Identifier: GPL-2.0-or-later
// The eight reports the default report file starts with.
#include <initializer_list>

#include "reports/report_definition.h"
#include "store/field_table.h"

namespace reports {

namespace {

ReportItem label(const char* text, int width)
{
    ReportItem item;
    item.name = QStringLiteral("<LABEL>");
    item.label = QString::fromLatin1(text);
    item.width = width;
    return item;
}

ReportItem filler(int width)
{
    ReportItem item;
    item.width = width;
    return item;
}

// A book field by its number in the table.
ReportItem field(int number, int width)
{
    ReportItem item;
    item.name = QString::fromLatin1(store::fieldDef(number).name);
    item.fieldNumber = number;
    item.width = width;
    return item;
}

ReportItem totalsField(int number, int width)
{
    ReportItem item;
    item.name = totalsFieldName(number);
    item.fieldNumber = number;
    item.width = width;
    return item;
}

// The listed items from the first one on; the next item ends the line.
void setLine(ReportLine& line, std::initializer_list<ReportItem> items)
{
    line = ReportLine();
    int k = 0;
    for (const ReportItem& item : items) line.items[std::size_t(k++)] = item;
}

ReportDefinition builtIn(const char* name, int chars, int lines, int fontSize, bool columnHeaders, bool totals,
                         bool ruled, const char* spareFont = "Arial")
{
    ReportDefinition r = blankReport();
    r.name = QString::fromLatin1(name);
    r.charsPerLine = chars;
    r.numberOfLines = lines;
    for (ReportFont* f : {&r.titleFont, &r.headerFont, &r.bodyFont, &r.spareFont, &r.footnoteFont}) {
        f->name = QStringLiteral("Arial");
        f->size = fontSize;
        f->bold = false;
    }
    r.spareFont.name = QString::fromLatin1(spareFont);
    r.columnHeaders = columnHeaders;
    r.useTotals = totals;
    r.verticalLines = r.horizontalLines = ruled;
    r.pageNumbers = r.dateOnPages = true;
    r.landscape = false;
    r.groupLevel1 = true;
    r.groupLevel2 = false;
    setLine(r.totals, {label("Cost:", 10), filler(1), totalsField(1, 12), label("Value:", 8), filler(1),
                       totalsField(2, 12), label("Low Market:", 13), filler(1), totalsField(3, 12),
                       label("High Market:", 14), filler(1), totalsField(4, 12), filler(60)});
    return r;
}

// Field numbers as the book table orders its fields.
enum : int {
    Title = 1, Author, YearPub, Publisher, Category, WherePurch, Cost, Value, Descriptio, ISBN, Rating, PurchDate,
    BookType, CatalogNum, Sub1, Sub2, CheckOut, CheckDate, CheckName, Volume, Issue, Edition, KeyWords, Pages,
    Location, Condition, Editor, Dewey, LowMarket, HighMarket
};

}  // namespace

std::array<ReportDefinition, 8> builtInReports()
{
    std::array<ReportDefinition, 8> r;

    r[0] = builtIn("Short Narrow Report", 90, 1, 10, true, true, true);
    setLine(r[0].body[0], {field(Title, 59), field(YearPub, 5), field(Author, 27)});

    r[1] = builtIn("2 Line 120 Column Report", 120, 2, 8, false, true, false, "Courier");
    setLine(r[1].body[0], {label("Title:", 6), filler(1), field(Title, 70), label("Category:", 11), filler(1),
                           field(Category, 20)});
    setLine(r[1].body[1], {label("Author:", 7), filler(1), field(Author, 60), label("Year Pub:", 11), filler(1),
                           field(YearPub, 5), label("Rating:", 9), filler(1), field(Rating, 15)});

    r[2] = builtIn("4 Line Report", 120, 4, 8, false, true, false, "Courier");
    setLine(r[2].body[0], {label("Title:", 6), filler(1), field(Title, 70), label("Book Type:", 11), filler(1),
                           field(BookType, 20)});
    setLine(r[2].body[1], {label("Author:", 7), filler(1), field(Author, 59), label("Year Pub:", 11), filler(1),
                           field(YearPub, 5), label("Rating:", 9), filler(1), field(Rating, 15)});
    setLine(r[2].body[2], {label("Category:", 9), filler(1), field(Category, 20), label("Catalog:", 9), filler(1),
                           field(CatalogNum, 15), label("Sub Cat 1:", 12), filler(1), field(Sub1, 6),
                           label("Sub Cat 2:", 12), filler(1), field(Sub2, 6), label("Pages:", 8), filler(1),
                           field(Pages, 5)});
    setLine(r[2].body[3], {filler(150)});

    r[3] = builtIn("Full Report", 120, 10, 8, false, true, false, "Courier");
    r[3].body[0] = r[2].body[0];
    setLine(r[3].body[1], {label("Author:", 7), filler(1), field(Author, 60), label("Year Pub:", 11), filler(1),
                           field(YearPub, 5), label("Rating:", 9), filler(1), field(Rating, 15)});
    setLine(r[3].body[2], {label("Publisher:", 10), filler(1), field(Publisher, 40), label("Editor:", 9), filler(1),
                           field(Editor, 30), label("ISBN:", 7), filler(1), field(ISBN, 20)});
    setLine(r[3].body[3], {label("Cost:", 7), filler(1), field(Cost, 12), label("Value:", 8), filler(1),
                           field(Value, 12), label("Low Market:", 13), filler(1), field(LowMarket, 12),
                           label("High Market:", 14), filler(1), field(HighMarket, 12), label("Cond:", 7), filler(1),
                           field(Condition, 20)});
    setLine(r[3].body[4], {label("Category:", 9), filler(1), field(Category, 20), label("Catalog:", 10), filler(1),
                           field(CatalogNum, 15), label("Sub Cat 1:", 12), filler(1), field(Sub1, 6),
                           label("Sub Cat 2:", 12), filler(1), field(Sub2, 6), label("Pages:", 8), filler(1),
                           field(Pages, 5)});
    setLine(r[3].body[5], {label("Date Purchased:", 15), filler(1), field(PurchDate, 11),
                           label("Where Purchased:", 18), filler(1), field(WherePurch, 30), label("Location:", 11),
                           filler(1), field(Location, 30)});
    setLine(r[3].body[6], {label("Checked Out:", 12), filler(1), field(CheckOut, 3), label("Checkout Date:", 16),
                           filler(1), field(CheckDate, 11), label("Checked Out To:", 17), filler(1),
                           field(CheckName, 30), label("Edition:", 11), filler(1), field(Edition, 10)});
    setLine(r[3].body[7], {label("Vol:", 4), filler(1), field(Volume, 8), label("Issue:", 8), filler(1),
                           field(Issue, 8), label("Key Words:", 12), filler(1), field(KeyWords, 77)});
    setLine(r[3].body[8], {label("Desc:", 6), filler(1), field(Descriptio, 110)});
    setLine(r[3].body[9], {filler(150)});

    r[4] = builtIn("Location Report", 90, 1, 10, true, false, true);
    setLine(r[4].body[0], {field(Title, 60), field(Location, 30)});

    r[5] = builtIn("Library Checkout Report", 120, 1, 8, true, false, true);
    r[5].groupLevel1 = false;
    setLine(r[5].body[0], {field(Title, 60), field(CheckOut, 3), field(CheckDate, 12), field(CheckName, 30)});

    r[6] = builtIn("Value Report", 90, 1, 10, true, true, true);
    setLine(r[6].body[0],
            {field(Title, 42), field(Cost, 12), field(Value, 12), field(LowMarket, 12), field(HighMarket, 12)});

    r[7] = builtIn("Statistic/Summary Report", 90, 0, 10, false, true, false);
    return r;
}

}  // namespace reports
