// SPDX-License-Identifier: GPL-2.0-or-later
// Export: the text format's rules, the window's grid and choices, and files read back by our
// engine and by another reader.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <QTableWidget>
#include <gtest/gtest.h>

#include "regional/regional.h"
#include "reports/fake_report_host.h"
#include "support/file_size_limit.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_messages.h"
#include "transfer/ascii_format.h"
#include "transfer/windows/export_window.h"
#include "ui/appearance.h"

using testing_support::FakeHost;

namespace {

QString fileText(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
}

// Exports only these fields, in this order.
void chooseFields(store::DatabaseSettings& s, std::initializer_list<int> numbers)
{
    s.exportFields.fill(false);
    int at = 1;
    for (int n : numbers) {
        s.exportFields[std::size_t(n - 1)] = true;
        s.exportOrder[std::size_t(n - 1)] = at++;
    }
    for (int n = 1; n <= 36; ++n)
        if (!s.exportFields[std::size_t(n - 1)]) s.exportOrder[std::size_t(n - 1)] = at++;
}

}  // namespace

TEST(AsciiFormat, ValuesAreQuotedTrimmedAndKeptWhole)
{
    std::string line;
    transfer::appendLine(line, {"Sea Charts", "Lane, K.", "5.95", "  say \"hi\"  ", "", "two\r\nlines"});
    EXPECT_EQ(line, "\"Sea Charts\",\"Lane, K.\",\"5.95\",\"say \"\"hi\"\"\",\"\",\"two  lines\"\r\n");
    // a cut at 255 characters never splits a doubled quote
    std::string value(254, 'x');
    value += '"';
    std::string cut;
    transfer::appendValue(cut, value);
    EXPECT_EQ(cut, "\"" + std::string(254, 'x') + "\"");
    std::string exact;
    transfer::appendValue(exact, std::string(300, 'y'));
    EXPECT_EQ(exact.size(), 257u);
}

TEST(Export, TheGridTheChoicesAndATextFile)
{
    FakeHost host;
    chooseFields(host.settings, {1, 2, 7});
    host.settings.exportFirstRow = true;
    host.settings.displayFields.fill(true);
    host.settings.displayFields[6] = false;  // Cost never shown: its table name heads the column
    testing_support::ScriptedDialogs dialogs;
    testing_support::ScriptedMessages messages;
    TMyExport window(host);
    EXPECT_EQ(window.ExportGrid->item(0, 0)->text(), QStringLiteral("Title"));
    EXPECT_EQ(window.ExportGrid->item(2, 0)->text(), QStringLiteral("Cost"));
    EXPECT_EQ(window.ExportGrid->item(3, 1)->text(), QStringLiteral("No"));
    EXPECT_FALSE(window.ExportSearch->isEnabled());
    window.DBaseFile->setChecked(true);
    EXPECT_FALSE(window.FirstRow->isVisibleTo(&window));
    window.AsciiFile->setChecked(true);
    EXPECT_TRUE(window.FirstRow->isVisibleTo(&window));

    // Defaults answered No changes nothing; Down moves Title below Author
    messages.expect(ui::No);
    window.DefaultsButtonClick();
    EXPECT_EQ(window.ExportGrid->item(2, 0)->text(), QStringLiteral("Cost"));
    window.ExportGrid->setCurrentCell(0, 0);
    window.DownButtonClick();
    EXPECT_EQ(window.ExportGrid->item(0, 0)->text(), QStringLiteral("Author"));
    EXPECT_EQ(window.ExportGrid->currentRow(), 1);

    const QString out = QString::fromStdString((host.dir / "OUT").string());
    dialogs.fileNames.push_back(out);
    messages.expect();
    window.StartExportButtonClick();
    EXPECT_EQ(messages.shown.last().text, QStringLiteral("Export Complete."));
    const QString text = fileText(out + ".TXT");
    EXPECT_TRUE(text.startsWith(QStringLiteral("\"Author\",\"Title\",\"COST\"\r\n\"Found\",\"Book 0\",\"1\"\r\n")));
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), 31);
    EXPECT_EQ(host.settings.exportOrder[1], 1);  // the order went back into the settings

    // the program's own table is never written over; a dBASE name must end in .DBF
    dialogs.fileNames.push_back(QString::fromStdString((host.dir / "BOOKS.DBF").string()));
    messages.expect();
    window.StartExportButtonClick();
    EXPECT_TRUE(messages.shown.last().text.contains(QStringLiteral("is in use by the program")));
    window.DBaseFile->setChecked(true);
    dialogs.fileNames.push_back(QString::fromStdString((host.dir / "OUT.TXT").string()));
    messages.expect();
    window.StartExportButtonClick();
    EXPECT_EQ(messages.shown.last().text, QStringLiteral("Invalid file type selected."));

    for (int r = 0; r < 36; ++r) window.ExportGrid->item(r, 1)->setText(QStringLiteral("No"));
    messages.expect();
    window.StartExportButtonClick();
    EXPECT_EQ(messages.shown.last().text, QStringLiteral("No fields selected for export."));
}

