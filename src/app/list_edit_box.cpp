// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/list_edit_box.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "ui/seams/messages.h"
#include "ui/window_fit.h"

TMyEditBox::TMyEditBox(const QString& title, int longest, const QStringList& items, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MyEditBox"));
    setWindowTitle(tr("Edit \"%1\" List").arg(title));
    ui::makeFixedDialog(this);
    TheList = new QListWidget(this);
    TheList->setObjectName(QStringLiteral("TheList"));
    TheList->setGeometry(10, 10, 300, 220);
    TheList->addItems(items);
    AddInfo = new QLineEdit(this);
    AddInfo->setObjectName(QStringLiteral("AddInfo"));
    AddInfo->setMaxLength(longest);
    AddInfo->setGeometry(10, 240, 220, 26);
    AddInfo->setAccessibleName(tr("New entry"));  // no label stands beside it
    connect(AddInfo, &QLineEdit::returnPressed, this, &TMyEditBox::AddButtonClick);  // Enter adds, as Add does
    auto button = [this](const char* name, const char* caption, QRect g, auto slot) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(g);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    button("AddButton", "&Add", {236, 240, 74, 26}, &TMyEditBox::AddButtonClick);
    button("DeleteButton", "&Delete", {10, 274, 100, 28}, &TMyEditBox::DeleteButtonClick);
    button("SortButton", "&Sort", {120, 274, 100, 28}, &TMyEditBox::SortButtonClick);
    button("OkButton", "&Ok", {60, 316, 90, 30}, &QDialog::accept);
    button("CancelButton", "&Cancel", {170, 316, 90, 30}, &QDialog::reject);
    resize(320, 356);
    TheList->setFocus();
    if (TheList->count()) TheList->setCurrentRow(0);
}

QStringList TMyEditBox::items() const
{
    QStringList out;
    for (int i = 0; i < TheList->count(); ++i) out << TheList->item(i)->text();
    return out;
}

void TMyEditBox::AddButtonClick()
{
    const QString t = AddInfo->text().trimmed();
    if (!t.isEmpty()) TheList->addItem(t);
    AddInfo->clear();
    AddInfo->setFocus();
}

void TMyEditBox::DeleteButtonClick()
{
    int row = TheList->currentRow();
    if (row < 0 || !TheList->currentItem() || !TheList->currentItem()->isSelected()) return;
    delete TheList->takeItem(row);
    if (TheList->count() == 0) return;
    TheList->setCurrentRow(std::min(row, TheList->count() - 1));
}

void TMyEditBox::SortButtonClick()
{
    if (!ui::askConfirm(this, tr("Are you sure you want to sort the data?  Sorting cannot be undone."))) return;
    QStringList all = items();
    std::stable_sort(all.begin(), all.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    TheList->clear();
    TheList->addItems(all);
}
