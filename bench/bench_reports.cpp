// SPDX-License-Identifier: GPL-2.0-or-later
// Reports over the books of a table sorted by Author (the default order), grouped by Author: the
// "Full Report" to a text file, the "Short Narrow Report" to recorded pages and to a PDF file,
// with how the time splits between reading the records, formatting their values and the rest
// (laying out and drawing).
//   bench_reports BOOKS.DBF [full|unsorted|narrow|pdf]    (a sort tag is added to the table when it has none;
//                                                 one run alone when named)
#include <QElapsedTimer>
#include <QFile>
#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <string>

#include "dbase/table.h"
#include "find/sort_expression.h"
#include "regional/regional.h"
#include "render/page_device.h"
#include "reports/report_run.h"
#include "reports/windows/preview_window.h"
#include "store/codepage.h"
#include "store/field_table.h"

namespace {

double ms(const QElapsedTimer& t) { return t.nsecsElapsed() / 1e6; }

long residentKb(const char* key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0) return std::stol(line.substr(std::string(key).size()));
    return 0;
}

// Reads every field the report prints, without formatting: the reading share.
std::array<int, store::kFieldCount> fieldIndexes(const dbase::Table& t)
{
    std::array<int, store::kFieldCount> index {};
    for (int n = 1; n <= store::kFieldCount; ++n) index[std::size_t(n - 1)] = t.fieldIndex(store::fieldDef(n).name);
    return index;
}

double readPass(const dbase::Table& t, const reports::ReportDefinition& r)
{
    const auto index = fieldIndexes(t);
    QElapsedTimer clock;
    clock.start();
    std::size_t bytes = 0;
    for (std::size_t row = 0; row < t.recordCount(); ++row) {
        const dbase::RecordView rec = t.record(t.recordAt(row));
        for (int l = 0; l < r.numberOfLines; ++l)
            for (int k = 0; k < r.body[std::size_t(l)].usedItems(); ++k) {
                const int n = r.body[std::size_t(l)].items[std::size_t(k)].fieldNumber;
                if (n >= 1 && n <= store::kFieldCount) bytes += rec.raw(index[std::size_t(n - 1)]).size();
            }
    }
    if (bytes == 0) std::printf("(nothing read)\n");
    return ms(clock);
}