TEST(Export, TheSearchResultOrEverythingAndADbaseTableWithTypedValues)
{
    FakeHost host;
    chooseFields(host.settings, {1, 7, 12});
    host.startSearch();
    testing_support::ScriptedDialogs dialogs;
    testing_support::ScriptedMessages messages;
    regional::Regional saved = regional::current();
    regional::current().setDateFormat(1, false);  // m/d/yy in the text file; the table keeps the century
    regional::current().numericFormat = 2;
    regional::current().system.decimal = u',';
    {
        TMyExport window(host);
        EXPECT_TRUE(window.ExportSearch->isChecked());
        const QString found = QString::fromStdString((host.dir / "FOUND.TXT").string());
        dialogs.fileNames.push_back(found);
        messages.expect();
        window.StartExportButtonClick();
        EXPECT_EQ(fileText(found).count(QStringLiteral("\r\n")), 11);  // headings and the 10 found
        EXPECT_TRUE(fileText(found).contains(QStringLiteral("\"Book 0\",\"1\",\"\"")));
    }
    {
        TMyExport window(host);
        window.ExportEntire->setChecked(true);
        window.DBaseFile->setChecked(true);
        const QString dbf = QString::fromStdString((host.dir / "ALL.DBF").string());
        dialogs.fileNames.push_back(dbf);
        messages.expect();
        window.StartExportButtonClick();
        EXPECT_EQ(host.resumed, 1);
        EXPECT_TRUE(host.searchActive());
        dbase::Table t;
        t.open(host.dir.path(), "ALL.DBF", {false, true, {}});
        ASSERT_EQ(t.recordCount(), 30u);
        ASSERT_EQ(t.fieldCount(), 3);
        EXPECT_EQ(t.fieldName(0), "TITLE");
        t.goToPosition(29);
        EXPECT_EQ(t.getText(0), "Book 29");
        EXPECT_EQ(t.getDouble(1).value_or(-1), 1.0);
        std::string dump;
        ASSERT_EQ(testing_support::run("python3 '" BINDLOW_TOOLS_DIR "/dbf-dump.py' '" + dbf.toStdString() + "'", &dump), 0);
        EXPECT_NE(dump.find("Book 29"), std::string::npos);
    }
    regional::current() = saved;
    // a folder that is not there: the error, and no file
    TMyExport window(host);
    window.ExportEntire->setChecked(true);
    dialogs.fileNames.push_back(QString::fromStdString((host.dir / "none" / "X.TXT").string()));
    messages.expect();
    window.StartExportButtonClick();
    EXPECT_EQ(messages.shown.last().caption, QStringLiteral("Error"));
    EXPECT_TRUE(host.searchActive());
}

// "Export Complete." is said with the search in force again, and greyed choices look greyed in
// the window's colours, the default ones too.
TEST(Export, TheEndIsSaidWithTheSearchBackAndADisabledChoiceLooksIt)
{
    FakeHost host;
    chooseFields(host.settings, {1});
    host.startSearch();
    testing_support::ScriptedDialogs dialogs;
    struct Watching : testing_support::ScriptedMessages {
        FakeHost* host = nullptr;
        QList<bool> searchOn;
        ui::MsgButton show(const ui::Message& m) override
        {
            searchOn << host->searchActive();
            return ScriptedMessages::show(m);
        }
    } messages;
    messages.host = &host;
    TMyExport window(host);
    window.ExportEntire->setChecked(true);
    dialogs.fileNames.push_back(QString::fromStdString((host.dir / "ALL.TXT").string()));
    messages.expect();
    window.StartExportButtonClick();
    EXPECT_EQ(messages.shown.value(0).text, QStringLiteral("Export Complete."));
    EXPECT_EQ(messages.searchOn, QList<bool> {true});

    host.suspendSearch();
    TMyExport plain(host);
    ui::dressWindow(&plain, host.settings, store::ConfigureColors);
    ASSERT_FALSE(plain.ExportSearch->isEnabled());
    const QPalette p = plain.ExportSearch->palette();
    EXPECT_NE(p.color(QPalette::Disabled, QPalette::WindowText), p.color(QPalette::Active, QPalette::WindowText));
}

// A drive that fills up is said, never "Export Complete.", and an older file of that name stays.
TEST(Export, AFullDriveIsSaidAndAnOlderFileStays)
{
    FakeHost host;
    chooseFields(host.settings, {1, 2, 7});
    testing_support::ScriptedDialogs dialogs;
    testing_support::ScriptedMessages messages;
    TMyExport window(host);
    const QString out = QString::fromStdString((host.dir / "OUT.TXT").string());
    {
        QFile older(out);
        ASSERT_TRUE(older.open(QIODevice::WriteOnly));
        older.write("the older export\r\n");
    }
    dialogs.fileNames.push_back(out);
    messages.expect();
    {
        testing_support::FileSizeLimit full(100);
        window.StartExportButtonClick();
    }
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown.last().text.startsWith(QDir::toNativeSeparators(out) + QStringLiteral(": ")))
        << messages.shown.last().text.toStdString();
    EXPECT_EQ(fileText(out), QStringLiteral("the older export\r\n"));
}
