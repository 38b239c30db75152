// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// "Printer Selection": the default printer, or another one of the installed printers; the last
// entry of the list is a PDF file, there even when no printer is installed.
#include <QDialog>
#include <QStringList>

class QComboBox;
class QRadioButton;

class TPrintSelect : public QDialog {
    Q_OBJECT
public:
    explicit TPrintSelect(QWidget* parent = nullptr);
    // Sets the radios and the list from the stored choice, the list from the printers installed now.
    void load(bool defaultPrinter, int printerIndex, bool pdfFile, const QStringList& printers);
    void OkButtonClick();
    bool defaultPrinter() const { return default_; }
    int printerIndex() const { return index_; }  // among the printers; -1 when none is selected
    bool pdfFile() const { return pdf_; }

    QRadioButton* DefaultPrinter = nullptr;
    QRadioButton* OtherPrinter = nullptr;
    QComboBox* PrinterList = nullptr;

private:
    bool default_ = true;
    int index_ = 0;
    bool pdf_ = false;
    int printers_ = 0;
};

namespace reports {
inline constexpr const char* kPdfPrinterName = "PDF file";
}