// Reads and formats every value the report prints, as the run does.
double formatPass(const dbase::Table& t, const reports::ReportDefinition& r)
{
    const auto index = fieldIndexes(t);
    QElapsedTimer clock;
    clock.start();
    const regional::Regional& reg = regional::current();
    std::size_t chars = 0;
    for (std::size_t row = 0; row < t.recordCount(); ++row) {
        const dbase::RecordView rec = t.record(t.recordAt(row));
        for (int l = 0; l < r.numberOfLines; ++l)
            for (int k = 0; k < r.body[std::size_t(l)].usedItems(); ++k) {
                const int n = r.body[std::size_t(l)].items[std::size_t(k)].fieldNumber;
                if (n < 1 || n > store::kFieldCount || !r.body[std::size_t(l)].items[std::size_t(k)].isField()) continue;
                const store::FieldDef& f = store::fieldDef(n);
                const int i = index[std::size_t(n - 1)];
                QString text;
                if (f.kind == store::FieldKind::Date) {
                    if (auto d = rec.date(i)) text = reg.formatDate(*d);
                } else if (f.type == 'N') {
                    if (auto v = rec.number(i)) text = f.decimals == 2 ? reg.money(1, *v) : reg.grouped(1, 0, *v);
                } else {
                    text = store::fromCp1252(rec.text(i));
                }
                chars += std::size_t(text.size());
            }
    }
    if (chars == 0) std::printf("(nothing formatted)\n");
    return ms(clock);
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2 && argc != 3) return 2;
    const std::string only = argc == 3 ? argv[2] : "";
    const auto wanted = [&](const char* run) { return only.empty() || only == run; };
    const std::filesystem::path file = argv[1];
    const std::array<int, 4> levels {2, 0, 0, 0};
    const std::string expression = find::BuildSortString(levels).toStdString();
    {
        dbase::Table t;
        t.open(file.parent_path(), file.filename().string(), {true, false, {}});
        bool has = false;
        for (const auto& tag : t.tags()) has = has || tag.name == "NEWINDEX";
        if (!has) t.addTag("NewIndex", expression);
    }
    dbase::Table table;
    table.open(file.parent_path(), file.filename().string(), {false, true, "NewIndex"});
    std::printf("books: %zu\n", table.recordCount());
    regional::current().setDateFormat(1, false);
    const auto builtIn = reports::builtInReports();
    QTemporaryDir out;

    reports::RunInput in;
    in.table = &table;
    in.sortLevels = levels;
    for (int n = 1; n <= store::kFieldCount; ++n)
        in.displayNames[std::size_t(n - 1)] = QString::fromLatin1(store::fieldDef(n).displayName);
    in.today = {1997, 3, 1};
    render::ReportEngine engine;

    const reports::ReportDefinition& full = builtIn[3];
    in.report = &full;
    in.mode = reports::RunMode::TextFile;
    in.textFile = out.filePath(QStringLiteral("FULL.TXT"));
    if (wanted("full")) {
        QElapsedTimer clock;
        clock.start();
        render::StreamDevice pagination;
        const auto r = reports::runReport(in, engine, pagination);
        const double total = ms(clock);
        const double read = readPass(table, full), format = formatPass(table, full);
        std::printf("Full Report to a text file: %.0f ms, %d pages, %.1f MB (reading %.0f ms, formatting %.0f ms, "
                    "laying out and writing %.0f ms)\n",
                    total, r.pages, QFile(in.textFile).size() / 1e6, read, format - read, total - format);
    }

    if (wanted("unsorted")) {
        // the same report over the table opened without its tag, as from a table another program
        // wrote: the run puts the books in the sort order itself
        dbase::Table bare;
        bare.open(file.parent_path(), file.filename().string(), {false, true, {}});
        reports::RunInput unsorted = in;
        unsorted.table = &bare;
        unsorted.textFile = out.filePath(QStringLiteral("UNSORTED.TXT"));
        QElapsedTimer clock;
        clock.start();
        render::StreamDevice pagination;
        const auto r = reports::runReport(unsorted, engine, pagination);
        std::printf("Full Report to a text file, the books ordered by the run: %.0f ms, %d pages; the same text: %s\n",
                    ms(clock), r.pages,
                    QFile(unsorted.textFile).size() == QFile(in.textFile).size() ? "yes" : "no (or full not run)");
    }

    const reports::ReportDefinition& narrow = builtIn[0];
    in.report = &narrow;
    in.mode = reports::RunMode::View;
    const double read = readPass(table, narrow), format = formatPass(table, narrow);
    if (wanted("narrow")) {
        const long before = residentKb("VmRSS:");
        QElapsedTimer clock;
        clock.start();
        render::StreamDevice stream;
        const auto r = reports::runReport(in, engine, stream);
        const double total = ms(clock);
        std::printf("Short Narrow Report to recorded pages: %.0f ms, %d pages (reading %.0f ms, formatting %.0f ms, "
                    "laying out and drawing %.0f ms); resident %ld MB, %ld MB more than before\n",
                    total, r.pages, read, format - read, total - format, residentKb("VmRSS:") / 1024,
                    (residentKb("VmRSS:") - before) / 1024);
        // the preview on those pages: page 1 shown, pages turned at the page-width zoom, a range printed
        clock.restart();
        TMyPreview preview(stream, narrow.name, nullptr);
        preview.resize(800, 600);
        preview.show();
        app.processEvents();
        std::printf("preview: page 1 shown %.0f ms after the run\n", ms(clock));
        preview.ZoomPageWidth();
        app.processEvents();
        clock.restart();
        for (int i = 0; i < 20; ++i) {
            preview.NextPage();
            app.processEvents();
        }
        std::printf("preview: a page turned at the page-width zoom in %.1f ms\n", ms(clock) / 20);
        clock.restart();
        render::PdfDevice range(out.filePath(QStringLiteral("RANGE.PDF")));
        stream.printPages(range, 100, 120);
        std::printf("preview: pages 100-120 printed into a PDF file in %.0f ms\n", ms(clock));
    }
    if (wanted("pdf")) {
        in.mode = reports::RunMode::Print;
        QElapsedTimer clock;
        clock.start();
        render::PdfDevice pdf(out.filePath(QStringLiteral("NARROW.PDF")));
        const auto r = reports::runReport(in, engine, pdf);
        const double total = ms(clock);
        std::printf("Short Narrow Report to a PDF file: %.0f ms, %d pages, %.1f MB (laying out and drawing %.0f ms)\n",
                    total, r.pages, QFile(out.filePath(QStringLiteral("NARROW.PDF"))).size() / 1e6, total - format);
    }
    std::printf("peak resident memory: %ld MB\n", residentKb("VmHWM:") / 1024);
    return 0;
}
