// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// One run of a report: the layout and the books of the open table, in its order and through its
// filter, turned into pages on a device (printer, recorded pages, PDF), or into a text file whose
// pages break where they would on paper.
#include <QString>
#include <array>
#include <functional>
#include <stdexcept>

#include "dbase/table.h"
#include "dbase/values.h"
#include "render/report_engine.h"
#include "reports/report_definition.h"

namespace reports {

enum class RunMode { Print = 1, View = 2, TextFile = 3 };

// A run that could not go on (a text file that cannot be written, a layout that leaves no room
// for a line); what() says why.
class ReportRunError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct RunInput {
    const ReportDefinition* report = nullptr;
    const dbase::Table* table = nullptr;  // its visible records in its order are printed
    std::array<int, 4> sortLevels {};     // field numbers of the sort order, 0 for none
    std::array<QString, 36> displayNames; // column captions by field number - 1
    dbase::Date today {};
    RunMode mode = RunMode::View;
    QString textFile;  // the text file mode's output
    // Called now and then during the run (at most every 50 ms), e.g. to let a Cancel button work.
    std::function<void()> idle;
};

struct RunResult {
    bool completed = false;  // false: aborted
    int pages = 0;
};

// What a report's margins leave no room for on a page of this size (inches, turned as the
// report prints): a character across the page between the left and right margins, or a line of
// the body between the page's header and its footer.
enum class MarginFault { None, Across, Down };
MarginFault marginFault(const ReportDefinition& report, QSizeF page);

// Runs the report on the device (for the text file mode: a stream device for the pagination).
// The table's current record is not moved. Throws ReportRunError, or render::RenderError
// from the device.
RunResult runReport(const RunInput& input, render::ReportEngine& engine, render::PageDevice& device);

}  // namespace reports
