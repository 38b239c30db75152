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

#include "app/regional.h"
#include "reports/report_books.h"
#include "store/codepage.h"
#include "dbase/check.h"
#include "dbase/file.h"
#include "support/child.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"
#include "transfer/ascii_reader.h"
#include "transfer/export_records.h"
#include "transfer/import_format_window.h"
#include "transfer/import_window.h"
#include "ui/keyboard_focus.h"

using testing_support::TempDir;

namespace {

// An empty book table to import into, in a folder of the test's own.
class TargetHost : public transfer::ImportHost {
public:
    TempDir dir;
    dbase::Table table;
    store::DatabaseSettings settings;
    int added = 0;
    TargetHost()
    {
        testing_support::makeBookTable(dir.path(), {});
        table.open(dir.path(), "BOOKS.DBF", {false, false, {}});
    }
    dbase::Table& bookTable() override { return table; }
    QString databasePath() const override { return QString::fromStdString((dir / "BOOKS.DBF").string()); }
    store::DatabaseSettings& databaseSettings() override { return settings; }
    void booksAdded() override { ++added; }
    double windowFactor() const override { return 1.0; }
    QSize windowScreen() const override { return {1024, 768}; }
    QString write(const char* name, const QByteArray& bytes)
    {
        QFile f(QString::fromStdString((dir / name).string()));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    }
    double number(std::size_t row, const char* field)
    {
        table.goToPosition(row);
        return table.getDouble(table.fieldIndex(field)).value_or(-1);
    }
    QString text(std::size_t row, const char* field)
    {
        table.goToPosition(row);
        return store::fromCp1252(table.getText(table.fieldIndex(field)));
    }
};

struct RegionalGuard {
    app::Regional saved = app::regional();
    RegionalGuard() { app::regional().setDateFormat(7, false); }  // m/d/yyyy
    ~RegionalGuard() { app::regional() = saved; }
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
    const transfer::ImportCounts c = transfer::importText(text, byPosition({1, 7, 12, 24, 0}), true, host.table, app::regional());
    EXPECT_EQ(c.records, 4);
    ASSERT_EQ(host.table.recordCount(), 4u);
    EXPECT_EQ(host.number(0, "COST"), 0);  // an empty number is 0
    EXPECT_EQ(host.text(0, "PURCHDATE"), "");  // an empty date stays empty
    EXPECT_EQ(host.text(0, "AUTHOR"), "");     // a field not paired is not imported
    EXPECT_EQ(host.number(1, "COST"), 12.5);
    EXPECT_EQ(host.text(1, "PURCHDATE"), "19970301");
    EXPECT_EQ(host.text(1, "PAGES"), "320");
    EXPECT_EQ(host.text(2, "TITLE"), "Café ??");
    EXPECT_EQ(host.text(2, "PURCHDATE"), "");   // a date written with letters is not imported
    EXPECT_EQ(host.text(2, "COST"), "");        // no number: left empty, counted
    EXPECT_EQ(host.text(2, "PAGES"), "");       // too large for its field: left empty, counted
    EXPECT_EQ(host.number(3, "COST"), 100);
    EXPECT_EQ(host.text(3, "PURCHDATE"), "");   // no such day: left empty, counted
    EXPECT_EQ(c.unreadable, 3);
    EXPECT_EQ(c.surplus, 1);
    EXPECT_EQ(c.replaced, 2);
    EXPECT_EQ(transfer::importSummary(c),
              QStringLiteral("Import Complete.  3 values could not be read and were left empty.  1 values beyond the "
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
    transfer::writeAscii(txt, from, fields, &headings, app::regional());

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
    transfer::ImportCounts c = transfer::importDbase(people, {1, 12}, host.table, app::regional());
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
    c = transfer::importDbase(memo, p, host.table, app::regional());
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
        const transfer::ImportCounts c = transfer::importDbase(path, p, host.table, app::regional());
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
    const auto counts = transfer::importText(decoded, byPosition({1, 2, 3}), false, host.table, app::regional(), progress);
    ASSERT_FALSE(told.empty());
    EXPECT_TRUE(std::is_sorted(told.begin(), told.end()));
    EXPECT_EQ(told.back(), counts.records);
    EXPECT_GE(counts.records, 1000);  // stopped at the end of the run that passed 1000
    EXPECT_LT(counts.records, 3000);
    EXPECT_EQ(host.table.recordCount(), std::size_t(counts.records));
    EXPECT_FALSE(host.table.postsHeld());
    // without a stop every book comes in, the last run told too
    told.clear();
    const auto rest = transfer::importText(decoded, byPosition({1, 2, 3}), false, host.table, app::regional(),
                                           [&](int records) {
                                               told.push_back(records);
                                               return true;
                                           });
    EXPECT_EQ(rest.records, 3000);
    EXPECT_EQ(told.back(), 3000);
    EXPECT_TRUE(dbase::checkTable(host.dir.path(), "BOOKS.DBF").empty());
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
