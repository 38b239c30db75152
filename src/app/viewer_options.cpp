// SPDX-License-Identifier: GPL-2.0-or-later
// Applying the viewer settings to the grid, and the main window's colours.
#include <QHeaderView>
#include <QSignalBlocker>
#include <QTableView>

#include "app/main_window.h"
#include "store/field_table.h"
#include "ui/appearance.h"
#include "ui/book_grid_model.h"
#include "ui/grid_delegates.h"

namespace {
// The list fields' drop-down editors, by field number, and the data list each shows.
struct ListEditor {
    int field;
    const char* name;
    int list;  // index into the data lists
};
constexpr ListEditor kListEditors[9] = {
    {2, "MyComboAuthor", edit::AuthorList},       {25, "MyComboLocation", edit::LocationList},
    {6, "MyComboBought", edit::BoughtList},       {5, "MyComboCategory", edit::CategoryList},
    {4, "MyComboPublisher", edit::PublisherList}, {13, "MyComboBookType", edit::BookTypeList},
    {11, "MyComboRating", edit::RatingList},      {19, "MyComboCheckOut", edit::CheckNameList},
    {26, "MyComboCondition", edit::ConditionList},
};
constexpr int kCheckOutField = 17;
}  // namespace

void TMain::SetViewerOptions()
{
    QTableView* g = ViewerGrid;
    const QFont cellFont = ui::toFont(db.gridFont);
    const QFont titleFont = ui::toFont(db.titleFont);

    // 1. options: tab between cells, selection kept, no resizing by hand, in-cell editors
    g->setTabKeyNavigation(true);
    g->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    g->verticalHeader()->setVisible(db.rowIndicator);
    g->horizontalHeader()->setVisible(db.showTitles);
    MyDataSource->setRowIndicator(db.rowIndicator);
    const bool editing = db.fieldEditing && !changesRefused();
    MyDataSource->setEditable(editing);
    g->setSelectionBehavior(editing ? QAbstractItemView::SelectItems : QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setEditTriggers(editing ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                     QAbstractItemView::AnyKeyPressed
                               : QAbstractItemView::NoEditTriggers);
    g->setShowGrid(false);  // lines are drawn per cell: columns and rows can be chosen apart

    // 2., 3. fonts and colours
    g->setFont(cellFont);
    g->horizontalHeader()->setFont(titleFont);
    // the titles keep the chosen font whatever is selected (no bold highlighting)
    g->horizontalHeader()->setHighlightSections(false);
    g->verticalHeader()->setHighlightSections(false);
    const QColor cell = ui::toColor(db.cellColor), title = ui::toColor(db.titleColor);
    const QColor text = ui::toColor(db.gridFont.color), titleText = ui::toColor(db.titleFont.color);
    QPalette p = g->palette();
    p.setColor(QPalette::Base, cell);
    p.setColor(QPalette::AlternateBase, cell);
    p.setColor(QPalette::Text, text);
    g->setPalette(p);
    g->horizontalHeader()->setStyleSheet(QStringLiteral("QHeaderView::section { background-color: %1; color: %2; "
                                                        "border: 1px solid #808080; padding: 1px 3px; }")
                                             .arg(title.name(), titleText.name()));
    if (db.titleAlignment == 1) MyDataSource->setTitleAlignment(Qt::AlignLeft);
    if (db.titleAlignment == 2) MyDataSource->setTitleAlignment(Qt::AlignHCenter);
    if (db.titleAlignment == 3) MyDataSource->setTitleAlignment(Qt::AlignRight);

    // the cell editors: a drop-down list for the list fields, a check box for CheckOut
    for (int c = 0; c < g->model()->columnCount(); ++c) g->setItemDelegateForColumn(c, nullptr);
    g->setItemDelegate(nullptr);
    for (QObject* d : delegates_) d->deleteLater();
    delegates_.clear();
    auto* plain = new ui::CellDelegate(g);
    delegates_.push_back(plain);
    plain->setLines(db.columnLines, db.rowLines);
    plain->setEditorFont(cellFont);
    g->setItemDelegate(plain);

    // 4. the columns, in the order of the settings
    std::vector<ui::GridColumn> columns;
    for (int position = 1; position <= store::kFieldCount; ++position) {
        int field = 1;
        for (int f = 1; f <= store::kFieldCount; ++f) {
            if (db.fieldOrder[std::size_t(f - 1)] == position) {
                field = f;
                break;
            }
        }
        if (!db.displayFields[std::size_t(field - 1)]) continue;
        columns.push_back({field - 1, db.fieldNames[std::size_t(field - 1)], db.fieldWidth[std::size_t(field - 1)]});
    }
    MyDataSource->setColumns(columns);
    const QFontMetrics metrics(cellFont);
    const int charWidth = metrics.averageCharWidth();
    for (int c = 0; c < int(columns.size()); ++c) {
        const int field = columns[std::size_t(c)].field + 1;
        g->setColumnWidth(c, columns[std::size_t(c)].width * charWidth + 6);
        if (field == kCheckOutField) {
            auto* d = new ui::CheckOutDelegate(g);
            delegates_.push_back(d);
            d->setLines(db.columnLines, db.rowLines);
            g->setItemDelegateForColumn(c, d);
            continue;
        }
        for (const ListEditor& e : kListEditors) {
            if (e.field != field) continue;
            auto* d = new ui::ListCellDelegate(QString::fromLatin1(e.name),
                                               [this, list = e.list] { return dataLists[list]; }, g);
            delegates_.push_back(d);
            d->setLines(db.columnLines, db.rowLines);
            d->setEditorFont(cellFont);
            g->setItemDelegateForColumn(c, d);
        }
    }
    QHeaderView* rows = g->verticalHeader();
    if (rows->defaultSectionSize() != metrics.height() + 4) {
        // the header tells the grid of each row's new height one row at a time, a million
        // times for a million books: it is told once instead
        const QSignalBlocker quiet(rows);
        rows->setDefaultSectionSize(metrics.height() + 4);
        QMetaObject::invokeMethod(g, "updateGeometries");
        rows->viewport()->update();
    }
    g->verticalHeader()->setMinimumWidth(db.rowIndicator ? 14 : 0);

    // 5. the sunken look, and repaint
    g->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    syncGridToTable();
    g->viewport()->update();
}

void TMain::SetColors()
{
    const store::ColorSet& set = db.colors[store::MainColors];
    ui::setWindowBackground(client_, set);
    const QColor back = ui::toColor(set[store::MainBackground]);
    ui::setColors(ViewerLabel, back, ui::toColor(set[store::MajorTitle]));
    ui::setColors(NavigatorLabel, back, ui::toColor(set[store::MinorTitle]));
    // the book count beside them would be black on a black window: it reads as a minor title
    for (QLabel* l : {CountLabel, Count2Label}) ui::setColors(l, back, ui::toColor(set[store::MinorTitle]));
    for (QLabel* l : {ViewerLabel, NavigatorLabel, CountLabel, Count2Label}) l->setAutoFillBackground(false);
}
