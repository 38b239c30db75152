// SPDX-License-Identifier: GPL-2.0-or-later
// bindlow-dbf import and its comma-separated export: the same books as the import window from the
// same file, a dry run that changes no byte, the refusals, and the same bytes as the export window.
#include <QCheckBox>
#include <QFile>
#include <QRadioButton>
#include <QSize>
#include <gtest/gtest.h>

#include <cstdlib>

#include "dbase/table.h"
#include "regional/regional.h"
#include "reports/fake_report_host.h"
#include "reports/regional_guard.h"
#include "reports/report_books.h"
#include "support/child.h"
#include "support/qstring_print.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_messages.h"
#include "transfer/target_host.h"
#include "transfer/windows/export_window.h"
#include "transfer/windows/import_preview_window.h"
#include "transfer/windows/import_window.h"

using testing_support::TargetHost;

namespace {
const std::string kTool = BINDLOW_DBF_TOOL;

QByteArray bytesOf(const std::filesystem::path& path)
{
    QFile f(QString::fromStdString(path.string()));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The tool run with these arguments, its output and status; KAVBOOK.INI looked for in home.
int tool(const std::string& args, std::string* out, const std::filesystem::path& home)
{
    return testing_support::run("HOME='" + home.string() + "' XDG_CONFIG_HOME='" + home.string() + "' LC_ALL=C " +
                                    kTool + " " + args + " 2>&1",
                                out);
}

// the exit status (run gives it decoded)
int exitCode(int status) { return status; }

std::string q(const std::filesystem::path& p) { return "'" + p.string() + "'"; }
}  // namespace

TEST(ImportCommand, TheSameBooksAsTheWindowAndADryRunThatChangesNothing)
{
    TargetHost window, command;
    QString text = QStringLiteral("Title,Author l-f,My Rating,Price,Date Added,Notes\r\n");
    text += QStringLiteral("Emma,\"Austen, Jane\",4,$12.50,2024/03/15,\"two\nlines\"\r\n");
    text += QStringLiteral("Kim,\"Kipling, Rudyard\",0,abc,2024-03-16,\r\n");
    const QString file = window.write("list.csv", text.toUtf8());
    {
        TMyImport w(window, {transfer::SourceKind::Csv, file, text, u','});
        w.execPreview = [](TImportPreview&) { return int(QDialog::Accepted); };
        testing_support::ScriptedMessages messages;
        messages.expect();
        w.StartButtonClick();
    }
    command.table.close();
    const auto table = command.dir / "BOOKS.DBF";
    const QByteArray before = bytesOf(table), indexBefore = bytesOf(command.dir / "BOOKS.MDX");
    std::string out;
    // a dry run reads it all, says what would happen, and changes no byte
    int status = tool("import " + q(file.toStdString()) + " " + q(table) + " --dry-run", &out, command.dir.path());
    EXPECT_EQ(exitCode(status), 0) << out;
    EXPECT_NE(out.find("Dry run: nothing was imported.  The file holds 2 books.  1 values would not be stored as "
                       "they are; 0 books are already in the database or twice in the file."),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("Line 4, \"Kim\", Cost: \"abc\" could not be read and was left empty."), std::string::npos) << out;
    EXPECT_EQ(bytesOf(table), before);
    EXPECT_EQ(bytesOf(command.dir / "BOOKS.MDX"), indexBefore);

    status = tool("import " + q(file.toStdString()) + " " + q(table), &out, command.dir.path());
    EXPECT_EQ(exitCode(status), 0) << out;
    EXPECT_NE(out.find("2 books imported.  Import Complete.  1 values could not be read and were left empty."),
              std::string::npos)
        << out;
    // every field of every book as the window stored it
    dbase::Table a, b;
    window.table.close();
    a.open(window.dir.path(), "BOOKS.DBF", {false, true, {}});
    b.open(command.dir.path(), "BOOKS.DBF", {false, true, {}});
    ASSERT_EQ(a.physicalCount(), 2u);
    ASSERT_EQ(b.physicalCount(), 2u);
    for (std::uint32_t r = 1; r <= 2; ++r)
        for (int f = 0; f < a.fieldCount(); ++f) EXPECT_EQ(a.record(r).raw(f), b.record(r).raw(f)) << r << " " << f;
    EXPECT_EQ(b.record(1).text(b.fieldIndex("DESCRIPTIO")), "two lines");
    // and it can be undone like an import made in the window
    EXPECT_TRUE(QFile::exists(QString::fromStdString((command.dir / "BOOKS.IMP").string())));
}

TEST(ImportCommand, WrongParametersRefusalsAndATableHeldExclusively)
{
    TargetHost host;
    host.table.close();
    const auto table = host.dir / "BOOKS.DBF";
    const std::string text = q(host.write("a.txt", "\"Title\"\r\n\"Emma\"\r\n").toStdString());
    std::string out;
    EXPECT_EQ(exitCode(tool("import " + text, &out, host.dir.path())), 2);
    EXPECT_EQ(exitCode(tool("import " + text + " " + q(table) + " --csv --ascii", &out, host.dir.path())), 2);
    EXPECT_EQ(exitCode(tool("import " + text + " " + q(table) + " --date-format yyyy", &out, host.dir.path())), 2);
    EXPECT_EQ(exitCode(tool("import " + text + " " + q(table) + " --frobnicate", &out, host.dir.path())), 2);
    // a missing source, a file that is no text
    EXPECT_EQ(exitCode(tool("import " + q(host.dir / "none.csv") + " " + q(table), &out, host.dir.path())), 1);
    EXPECT_EQ(exitCode(tool("import " + q(host.write("bin.csv", QByteArray("a\0b", 3)).toStdString()) + " " + q(table),
                            &out, host.dir.path())),
              1);
    EXPECT_NE(out.find("The selected file is not a text file."), std::string::npos) << out;
    // the quoted form by its first line, paired by position, with the date format asked for
    const std::string dated =
        q(host.write("d.txt", "\"Title\",\"A\",\"Y\",\"P\",\"C\",\"W\",\"Cost\",\"V\",\"D\",\"I\",\"R\",\"Bought\"\r\n"
                              "\"Emma\",\"Austen\",\"1815\",\"\",\"\",\"\",\"1.5\",\"\",\"\",\"\",\"\",\"15.03.2024\"\r\n")
              .toStdString());
    EXPECT_EQ(exitCode(tool("import " + dated + " " + q(table) + " --skip-first --date-format dd.mm.yyyy", &out,
                            host.dir.path())),
              0)
        << out;
    {
        dbase::Table t;
        t.open(host.dir.path(), "BOOKS.DBF", {false, true, {}});
        ASSERT_EQ(t.physicalCount(), 1u);
        EXPECT_EQ(t.record(1).number(t.fieldIndex("COST")), 1.5);
        EXPECT_EQ(t.record(1).text(t.fieldIndex("AUTHOR")), "Austen");
        EXPECT_EQ(t.record(1).text(t.fieldIndex("PURCHDATE")), "20240315");
    }
    // another program holds the table to itself: refused, nothing written
    testing_support::Child holder({BINDLOW_WRITER, "hold", host.dir.path().string(), "BOOKS.DBF", "exclusive"});
    std::string line;
    ASSERT_TRUE(holder.readLine(line));
    {
        const QByteArray before = bytesOf(table);
        EXPECT_EQ(exitCode(tool("import " + text + " " + q(table), &out, host.dir.path())), 1) << out;
        EXPECT_EQ(bytesOf(table), before);
    }
    holder.closeInput();
    holder.wait();
}

TEST(ImportCommand, TheCommaSeparatedExportWritesTheWindowsBytes)
{
    testing_support::FakeHost host;
    // the database's own export settings: two fields, the second first, one renamed
    host.settings.exportFields.fill(false);
    host.settings.exportFields[0] = host.settings.exportFields[6] = true;
    host.settings.exportOrder[6] = 1;
    host.settings.exportOrder[0] = 2;
    host.settings.fieldNames[6] = QStringLiteral("Paid");
    testing_support::ScriptedDialogs dialogs;
    testing_support::ScriptedMessages messages;
    {
        TMyExport window(host);
        window.CsvFile->setChecked(true);
        dialogs.fileNames.push_back(QString::fromStdString((host.dir / "window.csv").string()));
        messages.expect();
        window.StartExportButtonClick();
    }
    store::writeDatabaseSettings(host.settings, QString::fromStdString((host.dir / "BOOKS.INI").string()));
    std::string out;
    const int status = tool("export " + q(host.dir / "BOOKS.DBF") + " " + q(host.dir / "command.csv") + " --csv", &out,
                            host.dir.path());
    EXPECT_EQ(exitCode(status), 0) << out;
    const QByteArray bytes = bytesOf(host.dir / "command.csv");
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBFPaid,Title\r\n")) << bytes.left(30).toStdString();
    EXPECT_EQ(bytes, bytesOf(host.dir / "window.csv"));
}

// The delimited export: every field in table order, the field names as the first row and the
// program's U.S. formats give in the window the bytes the command writes, for a collection with
// every field filled, quotes and commas in a text, and dates and amounts of every width.
TEST(ImportCommand, TheDelimitedExportWritesTheWindowsBytes)
{
    testing_support::FakeHost host;
    testing_support::RegionalGuard formats;
    regional::current().numericFormat = regional::current().currencyFormat = 1;
    host.table.close();
    std::vector<testing_support::Book> books = testing_support::generatedBooks(40, 11);
    books.push_back({{1, "Quote \"and\", comma"}, {12, "19940305"}, {24, "7"}, {7, "1234.5"}, {3, "1066"}});
    books.push_back({{1, "  leading blanks"}, {12, "20241231"}, {7, "0.01"}});
    books.push_back({});
    testing_support::makeBookTable(host.dir.path(), books);
    host.table.open(host.dir.path(), "BOOKS.DBF", {false, true, {}});
    host.settings.exportFields.fill(true);
    for (int n = 1; n <= 36; ++n) host.settings.exportOrder[std::size_t(n - 1)] = n;
    host.settings.displayFields.fill(false);  // the headings are the field names
    host.settings.exportFirstRow = true;
    testing_support::ScriptedDialogs dialogs;
    testing_support::ScriptedMessages messages;
    {
        TMyExport window(host);
        window.AsciiFile->setChecked(true);
        dialogs.fileNames.push_back(QString::fromStdString((host.dir / "window.txt").string()));
        messages.expect();
        window.StartExportButtonClick();
    }
    host.table.close();
    std::string out;
    const int status = tool("export " + q(host.dir / "BOOKS.DBF") + " " + q(host.dir / "command.txt"), &out,
                            host.dir.path());
    EXPECT_EQ(exitCode(status), 0) << out;
    const QByteArray bytes = bytesOf(host.dir / "command.txt");
    EXPECT_TRUE(bytes.startsWith("\"TITLE\",\"AUTHOR\",")) << bytes.left(40).toStdString();
    EXPECT_TRUE(bytes.contains(",\"3/5/1994\",")) << "the dates as the window writes them";
    EXPECT_EQ(bytes, bytesOf(host.dir / "window.txt"));
}
