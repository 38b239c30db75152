// SPDX-License-Identifier: GPL-2.0-or-later
// Import: the text format read back, the first-line check, the conversions by field kind, the
// pairing window, dBASE sources written by other programs, and a round trip through export.
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "conversion/old_tables.h"
#include "dbase/check.h"
#include "dbase/file.h"
#include "regional/regional.h"
#include "reports/report_books.h"
#include "store/codepage.h"
#include "support/child.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"
#include "transfer/ascii_reader.h"
#include "transfer/export_records.h"
#include "transfer/target_host.h"
#include "transfer/windows/import_format_window.h"
#include "transfer/windows/import_window.h"
#include "ui/keyboard_focus.h"

using testing_support::TargetHost;
using testing_support::TempDir;

namespace {

struct RegionalGuard {
    regional::Regional saved = regional::current();
    RegionalGuard() { regional::current().setDateFormat(7, false); }  // m/d/yyyy
    ~RegionalGuard() { regional::current() = saved; }
};

transfer::Pairing byPosition(std::initializer_list<int> fields) { return transfer::Pairing(fields); }

}  // namespace

TEST(AsciiReader, ReadsWhatTheWriterWritesAndWhatOthersWrite)
{
    const QString text = QStringLiteral("\"a, b\",\"say \"\"hi\"\"\",\"\"\r\n\"x\"y,\"z\"\n\"cr\"\r\"\"\n");
    transfer::AsciiReader r(text);
    auto line = r.readLine();
    EXPECT_EQ(line.values, (QStringList {"a, b", "say \"hi\"", ""}));
    EXPECT_FALSE(line.open);
    line = r.readLine();
    EXPECT_EQ(line.values, (QStringList {"xy", "z"}));  // a character after the closing quote stays
    EXPECT_EQ(r.readLine().values, QStringList {"cr"});  // a lone CR ends a line too
    EXPECT_TRUE(r.readLine().blank);
    EXPECT_TRUE(r.atEnd());

    QStringList labels;
    EXPECT_EQ(transfer::firstLineRefusal(QStringLiteral("\"Title\",\"\"\r\n"), &labels), 0);
    EXPECT_EQ(labels, (QStringList {"Title", "<BLANK FIELD>"}));
    EXPECT_EQ(transfer::firstLineRefusal(QStringLiteral("a,b,c\r\n"), nullptr), 2);
    EXPECT_EQ(transfer::firstLineRefusal(QString(), nullptr), 2);
    EXPECT_EQ(transfer::firstLineRefusal(QStringLiteral("\"open\r\n\"x\"\r\n"), nullptr), 2);
    EXPECT_EQ(transfer::firstLineRefusal(QStringLiteral("\"%1\"").arg(QString(256, u'x')), nullptr), 1);
    QStringList values;
    for (int i = 0; i < 46; ++i) values << QStringLiteral("\"v\"");
    EXPECT_EQ(transfer::firstLineRefusal(values.join(u','), nullptr), 0);
    values << QStringLiteral("\"v\"");
    EXPECT_EQ(transfer::firstLineRefusal(values.join(u','), nullptr), 3);
    EXPECT_TRUE(transfer::refusalMessage(3).endsWith(QStringLiteral("There are at least 10 more fields than are required by Bindlow.")));

    EXPECT_EQ(transfer::decodeTextFile(QByteArray("\xEF\xBB\xBF" "Caf\xC3\xA9")), QStringLiteral("Café"));
    EXPECT_EQ(transfer::decodeTextFile(QByteArray("Caf\xE9 \x80")), QStringLiteral("Café €"));  // not UTF-8: Windows-1252
}

