// SPDX-License-Identifier: GPL-2.0-or-later
#include "reports/windows/printer_select_window.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

#include "ui/window_fit.h"

TPrintSelect::TPrintSelect(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PrintSelect"));
    setWindowTitle(tr("Printer Selection"));
    ui::makeFixedDialog(this);
    DefaultPrinter = new QRadioButton(tr("Default Printer"), this);
    DefaultPrinter->setObjectName(QStringLiteral("DefaultPrinter"));
    DefaultPrinter->setGeometry(20, 16, 200, 24);
    OtherPrinter = new QRadioButton(tr("Other Printer"), this);
    OtherPrinter->setObjectName(QStringLiteral("OtherPrinter"));
    OtherPrinter->setGeometry(20, 46, 200, 24);
    PrinterList = new QComboBox(this);
    PrinterList->setObjectName(QStringLiteral("PrinterList"));
    PrinterList->setGeometry(40, 76, 280, 26);
    PrinterList->setAccessibleName(tr("Other Printer"));  // the choice it belongs to
    auto* ok = new QPushButton(tr("&Ok"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    ok->setGeometry(70, 120, 90, 30);
    auto* cancel = new QPushButton(tr("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setGeometry(180, 120, 90, 30);
    connect(ok, &QPushButton::clicked, this, &TPrintSelect::OkButtonClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // picking a printer from the list means another printer than the default one
    connect(PrinterList, QOverload<int>::of(&QComboBox::activated), this, [this] { OtherPrinter->setChecked(true); });
    resize(340, 166);
}

void TPrintSelect::load(bool defaultPrinter, int printerIndex, bool pdfFile, const QStringList& printers)
{
    DefaultPrinter->setChecked(defaultPrinter);
    OtherPrinter->setChecked(!defaultPrinter);
    PrinterList->clear();
    PrinterList->addItems(printers);
    PrinterList->addItem(QString::fromLatin1(reports::kPdfPrinterName));
    printers_ = int(printers.size());
    PrinterList->setCurrentIndex(pdfFile ? printers_ : printerIndex >= 0 && printerIndex < printers_ ? printerIndex : -1);
}

void TPrintSelect::OkButtonClick()
{
    default_ = DefaultPrinter->isChecked();
    const int chosen = PrinterList->currentIndex();
    pdf_ = chosen == printers_;
    index_ = chosen >= 0 && chosen < printers_ ? chosen : -1;
    accept();
}
