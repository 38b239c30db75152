// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The grid's model over the open book table: one row per record in the table's order (through
// its filter), one column per shown field. Reads go straight to the table's records, so that
// 100,000 books cost nothing until they are drawn.
#include <QAbstractTableModel>
#include <vector>

#include "store/dataset.h"

namespace ui {

struct GridColumn {
    int field = 0;  // 0-based field of the book table
    QString title;
    int width = 15;  // characters
};

class BookGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit BookGridModel(store::Dataset& table, QObject* parent = nullptr);

    void setColumns(std::vector<GridColumn> columns);
    const std::vector<GridColumn>& columns() const { return columns_; }
    void setTitleAlignment(Qt::Alignment a);
    void setEditable(bool on);
    bool editable() const { return editable_; }
    void setRowIndicator(bool on) { indicator_ = on; }

    // The record's text of a field as the grid shows it.
    QString displayText(int row, int field) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // True while a value typed in the grid is being written (the model is reset under the view).
    bool writing() const { return writing_; }

    // The row of the record being inserted, -1 when none.
    int insertRow() const;

    // Brings the rows up to date once the table knows its count (they may have been its estimate).
    void settleCount();

private:
    void recordsChanged();
    void currentChanged();
    int freshRows() const;

    store::Dataset& table_;
    std::vector<GridColumn> columns_;
    Qt::Alignment titleAlignment_ = Qt::AlignCenter;
    bool editable_ = false;
    bool indicator_ = true;
    int rows_ = 0;
    int lastCurrent_ = -1;
    bool writing_ = false;
};

}  // namespace ui
