// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/known_headings.h"

#include <QCryptographicHash>
#include <QHash>

namespace transfer {

namespace {
enum Field {
    Title = 1,
    Author = 2,
    YearPub = 3,
    Publisher = 4,
    Category = 5,
    WherePurch = 6,
    Cost = 7,
    Value = 8,
    Description = 9,
    Isbn = 10,
    Rating = 11,
    PurchDate = 12,
    BookType = 13,
    CheckDate = 18,
    CheckName = 19,
    Edition = 22,
    KeyWords = 23,
    Pages = 24,
    Location = 25,
    Condition = 26,
    Dewey = 28
};

// Where a row comes in the order of preference: known exports, then field names, then plain headings.
constexpr int kExportRank = 0, kNameRank = 1, kPlainRank = 2;
}  // namespace

const std::vector<KnownHeading>& knownHeadings()
{
    static const std::vector<KnownHeading> table{
        // Goodreads library export ("Author" and "ISBN" lose to "Author l-f" and "ISBN13")
        {"Goodreads", "Title", Title},
        {"Goodreads", "Author l-f", Author},
        {"Goodreads", "ISBN13", Isbn},
        {"Goodreads", "My Rating", Rating},
        {"Goodreads", "Publisher", Publisher},
        {"Goodreads", "Binding", BookType},
        {"Goodreads", "Number of Pages", Pages},
        {"Goodreads", "Year Published", YearPub},
        {"Goodreads", "Bookshelves", KeyWords},
        {"Goodreads", "Private Notes", Description},
        // Book Catalogue's CSV export
        {"Book Catalogue", "title", Title},
        {"Book Catalogue", "author_details", Author},
        {"Book Catalogue", "isbn", Isbn},
        {"Book Catalogue", "publisher", Publisher},
        {"Book Catalogue", "date_published", YearPub},
        {"Book Catalogue", "rating", Rating},
        {"Book Catalogue", "bookshelf", KeyWords},
        {"Book Catalogue", "pages", Pages},
        {"Book Catalogue", "notes", Description},
        {"Book Catalogue", "list_price", Cost},
        {"Book Catalogue", "location", Location},
        {"Book Catalogue", "format", BookType},
        {"Book Catalogue", "loaned_to", CheckName},
        {"Book Catalogue", "genre", Category},
        {"Book Catalogue", "description", Description},
        // calibre's CSV catalogue ("author_sort" is written last name first, as the Author field is)
        {"calibre", "title", Title},
        {"calibre", "author_sort", Author},
        {"calibre", "authors", Author},
        {"calibre", "publisher", Publisher},
        {"calibre", "pubdate", YearPub},
        {"calibre", "isbn", Isbn},
        {"calibre", "tags", KeyWords},
        {"calibre", "comments", Description},
        {"calibre", "rating", Rating},
        // LibraryThing's export (tab-separated)
        {"LibraryThing", "Title", Title},
        {"LibraryThing", "Primary Author", Author},
        {"LibraryThing", "ISBN", Isbn},
        {"LibraryThing", "Date", YearPub},
        {"LibraryThing", "Rating", Rating},
        {"LibraryThing", "Page Count", Pages},
        {"LibraryThing", "Tags", KeyWords},
        {"LibraryThing", "Media", BookType},
        {"LibraryThing", "Acquired", PurchDate},
        {"LibraryThing", "From Where", WherePurch},
        {"LibraryThing", "Private Comment", Description},
        {"LibraryThing", "Comment", Description},
        {"LibraryThing", "Dewey Decimal", Dewey},
        {"LibraryThing", "Lending Patron", CheckName},
        {"LibraryThing", "Lending Start", CheckDate},
        // StoryGraph's export
        {"StoryGraph", "Title", Title},
        {"StoryGraph", "Authors", Author},
        {"StoryGraph", "ISBN/UID", Isbn},
        {"StoryGraph", "Format", BookType},
        {"StoryGraph", "Star Rating", Rating},
        {"StoryGraph", "Tags", KeyWords},
        {"StoryGraph", "Review", Description},
        // plain spreadsheet headings
        {"Spreadsheet", "Title", Title},
        {"Spreadsheet", "Author", Author},
        {"Spreadsheet", "Authors", Author},
        {"Spreadsheet", "ISBN", Isbn},
        {"Spreadsheet", "ISBN13", Isbn},
        {"Spreadsheet", "Publisher", Publisher},
        {"Spreadsheet", "Year", YearPub},
        {"Spreadsheet", "Year Published", YearPub},
        {"Spreadsheet", "Date Published", YearPub},
        {"Spreadsheet", "Pages", Pages},
        {"Spreadsheet", "Number of Pages", Pages},
        {"Spreadsheet", "Price", Cost},
        {"Spreadsheet", "Cost", Cost},
        {"Spreadsheet", "Value", Value},
        {"Spreadsheet", "Notes", Description},
        {"Spreadsheet", "Description", Description},
        {"Spreadsheet", "Comments", Description},
        {"Spreadsheet", "Tags", KeyWords},
        {"Spreadsheet", "Keywords", KeyWords},
        {"Spreadsheet", "Shelves", KeyWords},
        {"Spreadsheet", "Location", Location},
        {"Spreadsheet", "Edition", Edition},
        {"Spreadsheet", "Format", BookType},
        {"Spreadsheet", "Binding", BookType},
        {"Spreadsheet", "Condition", Condition},
        {"Spreadsheet", "Rating", Rating},
    };
    return table;
}

QString headingKey(const QString& heading)
{
    QString key;
    key.reserve(heading.size());
    for (const QChar c : heading)
        if (!c.isSpace() && c != QChar(0xFEFF)) key += c.toLower();
    return key;
}

namespace {
struct Candidate {
    int field = 0;
    int rank = 3;   // kExportRank ... kPlainRank; 3: none
    int order = 0;  // the row of the table, or the field number among the names
    bool better(const Candidate& o) const { return rank != o.rank ? rank < o.rank : order < o.order; }
};

// Each heading key's best row: the first row of the best rank.
QHash<QString, Candidate> candidates(const std::array<QString, store::kFieldCount>& names)
{
    QHash<QString, Candidate> found;
    auto offer = [&](const QString& heading, Candidate c) {
        const QString key = headingKey(heading);
        if (key.isEmpty()) return;
        auto it = found.find(key);
        if (it == found.end())
            found.insert(key, c);
        else if (c.better(*it))
            *it = c;
    };
    const auto& table = knownHeadings();
    for (int row = 0; row < int(table.size()); ++row) {
        const KnownHeading& k = table[std::size_t(row)];
        const bool plain = qstrcmp(k.source, "Spreadsheet") == 0;
        offer(QString::fromUtf8(k.heading), {k.field, plain ? kPlainRank : kExportRank, row});
    }
    for (int n = 1; n <= store::kFieldCount; ++n) {
        const store::FieldDef& def = store::fieldDef(n);
        for (const QString& name :
             {QString::fromLatin1(def.name), QString::fromLatin1(def.displayName), names[std::size_t(n - 1)]})
            offer(name, {n, kNameRank, n});
    }
    return found;
}
}  // namespace

HeadingPairing pairByHeadings(const QStringList& headings, const std::array<QString, store::kFieldCount>& names)
{
    const QHash<QString, Candidate> known = candidates(names);
    HeadingPairing result;
    result.pairing.assign(std::size_t(headings.size()), 0);
    // each field takes the column whose heading stands best; an equal one further right loses
    std::array<int, store::kFieldCount + 1> column;
    column.fill(-1);
    std::array<Candidate, store::kFieldCount + 1> best{};
    for (int k = 0; k < headings.size(); ++k) {
        const auto it = known.constFind(headingKey(headings[k]));
        if (it == known.constEnd()) continue;
        const auto f = std::size_t(it->field);
        if (column[f] < 0 || it->better(best[f])) {
            column[f] = k;
            best[f] = *it;
        }
    }
    for (int n = 1; n <= store::kFieldCount; ++n)
        if (const int k = column[std::size_t(n)]; k >= 0) {
            result.pairing[std::size_t(k)] = n;
            ++result.recognised;
        }
    return result;
}

QString headingLineKey(const QStringList& headings)
{
    QStringList keys;
    for (const QString& h : headings) keys << headingKey(h);
    return QString::fromLatin1(
        QCryptographicHash::hash(keys.join(u'\x1f').toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

}  // namespace transfer
