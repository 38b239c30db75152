// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/tip_dialog.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/tips.h"

namespace ui {

TTipDialog::TTipDialog(bool showAtStartup, std::vector<int> order, QWidget* parent)
    : QDialog(parent), order_(std::move(order))
{
    setObjectName(QStringLiteral("TipDialog"));
    setWindowTitle(tr("Tip of the Day"));
    auto* heading = new QLabel(tr("Did you know..."), this);
    QFont f = heading->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 4);
    heading->setFont(f);
    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("TipText"));
    text_->setWordWrap(true);
    text_->setMinimumSize(360, 90);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    text_->setMargin(8);
    text_->setAutoFillBackground(true);
    QPalette p = text_->palette();
    p.setColor(QPalette::Window, QColor(255, 255, 225));
    text_->setPalette(p);
    showTips_ = new QCheckBox(tr("&Show Tips at Startup"), this);
    showTips_->setObjectName(QStringLiteral("ShowTipsCheck"));
    showTips_->setChecked(showAtStartup);
    auto* next = new QPushButton(tr("&Next Tip"), this);
    next->setObjectName(QStringLiteral("NextTipButton"));
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    connect(next, &QPushButton::clicked, this, &TTipDialog::NextTipClick);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(showTips_);
    buttons->addStretch();
    buttons->addWidget(next);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(text_, 1);
    layout->addLayout(buttons);
    if (order_.empty()) order_.push_back(0);
    text_->setText(tipText());
}

bool TTipDialog::showAtStartup() const { return showTips_->isChecked(); }

QString TTipDialog::tipText() const { return QCoreApplication::translate("Tips", tipsOfTheDay()[std::size_t(tip())].text.toUtf8().constData()); }

void TTipDialog::NextTipClick()
{
    shown_ = (shown_ + 1) % int(order_.size());
    text_->setText(tipText());
}

}  // namespace ui
