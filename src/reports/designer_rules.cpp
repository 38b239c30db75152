// SPDX-License-Identifier: GPL-2.0-or-later
#include "reports/designer_rules.h"

#include <QCoreApplication>
#include <cmath>

#include "store/field_table.h"

namespace reports {

void normaliseLine(ReportLine& line, int width)
{
    int sum = 0, last = 0;
    for (int k = 0; k < kItemsPerLine; ++k) {
        ReportItem& item = line.items[std::size_t(k)];
        if (item.width == 0) item.width = width;
        sum += item.width;
        last = k;
        if (sum >= width) break;
    }
    line.items[std::size_t(last)].width += width - sum;
    for (int k = last + 1; k < kItemsPerLine; ++k) line.items[std::size_t(k)].width = 0;
}

std::optional<WidthChange> widthChange(int from, int to)
{
    if (from == to) return std::nullopt;
    WidthChange c;
    const QString notice8 = QCoreApplication::translate("ReportDesigner", "The Report Body font size has been set to a 8 Point default size as.");
    if (to == 90) {
        c.question = QCoreApplication::translate("ReportDesigner", "Switching to 90 characters from 120 or 150 will truncate the current "
                                                              "defined lines.  In addition, the font size will be reset to a "
                                                              "10 point as a default.  Are you sure you wish to do this?");
        c.bodyFontSize = 10;
    } else if (to == 120) {
        if (from == 150)
            c.question = QCoreApplication::translate("ReportDesigner", "Switching to 120 characters from 150 will truncate the current "
                                                                  "defined lines.  In addition, the font size will be reset "
                                                                  "to a 8 point as a default.  Are you sure you wish to do "
                                                                  "this?");
        c.notice = notice8;
        c.bodyFontSize = 8;
    } else {
        c.notice = QCoreApplication::translate("ReportDesigner", "The Report Body font size has been set to a 6 Point default size as a "
                                                        "result of switching to 150 characters per line.");
        c.bodyFontSize = 6;
    }
    return c;
}

void applyWidthChange(ReportDefinition& report, int to, int bodyFontSize)
{
    const int lines = std::clamp(report.numberOfLines, 0, kBodyLines);
    for (int l = 0; l < lines; ++l) normaliseLine(report.body[std::size_t(l)], to);
    report.charsPerLine = to;
    report.bodyFont.size = bodyFontSize;
}

std::vector<CellSpan> cellSpans(const ReportLine& line, int charsPerLine, double factor)
{
    std::vector<CellSpan> spans;
    const double left = kLayoutLeft * factor, right = kLayoutRight * factor;
    const int w = charsPerLine > 0 ? charsPerLine : 90;
    const int used = line.usedItems();
    int sum = 0;
    double edge = left;
    for (int k = 0; k < used; ++k) {
        sum += line.items[std::size_t(k)].width;
        const bool last = k == kItemsPerLine - 1 || k + 1 >= used;
        const double r = last ? right : std::min(right, left + std::round((right - left) / w * sum));
        spans.push_back({k + 1, edge, r});
        edge = r;
    }
    return spans;
}

LayoutCell hitTest(double x, double y, const ReportDefinition& report, int numberOfLines, int charsPerLine,
                   double factor)
{
    LayoutCell cell;
    if (x < kLayoutLeft * factor || x > kLayoutRight * factor) return cell;
    const int lines = std::clamp(numberOfLines, 0, kBodyLines);
    const double top = kLayoutBodyTop * factor, row = kLayoutRowHeight * factor;
    const ReportLine* line = nullptr;
    // the bottom edge of the last row belongs to no row
    if (lines > 0 && y >= top && y < top + lines * row) {
        cell.line = std::min(int((y - top) / row) + 1, lines);
        line = &report.body[std::size_t(cell.line - 1)];
    } else if (y >= kLayoutTotalsTop * factor && y <= kLayoutTotalsBottom * factor) {
        cell.line = kTotalsLine;
        line = &report.totals;
    } else {
        return cell;
    }
    const auto spans = cellSpans(*line, charsPerLine, factor);
    if (spans.empty()) {
        cell.item = 1;
        return cell;
    }
    for (const CellSpan& s : spans)
        if (s.right >= x) {
            cell.item = s.item;
            return cell;
        }
    cell.item = spans.back().item;
    return cell;
}

QString cellCaption(const ReportItem& item, bool totals, const std::array<QString, 36>& displayNames)
{
    if (item.isFiller()) return QStringLiteral("Filler");
    if (item.isLabel()) return item.label;
    if (totals) return item.name;
    for (int n = 1; n <= store::kFieldCount; ++n)
        if (item.name == QLatin1String(store::fieldDef(n).name)) return displayNames[std::size_t(n - 1)];
    return item.name;
}

}  // namespace reports
