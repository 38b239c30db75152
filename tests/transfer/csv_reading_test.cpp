// SPDX-License-Identifier: GPL-2.0-or-later
// Comma-separated files as spreadsheets and web services write them: the reader, the encodings,
// the values of exports, and the pairing of columns by their headings.
#include <QStringDecoder>
#include <gtest/gtest.h>

#include "store/settings.h"
#include "support/qstring_print.h"
#include "transfer/csv_reader.h"
#include "transfer/csv_values.h"
#include "transfer/known_headings.h"
#include "transfer/remembered_pairings.h"

using transfer::CsvReader;

namespace {
std::vector<transfer::CsvRow> rows(const QString& text, QChar separator = u',')
{
    CsvReader reader(text, separator);
    std::vector<transfer::CsvRow> out;
    while (!reader.atEnd()) out.push_back(reader.readRow());
    return out;
}
}  // namespace

TEST(CsvReader, QuotesOnlyWhereNeededDoubledQuotesAndLineBreaksInsideQuotes)
{
    const auto r = rows(QStringLiteral("Title,Author,Pages\r\n"
                                       "Plain,\"Austen, Jane\",320\n"
                                       "\"Say \"\"when\"\"\",\"two\r\nlines\",\r"
                                       "\r\n"
                                       "last,=\"0451526538\", \"spaced\""));
    ASSERT_EQ(r.size(), 5u);
    EXPECT_EQ(r[0].values, (QStringList {"Title", "Author", "Pages"}));
    EXPECT_EQ(r[1].values, (QStringList {"Plain", "Austen, Jane", "320"}));
    EXPECT_EQ(r[1].line, 2);
    // a doubled quote is one quote; a line break inside quotes is a blank; an empty last value
    EXPECT_EQ(r[2].values, (QStringList {"Say \"when\"", "two lines", ""}));
    EXPECT_EQ(r[2].line, 3);
    EXPECT_TRUE(r[3].blank);  // CR then LF on its own: an empty line
    EXPECT_EQ(r[3].line, 5);
    // a quote inside a value is a character; blanks before an opening quote go
    EXPECT_EQ(r[4].values, (QStringList {"last", "=\"0451526538\"", "spaced"}));
    EXPECT_EQ(r[4].line, 6);
    EXPECT_FALSE(r[4].unclosed);

    const auto open = rows(QStringLiteral("a,\"never closed\nb,c\n"));
    ASSERT_EQ(open.size(), 1u);
    EXPECT_TRUE(open[0].unclosed);
}

TEST(CsvReader, SeparatorFoundFromTheFirstLineAndColumnsBeyondTheLimitCounted)
{
    EXPECT_EQ(transfer::detectSeparator(QStringLiteral("a,b;c,d\n1;2;3;4;5")), u',');
    EXPECT_EQ(transfer::detectSeparator(QStringLiteral("Titel;Preis;\"a,b,c,d\"\n")), u';');
    EXPECT_EQ(transfer::detectSeparator(QStringLiteral("Title\tPrimary Author\t\"x, y\"\n")), u'\t');
    EXPECT_EQ(transfer::detectSeparator(QStringLiteral("Title\n")), u',');
    EXPECT_EQ(rows(QStringLiteral("a;\"b;c\";d"), u';')[0].values, (QStringList {"a", "b;c", "d"}));

    QStringList many;
    for (int k = 0; k < 260; ++k) many << QString::number(k);
    const auto wide = rows(many.join(u','));
    EXPECT_EQ(wide[0].values.size(), transfer::kMaxCsvColumns);
    EXPECT_EQ(wide[0].surplus, 5);
    EXPECT_EQ(wide[0].values.back(), QStringLiteral("254"));
}

