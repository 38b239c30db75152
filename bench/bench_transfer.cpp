// SPDX-License-Identifier: GPL-2.0-or-later
// Export of every book, all 36 fields, in the sort order: to an ASCII delimited text file and to a
// dBASE table, against pgdbf reading the same table into SQL text in the same run.
//   bench_transfer BOOKS.DBF
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>

#include "dbase/table.h"
#include "find/sort_expression.h"
#include "regional/regional.h"
#include "store/book_table.h"
#include "store/codepage.h"
#include "store/settings.h"
#include "transfer/ascii_reader.h"
#include "transfer/csv_reader.h"
#include "transfer/export_records.h"
#include "transfer/import_preview.h"
#include "transfer/import_records.h"
#include "transfer/known_headings.h"
#include <QFile>

namespace {
double ms(const QElapsedTimer& t) { return t.nsecsElapsed() / 1e6; }

// The processor time this process has used, in ms: on a busy machine a steadier figure than the
// time on the clock.
double cpuMs()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

long peakKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}
// A quoted value where the export needs one.
QString quoted(const QString& v)
{
    if (!v.contains(u',') && !v.contains(u'"')) return v;
    return u'"' + QString(v).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

// The table's books in the layout of a reading site's library export, UTF-8.
void writeReadingSiteExport(dbase::Table& table, const QString& path)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("Book Id,Title,Author,Author l-f,Additional Authors,ISBN,ISBN13,My Rating,Average Rating,Publisher,"
               "Binding,Number of Pages,Year Published,Original Publication Year,Date Read,Date Added,Bookshelves,"
               "Bookshelves with positions,Exclusive Shelf,My Review,Spoiler,Private Notes,Read Count,Owned Copies\r\n");
    auto text = [&](const char* name) {
        return store::fromCp1252(table.getText(table.fieldIndex(name))).trimmed();
    };
    int id = 0;
    QByteArray chunk;
    for (table.first(); !table.eof(); table.next()) {
        const QString isbn = text("ISBN");
        const QStringList values {QString::number(++id), quoted(text("TITLE")), QString(), quoted(text("AUTHOR")),
                                  QString(), QString(), QStringLiteral("\"=\"\"%1\"\"\"").arg(isbn),
                                  QString::number(id % 6), QStringLiteral("3.87"), quoted(text("PUBLISHER")),
                                  quoted(text("BOOKTYPE")), text("PAGES"), text("YEARPUB"), QString(),
                                  QStringLiteral("2024/03/15"), QStringLiteral("2023/01/02"), quoted(text("KEYWORDS")),
                                  QString(), QStringLiteral("read"), QString(), QString(), quoted(text("DESCRIPTIO")),
                                  QStringLiteral("1"), QStringLiteral("1")};
        chunk += values.join(u',').toUtf8() + "\r\n";
        if (chunk.size() > (1 << 20)) {
            file.write(chunk);
            chunk.clear();
        }
    }
    file.write(chunk);
}
}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) return 2;
    const std::filesystem::path file = argv[1];
    dbase::Table table;
    table.open(file.parent_path(), file.filename().string(), {false, true, {}});
    regional::current().setDateFormat(1, false);
    store::DatabaseSettings settings;
    const auto fields = transfer::exportList(settings, table);
    QStringList headings;
    for (const auto& f : fields) headings << transfer::exportLabel(f.number, settings);
    QTemporaryDir out;
    QElapsedTimer clock;
    const std::string pgdbf = "pgdbf -s cp1252 '" + file.string() + "' > /dev/null 2>&1";
    clock.start();
    const bool havePgdbf = std::system(pgdbf.c_str()) == 0;
    const double pg = ms(clock);
    clock.restart();
    transfer::writeAscii(out.filePath(QStringLiteral("ALL.TXT")), table, fields, &headings, regional::current());
    const double ascii = ms(clock);
    clock.restart();
    transfer::writeDbase(out.filePath(QStringLiteral("ALL.DBF")), table, fields);
    const double dbf = ms(clock);
    std::printf("books: %zu\n", table.recordCount());
    if (havePgdbf) std::printf("pgdbf to SQL text: %.0f ms\n", pg);
    std::printf("export to ASCII delimited text: %.0f ms%s, %.1f MB\n", ascii,
                havePgdbf ? QStringLiteral(" (%1 x pgdbf)").arg(ascii / pg, 0, 'f', 2).toLatin1().constData() : "",
                QFileInfo(out.filePath(QStringLiteral("ALL.TXT"))).size() / 1e6);
    std::printf("export to a dBASE table: %.0f ms\n", dbf);
    clock.restart();
    const QString csvOut = out.filePath(QStringLiteral("ALL.csv"));
    transfer::writeCsv(csvOut, table, fields, headings);
    const double csvMs = ms(clock);
    std::printf("export to comma-separated values (UTF-8): %.0f ms%s, %.1f MB\n", csvMs,
                havePgdbf ? QStringLiteral(" (%1 x pgdbf)").arg(csvMs / pg, 0, 'f', 2).toLatin1().constData() : "",
                QFileInfo(csvOut).size() / 1e6);

    // the text back into an empty database sorted by Author, its tag kept up to date
    const QString target = out.filePath(QStringLiteral("NEW.DBF"));
    store::BookTableFiles files;
    files.MakeNewDB(target);
    {
        dbase::Table t;
        t.open(QFile::encodeName(out.path()).toStdString(), "NEW.DBF", {true, false, {}});
        t.addTag("NewIndex", find::BuildSortString({2, 0, 0, 0}).toStdString());
    }
    dbase::Table into;
    into.open(QFile::encodeName(out.path()).toStdString(), "NEW.DBF", {false, false, "NewIndex"});
    clock.restart();
    const double cpuBefore = cpuMs();
    QFile text(out.filePath(QStringLiteral("ALL.TXT")));
    text.open(QIODevice::ReadOnly);
    const QString decoded = transfer::decodeTextFile(text.readAll());
    transfer::Pairing pairing;
    for (int n = 1; n <= 36; ++n) pairing.push_back(n);
    const auto counts = transfer::importText(decoded, pairing, true, into, regional::current());
    const double importMs = ms(clock), importCpu = cpuMs() - cpuBefore;
    std::printf("import of that text into an empty database, sort tag kept: %.0f ms (processor %.0f ms), %d books\n",
                importMs, importCpu, counts.records);

    // the same books as another program exports them (a reading site's library export, quoted
    // only where needed), previewed and then imported into an empty database sorted by Author
    const QString csvPath = out.filePath(QStringLiteral("export.csv"));
    writeReadingSiteExport(table, csvPath);
    const QString empty = out.filePath(QStringLiteral("CSV.DBF"));
    files.MakeNewDB(empty);
    {
        dbase::Table t;
        t.open(QFile::encodeName(out.path()).toStdString(), "CSV.DBF", {true, false, {}});
        t.addTag("NewIndex", find::BuildSortString({2, 0, 0, 0}).toStdString());
    }
    dbase::Table csvInto;
    csvInto.open(QFile::encodeName(out.path()).toStdString(), "CSV.DBF", {false, false, "NewIndex"});
    clock.restart();
    double cpu = cpuMs();
    QFile csvFile(csvPath);
    csvFile.open(QIODevice::ReadOnly);
    transfer::ImportSource source {transfer::SourceKind::Csv, csvPath, transfer::decodeCsvFile(csvFile.readAll())};
    source.separator = transfer::detectSeparator(source.text);
    transfer::CsvReader headingsReader(source.text, source.separator);
    const transfer::Pairing csvPairing =
        transfer::pairByHeadings(headingsReader.readRow().values, settings.fieldNames).pairing;
    const transfer::ImportPreview preview = transfer::previewImport(source, csvPairing, true, csvInto, regional::current());
    std::printf("preview of a comma-separated export of %d books (read, paired, every book converted, duplicates "
                "found): %.0f ms (processor %.0f ms), %lld problems\n",
                preview.total, ms(clock), cpuMs() - cpu, static_cast<long long>(preview.counts.notes.size()));
    clock.restart();
    cpu = cpuMs();
    const auto csvCounts = transfer::importBooks(source, csvPairing, true, csvInto, regional::current(), {}, {false, true});
    std::printf("import of that file into an empty database, sort tag kept: %.0f ms (processor %.0f ms), %d books\n",
                ms(clock), cpuMs() - cpu, csvCounts.records);

    // the comma-separated export back in: paired by its headings, every value compared
    {
        const QString back = out.filePath(QStringLiteral("BACK.DBF"));
        files.MakeNewDB(back);
        dbase::Table into2;
        into2.open(QFile::encodeName(out.path()).toStdString(), "BACK.DBF", {false, false, {}});
        QFile f(csvOut);
        f.open(QIODevice::ReadOnly);
        const transfer::ImportSource again {transfer::SourceKind::Csv, csvOut, transfer::decodeCsvFile(f.readAll())};
        transfer::CsvReader first(again.text, u',');
        const auto p = transfer::pairByHeadings(first.readRow().values, settings.fieldNames);
        clock.restart();
        const auto c = transfer::importBooks(again, p.pairing, true, into2, regional::current());
        const double backMs = ms(clock);
        std::size_t different = 0;
        std::size_t row = 0;
        for (table.first(); !table.eof(); table.next(), ++row) {
            const dbase::RecordView a = table.current();
            const dbase::RecordView b = into2.record(std::uint32_t(row + 1));
            for (const auto& fl : fields)
                if (fl.tableIndex >= 0 && a.raw(fl.tableIndex) != b.raw(into2.fieldIndex(store::fieldDef(fl.number).name)) &&
                    ++different <= 3)
                    std::printf("  book %zu, %s: [%s] came back as [%s]\n", row + 1, store::fieldDef(fl.number).name,
                                std::string(a.raw(fl.tableIndex)).c_str(),
                                std::string(b.raw(into2.fieldIndex(store::fieldDef(fl.number).name))).c_str());
        }
        std::printf("that file imported back: %.0f ms, %d books, %d paired columns, %zu values different\n", backMs,
                    c.records, p.recognised, different);
    }
    std::printf("peak resident memory: %ld MB\n", peakKb() / 1024);
    return 0;
}
