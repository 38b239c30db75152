// SPDX-License-Identifier: GPL-2.0-or-later
#include "find/windows/sort_order_window.h"
#include "ui/window_fit.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TMySortOrder::TMySortOrder(const std::array<QString, 36>& displayNames, const std::array<int, 4>& levels, Apply apply,
                           QWidget* parent)
    : QDialog(parent), apply_(std::move(apply))
{
    setObjectName(QStringLiteral("MySortOrder"));
    setWindowTitle(tr("Sort Order"));
    ui::makeFixedDialog(this);
    const char* captions[4] = {QT_TR_NOOP("Primary Sort"), QT_TR_NOOP("Secondary Sort"), QT_TR_NOOP("Third Level Sort"), QT_TR_NOOP("Fourth Level Sort")};
    QStringList items {QStringLiteral("<NONE>")};
    for (const QString& n : displayNames) items << n;
    for (int i = 0; i < 4; ++i) {
        auto* frame = new QGroupBox(this);
        frame->setObjectName(QStringLiteral("SortFrame%1").arg(i + 1));
        frame->setGeometry(10, 10 + i * 74, 300, 66);
        auto* label = new QLabel(tr(captions[i]), frame);
        label->setObjectName(QStringLiteral("SortLabel%1").arg(i + 1));
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(10, 6, 280, 22);
        auto* box = new QComboBox(frame);
        box->setObjectName(QStringLiteral("ComboBox%1").arg(i + 1));
        box->addItems(items);
        box->setMaxVisibleItems(16);
        box->setGeometry(30, 32, 240, 26);
        box->setCurrentIndex(levels[std::size_t(i)] >= 0 && levels[std::size_t(i)] <= 36 ? levels[std::size_t(i)] : 0);
        ComboBox[std::size_t(i)] = box;
    }
    auto* ok = new QPushButton(tr("&Ok"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setGeometry(50, 312, 100, 32);
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setGeometry(170, 312, 100, 32);
    connect(ok, &QPushButton::clicked, this, &TMySortOrder::OkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(320, 356);
}

std::array<int, 4> TMySortOrder::levels() const
{
    std::array<int, 4> out {};
    for (int i = 0; i < 4; ++i) out[std::size_t(i)] = ComboBox[std::size_t(i)]->currentIndex();
    return out;
}

void TMySortOrder::OkClick()
{
    if (apply_(levels())) accept();
}
