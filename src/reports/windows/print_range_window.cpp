// SPDX-License-Identifier: GPL-2.0-or-later
#include "reports/windows/print_range_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/seams/messages.h"
#include "ui/window_fit.h"

namespace {
// A page number typed in a box: an integer, blanks around it allowed; 0 when it is none.
int typedPage(const QLineEdit* box)
{
    bool ok = false;
    const int n = box->text().trimmed().toInt(&ok);
    return ok ? n : 0;
}
}  // namespace

TPrintRange::TPrintRange(int pageCount, QWidget* parent) : QDialog(parent), pages_(pageCount)
{
    setObjectName(QStringLiteral("PrintRange"));
    setWindowTitle(tr("Page Printing"));
    ui::makeFixedDialog(this);
    auto* startLabel = new QLabel(tr("Starting Page"), this);
    startLabel->setGeometry(16, 16, 110, 24);
    StartPage = new QLineEdit(QStringLiteral("1"), this);
    StartPage->setObjectName(QStringLiteral("StartPage"));
    // three digits, or as many as the last page has: a report of 2,945 pages prints to its end
    const int digits = std::max(3, int(QString::number(pageCount).size()));
    StartPage->setMaxLength(digits);
    StartPage->setGeometry(136, 16, 60, 24);
    startLabel->setBuddy(StartPage);
    auto* endLabel = new QLabel(tr("Ending Page"), this);
    endLabel->setGeometry(16, 52, 110, 24);
    EndPage = new QLineEdit(QString::number(pageCount), this);
    EndPage->setObjectName(QStringLiteral("EndPage"));
    EndPage->setMaxLength(digits);
    EndPage->setGeometry(136, 52, 60, 24);
    endLabel->setBuddy(EndPage);
    auto* print = new QPushButton(tr("&Print"), this);
    print->setObjectName(QStringLiteral("PrintButton"));
    print->setDefault(true);
    print->setGeometry(16, 96, 84, 30);
    auto* cancel = new QPushButton(tr("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setGeometry(112, 96, 84, 30);
    connect(print, &QPushButton::clicked, this, &TPrintRange::PrintButtonClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(212, 142);
}

void TPrintRange::PrintButtonClick()
{
    const int start = typedPage(StartPage);
    if (start < 1 || start > pages_) {
        ui::showNotice(this, tr("Error"), tr("Invalid Starting Page specified. Please correct."),
                       ui::MsgIcon::None);
        StartPage->setFocus();
        return;
    }
    const int end = typedPage(EndPage);
    if (end < start || end > pages_) {
        ui::showNotice(this, tr("Error"), tr("Invalid Ending Page specified.  Please correct."),
                       ui::MsgIcon::None);
        EndPage->setFocus();
        return;
    }
    start_ = start;
    end_ = end;
    accept();
}
