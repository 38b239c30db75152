// SPDX-License-Identifier: GPL-2.0-or-later
// The engine's cells, borders and lines, looked at in the pixels of a page.
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "render/page_device.h"
#include "render/report_engine.h"

using namespace render;

namespace {

// One page painted into an image at 100 dots per inch.
class ImageDevice : public PainterDevice {
public:
    static constexpr int kDpi = 100;
    ImageDevice() : image_(850, 1100, QImage::Format_RGB32)
    {
        const int dpm = qRound(kDpi / 0.0254);
        image_.setDotsPerMeterX(dpm);
        image_.setDotsPerMeterY(dpm);
    }
    QSizeF pageSizeInches() const override { return {8.5, 11}; }
    void setOrientation(QPageLayout::Orientation) override {}
    void begin() override { image_.fill(Qt::white); }
    void startPage() override
    {
        painter_.begin(&image_);
        attach(&painter_, kDpi, kDpi);
    }
    void finishPage() override
    {
        detach();
        painter_.end();
    }
    void end(bool) override {}
    const QImage& image() const { return image_; }

private:
    QImage image_;
    QPainter painter_;
};

// The leftmost and rightmost dark columns between x0 and x1 (pixels) in rows y0..y1.
std::pair<int, int> inkSpan(const QImage& img, int x0, int x1, int y0, int y1)
{
    int first = -1, last = -1;
    for (int x = x0; x < x1; ++x)
        for (int y = y0; y < y1; ++y)
            if (qGray(img.pixel(x, y)) < 128) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    return {first, last};
}

}  // namespace

TEST(ReportEngine, CellsJustifyTheirTextInsideTheInnerMargin)
{
    ImageDevice device;
    ReportEngine engine;
    engine.setMargins(0.5, 0.5, 0.5, 0.5);
    double lineTop = 0, lineHeight = 0;
    ReportEngine::Callbacks cb;
    cb.body = [&](ReportEngine& e) {
        e.setSection(1.0, 10.0);
        e.setFont(FontStyle {QStringLiteral("Arial"), 12});
        e.addTab(-1, 2.0, Justify::Left);
        e.addTab(-1, 2.0, Justify::Center);
        e.addTab(-1, 2.0, Justify::Right);
        lineTop = e.cursorY();
        lineHeight = e.lineHeight();
        e.printTab(QStringLiteral("HHH\tHHH\tHHH"));
        e.endLine();
        e.clearTabs();
        e.addTab(1.0, 1.0, Justify::Left, AllBorders);
        e.printTab(QString());
        e.endLine();
        return false;
    };
    ASSERT_TRUE(engine.run(device, cb));
    const QImage& img = device.image();
    const int y0 = int(lineTop * 100) + 1, y1 = int((lineTop + lineHeight) * 100) - 1;
    // cells from 0.5, 2.5 and 4.5 inches, 2 inches wide, text 0.02 inch inside
    const auto [l0, l1] = inkSpan(img, 50, 250, y0, y1);
    const auto [c0, c1] = inkSpan(img, 250, 450, y0, y1);
    const auto [r0, r1] = inkSpan(img, 450, 650, y0, y1);
    EXPECT_NEAR(l0, 52, 2);
    EXPECT_NEAR((c0 + c1) / 2.0, 350, 2);
    EXPECT_NEAR(r1, 648, 2);
    EXPECT_NEAR(l1 - l0, r1 - r0, 1);
    // the boxed cell of the next line: 1.5 to 2.5 inches across, one line high
    const int boxTop = int((lineTop + lineHeight) * 100);
    const auto [b0, b1] = inkSpan(img, 100, 300, boxTop + 3, boxTop + 4);
    EXPECT_NEAR(b0, 150, 1);
    EXPECT_NEAR(b1, 250, 1);
}

