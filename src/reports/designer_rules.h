// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The report designer's rules that need no window: keeping a line's widths adding up to the
// characters per line, changing the characters per line, where the cells of the layout drawing
// lie and which cell a click falls on, and the names the cells show.
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "reports/report_definition.h"

namespace reports {

// Widths add up to width: a width of 0 fills the rest of the line; items past the line's end get
// width 0; the last item is widened or narrowed to end the line exactly.
void normaliseLine(ReportLine& line, int width);

// What a change of the characters per line asks and says, and the body font size it sets.
struct WidthChange {
    QString question;  // empty: no question
    QString notice;    // empty: no notice
    int bodyFontSize = 10;
};
// nullopt when the width does not change.
std::optional<WidthChange> widthChange(int from, int to);
// Cuts or widens every body line in use to the new width and sets the body font size.
void applyWidthChange(ReportDefinition& report, int to, int bodyFontSize);

// The layout drawing, in window units at screen factor 1.
inline constexpr int kLayoutLeft = 4, kLayoutRight = 629;
inline constexpr int kLayoutBodyTop = 75, kLayoutRowHeight = 20;
inline constexpr int kLayoutTotalsTop = 355, kLayoutTotalsBottom = 375;
inline constexpr int kTotalsLine = 100;  // the line number of the totals line

struct CellSpan {
    int item = 0;  // 1-based
    double left = 0, right = 0;
};
// The cells of a line across the layout area, scaled by factor.
std::vector<CellSpan> cellSpans(const ReportLine& line, int charsPerLine, double factor);

struct LayoutCell {
    int line = 0;  // 1..12, kTotalsLine, or 0 for none
    int item = 0;  // 1..20, or 0 for none
    bool valid() const { return line > 0 && item > 0; }
    bool operator==(const LayoutCell&) const = default;
};
// The cell under (x, y) (window units scaled by factor). A row holding no item yet answers item 1,
// so that an empty line can be given its first item.
LayoutCell hitTest(double x, double y, const ReportDefinition& report, int numberOfLines, int charsPerLine,
                   double factor);

// What a cell of the layout shows: a field's display name (a stored name found among the
// internal names shows the display name at the same position; others as stored; totals items
// show their stored name), a label's text, or "Filler".
QString cellCaption(const ReportItem& item, bool totals, const std::array<QString, 36>& displayNames);

}  // namespace reports
