// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// How the viewer's cells are drawn and edited: lines between columns and rows as chosen, a
// drop-down list for the nine list fields, a check box for CheckOut, plain text for the rest.
#include <QFont>
#include <QStringList>
#include <QStyledItemDelegate>
#include <functional>

namespace ui {

class CellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void setLines(bool columns, bool rows)
    {
        columnLines_ = columns;
        rowLines_ = rows;
    }
    void setEditorFont(const QFont& f) { editorFont_ = f; }
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    bool columnLines_ = true, rowLines_ = true;
    QFont editorFont_;
};

// An editable drop-down list of a data list's values. The editor carries the given name.
class ListCellDelegate : public CellDelegate {
    Q_OBJECT
public:
    ListCellDelegate(const QString& editorName, std::function<QStringList()> items, QObject* parent)
        : CellDelegate(parent), name_(editorName), items_(std::move(items))
    {
    }
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    QString name_;
    std::function<QStringList()> items_;
};

// A check box that stores "Yes" when ticked and "No" when not.
class CheckOutDelegate : public CellDelegate {
    Q_OBJECT
public:
    using CellDelegate::CellDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};

}  // namespace ui
