// SPDX-License-Identifier: GPL-2.0-or-later
#include "reports/report_layout_window.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "render/fonts.h"
#include "reports/report_part_window.h"
#include "ui/window_fit.h"

using namespace reports;

TRepLayout::TRepLayout(const ReportDefinition& report, int charsPerLine, bool useTotals,
                       const std::array<QString, 36>& displayNames, double factor, QWidget* parent)
    : QDialog(parent), copy_(report), chars_(charsPerLine), useTotals_(useTotals), names_(displayNames),
      factor_(factor)
{
    setObjectName(QStringLiteral("RepLayout"));
    setWindowTitle(QStringLiteral("Specify Report Layout"));
    ui::makeFixedDialog(this);
    HeaderLabel = new QLabel(QStringLiteral("Report: ") + report.name, this);
    HeaderLabel->setObjectName(QStringLiteral("HeaderLabel"));
    HeaderLabel->setGeometry(4, 8, 625, 24);
    auto* note = new QLabel(QStringLiteral("Using the left mouse button, click on the area where you would like to add "
                                           "or change the report layout."),
                            this);
    note->setWordWrap(true);
    note->setGeometry(4, 32, 625, 20);
    BodyLabel = new QLabel(QStringLiteral("Report Body"), this);
    BodyLabel->setObjectName(QStringLiteral("BodyLabel"));
    BodyLabel->setGeometry(4, 54, 200, 20);
    BodyLabel->setVisible(std::clamp(report.numberOfLines, 0, kBodyLines) > 0);
    TotalsLabel = new QLabel(QStringLiteral("Report Totals"), this);
    TotalsLabel->setObjectName(QStringLiteral("TotalsLabel"));
    TotalsLabel->setGeometry(4, 334, 200, 20);
    TotalsLabel->setVisible(useTotals);
    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    ok->setGeometry(432, 388, 90, 30);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setGeometry(536, 388, 90, 30);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(633, 428);
}

LayoutCell TRepLayout::cellAt(const QPointF& at) const
{
    return hitTest(at.x(), at.y(), copy_, copy_.numberOfLines, chars_, factor_);
}

void TRepLayout::mousePressEvent(QMouseEvent* e) { pressed_ = cellAt(e->position()); }

void TRepLayout::mouseReleaseEvent(QMouseEvent* e)
{
    const LayoutCell released = cellAt(e->position());
    if (pressed_.valid() && released == pressed_) editCell(released);
    pressed_ = {};
}

void TRepLayout::editCell(const LayoutCell& cell)
{
    if (!cell.valid()) return;
    const bool totals = cell.line == kTotalsLine;
    ReportLine& line = totals ? copy_.totals : copy_.body[std::size_t(cell.line - 1)];
    TReportPart part(line, cell.line, cell.item, chars_, names_, this);
    dress(&part);
    ui::fitWindow(&part, nullptr, factor_, ui::screenSize());
    if (execModal(part) != QDialog::Accepted) return;
    line = part.line();
    update();
}

void TRepLayout::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    render::FontStyle style;
    style.name = QStringLiteral("Arial");
    style.pointSize = 8;
    QFont font = render::qfontFor(style);
    font.setPointSizeF(8 * factor_);
    p.setFont(font);
    const int lines = std::clamp(copy_.numberOfLines, 0, kBodyLines);
    for (int r = 0; r < lines; ++r)
        drawLine(p, copy_.body[std::size_t(r)], false, kLayoutBodyTop + r * kLayoutRowHeight);
    if (useTotals_) drawLine(p, copy_.totals, true, kLayoutTotalsTop);
}

void TRepLayout::drawLine(QPainter& p, const ReportLine& line, bool totals, double top)
{
    const double y = top * factor_, h = kLayoutRowHeight * factor_, unit = factor_;
    const QFontMetricsF fm(p.font());
    for (const CellSpan& s : cellSpans(line, chars_, factor_)) {
        const QRectF cell(s.left, y, s.right - s.left, h);
        p.setPen(Qt::black);
        p.setBrush(Qt::white);
        p.drawRect(cell);
        const ReportItem& item = line.items[std::size_t(s.item - 1)];
        QString text = cellCaption(item, totals, names_);
        p.setPen(item.isFiller() ? QColor(0, 128, 0) : item.isLabel() ? QColor(255, 0, 0) : QColor(0, 0, 0));
        const double room = cell.width() - unit;
        const double baseline = y + (h - fm.height()) / 2 + fm.ascent();
        if (fm.horizontalAdvance(text) > room) {
            while (!text.isEmpty() && fm.horizontalAdvance(text) > room) text.chop(1);
            p.drawText(QPointF(cell.left() + unit, baseline), text);
        } else if (item.isFiller()) {
            p.drawText(QPointF(cell.left() + (cell.width() - fm.horizontalAdvance(text)) / 2, baseline), text);
        } else if (item.isLabel()) {
            p.drawText(QPointF(cell.right() - unit - fm.horizontalAdvance(text), baseline), text);
        } else {
            p.drawText(QPointF(cell.left() + unit, baseline), text);
        }
    }
}
