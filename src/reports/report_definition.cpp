// SPDX-License-Identifier: GPL-2.0-or-later
#include "reports/report_definition.h"

#include <QList>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "store/codepage.h"

namespace reports {

namespace {

// Where each part sits in the record.
constexpr int kName = 0;
constexpr int kCharsPerLine = 31;
constexpr int kTitleFont = 33, kHeaderFont = 94, kBodyFont = 155, kSpareFont = 216, kFootnoteFont = 277;
constexpr int kColumnHeaders = 338, kPageNumbers = 339, kLandscape = 340, kDateOnPages = 341, kUseTotals = 342;
constexpr int kNumberOfLines = 343;
constexpr int kTotals = 345;
constexpr int kTopMargin = 1845, kBottomMargin = 1853, kLeftMargin = 1861, kRightMargin = 1869;
constexpr int kVerticalLines = 1877, kHorizontalLines = 1878;
constexpr int kTitles = 1879;  // three strings of 81 bytes
constexpr int kBody = 2122;
constexpr int kGroupLevel1 = 20122, kGroupLevel2 = 20123;

constexpr int kLineSize = 1500, kItemSize = 75, kTitleSize = 81;

// Sizes of the short strings' fields (characters).
constexpr int kNameChars = 30, kFontNameChars = 50, kLabelChars = 40, kTitleChars = 80;

// --- writing ----------------------------------------------------------------------------------

// Text as Windows-1252, one byte per character: a character the code page cannot hold becomes '?'.
std::string ansi(const QString& text)
{
    std::string out;
    for (char32_t c : text.toUcs4()) {
        const auto b = store::toCp1252(QString::fromUcs4(&c, 1));
        out.push_back(b && b->size() == 1 ? (*b)[0] : '?');
    }
    return out;
}

void putString(char* at, int chars, const QString& text)
{
    std::string bytes = ansi(text);
    if (int(bytes.size()) > chars) bytes.resize(std::size_t(chars));
    at[0] = char(static_cast<unsigned char>(bytes.size()));
    std::memcpy(at + 1, bytes.data(), bytes.size());  // the rest of the field stays zero
}

// A value past the field's range is stored as its nearest end rather than wrapped round.
void putSmallint(char* at, int value)
{
    const auto v = static_cast<std::uint16_t>(static_cast<std::int16_t>(std::clamp(value, -32768, 32767)));
    at[0] = char(v & 0xFF);
    at[1] = char(v >> 8);
}

void putInt32(char* at, int value)
{
    const auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) at[i] = char((v >> (8 * i)) & 0xFF);
}

void putReal(char* at, double value)
{
    std::uint64_t v;
    std::memcpy(&v, &value, sizeof v);
    for (int i = 0; i < 8; ++i) at[i] = char((v >> (8 * i)) & 0xFF);
}

void putFlag(char* at, bool on) { at[0] = on ? 1 : 0; }

void putFont(char* at, const ReportFont& f)
{
    putString(at, kFontNameChars, f.name);
    putSmallint(at + 51, f.size);
    putFlag(at + 53, f.bold);
    putFlag(at + 54, f.italic);
    putFlag(at + 55, f.underline);
    putFlag(at + 56, f.strikeOut);
    putInt32(at + 57, f.color);
}

void putLine(char* at, const ReportLine& line)
{
    for (int k = 0; k < kItemsPerLine; ++k) {
        const ReportItem& item = line.items[std::size_t(k)];
        char* i = at + k * kItemSize;
        putString(i, kNameChars, item.name);
        i[31] = char(static_cast<unsigned char>(std::clamp(item.fieldNumber, 0, 255)));
        putSmallint(i + 32, item.width);
        putString(i + 34, kLabelChars, item.label);
    }
}

// --- reading ----------------------------------------------------------------------------------

// A short string never reaches past its field, whatever its length byte says.
QString getString(const char* at, int chars)
{
    const int length = std::min(int(static_cast<unsigned char>(at[0])), chars);
    return store::fromCp1252(std::string_view(at + 1, std::size_t(length)));
}

int getSmallint(const char* at)
{
    const auto v = std::uint16_t(static_cast<unsigned char>(at[0]) | (static_cast<unsigned char>(at[1]) << 8));
    return static_cast<std::int16_t>(v);
}

int getInt32(const char* at)
{
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= std::uint32_t(static_cast<unsigned char>(at[i])) << (8 * i);
    return static_cast<std::int32_t>(v);
}

// A margin that is not a number at all, or none the designer takes, is read as the usual half inch.
double getMargin(const char* at)
{
    std::uint64_t v = 0;
    for (int i = 0; i < 8; ++i) v |= std::uint64_t(static_cast<unsigned char>(at[i])) << (8 * i);
    double d;
    std::memcpy(&d, &v, sizeof d);
    return std::isfinite(d) && d >= 0 && d <= kMostMargin ? d : 0.5;
}

bool getFlag(const char* at) { return at[0] != 0; }

ReportFont getFont(const char* at)
{
    ReportFont f;
    f.name = getString(at, kFontNameChars);
    const int size = getSmallint(at + 51);
    f.size = size >= kLeastFontSize && size <= kMostFontSize ? size : 10;
    f.bold = getFlag(at + 53);
    f.italic = getFlag(at + 54);
    f.underline = getFlag(at + 55);
    f.strikeOut = getFlag(at + 56);
    f.color = getInt32(at + 57);
    return f;
}

ReportLine getLine(const char* at)
{
    ReportLine line;
    for (int k = 0; k < kItemsPerLine; ++k) {
        ReportItem& item = line.items[std::size_t(k)];
        const char* i = at + k * kItemSize;
        item.name = getString(i, kNameChars);
        item.fieldNumber = static_cast<unsigned char>(i[31]);
        item.width = getSmallint(i + 32);
        item.label = getString(i + 34, kLabelChars);
    }
    // widths as the designer and the built-in reports write them: none past 150, a line's used
    // items together no more than the widest built-in line; the first item past that ends it
    int used = 0;
    bool ended = false;
    for (ReportItem& item : line.items) {
        item.width = std::clamp(item.width, 0, kMostItemWidth);
        if (ended) continue;
        item.width = std::min(item.width, kMostLineWidth - used);
        used += item.width;
        ended = item.width == 0;
    }
    return line;
}

}  // namespace

