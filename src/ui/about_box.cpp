// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/about_box.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About"));
    auto* name = new QLabel(QStringLiteral("Bindlow Books 97"), this);
    name->setObjectName(QStringLiteral("ProductName"));
    QFont f = name->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 6);
    name->setFont(f);
    auto* version = new QLabel(tr("Version 3.2b"), this);
    version->setObjectName(QStringLiteral("Version"));
    auto* what = new QLabel(tr("A catalogue for a private library of books."), this);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    for (QLabel* l : {name, version, what}) {
        l->setAlignment(Qt::AlignCenter);
        layout->addWidget(l);
    }
    layout->addSpacing(8);
    layout->addWidget(ok, 0, Qt::AlignCenter);
    resize(sizeHint().expandedTo(QSize(300, 160)));
}

}  // namespace ui
