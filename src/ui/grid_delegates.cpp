// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/grid_delegates.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

namespace ui {

namespace {
const char* const kFreshEditor = "bindlowFreshEditor";
}  // namespace

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    painter->save();
    painter->setPen(option.palette.color(QPalette::Mid));
    if (columnLines_) painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
    if (rowLines_) painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
    painter->restore();
}

QWidget* ListCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name_);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);  // values typed in the grid stay out of the lists
    box->addItems(items_());
    box->setFont(editorFont_);
    // the first key typed replaces the value, as in the other cells; the view has this delegate
    // filter the box's events already, the line inside it is added here
    box->setProperty(kFreshEditor, true);
    if (QLineEdit* line = box->lineEdit()) line->installEventFilter(const_cast<ListCellDelegate*>(this));
    return box;
}

bool ListCellDelegate::eventFilter(QObject* object, QEvent* event)
{
    auto* box = qobject_cast<QComboBox*>(object);
    const bool inLine = !box;
    if (!box) box = qobject_cast<QComboBox*>(object->parent());
    if (box && box->property(kFreshEditor).toBool() &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress)) {
        box->setProperty(kFreshEditor, false);
        if (event->type() == QEvent::KeyPress) {
            const QString text = static_cast<QKeyEvent*>(event)->text();
            if (!text.isEmpty() && text.at(0).isPrint() && box->lineEdit()) box->lineEdit()->selectAll();
        }
    }
    if (inLine) return false;  // the box itself is the editor the view knows
    return CellDelegate::eventFilter(object, event);
}

void ListCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    static_cast<QComboBox*>(editor)->setEditText(index.data(Qt::EditRole).toString());
}

void ListCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    model->setData(index, static_cast<QComboBox*>(editor)->currentText(), Qt::EditRole);
}

QWidget* CheckOutDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    auto* box = new QCheckBox(parent);
    box->setObjectName(QStringLiteral("CheckOutCheckBox"));
    box->setAutoFillBackground(true);
    return box;
}

void CheckOutDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    static_cast<QCheckBox*>(editor)->setChecked(index.data(Qt::EditRole).toString() == QLatin1String("Yes"));
}

void CheckOutDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    model->setData(index, static_cast<QCheckBox*>(editor)->isChecked() ? QStringLiteral("Yes") : QStringLiteral("No"),
                   Qt::EditRole);
}

}  // namespace ui