int ReportLine::usedItems() const
{
    int n = 0;
    while (n < kItemsPerLine && items[std::size_t(n)].width > 0) ++n;
    return n;
}

QByteArray encodeReport(const ReportDefinition& r)
{
    QByteArray record(kRecordSize, '\0');
    char* d = record.data();
    putString(d + kName, kNameChars, r.name);
    putSmallint(d + kCharsPerLine, r.charsPerLine);
    putFont(d + kTitleFont, r.titleFont);
    putFont(d + kHeaderFont, r.headerFont);
    putFont(d + kBodyFont, r.bodyFont);
    putFont(d + kSpareFont, r.spareFont);
    putFont(d + kFootnoteFont, r.footnoteFont);
    putFlag(d + kColumnHeaders, r.columnHeaders);
    putFlag(d + kPageNumbers, r.pageNumbers);
    putFlag(d + kLandscape, r.landscape);
    putFlag(d + kDateOnPages, r.dateOnPages);
    putFlag(d + kUseTotals, r.useTotals);
    putSmallint(d + kNumberOfLines, r.numberOfLines);
    putLine(d + kTotals, r.totals);
    putReal(d + kTopMargin, r.topMargin);
    putReal(d + kBottomMargin, r.bottomMargin);
    putReal(d + kLeftMargin, r.leftMargin);
    putReal(d + kRightMargin, r.rightMargin);
    putFlag(d + kVerticalLines, r.verticalLines);
    putFlag(d + kHorizontalLines, r.horizontalLines);
    for (int t = 0; t < 3; ++t) putString(d + kTitles + t * kTitleSize, kTitleChars, r.titles[std::size_t(t)]);
    for (int l = 0; l < kBodyLines; ++l) putLine(d + kBody + l * kLineSize, r.body[std::size_t(l)]);
    putFlag(d + kGroupLevel1, r.groupLevel1);
    putFlag(d + kGroupLevel2, r.groupLevel1 && r.groupLevel2);  // the second level stands on the first
    return record;
}

