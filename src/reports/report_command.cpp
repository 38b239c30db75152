// SPDX-License-Identifier: GPL-2.0-or-later
#include "reports/report_command.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "dbase/error.h"
#include "dbase/table.h"
#include "regional/regional.h"
#include "render/page_device.h"
#include "reports/report_file.h"
#include "reports/report_run.h"
#include "store/book_table.h"
#include "store/dataset.h"
#include "store/settings.h"

namespace reports {

std::optional<ReportRequest> reportRequested(const QStringList& parameters, QString* error)
{
    if (!parameters.contains(QStringLiteral("--report"))) return std::nullopt;
    ReportRequest r;
    for (int i = 0; i < parameters.size(); ++i) {
        const QString& p = parameters[i];
        QString* target = p == QLatin1String("--report")     ? &r.name
                          : p == QLatin1String("--output")   ? &r.output
                          : p == QLatin1String("--database") ? &r.database
                                                             : nullptr;
        if (!target || i + 1 >= parameters.size()) {
            *error = target ? QStringLiteral("%1 needs a value.").arg(p) : QStringLiteral("Unknown parameter: %1").arg(p);
            return std::nullopt;
        }
        *target = parameters[++i];
    }
    if (r.output.isEmpty()) {
        *error = QStringLiteral("--report needs --output FILE (.pdf or .txt).");
        return std::nullopt;
    }
    const QString suffix = QFileInfo(r.output).suffix().toLower();
    if (suffix != QLatin1String("pdf") && suffix != QLatin1String("txt")) {
        *error = QStringLiteral("The output file must end in .pdf or .txt: %1").arg(r.output);
        return std::nullopt;
    }
    return r;
}

namespace {

void applyFormats(const store::ProgramSettings& settings)
{
    regional::applyProgramFormats(settings.dateFormat, settings.dateLeadingZeros, settings.currencyFormat, settings.numericFormat);
}

// The named report: from the report file, or from the built-in reports while the program has
// not yet written that file.
std::optional<reports::ReportDefinition> findReport(const QString& programDirectory, const QString& name,
                                                     QString* problem)
{
    const QString path = reportFileIn(programDirectory);
    if (!QFileInfo::exists(path)) {
        for (const auto& r : reports::builtInReports())
            if (r.name == name) return r;
        return std::nullopt;
    }
    const reports::ReportFile file(path);
    *problem = file.problem();
    if (!problem->isEmpty()) return std::nullopt;
    const QStringList names = file.listNames();
    const int n = int(names.indexOf(name));
    return n < 0 ? std::nullopt : file.read(n);
}

}  // namespace

int runReportCommand(const ReportRequest& request, const ReportCommandPlaces& places, const dbase::Date& today,
                     QString* error)
{
    const store::ProgramSettings settings = store::readProgramSettings(places.startDirectory);
    applyFormats(settings);
    QString problem;
    const auto report = findReport(places.programDirectory, request.name, &problem);
    if (!report) {
        *error = problem.isEmpty() ? QString::fromLatin1(reports::kReportNotFound)
                                   : QStringLiteral("The report file cannot be read: %1").arg(problem);
        return 1;
    }
    // the table named, or the one the program would open
    QString database = request.database;
    if (database.isEmpty()) {
        database = settings.lastDatabase;
        if (database.isEmpty() || !QFileInfo(database).isFile())
            database = QDir(places.programDirectory).filePath(QStringLiteral("MASTER.DBF"));
    }
    const QFileInfo info(database);
    const QString basePath = QDir(info.absolutePath()).filePath(info.completeBaseName());
    const store::DatabaseSettings db = store::readDatabaseSettings(basePath + QStringLiteral(".INI"));

    reports::RunInput input;
    input.report = &*report;
    input.sortLevels = db.sortOrder;
    for (int i = 0; i < store::kFieldCount; ++i) input.displayNames[std::size_t(i)] = db.fieldNames[std::size_t(i)];
    input.today = today;
    const bool pdf = request.output.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
    input.mode = pdf ? reports::RunMode::Print : reports::RunMode::TextFile;
    input.textFile = request.output;
    try {
        dbase::Table table;
        const bool sorted = std::any_of(db.sortOrder.begin(), db.sortOrder.end(), [](int f) { return f > 0; });
        const std::string tag = sorted && store::BookTableFiles::HasSortTag(info.absoluteFilePath()) ? "NewIndex" : "";
        const auto folder = store::toPath(info.absolutePath());
        const std::string name = QFile::encodeName(info.fileName()).toStdString();
        try {
            table.open(folder, name, {false, true, tag});
        } catch (const dbase::DatabaseError&) {
            // an index that cannot be read does not stop the report: the run orders the books itself
            table.open(folder, name, {false, true, {}, true});
        }
        input.table = &table;
        render::ReportEngine engine;
        if (pdf) {
            render::PdfDevice device(request.output, render::usualPaper());
            device.setDocumentTitle(report->name);
            reports::runReport(input, engine, device);
        } else {
            render::StreamDevice device(render::usualPaper());
            reports::runReport(input, engine, device);
        }
    } catch (const dbase::DatabaseError& e) {
        *error = QString::fromLocal8Bit(e.what());
        return 1;
    } catch (const std::exception& e) {
        *error = QString::fromLocal8Bit(e.what());
        return 1;
    }
    return 0;
}

}  // namespace reports