TEST(Import, ValuesGoInByTheirFieldsKind)
{
    RegionalGuard regional;
    TargetHost host;
    // Title, Cost, PurchDate, Pages, Author; the first line is a heading; a trailing empty line
    const QString text = QStringLiteral(
        "\"Title\",\"Cost\",\"Bought\",\"Pages\",\"Author\"\r\n"
        "\"Moby Dick\",\"\",\"\",\"\",\"Melville\"\r\n"
        "\"Emma\",\"12.5\",\"3/1/1997\",\"320\",\"Austen\",\"surplus\"\r\n"
        "\"Caf\u00e9 \u65e5\u672c\",\"abc\",\"March 1, 1997\",\"999999999999999\",\"Z\u00fcrich\"\r\n"
        "\"Bad date\",\"1e2\",\"2/30/1997\",\"7\",\"No one\"\r\n"
        "\r\n");
    const transfer::ImportCounts c = transfer::importText(text, byPosition({1, 7, 12, 24, 0}), true, host.table, regional::current());
    EXPECT_EQ(c.records, 4);
    ASSERT_EQ(host.table.recordCount(), 4u);
    EXPECT_EQ(host.number(0, "COST"), 0);  // an empty number is 0
    EXPECT_EQ(host.text(0, "PURCHDATE"), "");  // an empty date stays empty
    EXPECT_EQ(host.text(0, "AUTHOR"), "");     // a field not paired is not imported
    EXPECT_EQ(host.number(1, "COST"), 12.5);
    EXPECT_EQ(host.text(1, "PURCHDATE"), "19970301");
    EXPECT_EQ(host.text(1, "PAGES"), "320");
    EXPECT_EQ(host.text(2, "TITLE"), "Café ??");
    EXPECT_EQ(host.text(2, "PURCHDATE"), "");   // a date written with letters: left empty, counted
    EXPECT_EQ(host.text(2, "COST"), "");        // no number: left empty, counted
    EXPECT_EQ(host.text(2, "PAGES"), "");       // too large for its field: left empty, counted
    EXPECT_EQ(host.number(3, "COST"), 100);
    EXPECT_EQ(host.text(3, "PURCHDATE"), "");   // no such day: left empty, counted
    EXPECT_EQ(c.unreadable, 4);
    EXPECT_EQ(c.surplus, 1);
    EXPECT_EQ(c.replaced, 2);
    EXPECT_EQ(transfer::importSummary(c),
              QStringLiteral("Import Complete.  4 values could not be read and were left empty.  1 values beyond the "
                             "fields of the first line were left out.  2 characters that Windows-1252 cannot hold were "
                             "written as \"?\"."));
}

TEST(Import, TheWindowPairsByPlaceAndARoundTripKeepsEveryValue)
{
    RegionalGuard regional;
    // books exported with a heading line, then imported with Skip First
    TempDir source;
    std::vector<testing_support::Book> books;
    for (int i = 0; i < 25; ++i)
        books.push_back({{1, "Title " + std::to_string(i)}, {2, "Author, \"Q\" " + std::to_string(i)},
                         {3, std::to_string(1900 + i)}, {7, std::to_string(i) + ".25"}, {12, "1999120" + std::to_string(i % 9 + 1)}});
    testing_support::makeBookTable(source.path(), books);
    dbase::Table from;
    from.open(source.path(), "BOOKS.DBF", {false, true, {}});
    store::DatabaseSettings all;
    QStringList headings;
    const auto fields = transfer::exportList(all, from);
    for (const auto& f : fields) headings << transfer::exportLabel(f.number, all);
    const QString txt = QString::fromStdString((source / "ALL.TXT").string());
    transfer::writeAscii(txt, from, fields, &headings, regional::current());

    TargetHost host;
    testing_support::ScriptedDialogs dialogs;
    testing_support::ScriptedMessages messages;
    TImportFormat format(host);
    EXPECT_TRUE(format.AsciiDelimited->isChecked());
    dialogs.fileNames.push_back(txt);
    format.execModal = [&](QDialog& d) {
        auto* w = qobject_cast<TMyImport*>(&d);
        EXPECT_TRUE(w);
        if (!w) return 0;
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Ascii Delimited Text Import"));
        EXPECT_EQ(w->ImportGrid->item(0, 1)->text(), QStringLiteral("Title"));
        EXPECT_EQ(w->ImportGrid->item(35, 1)->text(), headings[35].left(20));
        EXPECT_TRUE(w->SkipFirst->isChecked());
        messages.expect();
        w->StartButtonClick();
        EXPECT_EQ(w->CountLabel->text(), QStringLiteral("25"));
        return 1;
    };
    format.FileButtonClick();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Import Complete."));
    ASSERT_EQ(host.table.recordCount(), 25u);
    from.goToPosition(24);
    for (const char* field : {"TITLE", "AUTHOR", "YEARPUB", "COST", "PURCHDATE"}) {
        EXPECT_EQ(host.text(24, field), store::fromCp1252(from.getText(from.fieldIndex(field)))) << field;
    }

    // labels that repeat: each source field keeps its own place
    TMyImport twice(host, true, QString(), QStringLiteral("\"A\",\"A\"\r\n\"one\",\"two\"\r\n"),
                    {QStringLiteral("A"), QStringLiteral("A")});
    twice.ImportGrid->setCurrentCell(1, 1);
    twice.DownButtonClick();  // the second "A" now stands beside the third book field
    EXPECT_EQ(twice.pairing(), (transfer::Pairing {1, 3}));
    twice.toggleRow(0);
    EXPECT_EQ(twice.pairing(), (transfer::Pairing {0, 3}));
    twice.toggleRow(5);  // an empty USE cell stays empty
    EXPECT_EQ(twice.ImportGrid->item(5, 2)->text(), QString());
}

