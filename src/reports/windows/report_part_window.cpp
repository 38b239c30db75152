// SPDX-License-Identifier: GPL-2.0-or-later
#include "reports/windows/report_part_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "reports/designer_rules.h"
#include "store/field_table.h"
#include "ui/seams/messages.h"
#include "ui/window_fit.h"

TReportPart::TReportPart(const reports::ReportLine& line, int lineNumber, int item, int charsPerLine,
                         const std::array<QString, 36>& displayNames, QWidget* parent)
    : QDialog(parent), line_(line), lineNumber_(lineNumber), item_(item), chars_(charsPerLine),
      totals_(lineNumber == reports::kTotalsLine)
{
    setObjectName(QStringLiteral("ReportPart"));
    setWindowTitle(tr("Select Report Part"));
    ui::makeFixedDialog(this);
    SelPartLabel = new QLabel(this);
    SelPartLabel->setObjectName(QStringLiteral("SelPartLabel"));
    SelPartLabel->setGeometry(12, 8, 336, 24);
    SelPartLabel->setText(totals_ ? tr("Totals Line, Item %1").arg(item)
                                  : tr("Line %1, Item %2").arg(lineNumber).arg(item));
    auto* kind = new QGroupBox(this);
    kind->setGeometry(12, 36, 336, 92);
    FillerRadio = new QRadioButton(tr("Filler (empty space)"), kind);
    FillerRadio->setObjectName(QStringLiteral("FillerRadio"));
    FillerRadio->setGeometry(10, 6, 300, 26);
    LabelRadio = new QRadioButton(tr("Label (constant value)"), kind);
    LabelRadio->setObjectName(QStringLiteral("LabelRadio"));
    LabelRadio->setGeometry(10, 34, 300, 26);
    FieldRadio = new QRadioButton(tr("Field (database value)"), kind);
    FieldRadio->setObjectName(QStringLiteral("FieldRadio"));
    FieldRadio->setGeometry(10, 62, 300, 26);
    auto* fieldsLabel = new QLabel(tr("Fields"), this);
    fieldsLabel->setGeometry(12, 134, 160, 22);
    FieldList = new QListWidget(this);
    FieldList->setObjectName(QStringLiteral("FieldList"));
    FieldList->setGeometry(12, 156, 180, 150);
    fieldsLabel->setBuddy(FieldList);
    auto* widthLabel = new QLabel(tr("Width"), this);
    widthLabel->setGeometry(204, 134, 144, 22);
    FieldWidth = new QLineEdit(this);
    FieldWidth->setObjectName(QStringLiteral("FieldWidth"));
    FieldWidth->setMaxLength(3);
    FieldWidth->setGeometry(204, 156, 60, 26);
    widthLabel->setBuddy(FieldWidth);
    auto* nameLabel = new QLabel(tr("Label Name"), this);
    nameLabel->setGeometry(204, 190, 144, 22);
    LabelName = new QLineEdit(this);
    LabelName->setObjectName(QStringLiteral("LabelName"));
    LabelName->setMaxLength(40);
    LabelName->setGeometry(204, 212, 144, 26);
    nameLabel->setBuddy(LabelName);
    auto* ok = new QPushButton(tr("&Ok"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    ok->setGeometry(204, 276, 68, 30);
    auto* cancel = new QPushButton(tr("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setGeometry(280, 276, 68, 30);
    connect(ok, &QPushButton::clicked, this, &TReportPart::OkButtonClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    for (QRadioButton* r : {FillerRadio, LabelRadio, FieldRadio})
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (on) kindChosen();
        });
    resize(360, 318);

    // fill from the item
    if (totals_)
        for (int n = 1; n <= reports::kTotalsFields; ++n) FieldList->addItem(reports::totalsFieldName(n));
    else
        for (const QString& name : displayNames) FieldList->addItem(name);
    const reports::ReportItem& it = line_.items[std::size_t(item - 1)];
    FieldWidth->setText(QString::number(it.width));
    if (it.isLabel()) {
        LabelRadio->setChecked(true);
        LabelName->setText(it.label);
    } else if (it.isFiller()) {
        FillerRadio->setChecked(true);
    } else {
        FieldRadio->setChecked(true);
        for (int n = 0; n < FieldList->count(); ++n) {
            const QString stored = totals_ ? reports::totalsFieldName(n + 1) : QString::fromLatin1(store::fieldDef(n + 1).name);
            if (stored == it.name) FieldList->setCurrentRow(n);
        }
    }
    kindChosen();
}

void TReportPart::kindChosen()
{
    LabelName->setEnabled(LabelRadio->isChecked());
    FieldList->setEnabled(FieldRadio->isChecked());
}

void TReportPart::OkButtonClick()
{
    auto refuse = [this](QLineEdit* box, const QString& text) {
        ui::messages().show({this, tr("Error"), text, ui::MsgIcon::Warning, ui::Ok, ui::Ok, true});
        box->setFocus();
    };
    bool ok = false;
    const int width = FieldWidth->text().trimmed().toInt(&ok);
    // a negative width would blank the rest of the line: refused like any other wrong width
    if (!ok || width < 0) return refuse(FieldWidth, tr("Invalid width entered.  Please correct."));
    if (FieldRadio->isChecked() && FieldList->currentRow() < 0) {
        ui::messages().show({this, tr("Error"), tr("Please choose a field from the list."),
                             ui::MsgIcon::Warning, ui::Ok, ui::Ok, true});
        FieldList->setFocus();
        return;
    }
    reports::ReportItem& it = line_.items[std::size_t(item_ - 1)];
    it.width = width;
    reports::normaliseLine(line_, chars_);
    it.label.clear();
    if (FillerRadio->isChecked()) {
        it.name = QStringLiteral("<FILLER>");
        it.fieldNumber = 0;
    } else if (LabelRadio->isChecked()) {
        it.name = QStringLiteral("<LABEL>");
        it.fieldNumber = 0;
        it.label = LabelName->text().trimmed().left(40);
    } else {
        const int n = FieldList->currentRow() + 1;
        it.name = totals_ ? reports::totalsFieldName(n) : QString::fromLatin1(store::fieldDef(n).name);
        it.fieldNumber = n;
    }
    accept();
}