TEST(CsvReader, EncodingsOfSpreadsheetsAndWebServices)
{
    const QString text = QStringLiteral("Title,Author\nCæsar’s Gallic War,Brontë\n");
    auto utf16 = [&](bool little) {
        QByteArray bytes = little ? QByteArray("\xFF\xFE", 2) : QByteArray("\xFE\xFF", 2);
        for (const QChar c : text) {
            const char lo = char(c.unicode() & 0xFF), hi = char(c.unicode() >> 8);
            bytes.append(little ? lo : hi).append(little ? hi : lo);
        }
        return bytes;
    };
    EXPECT_EQ(transfer::decodeCsvFile(utf16(true)), text);
    EXPECT_EQ(transfer::decodeCsvFile(utf16(false)), text);
    EXPECT_EQ(transfer::decodeCsvFile("\xEF\xBB\xBF" + text.toUtf8()), text);
    EXPECT_EQ(transfer::decodeCsvFile(text.toUtf8()), text);  // no byte-order mark
    // neither: Windows-1252 (the right single quote is 0x92 there)
    EXPECT_EQ(transfer::decodeCsvFile(QByteArray("Br\xEBnte \x92s")), QStringLiteral("Brënte ’s"));
}

TEST(CsvValues, AmountsAreReadOrRefusedNeverGuessed)
{
    const QChar dot = u'.', comma = u',', nbsp = QChar(0x202F);
    auto amount = [](const char* v, QChar d, QChar g, bool whole = false) {
        return transfer::plainAmount(QString::fromUtf8(v), d, g, whole).value_or(QStringLiteral("refused"));
    };
    // the user's marks are "." and ","
    EXPECT_EQ(amount("$12.50", dot, comma), "12.50");
    EXPECT_EQ(amount("$1,234.50", dot, comma), "1234.50");
    EXPECT_EQ(amount("1,234", dot, comma), "1234");
    EXPECT_EQ(amount("1.234", dot, comma), "1.234");
    EXPECT_EQ(amount("-3", dot, comma), "-3");
    EXPECT_EQ(amount("12.50 USD", dot, comma), "12.50");
    EXPECT_EQ(amount("12,50", dot, comma), "refused");  // no grouping, and no decimal mark of this user
    EXPECT_EQ(amount("12abc3", dot, comma), "refused");
    EXPECT_EQ(amount("n/a", dot, comma), "refused");
    EXPECT_EQ(amount("1.2.3", dot, comma), "refused");
    EXPECT_EQ(amount("1,2345", dot, comma), "refused");  // thousands come in threes
    EXPECT_EQ(amount("12,34", dot, comma, true), "refused");
    // the user's marks are "," and "."
    EXPECT_EQ(amount("12,50 €", comma, dot), "12.50");
    EXPECT_EQ(amount("1.234,50 €", comma, dot), "1234.50");
    EXPECT_EQ(amount("12.50", comma, dot), "12.50");    // a "." is a decimal mark where it can be one
    EXPECT_EQ(amount("1.234", comma, dot), "refused");  // 1234 or 1.234
    EXPECT_EQ(amount("1.024", comma, dot, true), "1024");  // pages are whole
    // French: narrow no-break spaces group the thousands
    EXPECT_EQ(amount("1\u202F234,50\u00A0€", comma, nbsp), "1234.50");
}

TEST(CsvValues, ValuesAsExportsWriteThem)
{
    auto value = [](int field, const char* v) {
        return transfer::csvFieldValue(field, QString::fromUtf8(v), u'.', u',').value_or(QStringLiteral("refused"));
    };
    EXPECT_EQ(value(10, "=\"0451526538\""), "0451526538");  // the formula wrapper
    EXPECT_EQ(value(10, "[1598530127]"), "1598530127");
    EXPECT_EQ(value(1, "=\"Title\" "), "Title");
    EXPECT_EQ(value(11, "0"), "");  // not rated
    EXPECT_EQ(value(11, "4"), "4");
    EXPECT_EQ(value(11, "3.75"), "3.75");
    EXPECT_EQ(value(3, "2012-05-01T00:00:00+00:00"), "2012");
    EXPECT_EQ(value(3, "2001-05-01"), "2001");
    EXPECT_EQ(value(3, "1,999"), "1999");
    EXPECT_EQ(value(12, "2024/03/15"), "2024-03-15");
    EXPECT_EQ(value(12, "2024-03-15 10:12"), "2024-03-15");
    EXPECT_EQ(value(12, "3/15/2024"), "3/15/2024");  // left to the user's short date format
    EXPECT_EQ(value(7, "£9.99"), "9.99");
    EXPECT_EQ(value(7, ""), "");
}

