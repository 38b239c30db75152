// SPDX-License-Identifier: GPL-2.0-or-later
// The designer's rules: widths kept to the line, changing the characters per line, the cells of
// the layout drawing and the cell a click falls on.
#include <gtest/gtest.h>

#include "reports/designer_rules.h"

using namespace reports;

namespace {

ReportLine lineOf(std::initializer_list<int> widths)
{
    ReportLine line;
    int k = 0;
    for (int w : widths) line.items[std::size_t(k++)].width = w;
    return line;
}

std::vector<int> widths(const ReportLine& line)
{
    std::vector<int> out;
    for (int k = 0; k < line.usedItems(); ++k) out.push_back(line.items[std::size_t(k)].width);
    return out;
}

}  // namespace

TEST(DesignerRules, LinesAreKeptToTheirWidth)
{
    ReportLine zero = lineOf({30, 0, 20, 10});  // width 0: the rest of the line
    normaliseLine(zero, 90);
    EXPECT_EQ(widths(zero), (std::vector<int> {30, 60}));
    EXPECT_EQ(zero.items[2].width, 0);

    ReportLine wide = lineOf({100, 20});
    normaliseLine(wide, 90);
    EXPECT_EQ(widths(wide), (std::vector<int> {90}));

    ReportLine shortLine = lineOf({10, 10});  // the terminator takes up the rest
    normaliseLine(shortLine, 90);
    EXPECT_EQ(widths(shortLine), (std::vector<int> {10, 10, 70}));

    ReportLine full;  // twenty items that fall short: the last one is widened
    for (auto& item : full.items) item.width = 2;
    normaliseLine(full, 90);
    EXPECT_EQ(full.items[19].width, 52);

    ReportDefinition r;
    r.charsPerLine = 150;
    r.numberOfLines = 1;
    r.body[0] = lineOf({60, 60, 30});
    r.body[1] = lineOf({150});  // beyond the number of lines: untouched
    auto change = widthChange(150, 90);
    ASSERT_TRUE(change);
    applyWidthChange(r, 90, change->bodyFontSize);
    EXPECT_EQ(widths(r.body[0]), (std::vector<int> {60, 30}));
    EXPECT_EQ(widths(r.body[1]), (std::vector<int> {150}));
    EXPECT_EQ(r.bodyFont.size, 10);
    change = widthChange(90, 150);
    applyWidthChange(r, 150, change->bodyFontSize);
    EXPECT_EQ(widths(r.body[0]), (std::vector<int> {60, 30, 60}));
    EXPECT_EQ(r.bodyFont.size, 6);
}

TEST(DesignerRules, WhatAChangeOfWidthAsksAndSays)
{
    EXPECT_FALSE(widthChange(120, 120));
    EXPECT_TRUE(widthChange(120, 90)->question.startsWith(QStringLiteral("Switching to 90 characters from 120 or 150")));
    EXPECT_TRUE(widthChange(120, 90)->notice.isEmpty());
    EXPECT_TRUE(widthChange(150, 120)->question.startsWith(QStringLiteral("Switching to 120 characters from 150")));
    EXPECT_TRUE(widthChange(90, 120)->question.isEmpty());
    EXPECT_EQ(widthChange(90, 120)->notice, QStringLiteral("The Report Body font size has been set to a 8 Point default size as."));
    EXPECT_EQ(widthChange(120, 150)->bodyFontSize, 6);
    EXPECT_TRUE(widthChange(120, 150)->question.isEmpty());
}

TEST(DesignerRules, CellsAndTheCellAClickFallsOn)
{
    ReportDefinition r;
    r.numberOfLines = 2;
    r.body[0] = lineOf({45, 45});
    r.body[1] = lineOf({90});
    r.totals = lineOf({30, 60});
    const auto spans = cellSpans(r.body[0], 90, 1.0);
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_DOUBLE_EQ(spans[0].left, 4);
    EXPECT_DOUBLE_EQ(spans[0].right, 4 + std::round(625.0 / 90 * 45));
    EXPECT_DOUBLE_EQ(spans[1].right, 629);

    EXPECT_EQ(hitTest(10, 80, r, 2, 90, 1.0), (LayoutCell {1, 1}));
    EXPECT_EQ(hitTest(600, 80, r, 2, 90, 1.0), (LayoutCell {1, 2}));
    EXPECT_EQ(hitTest(600, 114.9, r, 2, 90, 1.0), (LayoutCell {2, 1}));
    // the bottom edge of the last row is no row: line 3 is not there
    EXPECT_FALSE(hitTest(600, 115, r, 2, 90, 1.0).valid());
    EXPECT_FALSE(hitTest(630, 80, r, 2, 90, 1.0).valid());
    EXPECT_EQ(hitTest(300, 375, r, 2, 90, 1.0), (LayoutCell {kTotalsLine, 2}));
    // scaled by the screen-size factor
    EXPECT_EQ(hitTest(600 * 1.6, 80 * 1.6, r, 2, 90, 1.6), (LayoutCell {1, 2}));
    // an empty line can be given its first item
    r.body[1] = lineOf({0});
    EXPECT_EQ(hitTest(300, 100, r, 2, 90, 1.0), (LayoutCell {2, 1}));

    std::array<QString, 36> names;
    names[1] = QStringLiteral("Writer");
    ReportItem author;
    author.name = QStringLiteral("Author");
    EXPECT_EQ(cellCaption(author, false, names), QStringLiteral("Writer"));
    author.name = QStringLiteral("Nickname");
    EXPECT_EQ(cellCaption(author, false, names), QStringLiteral("Nickname"));
    ReportItem filler;
    EXPECT_EQ(cellCaption(filler, false, names), QStringLiteral("Filler"));
}