ReportDefinition decodeReport(const char* d)
{
    ReportDefinition r;
    r.name = getString(d + kName, kNameChars);
    const int chars = getSmallint(d + kCharsPerLine);
    r.charsPerLine = chars == 150 || chars == 120 ? chars : 90;
    r.titleFont = getFont(d + kTitleFont);
    r.headerFont = getFont(d + kHeaderFont);
    r.bodyFont = getFont(d + kBodyFont);
    r.spareFont = getFont(d + kSpareFont);
    r.footnoteFont = getFont(d + kFootnoteFont);
    r.columnHeaders = getFlag(d + kColumnHeaders);
    r.pageNumbers = getFlag(d + kPageNumbers);
    r.landscape = getFlag(d + kLandscape);
    r.dateOnPages = getFlag(d + kDateOnPages);
    r.useTotals = getFlag(d + kUseTotals);
    r.numberOfLines = std::clamp(getSmallint(d + kNumberOfLines), 0, kBodyLines);
    r.totals = getLine(d + kTotals);
    r.topMargin = getMargin(d + kTopMargin);
    r.bottomMargin = getMargin(d + kBottomMargin);
    r.leftMargin = getMargin(d + kLeftMargin);
    r.rightMargin = getMargin(d + kRightMargin);
    r.verticalLines = getFlag(d + kVerticalLines);
    r.horizontalLines = getFlag(d + kHorizontalLines);
    for (int t = 0; t < 3; ++t) r.titles[std::size_t(t)] = getString(d + kTitles + t * kTitleSize, kTitleChars);
    for (int l = 0; l < kBodyLines; ++l) r.body[std::size_t(l)] = getLine(d + kBody + l * kLineSize);
    r.groupLevel1 = getFlag(d + kGroupLevel1);
    r.groupLevel2 = r.groupLevel1 && getFlag(d + kGroupLevel2);
    return r;
}

QString totalsFieldName(int number)
{
    static const char* const kNames[kTotalsFields] = {"Cost", "Value", "Low Market", "High Market", "Quantity"};
    return number >= 1 && number <= kTotalsFields ? QString::fromLatin1(kNames[number - 1]) : QString();
}

namespace {
// Every line all fillers, the first one wide enough to fill any line.
void blankLines(ReportDefinition& r)
{
    auto blank = [](ReportLine& line) {
        line = ReportLine();
        line.items[0].width = 150;
    };
    blank(r.totals);
    for (ReportLine& line : r.body) blank(line);
}

ReportFont font(const char* name, int size, bool bold)
{
    ReportFont f;
    f.name = QString::fromLatin1(name);
    f.size = size;
    f.bold = bold;
    return f;
}
}  // namespace

ReportDefinition newReport()
{
    ReportDefinition r;
    r.name.clear();
    r.charsPerLine = 90;
    r.numberOfLines = 1;
    r.titleFont = r.headerFont = r.footnoteFont = font("Courier New", 10, true);
    r.bodyFont = r.spareFont = font("Courier New", 10, false);
    r.columnHeaders = r.pageNumbers = r.dateOnPages = r.useTotals = true;
    r.landscape = false;
    r.verticalLines = r.horizontalLines = true;
    r.groupLevel1 = true;
    r.groupLevel2 = false;
    r.topMargin = r.bottomMargin = r.leftMargin = r.rightMargin = 0.5;
    r.titles = {};
    blankLines(r);
    return r;
}

ReportDefinition blankReport()
{
    ReportDefinition r = newReport();
    r.charsPerLine = 120;
    r.titleFont = r.headerFont = r.bodyFont = r.spareFont = r.footnoteFont = font("Arial", 8, false);
    r.verticalLines = r.horizontalLines = false;
    return r;
}

}  // namespace reports