TEST(KnownHeadings, KnownExportsWinOverPlainNamesAndEachFieldTakesOneColumn)
{
    store::DatabaseSettings settings;
    const QStringList goodreads = QStringLiteral(
        "Book Id,Title,Author,Author l-f,Additional Authors,ISBN,ISBN13,My Rating,Average Rating,Publisher,Binding,"
        "Number of Pages,Year Published,Original Publication Year,Date Read,Date Added,Bookshelves,Bookshelves with "
        "positions,Exclusive Shelf,My Review,Spoiler,Private Notes,Read Count,Owned Copies").split(u',');
    const transfer::HeadingPairing p = transfer::pairByHeadings(goodreads, settings.fieldNames);
    EXPECT_EQ(p.pairing, (transfer::Pairing {0, 1, 0, 2, 0, 0, 10, 11, 0, 4, 13, 24, 3, 0, 0, 0, 23, 0, 0, 0, 0, 9, 0, 0}));
    EXPECT_EQ(p.recognised, 10);

    // a field's name, its display name and the name this database gives it; case and blanks aside
    settings.fieldNames[24] = QStringLiteral("Shelf");
    const transfer::HeadingPairing own = transfer::pairByHeadings(
        {" year pub ", "DESCRIPTIO", "shelf", "Check Out Person", "Unknown", "title", "Title"}, settings.fieldNames);
    EXPECT_EQ(own.pairing, (transfer::Pairing {3, 9, 25, 19, 0, 1, 0}));

    // the fingerprint of a heading line ignores case and blanks, not order
    EXPECT_EQ(transfer::headingLineKey({"A b", "C"}), transfer::headingLineKey({"ab", " c"}));
    EXPECT_NE(transfer::headingLineKey({"A", "C"}), transfer::headingLineKey({"C", "A"}));
}

TEST(KnownHeadings, PairingsMadeByHandAreRememberedPerHeadingLine)
{
    store::DatabaseSettings settings;
    const QStringList line {"Name", "Writer", "Shelf mark"};
    EXPECT_FALSE(transfer::rememberedPairing(settings, line));
    transfer::rememberPairing(settings, line, {1, 2, 0});
    transfer::rememberPairing(settings, {"Other"}, {9});
    ASSERT_EQ(transfer::rememberedPairing(settings, line), (transfer::Pairing {1, 2, 0}));
    transfer::rememberPairing(settings, line, {1, 2, 14});  // the newest replaces it
    EXPECT_EQ(settings.importPairings.size(), 2);
    EXPECT_EQ(transfer::rememberedPairing(settings, line), (transfer::Pairing {1, 2, 14}));
    EXPECT_FALSE(transfer::rememberedPairing(settings, {"Name", "Writer"}));
    // a damaged entry is no pairing: a field twice, a field past 36
    settings.importPairings = {transfer::headingLineKey(line) + " 1,1,0"};
    EXPECT_FALSE(transfer::rememberedPairing(settings, line));
    settings.importPairings = {transfer::headingLineKey(line) + " 1,37,0"};
    EXPECT_FALSE(transfer::rememberedPairing(settings, line));
    // at most twenty are kept, the oldest go
    for (int k = 0; k < 25; ++k) transfer::rememberPairing(settings, {QString::number(k)}, {1});
    EXPECT_EQ(settings.importPairings.size(), store::kRememberedPairings);
    EXPECT_TRUE(transfer::rememberedPairing(settings, {"24"}));
    EXPECT_FALSE(transfer::rememberedPairing(settings, {"4"}));
}