TEST(Import, DbaseTablesOfOtherProgramsAndRefusals)
{
    RegionalGuard regional;
    TargetHost host;
    // people: NAME into Title, BIRTHDATE into Purchase Date as a date
    const QString people = QStringLiteral(BINDLOW_FIXTURES_DIR "/dbfread/people.dbf");
    const QStringList names = transfer::dbaseFieldNames(people);
    EXPECT_EQ(names, (QStringList {"NAME", "BIRTHDATE"}));
    transfer::ImportCounts c = transfer::importDbase(people, {1, 12}, host.table, regional::current());
    EXPECT_EQ(c.records, int(host.table.recordCount()));
    EXPECT_GE(c.records, 2);
    EXPECT_EQ(host.text(0, "TITLE"), QStringLiteral("Alice"));
    EXPECT_EQ(host.text(0, "PURCHDATE"), QStringLiteral("19870301"));

    // a table with memo text: the memo goes into the description
    const QString memo = QStringLiteral(BINDLOW_FIXTURES_DIR "/infused-dbf/dbase_83.dbf");
    transfer::Pairing p(transfer::dbaseFieldNames(memo).size(), 0);
    p[6] = 1;   // NAME
    p[9] = 7;   // PRICE, a number, into Cost
    p[11] = 9;  // DESC, a memo, into Description
    const std::size_t before = host.table.recordCount();
    c = transfer::importDbase(memo, p, host.table, regional::current());
    EXPECT_EQ(c.records, 67);
    EXPECT_FALSE(host.text(before, "DESCRIPTIO").isEmpty());
    EXPECT_FALSE(host.text(before, "COST").isEmpty());

    testing_support::ScriptedDialogs dialogs;
    testing_support::ScriptedMessages messages;
    TImportFormat format(host);
    format.DBFFormat->setChecked(true);
    dialogs.fileNames.push_back(host.databasePath());
    messages.expect();
    format.FileButtonClick();
    EXPECT_EQ(messages.shown.last().text, QStringLiteral("The database that is open cannot be imported into itself."));
    format.AsciiDelimited->setChecked(true);
    dialogs.fileNames.push_back(host.write("PLAIN.TXT", "one,two\r\n"));
    messages.expect();
    format.FileButtonClick();
    EXPECT_TRUE(messages.shown.last().text.endsWith(QStringLiteral("most likely due to an unmatched quote.")));
}

