// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A report layout as the report definitions file holds it: one 20622-byte record per report,
// with its fonts, its up to 12 body lines and its totals line of up to 20 items each.
#include <QByteArray>
#include <QString>
#include <array>

namespace reports {

inline constexpr int kRecordSize = 20622;

// What a stored report may hold, as the designer and the built-in reports write it; a stored
// value past these is read as the nearest one (widths) or the usual one (sizes, margins).
inline constexpr int kMostItemWidth = 150;
inline constexpr int kMostLineWidth = 157;  // the built-in totals line
inline constexpr int kLeastFontSize = 4, kMostFontSize = 72;
inline constexpr double kMostMargin = 20;  // inches
inline constexpr int kItemsPerLine = 20;
inline constexpr int kBodyLines = 12;
inline constexpr int kTotalsFields = 5;  // Cost, Value, Low Market, High Market, Quantity

struct ReportFont {
    QString name = QStringLiteral("Courier New");  // at most 50 characters
    int size = 10;                                 // points
    bool bold = false, italic = false, underline = false, strikeOut = false;
    int color = 0;  // Windows RGB: red in the low byte
};

struct ReportItem {
    QString name = QStringLiteral("<FILLER>");  // "<FILLER>", "<LABEL>" or a field name; at most 30
    int fieldNumber = 0;                         // 1..36 in a body line, 1..5 in the totals line
    int width = 0;                               // characters; 0 or less ends the line
    QString label;                               // text of a label item; at most 40

    bool isFiller() const { return name == QLatin1String("<FILLER>"); }
    bool isLabel() const { return name == QLatin1String("<LABEL>"); }
    bool isField() const { return !isFiller() && !isLabel(); }
};

struct ReportLine {
    std::array<ReportItem, kItemsPerLine> items;
    // The items before the first one whose width is 0 or less.
    int usedItems() const;
};

struct ReportDefinition {
    QString name;          // at most 30 characters
    int charsPerLine = 90; // 90, 120 or 150
    ReportFont titleFont, headerFont, bodyFont, spareFont, footnoteFont;
    bool columnHeaders = true, pageNumbers = true, landscape = false, dateOnPages = true, useTotals = true;
    int numberOfLines = 1;  // 0..12
    ReportLine totals;
    double topMargin = 0.5, bottomMargin = 0.5, leftMargin = 0.5, rightMargin = 0.5;  // inches
    bool verticalLines = true, horizontalLines = true;
    std::array<QString, 3> titles;  // at most 80 characters each
    std::array<ReportLine, kBodyLines> body;
    bool groupLevel1 = true, groupLevel2 = false;
};

// The record as stored: exactly kRecordSize bytes, strings cut to their fields, text in
// Windows-1252, the reserved area zeroed.
QByteArray encodeReport(const ReportDefinition& report);
// Reads a stored record (kRecordSize bytes) and makes it safe to use whatever it holds: number of
// lines kept to 0..12, characters per line other than 120 or 150 read as 90, string lengths
// above their field's size cut. Field numbers are kept as stored; the generation shows an
// out-of-range one as a blank cell.
ReportDefinition decodeReport(const char* record);

// A new report as the designer starts it.
ReportDefinition newReport();
// The record the default file's built-in reports start from.
ReportDefinition blankReport();
// The eight built-in reports in file order.
std::array<ReportDefinition, 8> builtInReports();

// The totals field names by number 1..5 ("Cost" ... "Quantity").
QString totalsFieldName(int number);

}  // namespace reports
