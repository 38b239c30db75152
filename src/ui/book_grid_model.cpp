// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/book_grid_model.h"

#include <QLocale>
#include <QScopedValueRollback>

#include "dbase/error.h"
#include "dbase/values.h"
#include "regional/regional.h"
#include "store/codepage.h"
#include "store/field_table.h"
#include "ui/seams/messages.h"

namespace ui {

BookGridModel::BookGridModel(store::Dataset& table, QObject* parent) : QAbstractTableModel(parent), table_(table)
{
    connect(&table_, &store::Dataset::recordsChanged, this, &BookGridModel::recordsChanged);
    connect(&table_, &store::Dataset::currentChanged, this, &BookGridModel::currentChanged);
    rows_ = freshRows();
}

int BookGridModel::freshRows() const
{
    if (!table_.active()) return 0;
    // a large table's count may not be known yet: its estimate stands until it is
    const dbase::Table& t = table_.table();
    if (!t.countKnown()) return int(t.estimatedCount());
    return int(t.recordCount()) + (insertRow() >= 0 ? 1 : 0);
}

void BookGridModel::recordsChanged()
{
    beginResetModel();
    rows_ = freshRows();
    endResetModel();
    lastCurrent_ = -1;
}

void BookGridModel::settleCount()
{
    // the rows were an estimate until the table had looked at every record
    if (!table_.active() || !table_.table().countKnown() || rows_ == freshRows()) return;
    recordsChanged();
}

void BookGridModel::currentChanged()
{
    settleCount();
    // the row indicator follows the current record
    int now = table_.isEmpty() ? -1 : int(table_.row());
    if (lastCurrent_ >= 0 && lastCurrent_ < rows_) emit headerDataChanged(Qt::Vertical, lastCurrent_, lastCurrent_);
    if (now >= 0) emit headerDataChanged(Qt::Vertical, now, now);
    lastCurrent_ = now;
}

void BookGridModel::setColumns(std::vector<GridColumn> columns)
{
    beginResetModel();
    columns_ = std::move(columns);
    rows_ = freshRows();
    endResetModel();
}

void BookGridModel::setTitleAlignment(Qt::Alignment a)
{
    titleAlignment_ = a;
    if (!columns_.empty()) emit headerDataChanged(Qt::Horizontal, 0, int(columns_.size()) - 1);
}

void BookGridModel::setEditable(bool on) { editable_ = on; }

int BookGridModel::insertRow() const
{
    if (!table_.active() || table_.table().state() != dbase::TableState::Insert) return -1;
    return int(table_.recordCount());
}

int BookGridModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !table_.active()) return 0;
    // while the count is not known, the estimate the rows were last reset to (it shrinks as
    // deleted records are come upon, and the view must not see it change unannounced)
    if (!table_.table().countKnown()) return rows_;
    return int(table_.recordCount()) + (insertRow() >= 0 ? 1 : 0);
}

int BookGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(columns_.size()); }

QString BookGridModel::displayText(int row, int field) const
{
    const dbase::Table& t = table_.table();
    if (field < 0 || field >= t.fieldCount()) return {};
    // the record being edited or inserted shows its pending values
    bool pending = (row == insertRow()) ||
                   (t.state() == dbase::TableState::Edit && std::size_t(row) == t.position());
    if (!pending && (row < 0 || !t.hasRow(std::size_t(row)))) return {};
    dbase::RecordView r = pending ? t.current() : t.record(t.recordAt(std::size_t(row)));
    const dbase::FieldInfo& info = t.field(field);
    if (info.type == 'D') {
        auto d = r.date(field);
        return d ? regional::current().formatDate(*d) : QString();
    }
    if (info.type == 'N' || info.type == 'F') {
        auto v = r.number(field);
        if (!v) return {};
        int decimals = field < store::kFieldCount ? store::fieldTable()[std::size_t(field)].decimals : info.decimals;
        return QString::number(*v, 'f', decimals == 2 ? 2 : std::max(info.decimals, 0));
    }
    return store::fromCp1252(r.text(field));
}

QVariant BookGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.column() >= int(columns_.size())) return {};
    const int field = columns_[std::size_t(index.column())].field;
    if (role == Qt::DisplayRole || role == Qt::EditRole) return displayText(index.row(), field);
    if (role == Qt::TextAlignmentRole) {
        const auto& f = table_.table().field(field);
        return QVariant::fromValue((f.type == 'N' || f.type == 'F') ? Qt::AlignRight | Qt::AlignVCenter
                                                                    : Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

bool BookGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || !editable_) return false;
    const int field = columns_[std::size_t(index.column())].field;
    const QString text = value.toString();
    if (text == displayText(index.row(), field)) return false;
    dbase::Table& t = table_.table();
    const auto& info = t.field(field);
    QString stored = text.trimmed();
    if (info.type == 'D' && !stored.isEmpty()) {
        auto d = regional::current().parseDate(stored);
        if (!d) {
            showError(nullptr, tr("'%1' is not a valid date.").arg(text));
            return false;
        }
        stored = QString::fromStdString(dbase::formatDate(*d));
    } else if ((info.type == 'N' || info.type == 'F') && !stored.isEmpty()) {
        bool ok = false;
        QLocale::c().toDouble(stored, &ok);
        if (!ok) {
            showError(nullptr, tr("'%1' is not a valid number.").arg(text));
            return false;
        }
    } else if (info.type == 'C') {
        stored = text;
    }
    QScopedValueRollback<bool> writing(writing_, true);
    try {
        bool inserting = t.state() == dbase::TableState::Insert;
        if (!inserting) {
            if (std::size_t(index.row()) != t.position()) table_.goToRow(std::size_t(index.row()));
            t.edit();
        }
        table_.setText(field, stored);
        if (!inserting) table_.post();  // one cell at a time goes straight to the file
        emit dataChanged(index, index);
        return true;
    } catch (const dbase::DatabaseError& e) {
        if (t.state() == dbase::TableState::Edit) t.cancel();
        showError(nullptr, QString::fromLocal8Bit(e.what()));
        return false;
    }
}

QVariant BookGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= int(columns_.size())) return {};
        if (role == Qt::DisplayRole) return columns_[std::size_t(section)].title;
        if (role == Qt::TextAlignmentRole) return QVariant::fromValue(titleAlignment_ | Qt::AlignVCenter);
        return {};
    }
    if (role != Qt::DisplayRole || !indicator_) return {};
    const dbase::Table& t = table_.table();
    if (section == insertRow()) return QStringLiteral("*");
    if (!t.isEmpty() && std::size_t(section) == t.position())
        return t.state() == dbase::TableState::Edit ? QStringLiteral("I") : QStringLiteral("\u25B6");
    return QString();
}

Qt::ItemFlags BookGridModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (editable_) f |= Qt::ItemIsEditable;
    return f;
}

}  // namespace ui