TEST(Import, KilledPartWayLeavesASoundTableWithEveryBookItPosted)
{
    TempDir dir;
    testing_support::makeBookTable(dir.path(), {});
    QByteArray text;
    for (int i = 0; i < 20000; ++i) text += "\"Book " + QByteArray::number(i) + "\",\"Author\",\"1990\"\r\n";
    QFile file(QString::fromStdString((dir / "IN.TXT").string()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    int posted = 0;
    {
        testing_support::Child child({BINDLOW_IMPORT_CHILD, dir.path().string(), "BOOKS.DBF", file.fileName().toStdString()});
        std::string line;
        while (posted < 300 && child.readLine(line)) posted = std::atoi(line.c_str() + 7);
        child.kill();
        child.wait();
    }
    ASSERT_GE(posted, 300);
    EXPECT_TRUE(dbase::checkTable(dir.path(), "BOOKS.DBF").empty());
    dbase::Table t;
    t.open(dir.path(), "BOOKS.DBF", {false, true, {}});
    EXPECT_GE(int(t.recordCount()), posted);  // every book it said it posted is there
    t.goToPosition(std::size_t(posted - 1));
    EXPECT_EQ(t.getText(0), "Book " + std::to_string(posted - 1));
}

TEST(Import, EveryDbaseTableOfOtherProgramsComesIn)
{
    RegionalGuard regional;
    // each fixture's first field into the title, its other fields into the user fields
    for (const char* file : {"dbfread/people.dbf", "infused-dbf/dbase_03.dbf", "infused-dbf/dbase_83.dbf",
                             "infused-dbf/dbase_8b.dbf", "tdbf/DBASE3+.dbf", "tdbf/DBASE4.dbf", "tdbf/TDBF_DEMO.DBF",
                             "tdbf/disco.DBF"}) {
        TargetHost host;
        const QString path = QStringLiteral(BINDLOW_FIXTURES_DIR "/") + QString::fromLatin1(file);
        const QStringList names = transfer::dbaseFieldNames(path);
        ASSERT_FALSE(names.isEmpty()) << file;
        transfer::Pairing p(std::size_t(names.size()), 0);
        p[0] = 1;
        for (int k = 1; k < names.size() && k <= 6; ++k) p[std::size_t(k)] = 30 + k;  // UserDef1..6
        dbase::Table source;
        const QFileInfo info(path);
        source.open(info.absolutePath().toStdString(), info.fileName().toStdString(), {false, true, {}, true});
        const transfer::ImportCounts c = transfer::importDbase(path, p, host.table, regional::current());
        EXPECT_EQ(c.records, int(source.recordCount())) << file;
        EXPECT_EQ(host.table.recordCount(), source.recordCount()) << file;
        EXPECT_TRUE(dbase::checkTable(host.dir.path(), "BOOKS.DBF").empty()) << file;
    }
}

// Books are posted in short runs under one hold of the table's locks; progress is told between
// runs, when another open (here, in this very process) can read every book told of.
TEST(Import, ProgressIsToldBetweenRunsWithTheTableFreeToOthers)
{
    TargetHost host;
    QByteArray text;
    for (int i = 0; i < 3000; ++i) text += "\"Book " + QByteArray::number(i) + "\",\"Author\",\"1990\"\r\n";
    const QString decoded = transfer::decodeTextFile(text);
    std::vector<int> told;
    std::size_t seenByOther = 0;
    auto progress = [&](int records) {
        told.push_back(records);
        dbase::File probe(host.dir / "BOOKS.DBF", dbase::File::Mode::ReadOnly);
        if (!probe.tryLock(dbase::kUpdateLock, 1, false)) {
            ADD_FAILURE() << "the update lock is held while progress is told";
            return false;
        }
        probe.unlock(dbase::kUpdateLock, 1);
        dbase::Table other;
        other.open(host.dir.path(), "BOOKS.DBF", {false, true, {}});
        seenByOther = other.recordCount();
        EXPECT_EQ(int(seenByOther), records);
        return records < 1000;
    };
    const auto counts = transfer::importText(decoded, byPosition({1, 2, 3}), false, host.table, regional::current(), progress);
    ASSERT_FALSE(told.empty());
    EXPECT_TRUE(std::is_sorted(told.begin(), told.end()));
    EXPECT_EQ(told.back(), counts.records);
    EXPECT_GE(counts.records, 1000);  // stopped at the end of the run that passed 1000
    EXPECT_LT(counts.records, 3000);
    EXPECT_EQ(host.table.recordCount(), std::size_t(counts.records));
    EXPECT_FALSE(host.table.postsHeld());
    // without a stop every book comes in, the last run told too
    told.clear();
    const auto rest = transfer::importText(decoded, byPosition({1, 2, 3}), false, host.table, regional::current(),
                                           [&](int records) {
                                               told.push_back(records);
                                               return true;
                                           });
    EXPECT_EQ(rest.records, 3000);
    EXPECT_EQ(told.back(), 3000);
    EXPECT_TRUE(dbase::checkTable(host.dir.path(), "BOOKS.DBF").empty());
}

namespace {
// Books exported with every field and a heading line, imported back with Skip First.
void roundTrip(const std::vector<testing_support::Book>& books, TargetHost& host, QString* fileText = nullptr)
{
    TempDir source;
    testing_support::makeBookTable(source.path(), books);
    dbase::Table from;
    from.open(source.path(), "BOOKS.DBF", {false, true, {}});
    store::DatabaseSettings all;
    const auto fields = transfer::exportList(all, from);
    QStringList headings;
    for (const auto& f : fields) headings << transfer::exportLabel(f.number, all);
    const QString txt = QString::fromStdString((source / "ALL.TXT").string());
    transfer::writeAscii(txt, from, fields, &headings, regional::current());
    QFile file(txt);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = transfer::decodeTextFile(file.readAll());
    if (fileText) *fileText = text;
    transfer::Pairing all36;
    for (int n = 1; n <= 36; ++n) all36.push_back(n);
    const auto counts = transfer::importText(text, all36, true, host.table, regional::current());
    EXPECT_EQ(counts.records, int(books.size()));
    EXPECT_TRUE(counts.notes.isEmpty()) << qPrintable(transfer::importDetails(counts, true, all.fieldNames));
}
}  // namespace

TEST(Import, AnExportedFileGivesBackEveryDateAndAmountWhateverTheFormats)
{
    RegionalGuard regional;
    const std::vector<std::string> dates = {"18991231", "19000101", "19250601", "19361231", "20300101"};
    std::vector<testing_support::Book> books;
    for (const std::string& d : dates) books.push_back({{1, "Bought " + d}, {12, d}, {18, d}});
    books.push_back({{1, "Dear"}, {7, "1234567.00"}, {8, "987654321.50"}, {29, "0.01"}});
    struct Format {
        const char* name;
        std::function<void()> set;
        const char* lastDate;  // 1899-12-31 as the file holds it
    };
    const Format formats[] = {
        {"m/d/yy", [] { regional::current().setDateFormat(1, false); }, "\"12/31/1899\""},
        {"dd-mm-yy", [] { regional::current().setDateFormat(5, true); }, "\"31-12-1899\""},
        {"yyyy.mm.dd", [] { regional::current().setDatePattern(u'.', QStringLiteral("yyyy.mm.dd")); }, "\"1899.12.31\""},
    };
    for (const Format& f : formats) {
        SCOPED_TRACE(f.name);
        f.set();
        TargetHost host;
        QString text;
        roundTrip(books, host, &text);
        EXPECT_TRUE(text.contains(QLatin1String(f.lastDate)));
        // amounts in plain figures, never in exponent form
        EXPECT_TRUE(text.contains(QStringLiteral("\"1234567\",\"987654321.5\"")));
        ASSERT_EQ(host.table.recordCount(), books.size());
        for (std::size_t row = 0; row < dates.size(); ++row) {
            EXPECT_EQ(host.text(row, "PURCHDATE"), QString::fromStdString(dates[row]));
            EXPECT_EQ(host.text(row, "CHECKDATE"), QString::fromStdString(dates[row]));
        }
        EXPECT_EQ(host.number(5, "COST"), 1234567.0);
        EXPECT_EQ(host.number(5, "VALUE"), 987654321.5);
        EXPECT_EQ(host.number(5, "LOWMARKET"), 0.01);
    }
}

TEST(AsciiReader, AQuotedValueGoesOnAcrossLineBreaksAndNeverMakesABookOfTwoHalves)
{
    const QString text = QStringLiteral("\"Title\",\"ISBN\"\r\n"
                                        "\"El Ni\u00f1o\r\ny la ni\u00f1a\",\"84-1\"\r\n"
                                        "\"Two\nbreaks\rhere\",\"84-2\"\n"
                                        "\",comma first\",\"a\"\",b\"\r\n");
    transfer::AsciiReader r(text);
    EXPECT_EQ(r.readLine().line, 1);
    auto line = r.readLine();
    EXPECT_EQ(line.values, (QStringList {QStringLiteral("El Ni\u00f1o y la ni\u00f1a"), "84-1"}));
    EXPECT_EQ(line.line, 2);
    line = r.readLine();
    EXPECT_EQ(line.values, (QStringList {"Two breaks here", "84-2"}));
    EXPECT_EQ(line.line, 4);
    line = r.readLine();  // a comma right after an opening or a doubled quote is part of the value
    EXPECT_EQ(line.values, (QStringList {",comma first", "a\",b"}));
    EXPECT_EQ(line.line, 7);
    EXPECT_TRUE(r.atEnd());

    QStringList labels;
    EXPECT_EQ(transfer::firstLineRefusal(QStringLiteral("\"Ti\r\ntle\",\"B\"\r\n\"x\",\"y\"\r\n"), &labels), 0);
    EXPECT_EQ(labels, (QStringList {"Ti tle", "B"}));
    EXPECT_EQ(transfer::firstLineRefusal(QStringLiteral("\"Title\r\nB\r\n"), nullptr), 2);

    // a quote that never closes ends the reading where it opened: the books before it come in
    RegionalGuard regional;
    TargetHost host;
    const QString broken = QStringLiteral("\"A\",\"1\"\r\n\"B\",\"2\r\n\"C\",\"3\"\r\n\"D\",\"4\"\r\n");
    auto counts = transfer::importText(broken, byPosition({1, 10}), false, host.table, regional::current());
    EXPECT_EQ(counts.records, 1);
    EXPECT_EQ(counts.stoppedAt, 2);
    ASSERT_EQ(host.table.recordCount(), 1u);
    EXPECT_EQ(host.text(0, "ISBN"), "1");
    EXPECT_EQ(transfer::importSummary(counts),
              QStringLiteral("The import stopped at line 2: a value there opens with a double quote that is never "
                             "closed.  The 1 books before it were imported."));
    // nor does one run on for more than 64 KB, even when its closing quote comes at last
    QString longRun = QStringLiteral("\"A\",\"1\"\r\n\"B\",\"2\"\r\n\"C\",\"");
    for (int i = 0; i < 1100; ++i) longRun += QString(60, u'x') + QStringLiteral("\r\n");
    longRun += QStringLiteral("\"\r\n\"D\",\"4\"\r\n");
    counts = transfer::importText(longRun, byPosition({1, 10}), false, host.table, regional::current());
    EXPECT_EQ(counts.records, 2);
    EXPECT_EQ(counts.stoppedAt, 3);
    // the line named is the one where the unclosed value opens, not where its book began
    counts = transfer::importText(QStringLiteral("\"A\",\"1\"\r\n\"B\r\nb\",\"2\r\n\"C\",\"3\"\r\n"), byPosition({1, 10}),
                                  false, host.table, regional::current());
    EXPECT_EQ(counts.records, 1);
    EXPECT_EQ(counts.stoppedAt, 3);
    // the same value under 64 KB is one book with its breaks as blanks
    QString shortRun = QStringLiteral("\"C\",\"");
    for (int i = 0; i < 3; ++i) shortRun += QStringLiteral("x\r\n");
    shortRun += QStringLiteral("\"\r\n\"D\",\"4\"\r\n");
    counts = transfer::importText(shortRun, byPosition({1, 23}), false, host.table, regional::current());
    EXPECT_EQ(counts.records, 2);
    EXPECT_EQ(counts.stoppedAt, 0);
    EXPECT_EQ(host.text(4, "KEYWORDS"), "x x x");
    EXPECT_EQ(host.text(5, "TITLE"), "D");
}

TEST(Import, EveryValueNotStoredAsItCameIsCountedAndNamed)
{
    RegionalGuard regional;
    regional::current().setDateFormat(6, false);  // d.m.yy
    TargetHost host;
    const QString text = QStringLiteral(
        "\"Title\",\"Bought\",\"Pages\",\"Cost\",\"Checked\"\r\n"
        "\"ISO\",\"2024-03-15\",\"99999999999\",\"123456789012345.5\",\"5.6.2001\"\r\n"
        "\"Bad\",\"2024-02-30\",\"100000000000\",\"1234567890123456\",\"March 1\"\r\n"
        "\"%1\",\"15/03/2024\",\"12.5\",\"\",\"\"\r\n"
        "\"Caf\u00e9 \u65e5\",\"\",\"\",\"\",\"\",\"x\",\"y\"\r\n")
                             .arg(QString(95, u'T'));
    const auto c = transfer::importText(text, byPosition({1, 12, 24, 7, 18}), true, host.table, regional::current());
    ASSERT_EQ(c.records, 4);
    EXPECT_EQ(host.text(0, "PURCHDATE"), "20240315");  // year-month-day in any date format
    EXPECT_EQ(host.text(0, "CHECKDATE"), "20010605");
    EXPECT_EQ(host.number(0, "PAGES"), 99999999999);  // numbers that exactly fill their field
    EXPECT_EQ(host.number(0, "COST"), 123456789012345.5);
    EXPECT_EQ(host.text(1, "PURCHDATE"), "");
    EXPECT_EQ(host.text(1, "PAGES"), "");
    EXPECT_EQ(host.text(1, "COST"), "");
    EXPECT_EQ(host.text(2, "TITLE"), QString(90, u'T'));
    EXPECT_EQ(host.text(3, "TITLE"), "Café ?");
    EXPECT_EQ(c.unreadable, 6);
    EXPECT_EQ(c.cut, 1);
    EXPECT_EQ(c.replaced, 1);
    EXPECT_EQ(c.surplus, 2);
    EXPECT_EQ(transfer::importSummary(c),
              QStringLiteral("Import Complete.  6 values could not be read and were left empty.  1 values were too "
                             "long for their fields and were cut.  2 values beyond the fields of the first line were "
                             "left out.  1 characters that Windows-1252 cannot hold were written as \"?\"."));
    const QString t60 = QString(60, u'T') + QStringLiteral("...");
    EXPECT_EQ(transfer::importDetails(c, true, store::DatabaseSettings().fieldNames),
              QStringLiteral("Line 3, \"Bad\", Purchase Date: \"2024-02-30\" could not be read and was left empty.\n"
                             "Line 3, \"Bad\", Pages: \"100000000000\" could not be read and was left empty.\n"
                             "Line 3, \"Bad\", Cost: \"1234567890123456\" could not be read and was left empty.\n"
                             "Line 3, \"Bad\", Check Out Date: \"March 1\" could not be read and was left empty.\n"
                             "Line 4, \"%1\", Title: \"%1\" was too long for the field and was cut.\n"
                             "Line 4, \"%1\", Purchase Date: \"15/03/2024\" could not be read and was left empty.\n"
                             "Line 4, \"%1\", Pages: \"12.5\" could not be read and was left empty.\n"
                             "Line 5, \"Café ?\", Title: characters that this database cannot store were stored as \"?\".\n"
                             "Line 5, \"Café ?\": 2 values beyond the fields of the first line were left out.\n")
                  .arg(t60));
    // blanks beyond a field's width are no loss
    const auto blanks = transfer::importText(QStringLiteral("\"%1   \"\r\n").arg(QString(90, u'B')), byPosition({1}), false,
                                             host.table, regional::current());
    EXPECT_EQ(blanks.cut, 0);
    EXPECT_TRUE(blanks.notes.isEmpty());
}

TEST(Import, CharactersTheDatabaseCannotHoldAreAskedAboutBeforeAnythingIsPosted)
{
    RegionalGuard regional;
    TargetHost host;
    const QString text = QStringLiteral("\"Title \u65e5\",\"Author\",\"Pages\"\r\n"
                                        "\"\u65e5\u672c\",\"Ok\",\"1\"\r\n"
                                        "\"Fine\",\"\u0416uk\",\"2\u65e5\"\r\n"
                                        "\"Also fine\",\"\u0416\",\"3\"\r\n");
    // the Pages value is no number whatever it holds; only values bound for text fields are asked about
    EXPECT_EQ(transfer::unstorableValues(text, byPosition({1, 2, 24}), true), 3);
    EXPECT_EQ(transfer::unstorableValues(text, byPosition({1, 2, 24}), false), 4);  // the heading too
    EXPECT_EQ(transfer::unstorableValues(text, byPosition({1, 0, 24}), true), 1);
    EXPECT_EQ(transfer::unstorableValues(text, byPosition({0, 0, 24}), true), 0);
    const QStringList labels {QStringLiteral("Title \u65e5"), "Author", "Pages"};
    const QString question = QStringLiteral("3 values hold characters that this database cannot store.  They will be "
                                            "stored as \"?\".  Import anyway?");
    {
        testing_support::ScriptedMessages messages;
        TMyImport window(host, true, QString(), text, labels);
        window.SkipFirst->setChecked(true);
        messages.expect(ui::No);
        window.StartButtonClick();
        ASSERT_EQ(messages.shown.size(), 1);
        EXPECT_EQ(messages.shown[0].caption, QStringLiteral("Confirm"));
        EXPECT_EQ(messages.shown[0].text, question);
        EXPECT_EQ(host.table.recordCount(), 0u);  // No posts nothing
        EXPECT_EQ(window.result(), 0);            // and the window stays for another choice

        messages.expect(ui::Yes);
        messages.expect();
        window.StartButtonClick();
        ASSERT_EQ(messages.shown.size(), 3);
        EXPECT_EQ(messages.shown[2].caption, QStringLiteral("Ok"));
        EXPECT_TRUE(messages.shown[2].text.startsWith(QStringLiteral("Import Complete.  1 values could not be read")));
        // the details hold every note, not the first few
        EXPECT_EQ(messages.shown[2].details.count(u'\n'), 4);
        EXPECT_TRUE(messages.shown[2].details.startsWith(
            QStringLiteral("Line 2, \"??\", Title: characters that this database cannot store were stored as \"?\".\n")));
    }
    ASSERT_EQ(host.table.recordCount(), 3u);
    EXPECT_EQ(host.text(1, "AUTHOR"), "?uk");

    // a plain file asks nothing, and its end message has no details
    TargetHost plain;
    testing_support::ScriptedMessages messages;
    TMyImport window(plain, true, QString(), QStringLiteral("\"A\"\r\n\"B\"\r\n"), {QStringLiteral("A")});
    messages.expect();
    window.StartButtonClick();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Import Complete."));
    EXPECT_TRUE(messages.shown[0].details.isEmpty());
}

TEST(Import, AFileThatIsNoTextAndAQuoteThatNeverClosesAreSaidSo)
{
    TargetHost host;
    testing_support::ScriptedDialogs dialogs;
    testing_support::ScriptedMessages messages;
    TImportFormat format(host);
    format.AsciiDelimited->setChecked(true);
    QByteArray binary("\"Title\",\"Author\"\r\n");
    binary += QByteArray(100, '\0');
    dialogs.fileNames.push_back(host.write("DATA.TXT", binary));
    messages.expect();
    format.FileButtonClick();
    EXPECT_EQ(messages.shown.last().text,
              QStringLiteral("The file selected does not appear to be an ASCII delimited text file.  An ASCII delimited "
                             "file requires a unique format of each field being surrounded by double quotes and "
                             "separated by a comma.  The selected file is not a text file."));
    // a NUL byte beyond the first 64 KB is read past like any other control character
    EXPECT_EQ(transfer::binaryRefusal(QByteArray(64 * 1024, ' ') + '\0'), 0);
    EXPECT_EQ(transfer::binaryRefusal(QByteArray(64 * 1024 - 1, ' ') + '\0'), 4);

    // the window tells where the reading stopped, as an error, with the books before it posted
    RegionalGuard regional;
    TMyImport window(host, true, QString(), QStringLiteral("\"A\"\r\n\"B\"\r\n\"C\r\n"), {QStringLiteral("A")});
    window.SkipFirst->setChecked(false);
    messages.expect();
    window.StartButtonClick();
    EXPECT_EQ(messages.shown.last().caption, QStringLiteral("Error"));
    EXPECT_TRUE(messages.shown.last().text.startsWith(QStringLiteral("The import stopped at line 3:")));
    EXPECT_EQ(host.table.recordCount(), 2u);
}

TEST(Import, DbaseValuesKeepTheirMeaningAndTheOnesThatCannotAreNamed)
{
    RegionalGuard regional;
    TargetHost host;
    const auto path = host.dir / "OTHER.DBF";
    old_tables::writeTable(path, {{"NAME", 'C', 100}, {"DONE", 'L', 1}, {"WHEN", 'D', 8}, {"HOWMUCH", 'N', 19, 2}},
                           {{{"NAME", "True"}, {"DONE", "T"}, {"WHEN", "19250601"}, {"HOWMUCH", "1234567.00"}},
                            {{"NAME", "Yes"}, {"DONE", "y"}, {"WHEN", "20000431"}, {"HOWMUCH", "1234567890123456.00"}},
                            {{"NAME", "False"}, {"DONE", "F"}},
                            {{"NAME", "Blank"}, {"DONE", " "}},
                            {{"NAME", "Unknown"}, {"DONE", "?"}},
                            {{"NAME", std::string(95, 'L')}}});
    const auto c = transfer::importDbase(QString::fromStdString(path.string()), {1, 17, 12, 7}, host.table,
                                         regional::current());
    ASSERT_EQ(c.records, 6);
    EXPECT_EQ(host.text(0, "CHECKOUT"), "Yes");
    EXPECT_EQ(host.text(1, "CHECKOUT"), "Yes");
    EXPECT_EQ(host.text(2, "CHECKOUT"), "No");
    EXPECT_EQ(host.text(3, "CHECKOUT"), "");  // blank stays blank, never No
    EXPECT_EQ(host.text(4, "CHECKOUT"), "");
    EXPECT_EQ(host.text(0, "PURCHDATE"), "19250601");
    EXPECT_EQ(host.number(0, "COST"), 1234567.0);
    EXPECT_EQ(c.unreadable, 2);
    EXPECT_EQ(c.cut, 1);
    EXPECT_EQ(transfer::importDetails(c, false, store::DatabaseSettings().fieldNames),
              QStringLiteral("Record 2, \"Yes\", Purchase Date: \"20000431\" could not be read and was left empty.\n"
                             "Record 2, \"Yes\", Cost: \"1234567890123456.00\" could not be read and was left empty.\n"
                             "Record 6, \"%1...\", Title: \"%1...\" was too long for the field and was cut.\n")
                  .arg(QString(60, u'L')));
}

// From the keyboard: Space changes a USE cell, Ctrl+Tab leaves the grid, and Tab then reaches
// "Skip First Record".
TEST(Import, TheWindowWorksFromTheKeyboard)
{
    ui::followFocusInEveryWindow();  // as the main window sets it up
    TargetHost host;
    TMyImport window(host, true, QString(), QStringLiteral("\"A\",\"B\"\r\n\"one\",\"two\"\r\n"),
                     {QStringLiteral("A"), QStringLiteral("B")});
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.ImportGrid->setFocus();
    window.ImportGrid->setCurrentCell(1, 0);
    QTest::keyClick(window.ImportGrid, Qt::Key_Space);
    EXPECT_EQ(window.ImportGrid->item(1, 2)->text(), QStringLiteral("No"));
    EXPECT_EQ(window.pairing(), (transfer::Pairing {1, 0}));
    QTest::keyClick(window.ImportGrid, Qt::Key_Space);
    EXPECT_EQ(window.ImportGrid->item(1, 2)->text(), QStringLiteral("Yes"));
    QTest::keyClick(window.ImportGrid, Qt::Key_Tab, Qt::ControlModifier);
    bool reached = false;
    for (int i = 0; i < 12 && !reached; ++i) {
        reached = QApplication::focusWidget() == window.SkipFirst;
        if (!reached) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_TRUE(reached);
}
