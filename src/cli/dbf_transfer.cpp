// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/dbf_transfer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <optional>

#include "dbase/error.h"
#include "dbase/table.h"
#include "regional/regional.h"
#include "store/book_table.h"
#include "store/bounded_file.h"
#include "store/settings.h"
#include "transfer/ascii_reader.h"
#include "transfer/csv_reader.h"
#include "transfer/export_records.h"
#include "transfer/import_preview.h"
#include "transfer/import_records.h"
#include "transfer/import_undo.h"
#include "transfer/known_headings.h"
#include "transfer/remembered_pairings.h"

namespace cli {

namespace {

// A failure with its reason for standard error: exit status 1.
struct Failure {
    QString reason;
};

void say(FILE* to, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), to);
}

QString fromArg(const char* arg)
{
    return QFile::decodeName(arg);
}

// The database's path without ".DBF", beside which its settings and its last import are kept.
QString basePath(const QString& table)
{
    return store::withoutTableSuffix(QFileInfo(table).absoluteFilePath());
}

void openTable(dbase::Table& table, const QString& path, bool readOnly, const std::string& tag = {})
{
    const QFileInfo info(path);
    table.open(QFile::encodeName(info.absolutePath()).toStdString(), QFile::encodeName(info.fileName()).toStdString(),
               {false, readOnly, tag});
}

struct Source {
    transfer::ImportSource source;
    transfer::Pairing pairing;
    bool skipFirst = false;
};

// The source read and paired as the import window does: comma-separated files by their headings,
// the other kinds by position.
Source readSource(const QString& path, const QString& kind, bool skipFirst, const store::DatabaseSettings& settings)
{
    Source s;
    s.source.path = path;
    s.skipFirst = skipFirst;
    const QString suffix = QFileInfo(path).suffix().toLower();
    QString k = kind;
    if (k.isEmpty()) k = suffix == QLatin1String("dbf") ? QStringLiteral("dbase") : QString();
    if (k == QLatin1String("dbase")) {
        s.source.kind = transfer::SourceKind::Dbase;
        try {
            s.pairing.resize(std::size_t(transfer::dbaseFieldNames(path).size()));
        } catch (const std::exception& e) {
            throw Failure{QString::fromLocal8Bit(e.what())};
        }
        for (std::size_t i = 0; i < s.pairing.size(); ++i) s.pairing[i] = i < store::kFieldCount ? int(i) + 1 : 0;
        s.skipFirst = false;
        return s;
    }
    const store::BoundedRead file = store::readBoundedFile(path, transfer::kImportFileLimit);
    if (!file.problem.isEmpty()) throw Failure{file.problem};
    QStringList labels;
    if (k.isEmpty()) {
        // a text file: the quoted form when its first line is in it, comma-separated otherwise
        const bool quoted = !transfer::binaryRefusal(file.bytes) &&
                            transfer::firstLineRefusal(transfer::decodeTextFile(file.bytes), nullptr) == 0;
        k = suffix == QLatin1String("csv") || suffix == QLatin1String("tsv") || !quoted ? QStringLiteral("csv")
                                                                                        : QStringLiteral("ascii");
    }
    if (k == QLatin1String("ascii")) {
        s.source.kind = transfer::SourceKind::Ascii;
        if (const int reason = transfer::binaryRefusal(file.bytes)) throw Failure{transfer::refusalMessage(reason)};
        s.source.text = transfer::decodeTextFile(file.bytes);
        if (const int reason = transfer::firstLineRefusal(s.source.text, &labels))
            throw Failure{transfer::refusalMessage(reason)};
        for (int i = 0; i < labels.size(); ++i) s.pairing.push_back(i < store::kFieldCount ? i + 1 : 0);
        return s;
    }
    s.source.kind = transfer::SourceKind::Csv;
    s.source.text = transfer::decodeCsvFile(file.bytes);
    if (s.source.text.left(64 * 1024).contains(QChar(0)))
        throw Failure{QStringLiteral("The selected file is not a text file.")};
    if (s.source.text.trimmed().isEmpty()) throw Failure{QStringLiteral("The selected file holds no books.")};
    s.source.separator = transfer::detectSeparator(s.source.text);
    transfer::CsvReader reader(s.source.text, s.source.separator);
    const QStringList headings = reader.readRow().values;
    const transfer::HeadingPairing found = transfer::pairByHeadings(headings, settings.fieldNames);
    const auto remembered = transfer::rememberedPairing(settings, headings);
    s.pairing = remembered ? *remembered : found.pairing;
    s.skipFirst = skipFirst || found.recognised > 0 || remembered;
    return s;
}

int usage()
{
    std::fputs(
        "usage: bindlow-dbf import SOURCE TABLE.DBF [--csv | --ascii | --dbase] [--skip-first] [--dry-run]\n"
        "                          [--date-format FORMAT]\n"
        "       bindlow-dbf export TABLE.DBF OUT.csv --csv [--tag NAME]\n",
        stderr);
    return 2;
}

}  // namespace

