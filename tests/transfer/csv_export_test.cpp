// SPDX-License-Identifier: GPL-2.0-or-later
// Comma-separated values out: the form spreadsheets read, and a file that imports back through the
// comma-separated kind with no pairing by hand and every value equal.
#include <QCheckBox>
#include <QFile>
#include <QRadioButton>
#include <QSize>
#include <gtest/gtest.h>

#include <clocale>

#include "regional/regional.h"
#include "reports/fake_report_host.h"
#include "reports/report_books.h"
#include "store/codepage.h"
#include "support/qstring_print.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"
#include "transfer/csv_reader.h"
#include "transfer/export_records.h"
#include "transfer/import_records.h"
#include "transfer/known_headings.h"
#include "transfer/windows/export_window.h"

using testing_support::TempDir;

namespace {
QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

TEST(CsvExport, SpreadsheetFormAndEveryValueBackEqualUnderAnyLocale)
{
    for (const char* locale : {"C", "de_DE.UTF-8", "fr_FR.UTF-8"}) {
        SCOPED_TRACE(locale);
        ASSERT_TRUE(std::setlocale(LC_ALL, locale)) << "the locale is missing";
        const regional::Regional saved = regional::current();
        regional::current().system = regional::systemRegionalValues();
        regional::current().numericFormat = regional::current().currencyFormat = 2;
        regional::current().setDateFormat(12, true);

        TempDir dir;
        std::vector<testing_support::Book> books = testing_support::generatedBooks(400, 7);
        // values a comma-separated file must quote, or could lose
        books[0][1] = "Commas, \"quotes\"; and semicolons";
        books[1][1] = "  leading blanks";
        books[2][1] = *store::toCp1252(QStringLiteral("Café Müller – ½ price £"));
        books[3][7] = "-12.5";
        books[4][8] = "99999999.99";
        books[5][12] = "";
        books[6][24] = "0";
        testing_support::makeBookTable(dir.path(), books);
        dbase::Table from;
        from.open(dir.path(), "BOOKS.DBF", {false, true, {}});
        store::DatabaseSettings settings;
        settings.displayFields.fill(true);
        const auto fields = transfer::exportList(settings, from);
        QStringList headings;
        for (const auto& f : fields) headings << transfer::exportLabel(f.number, settings);
        const QString csv = QString::fromStdString((dir / "books.csv").string());
        transfer::writeCsv(csv, from, fields, headings);

        const QByteArray bytes = bytesOf(csv);
        ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBFTitle,Author,Year Pub,Publisher,"));
        EXPECT_TRUE(bytes.contains("\"Commas, \"\"quotes\"\"; and semicolons\""));
        EXPECT_TRUE(bytes.contains("\"  leading blanks\""));
        EXPECT_TRUE(bytes.contains(QStringLiteral("Café Müller – ½ price £").toUtf8()));
        EXPECT_TRUE(bytes.contains(",-12.5,"));
        EXPECT_TRUE(bytes.contains(",99999999.99,"));  // no group separators, a "." whatever the locale

        // back in: paired by the headings alone, every field of every book as it was
        const QString text = transfer::decodeCsvFile(bytes);
        transfer::CsvReader first(text, transfer::detectSeparator(text));
        const transfer::HeadingPairing p = transfer::pairByHeadings(first.readRow().values, settings.fieldNames);
        EXPECT_EQ(p.recognised, 36);
        std::filesystem::create_directories(dir / "back");
        testing_support::makeBookTable(dir / "back", {});
        dbase::Table into;
        into.open(dir / "back", "BOOKS.DBF", {false, false, {}});
        const transfer::ImportCounts c = transfer::importBooks({transfer::SourceKind::Csv, csv, text, u','}, p.pairing,
                                                               true, into, regional::current());
        EXPECT_TRUE(c.notes.isEmpty());
        ASSERT_EQ(into.recordCount(), from.recordCount());
        int different = 0;
        for (std::uint32_t r = 1; r <= from.physicalCount(); ++r)
            for (int i = 0; i < from.fieldCount(); ++i)
                if (from.record(r).raw(i) != into.record(r).raw(i) && ++different < 5)
                    ADD_FAILURE() << "record " << r << " field " << from.fieldName(i) << ": "
                                  << std::string(from.record(r).raw(i)) << " came back as "
                                  << std::string(into.record(r).raw(i));
        EXPECT_EQ(different, 0);
        regional::current() = saved;
    }
    std::setlocale(LC_ALL, "C");
    regional::current().system = regional::systemRegionalValues();
}

TEST(CsvExport, TheExportWindowWritesItAndRemembersTheChoice)
{
    testing_support::FakeHost host;
    host.settings.exportFields.fill(false);
    host.settings.exportFields[0] = host.settings.exportFields[6] = true;  // Title, Cost
    testing_support::ScriptedDialogs dialogs;
    testing_support::ScriptedMessages messages;
    {
        TMyExport window(host);
        window.CsvFile->setChecked(true);
        EXPECT_FALSE(window.FirstRow->isVisibleTo(&window));  // the headings always come first
        dialogs.fileNames.push_back(QString::fromStdString((host.dir / "out").string()));
        messages.expect();
        window.StartExportButtonClick();
        EXPECT_EQ(messages.shown.last().text, QStringLiteral("Export Complete."));
        EXPECT_EQ(dialogs.captions.last(), QStringLiteral("Export Data"));
    }
    EXPECT_EQ(host.settings.exportFileType, 3);
    const QByteArray bytes = bytesOf(QString::fromStdString((host.dir / "out.csv").string()));
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBFTitle,Cost\r\nBook 0,1\r\n")) << bytes.left(40).toStdString();
    TMyExport again(host);
    EXPECT_TRUE(again.CsvFile->isChecked());
}

// The headings are the user's display names, which the settings keep in UTF-8 when they need it:
// a name outside Windows-1252 comes out whole, quoted where it holds a comma.
TEST(CsvExport, HeadingsOutsideWindows1252ComeOutWhole)
{
    testing_support::FakeHost host;
    host.settings.exportFields.fill(false);
    host.settings.exportFields[0] = host.settings.exportFields[6] = true;  // Title, Cost
    const auto fields = transfer::exportList(host.settings, host.table);
    const QString path = QString::fromStdString((host.dir / "names.csv").string());
    transfer::writeCsv(path, host.table, fields, {QStringLiteral("Заглавие ✓"), QStringLiteral("Цена, €")});
    const QByteArray bytes = bytesOf(path);
    EXPECT_TRUE(bytes.startsWith(QByteArray("\xEF\xBB\xBF") + QStringLiteral("Заглавие ✓,\"Цена, €\"\r\n").toUtf8()))
        << bytes.left(60).toStdString();
}
