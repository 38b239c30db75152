// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/windows/export_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <optional>

#include "reports/report_list.h"
#include "store/book_table.h"
#include "store/field_table.h"
#include "transfer/export_records.h"
#include "ui/grid_keys.h"
#include "ui/seams/dialogs.h"
#include "ui/seams/help.h"
#include "ui/seams/messages.h"
#include "ui/window_fit.h"

namespace {
QTableWidgetItem* cell(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}
}  // namespace

TMyExport::TMyExport(reports::ReportHost& host, QWidget* parent) : QDialog(parent), host_(host)
{
    setObjectName(QStringLiteral("MyExport"));
    setWindowTitle(tr("Export"));
    ui::makeFixedDialog(this);
    ExportGrid = new QTableWidget(store::kFieldCount, 2, this);
    ExportGrid->setObjectName(QStringLiteral("ExportGrid"));
    ExportGrid->setGeometry(10, 10, 320, 300);
    ExportGrid->setHorizontalHeaderLabels({QStringLiteral("FIELD"), tr("EXPORT IT")});
    ExportGrid->setColumnWidth(0, 200);
    ExportGrid->setColumnWidth(1, 100);
    ExportGrid->verticalHeader()->hide();
    ExportGrid->verticalHeader()->setDefaultSectionSize(20);
    ExportGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    ExportGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(ExportGrid, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        if (column == 1) toggleRow(row);
    });
    ui::toggleOnSpace(ExportGrid, [this](int row) { toggleRow(row); });
    auto* label = new QLabel(tr("To have a field included in the export, select \"Yes\".  To exclude it, "
                                            "select \"No\".  Double click on the field to toggle between Yes and No."),
                             this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setWordWrap(true);
    label->setGeometry(340, 6, 214, 88);
    auto button = [this](const char* name, const char* caption, QRect at) {
        auto* b = new QPushButton(tr(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(at);
        return b;
    };
    UpButton = button("UpButton", QT_TR_NOOP("&Up"), {340, 98, 100, 28});
    DownButton = button("DownButton", QT_TR_NOOP("&Down"), {450, 98, 100, 28});
    auto* defaults = button("DefaultsButton", QT_TR_NOOP("D&efaults"), {340, 132, 100, 28});
    FirstRow = new QCheckBox(tr("&First Record Contains Field Names"), this);
    FirstRow->setObjectName(QStringLiteral("FirstRow"));
    FirstRow->setGeometry(340, 166, 214, 24);
    auto* what = new QGroupBox(tr("What to Export"), this);
    what->setGeometry(340, 194, 250, 74);
    ExportEntire = new QRadioButton(tr("Export Entire Database"), what);
    ExportEntire->setObjectName(QStringLiteral("ExportEntire"));
    ExportEntire->setGeometry(8, 22, 200, 22);
    ExportSearch = new QRadioButton(tr("Export Search Criteria"), what);
    ExportSearch->setObjectName(QStringLiteral("ExportSearch"));
    ExportSearch->setGeometry(8, 46, 200, 22);
    auto* how = new QGroupBox(tr("How To Export"), this);
    how->setGeometry(340, 272, 250, 98);
    AsciiFile = new QRadioButton(tr("Ascii Delimited Text File"), how);
    AsciiFile->setObjectName(QStringLiteral("AsciiFile"));
    AsciiFile->setGeometry(8, 22, 200, 22);
    DBaseFile = new QRadioButton(tr("DBase File (DBF)"), how);
    DBaseFile->setObjectName(QStringLiteral("DBaseFile"));
    DBaseFile->setGeometry(8, 46, 200, 22);
    CsvFile = new QRadioButton(tr("Comma Separated Values (UTF-8)"), how);
    CsvFile->setObjectName(QStringLiteral("CsvFile"));
    CsvFile->setGeometry(8, 70, 236, 22);
    auto* progressLabel = new QLabel(tr("Export Progress"), this);
    progressLabel->setGeometry(10, 314, 200, 20);
    MyGauge = new QProgressBar(this);
    MyGauge->setObjectName(QStringLiteral("MyGauge"));
    MyGauge->setGeometry(10, 334, 320, 20);
    MyGauge->setTextVisible(false);
    MyGauge->setStyleSheet(QStringLiteral("QProgressBar::chunk { background-color: red; }"));
    auto* start = button("StartExportButton", QT_TR_NOOP("&Start Export"), {10, 362, 110, 32});
    start->setDefault(true);
    auto* exit = button("ExitButton", QT_TR_NOOP("E&xit"), {130, 362, 90, 32});
    auto* help = button("HelpButton", QT_TR_NOOP("&Help"), {230, 362, 90, 32});
    connect(UpButton, &QPushButton::clicked, this, &TMyExport::UpButtonClick);
    connect(DownButton, &QPushButton::clicked, this, &TMyExport::DownButtonClick);
    connect(defaults, &QPushButton::clicked, this, &TMyExport::DefaultsButtonClick);
    connect(start, &QPushButton::clicked, this, &TMyExport::StartExportButtonClick);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this, &TMyExport::HelpButtonClick);
    connect(FirstRow, &QCheckBox::clicked, this, [this](bool on) { host_.databaseSettings().exportFirstRow = on; });
    connect(AsciiFile, &QRadioButton::toggled, this, &TMyExport::formatChosen);
    resize(600, 404);
    connect(CsvFile, &QRadioButton::toggled, this, &TMyExport::formatChosen);

    fillGrid();
    const bool search = host_.searchActive();
    ExportSearch->setEnabled(search);
    (search ? ExportSearch : ExportEntire)->setChecked(true);
    const store::DatabaseSettings& db = host_.databaseSettings();
    (db.exportFileType == 2 ? DBaseFile : db.exportFileType == 3 ? CsvFile : AsciiFile)->setChecked(true);
    FirstRow->setChecked(db.exportFirstRow);
    formatChosen();
    ExportGrid->setCurrentCell(0, 0);
}

void TMyExport::fillGrid()
{
    const store::DatabaseSettings& db = host_.databaseSettings();
    const std::vector<int> rows = transfer::exportRows(db);
    for (int r = 0; r < store::kFieldCount; ++r) {
        const int n = rows[std::size_t(r)];
        ExportGrid->setItem(r, 0, cell(db.fieldNames[std::size_t(n - 1)]));
        ExportGrid->setItem(r, 1, cell(db.exportFields[std::size_t(n - 1)] ? QStringLiteral("Yes") : QStringLiteral("No")));
    }
}

void TMyExport::toggleRow(int row)
{
    QTableWidgetItem* item = ExportGrid->item(row, 1);
    if (item) item->setText(item->text() == QLatin1String("Yes") ? QStringLiteral("No") : QStringLiteral("Yes"));
}

void TMyExport::swapRows(int a, int b)
{
    for (int c = 0; c < 2; ++c) {
        const QString t = ExportGrid->item(a, c)->text();
        ExportGrid->item(a, c)->setText(ExportGrid->item(b, c)->text());
        ExportGrid->item(b, c)->setText(t);
    }
    ExportGrid->setCurrentCell(b, ExportGrid->currentColumn() < 0 ? 0 : ExportGrid->currentColumn());
}

void TMyExport::UpButtonClick()
{
    const int r = ExportGrid->currentRow();
    if (r > 0) swapRows(r, r - 1);
}

void TMyExport::DownButtonClick()
{
    const int r = ExportGrid->currentRow();
    if (r >= 0 && r < store::kFieldCount - 1) swapRows(r, r + 1);
}

void TMyExport::DefaultsButtonClick()
{
    if (ui::messages().show({this, tr("Re-Order"),
                             tr("This will set the order of fields to the program defaults.  Continue?"),
                             ui::MsgIcon::Question, ui::Yes | ui::No, ui::Yes, false}) != ui::Yes)
        return;
    const store::DatabaseSettings& db = host_.databaseSettings();
    for (int r = 0; r < store::kFieldCount; ++r) {
        ExportGrid->item(r, 0)->setText(db.fieldNames[std::size_t(r)]);
        ExportGrid->item(r, 1)->setText(QStringLiteral("Yes"));
    }
}

void TMyExport::formatChosen()
{
    const bool ascii = AsciiFile->isChecked();
    FirstRow->setVisible(ascii);
    FirstRow->setEnabled(ascii);
}

void TMyExport::UpdateConfigs()
{
    store::DatabaseSettings& db = host_.databaseSettings();
    for (int n = 1; n <= store::kFieldCount; ++n)
        for (int r = 0; r < store::kFieldCount; ++r)
            if (ExportGrid->item(r, 0)->text() == db.fieldNames[std::size_t(n - 1)]) {
                db.exportOrder[std::size_t(n - 1)] = r + 1;
                db.exportFields[std::size_t(n - 1)] = ExportGrid->item(r, 1)->text() == QLatin1String("Yes");
                break;
            }
}

void TMyExport::done(int result)
{
    UpdateConfigs();
    host_.databaseSettings().exportFileType = AsciiFile->isChecked() ? 1 : CsvFile->isChecked() ? 3 : 2;
    QDialog::done(result);
}

void TMyExport::HelpButtonClick() { ui::help().showKeyword(this, QStringLiteral("Export Window")); }

void TMyExport::StartExportButtonClick()
{
    auto error = [this](const QString& text) {
        ui::showNotice(this, tr("Error"), text, ui::MsgIcon::None);
    };
    UpdateConfigs();
    store::DatabaseSettings& db = host_.databaseSettings();
    const std::vector<transfer::ExportField> fields = transfer::exportList(db, host_.bookTable());
    if (fields.empty()) return error(tr("No fields selected for export."));
    const bool ascii = AsciiFile->isChecked(), csv = CsvFile->isChecked();
    const QString name = ascii ? ui::dialogs().saveFileName(this, tr("Export Data"), QString(),
                                                            ui::caselessFilter(tr("Ascii Delimited Text (*.TXT)")),
                                                            QStringLiteral("TXT"))
                         : csv ? ui::dialogs().saveFileName(this, tr("Export Data"), QString(),
                                                            ui::caselessFilter(tr("Comma Separated Values (*.csv)")),
                                                            QStringLiteral("csv"))
                               : ui::dialogs().saveFileName(this, tr("Export Data"), QString(),
                                                            ui::caselessFilter(tr("DBase (*.DBF)")),
                                                            QStringLiteral("DBF"));
    if (name.isEmpty()) return;
    if (!ascii && !csv && !store::hasTableSuffix(name))
        return error(tr("Invalid file type selected."));
    // the program's own files are never written over
    if (reports::isOneOf(name, host_.filesInUse())) return error(reports::inUseMessage(name));
    std::optional<reports::SearchSetAside> aside;
    aside.emplace(host_, host_.searchActive() && ExportEntire->isChecked());
    QStringList headings;
    for (const auto& f : fields) headings << transfer::exportLabel(f.number, db);
    const dbase::Table& table = host_.bookTable();
    MyGauge->setRange(0, int(std::min<std::size_t>(table.recordCount(), std::size_t(INT_MAX))));
    MyGauge->setValue(0);
    QElapsedTimer clock;
    clock.start();
    auto progress = [&](std::size_t done, std::size_t) {
        if (clock.elapsed() < 50) return;
        MyGauge->setValue(int(done));
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        clock.restart();
    };
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString failure;
    try {
        if (ascii)
            transfer::writeAscii(name, table, fields, db.exportFirstRow ? &headings : nullptr, regional::current(), progress);
        else if (csv)
            transfer::writeCsv(name, table, fields, headings, progress);
        else
            transfer::writeDbase(name, table, fields, progress);
    } catch (const std::exception& e) {
        failure = QString::fromLocal8Bit(e.what());
    }
    aside.reset();  // the search is in force again before anything is said
    QApplication::restoreOverrideCursor();
    MyGauge->setValue(MyGauge->maximum());
    if (!failure.isEmpty()) {
        ui::showError(this, failure);
        MyGauge->setValue(0);
        return;
    }
    ui::showNotice(this, tr("Ok"), tr("Export Complete."), ui::MsgIcon::None);
    MyGauge->setValue(0);
    accept();
}