TEST(ReportEngine, LinesLeftPagesStatusAndAbort)
{
    ImageDevice device;
    ReportEngine engine;
    QStringList statuses;
    engine.setStatusListener([&](const QString& s) { statuses << s; });
    int bodies = 0;
    ReportEngine::Callbacks cb;
    cb.body = [&](ReportEngine& e) {
        e.setSection(1.0, 2.0);
        e.setFont(FontStyle {QStringLiteral("Courier New"), 12});
        const int room = e.linesLeft();
        EXPECT_EQ(room, int(1.0 / e.lineHeight()));
        for (int i = 0; i < room; ++i) e.endLine();
        EXPECT_EQ(e.linesLeft(), 0);
        if (++bodies == 3) e.abort();
        return true;
    };
    int after = 0;
    cb.afterRun = [&](ReportEngine&) { ++after; };
    EXPECT_FALSE(engine.run(device, cb));
    EXPECT_TRUE(engine.aborted());
    EXPECT_EQ(statuses, (QStringList {"Printing Page 1", "Printing Page 2", "Printing Page 3"}));
    EXPECT_EQ(after, 1);

    // a callback that throws still ends the run with afterRun
    cb.body = [](ReportEngine&) -> bool { throw std::runtime_error("broken"); };
    EXPECT_THROW(engine.run(device, cb), std::runtime_error);
    EXPECT_EQ(after, 2);
}

// A section of a whole number of lines takes them all, wherever it starts and however many lines
// were printed in it already: sums of line heights are not exact.
TEST(ReportEngine, ASectionOfWholeLinesTakesThemAll)
{
    ImageDevice device;
    ReportEngine engine;
    ReportEngine::Callbacks cb;
    cb.body = [&](ReportEngine& e) {
        for (int size : {6, 8, 9, 10, 12, 14}) {
            e.setFont(FontStyle {QStringLiteral("Arial"), size});
            const double h = e.lineHeight();
            for (double top : {0.1, 0.3, 0.7, 1.3}) {
                for (int lines : {3, 7, 10, 29}) {
                    e.setSection(top, top + lines * h);
                    for (int printed = 0; printed <= lines; ++printed) {
                        EXPECT_EQ(e.linesLeft(), lines - printed) << size << " pt from " << top << ": " << printed
                                                                  << " of " << lines << " printed";
                        if (printed < lines) e.endLine();
                    }
                }
            }
        }
        return false;
    };
    EXPECT_TRUE(engine.run(device, cb));
}

// A PDF file appears only when its run is delivered: an aborted run makes none and leaves an
// older file of the name as it was.
TEST(ReportEngine, AnAbortedRunLeavesNoPdfFile)
{
    QTemporaryDir dir;
    const QString older = dir.filePath(QStringLiteral("older.pdf")), fresh = dir.filePath(QStringLiteral("fresh.pdf"));
    {
        QFile f(older);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("the older report");
    }
    ReportEngine engine;
    ReportEngine::Callbacks cb;
    cb.body = [](ReportEngine& e) {
        e.printLeft(QStringLiteral("a line"));
        e.abort();
        return true;
    };
    for (const QString& path : {older, fresh}) {
        PdfDevice pdf(path);
        EXPECT_FALSE(engine.run(pdf, cb));
    }
    QFile f(older);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("the older report"));
    EXPECT_FALSE(QFileInfo::exists(fresh));

    cb.body = [](ReportEngine& e) {
        e.printLeft(QStringLiteral("a line"));
        return false;
    };
    PdfDevice pdf(fresh);
    EXPECT_TRUE(engine.run(pdf, cb));
    QFile made(fresh);
    ASSERT_TRUE(made.open(QIODevice::ReadOnly));
    EXPECT_TRUE(made.readAll().startsWith("%PDF"));
}

TEST(ReportEngine, WindowsNamesAndColours)
{
    EXPECT_EQ(familyFor(QStringLiteral("Arial")), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(familyFor(QStringLiteral("Courier New")), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(familyFor(QStringLiteral("Times New Roman")), QStringLiteral("Liberation Serif"));
    const QColor c = colorFromWindowsRgb(0x0000FF);  // red in the low byte
    EXPECT_EQ(c, QColor(255, 0, 0));
    EXPECT_EQ(windowsRgbFromColor(QColor(0x12, 0x34, 0x56)), 0x563412);
}