int importCommand(int argc, char** argv)
{
    if (argc < 3) return usage();
    QString kind, dateFormat;
    bool skipFirst = false, dryRun = false;
    for (int i = 3; i < argc; ++i) {
        const char* a = argv[i];
        if (!std::strcmp(a, "--csv") || !std::strcmp(a, "--ascii") || !std::strcmp(a, "--dbase")) {
            if (!kind.isEmpty()) return usage();
            kind = QString::fromLatin1(a + 2);
        } else if (!std::strcmp(a, "--skip-first")) {
            skipFirst = true;
        } else if (!std::strcmp(a, "--dry-run")) {
            dryRun = true;
        } else if (!std::strcmp(a, "--date-format") && i + 1 < argc) {
            dateFormat = QString::fromLatin1(argv[++i]);
        } else {
            return usage();
        }
    }
    // the user's formats, or the date format asked for (one of the program's twelve)
    std::setlocale(LC_ALL, "");
    const store::ProgramSettings program = store::readProgramSettings(QDir::currentPath());
    regional::applyProgramFormats(program.dateFormat, program.dateLeadingZeros, program.currencyFormat,
                             program.numericFormat);
    if (!dateFormat.isEmpty()) {
        int code = 0;
        for (int c = 1; c <= regional::kDateFormats && !code; ++c)
            if (dateFormat.compare(QLatin1String(regional::dateFormatRow(c).caption), Qt::CaseInsensitive) == 0) code = c;
        if (!code) {
            std::fprintf(stderr, "bindlow-dbf: unknown date format %s (one of mm/dd/yy ... dd.mm.yyyy)\n",
                         qPrintable(dateFormat));
            return 2;
        }
        regional::current().setDateFormat(code, true);
    }
    const QString sourcePath = fromArg(argv[1]), tablePath = fromArg(argv[2]);
    const QString base = basePath(tablePath);
    store::DatabaseSettings settings = store::readDatabaseSettings(base + QStringLiteral(".INI"));
    try {
        const Source s = readSource(sourcePath, kind, skipFirst, settings);
        // shared, as the program opens it: a table another program holds exclusively is refused
        dbase::Table table;
        openTable(table, tablePath, dryRun);
        if (dryRun) {
            const transfer::ImportPreview p =
                transfer::previewImport(s.source, s.pairing, s.skipFirst, table, regional::current());
            say(stdout,
                QStringLiteral("Dry run: nothing was imported.  The file holds %1 books.  %2 values would not be "
                               "stored as they are; %3 books are already in the database or twice in the file.\n")
                    .arg(p.total)
                    .arg(p.counts.notes.size())
                    .arg(p.duplicates.size()));
            say(stdout,
                transfer::importDetails(p.counts, s.source.kind != transfer::SourceKind::Dbase, settings.fieldNames));
            for (const transfer::PreviewDuplicate& d : p.duplicates)
                say(stdout, QStringLiteral("Line %1, \"%2\": %3.\n")
                                .arg(d.line)
                                .arg(d.title, transfer::duplicateText(d.found)));
            return 0;
        }
        transfer::forgetLastImport(base);
        const transfer::ImportCounts counts =
            transfer::importBooks(s.source, s.pairing, s.skipFirst, table, regional::current());
        if (!counts.appended.empty())
            transfer::saveLastImport(base,
                                     transfer::recordImport(table, QFileInfo(sourcePath).fileName(), counts.appended));
        say(counts.stoppedAt ? stderr : stdout,
            QStringLiteral("%1 books imported.  ").arg(counts.records) + transfer::importSummary(counts) + u'\n');
        say(stdout, transfer::importDetails(counts, s.source.kind != transfer::SourceKind::Dbase, settings.fieldNames));
        return counts.stoppedAt ? 1 : 0;
    } catch (const Failure& f) {
        say(stderr, QStringLiteral("bindlow-dbf: ") + f.reason + u'\n');
    } catch (const std::exception& e) {
        say(stderr, QStringLiteral("bindlow-dbf: ") + QString::fromLocal8Bit(e.what()) + u'\n');
    }
    return 1;
}

int exportCsvCommand(int argc, char** argv)
{
    std::string tag;
    bool csv = false;
    for (int i = 3; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--csv"))
            csv = true;
        else if (!std::strcmp(argv[i], "--tag") && i + 1 < argc)
            tag = argv[++i];
        else
            return usage();
    }
    if (argc < 3 || !csv) return usage();
    const QString tablePath = fromArg(argv[1]), out = fromArg(argv[2]);
    try {
        dbase::Table table;
        openTable(table, tablePath, true, tag);
        const store::DatabaseSettings settings =
            store::readDatabaseSettings(basePath(tablePath) + QStringLiteral(".INI"));
        const auto fields = transfer::exportList(settings, table);
        QStringList headings;
        for (const auto& f : fields) headings << transfer::exportLabel(f.number, settings);
        transfer::writeCsv(out, table, fields, headings);
        return 0;
    } catch (const std::exception& e) {
        say(stderr, QStringLiteral("bindlow-dbf: ") + QString::fromLocal8Bit(e.what()) + u'\n');
    }
    return 1;
}

}  // namespace cli
