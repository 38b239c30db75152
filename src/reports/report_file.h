// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The report definitions file "KAVBOOK.URP": a plain sequence of report records with no header.
// A record's position is the report's identity. Every change rewrites the file through a
// temporary file renamed over the old one, so a failed write leaves every report as it was.
#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>
#include <vector>

#include "reports/report_definition.h"

namespace reports {

inline constexpr const char* kReportFileName = "KAVBOOK.URP";
inline constexpr const char* kOldReportFileName = "BOOK.URP";
inline constexpr const char* kReportNotFound = "Report format could not be located.";

// The report definitions file of the program directory (or of any other folder, a backup's).
QString reportFileIn(const QString& folder);

// A read or write of the report file that failed; what() says why.
class ReportFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The most a report file may hold (some 3,000 reports); a larger one, or one that is no regular
// file, is not read.
inline constexpr qint64 kReportFileLimit = 64 * 1024 * 1024;

class ReportFile {
public:
    explicit ReportFile(QString path) : path_(std::move(path)) {}
    const QString& path() const { return path_; }
    // Why the file cannot be read (not a regular file, too large); empty when it can or is missing.
    QString problem() const;

    // The names of the whole records in file order; empty when the file cannot be read.
    QStringList listNames() const;
    // Number of whole records; 0 when the file cannot be read.
    int count() const;
    // Record n, or nullopt when the file cannot be read or holds no record n.
    std::optional<ReportDefinition> read(int n) const;
    // Writes record n; n at or beyond the count appends. A missing file is created; an existing
    // file that cannot be replaced is left whole and ReportFileError is thrown.
    void overwrite(int n, const ReportDefinition& report);
    // Appends and returns the new record's number.
    int append(const ReportDefinition& report);
    // Appends all of them in one write, so either every one is added or none; returns the first
    // one's number.
    int appendAll(const std::vector<ReportDefinition>& reports);
    // Removes record n; n not below the count changes nothing.
    void remove(int n);

private:
    QString path_;
};

// At start-up: builds the default file with the built-in reports when none exists in the
// program folder, then takes over the reports of an earlier "BOOK.URP" and deletes it. Fails
// silently.
void ensureReportFile(const QString& programDirectory);

}  // namespace reports
