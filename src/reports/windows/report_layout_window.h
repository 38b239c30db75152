// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// "Specify Report Layout": the report's body lines and totals line drawn cell by cell; a click on a
// cell opens it for changing. Works on a copy of the report, handed back on "&Ok".
#include <QDialog>
#include <array>
#include <functional>

#include "reports/designer_rules.h"
#include "reports/report_definition.h"

class QLabel;

class TRepLayout : public QDialog {
    Q_OBJECT
public:
    TRepLayout(const reports::ReportDefinition& report, int charsPerLine, bool useTotals,
               const std::array<QString, 36>& displayNames, double factor, QWidget* parent = nullptr);
    const reports::ReportDefinition& report() const { return copy_; }
    // Opens the item window for a cell (as a click on it does).
    void editCell(const reports::LayoutCell& cell);
    std::function<void(QWidget*)> dress = [](QWidget*) {};
    // Shows a window modally; tests answer for the user.
    std::function<int(QDialog&)> execModal = [](QDialog& d) { return d.exec(); };

    // The drawn layout as one control for the keyboard: arrows choose an item, Return, Space or
    // F2 opens it.
    QWidget* LayoutArea = nullptr;
    reports::LayoutCell chosen() const { return chosen_; }

    QLabel* HeaderLabel = nullptr;
    QLabel* BodyLabel = nullptr;
    QLabel* TotalsLabel = nullptr;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void drawLine(QPainter& p, const reports::ReportLine& line, bool totals, double top);
    reports::LayoutCell cellAt(const QPointF& at) const;
    bool layoutKey(int key);
    std::vector<int> itemsOf(int line) const;
    QRectF cellRect(const reports::LayoutCell& cell) const;

    reports::ReportDefinition copy_;
    int chars_;
    bool useTotals_;
    std::array<QString, 36> names_;
    double factor_;
    reports::LayoutCell pressed_;
    reports::LayoutCell chosen_;
};
