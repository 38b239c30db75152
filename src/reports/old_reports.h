// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The report file of the program's earlier version, "BOOK.URP": 19831-byte records that hold a
// report without fonts, margins or ruling. Its users' own reports are taken over once.
#include <QString>
#include <optional>

#include "reports/report_definition.h"

namespace reports {

class ReportFile;

inline constexpr int kOldRecordSize = 19831;

// An earlier record (kOldRecordSize bytes) as this program's report; nullopt for one of the
// earlier version's own reports, which the built-in reports replace.
std::optional<ReportDefinition> convertOldReport(const char* oldRecord);

// Appends the users' reports of the earlier file to target in one write, then deletes the earlier
// file. False, and the earlier file kept, when it cannot be read or its reports cannot be added.
bool importOldReports(const QString& oldPath, ReportFile& target);

}  // namespace reports
