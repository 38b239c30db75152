// SPDX-License-Identifier: GPL-2.0-or-later
#include "reports/windows/report_layout_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <functional>

#include "render/fonts.h"
#include "reports/windows/report_part_window.h"
#include "ui/window_fit.h"

using namespace reports;

namespace {
// Takes the focus for the drawn layout and hands its keys to the window; clicks go through to
// the window beneath.
class KeyArea : public QWidget {
public:
    KeyArea(QWidget* parent, std::function<bool(int)> key) : QWidget(parent), key_(std::move(key))
    {
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier) || !key_(e->key())) QWidget::keyPressEvent(e);
    }
    void focusInEvent(QFocusEvent* e) override
    {
        QWidget::focusInEvent(e);
        key_(0);  // shows the chosen item
    }
    void focusOutEvent(QFocusEvent* e) override
    {
        QWidget::focusOutEvent(e);
        parentWidget()->update();
    }

private:
    std::function<bool(int)> key_;
};
}  // namespace

TRepLayout::TRepLayout(const ReportDefinition& report, int charsPerLine, bool useTotals,
                       const std::array<QString, 36>& displayNames, double factor, QWidget* parent)
    : QDialog(parent), copy_(report), chars_(charsPerLine), useTotals_(useTotals), names_(displayNames),
      factor_(factor)
{
    setObjectName(QStringLiteral("RepLayout"));
    setWindowTitle(tr("Specify Report Layout"));
    ui::makeFixedDialog(this);
    HeaderLabel = new QLabel(tr("Report: ") + report.name, this);
    HeaderLabel->setObjectName(QStringLiteral("HeaderLabel"));
    HeaderLabel->setGeometry(4, 8, 625, 24);
    auto* note = new QLabel(tr("Using the left mouse button, click on the area where you would like to add "
                                           "or change the report layout."),
                            this);
    note->setWordWrap(true);
    note->setGeometry(4, 32, 625, 20);
    BodyLabel = new QLabel(tr("Report Body"), this);
    BodyLabel->setObjectName(QStringLiteral("BodyLabel"));
    BodyLabel->setGeometry(4, 54, 200, 20);
    BodyLabel->setVisible(std::clamp(report.numberOfLines, 0, kBodyLines) > 0);
    TotalsLabel = new QLabel(tr("Report Totals"), this);
    TotalsLabel->setObjectName(QStringLiteral("TotalsLabel"));
    TotalsLabel->setGeometry(4, 334, 200, 20);
    TotalsLabel->setVisible(useTotals);
    LayoutArea = new KeyArea(this, [this](int key) { return layoutKey(key); });
    LayoutArea->setObjectName(QStringLiteral("LayoutArea"));
    LayoutArea->setGeometry(0, 54, 633, 326);
    LayoutArea->setAccessibleName(tr("Report Layout"));
    auto* ok = new QPushButton(tr("&Ok"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    ok->setGeometry(432, 388, 90, 30);
    auto* cancel = new QPushButton(tr("&Cancel"), this);
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

// The items of a line in their order; a line without items offers its first.
std::vector<int> TRepLayout::itemsOf(int line) const
{
    const ReportLine& l = line == kTotalsLine ? copy_.totals : copy_.body[std::size_t(line - 1)];
    std::vector<int> items;
    for (const CellSpan& s : cellSpans(l, chars_, factor_)) items.push_back(s.item);
    if (items.empty()) items.push_back(1);
    return items;
}

bool TRepLayout::layoutKey(int key)
{
    std::vector<int> lines;
    for (int r = 1; r <= std::clamp(copy_.numberOfLines, 0, kBodyLines); ++r) lines.push_back(r);
    if (useTotals_) lines.push_back(kTotalsLine);
    if (lines.empty()) return false;
    auto lineAt = std::find(lines.begin(), lines.end(), chosen_.line);
    if (lineAt == lines.end()) chosen_ = {lines.front(), itemsOf(lines.front()).front()};
    lineAt = std::find(lines.begin(), lines.end(), chosen_.line);
    std::vector<int> items = itemsOf(chosen_.line);
    auto itemAt = std::find(items.begin(), items.end(), chosen_.item);
    if (itemAt == items.end()) itemAt = items.begin();
    qsizetype index = itemAt - items.begin();
    switch (key) {
    case 0: break;
    case Qt::Key_Left: index = std::max<qsizetype>(index - 1, 0); break;
    case Qt::Key_Right: index = std::min<qsizetype>(index + 1, qsizetype(items.size()) - 1); break;
    case Qt::Key_Home: index = 0; break;
    case Qt::Key_End: index = qsizetype(items.size()) - 1; break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (key == Qt::Key_Up && lineAt != lines.begin()) --lineAt;
        if (key == Qt::Key_Down && lineAt + 1 != lines.end()) ++lineAt;
        items = itemsOf(*lineAt);
        index = std::min<qsizetype>(index, qsizetype(items.size()) - 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_F2: editCell(chosen_); break;
    default: return false;
    }
    chosen_ = {*lineAt, items[std::size_t(index)]};
    const bool totals = chosen_.line == kTotalsLine;
    const ReportLine& line = totals ? copy_.totals : copy_.body[std::size_t(chosen_.line - 1)];
    const QString where = totals ? tr("Totals Line, Item %1").arg(chosen_.item)
                                 : tr("Line %1, Item %2").arg(chosen_.line).arg(chosen_.item);
    const int used = line.usedItems();
    LayoutArea->setAccessibleName(tr("Report Layout, ") + where + QStringLiteral(": ") +
                                  (chosen_.item <= used ? cellCaption(line.items[std::size_t(chosen_.item - 1)], totals, names_)
                                                        : QStringLiteral("empty")));
    update();
    return true;
}

QRectF TRepLayout::cellRect(const LayoutCell& cell) const
{
    const bool totals = cell.line == kTotalsLine;
    const double top = (totals ? kLayoutTotalsTop : kLayoutBodyTop + (cell.line - 1) * kLayoutRowHeight) * factor_;
    const ReportLine& line = totals ? copy_.totals : copy_.body[std::size_t(cell.line - 1)];
    for (const CellSpan& s : cellSpans(line, chars_, factor_))
        if (s.item == cell.item) return QRectF(s.left, top, s.right - s.left, kLayoutRowHeight * factor_);
    return QRectF(4 * factor_, top, width() - 8 * factor_, kLayoutRowHeight * factor_);  // an empty line
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
    if (LayoutArea->hasFocus() && chosen_.valid()) {  // the keyboard's item, marked as focus is
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(palette().color(QPalette::Highlight), 3));
        p.drawRect(cellRect(chosen_).adjusted(1, 1, -1, -1));
    }
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
