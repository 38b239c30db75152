// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Reports from the command line: "bindlow --report NAME --output FILE [--database FILE.DBF]"
// writes a report over the books in the database's sort order without opening a window.
#include <QString>
#include <QStringList>
#include <optional>

#include "dbase/values.h"

namespace reports {

struct ReportRequest {
    QString name, output, database;
};

// The request when the parameters ask for a report; error says what is wrong with a request
// that is not whole (and the result is then empty).
std::optional<ReportRequest> reportRequested(const QStringList& parameters, QString* error);

struct ReportCommandPlaces {
    QString programDirectory;  // where KAVBOOK.URP and MASTER.DBF are
    QString startDirectory;    // the program settings' start folder
};

// Runs the request: a PDF file when the output ends in ".pdf", the report's text file when it
// ends in ".txt". Returns 0, or 1 with one line in error. Changes no file but the output.
int runReportCommand(const ReportRequest& request, const ReportCommandPlaces& places, const dbase::Date& today,
                     QString* error);

}  // namespace reports
