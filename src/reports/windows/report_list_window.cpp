// SPDX-License-Identifier: GPL-2.0-or-later
#include "reports/windows/report_list_window.h"
#include "reports/windows/print_range_window.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "render/printer_device.h"
#include "reports/report_file.h"
#include "reports/report_list.h"
#include "reports/report_printer.h"
#include "reports/windows/preview_window.h"
#include "reports/windows/printer_select_window.h"
#include "reports/windows/report_form.h"
#include "reports/windows/user_report_window.h"
#include "ui/appearance.h"
#include "ui/seams/dialogs.h"
#include "ui/seams/help.h"
#include "ui/seams/messages.h"
#include "ui/window_fit.h"

namespace {

// The report messages: caption "Error", warning icon, after a warning beep.
void warn(QObject* owner, const QString& text)
{
    ui::messages().show({owner, QCoreApplication::translate("Messages", "Error"), text, ui::MsgIcon::Warning, ui::Ok, ui::Ok, true});
}

const char* const kNoneSelected = QT_TRANSLATE_NOOP("TMyReport", "No Report has been selected.  Please choose one.");

reports::StoredPrinter storedPrinter(const store::DatabaseSettings& db)
{
    return {db.defaultPrinter, db.printerIndex, db.printerName, db.pdfFile};
}

}  // namespace

TMyReport::TMyReport(reports::ReportHost& host, QWidget* parent) : QDialog(parent), host_(host)
{
    setObjectName(QStringLiteral("MyReport"));
    setWindowTitle(tr("Reports"));
    ui::makeFixedDialog(this);
    buildControls();
    buildMenu();
    resize(520, 366);
    today = [] {
        const QDate d = QDate::currentDate();
        return dbase::Date {d.year(), d.month(), d.day()};
    };
    printSelect_ = new TPrintSelect(this);
    designed = ui::recordWindowDimensions(this);
    printSelectDesigned_ = ui::recordWindowDimensions(printSelect_);
    loadNames();
}

TMyReport::~TMyReport() = default;

void TMyReport::buildControls()
{
    auto* selection = new QGroupBox(tr("Report Selection"), this);
    selection->setGeometry(10, 30, 300, 240);
    ReportBox = new QListWidget(selection);
    ReportBox->setObjectName(QStringLiteral("ReportBox"));
    ReportBox->setGeometry(10, 24, 280, 206);
    connect(ReportBox, &QListWidget::itemDoubleClicked, this, &TMyReport::ViewButtonClick);

    auto* order = new QGroupBox(tr("Current Sort Order"), this);
    order->setGeometry(320, 30, 190, 100);
    SortOrderLabel = new QLabel(order);
    SortOrderLabel->setObjectName(QStringLiteral("SortOrderLabel"));
    SortOrderLabel->setWordWrap(true);
    SortOrderLabel->setAlignment(Qt::AlignCenter);
    SortOrderLabel->setGeometry(8, 22, 174, 70);

    auto* what = new QGroupBox(tr("What to Print"), this);
    what->setGeometry(320, 140, 190, 84);
    ExportEntire = new QRadioButton(tr("Print Entire Database"), what);
    ExportEntire->setObjectName(QStringLiteral("ExportEntire"));
    ExportEntire->setGeometry(10, 24, 174, 24);
    ExportSearch = new QRadioButton(tr("Print Search Criteria"), what);
    ExportSearch->setObjectName(QStringLiteral("ExportSearch"));
    ExportSearch->setGeometry(10, 52, 174, 24);

    auto button = [this](const char* name, const char* caption, QRect at) {
        auto* b = new QPushButton(tr(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(at);
        return b;
    };
    ViewButton = button("ViewButton", QT_TR_NOOP("&View"), {10, 282, 96, 32});
    ViewButton->setDefault(true);
    PrintButton = button("PrintButton", QT_TR_NOOP("&Print"), {114, 282, 96, 32});
    FileButton = button("FileButton", QT_TR_NOOP("Print To &File"), {218, 282, 120, 32});
    HelpButton = button("HelpButton", QT_TR_NOOP("&Help"), {346, 282, 78, 32});
    ExitButton = button("ExitButton", QT_TR_NOOP("E&xit"), {432, 282, 78, 32});
    ModifyButton = button("ModifyButton", QT_TR_NOOP("&Modify Report"), {10, 322, 150, 32});
    NewButton = button("NewButton", QT_TR_NOOP("&New Report"), {168, 322, 150, 32});
    connect(ModifyButton, &QPushButton::clicked, this, &TMyReport::ModifyButtonClick);
    connect(NewButton, &QPushButton::clicked, this, &TMyReport::NewButtonClick);
    connect(ViewButton, &QPushButton::clicked, this, &TMyReport::ViewButtonClick);
    connect(PrintButton, &QPushButton::clicked, this, &TMyReport::PrintButtonClick);
    connect(FileButton, &QPushButton::clicked, this, &TMyReport::FileButtonClick);
    connect(HelpButton, &QPushButton::clicked, this, &TMyReport::HelpButtonClick);
    connect(ExitButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TMyReport::buildMenu()
{
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("ReportMenu"));
    bar->setGeometry(0, 0, 520, 24);
    const auto C = [](int key) { return QKeySequence(Qt::CTRL | Qt::Key(key)); };
    auto add = [this](QMenu* menu, const char* name, const char* caption, const QKeySequence& key, auto slot) {
        QAction* a = menu->addAction(tr(caption));
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(key);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QMenu* file = bar->addMenu(tr("&File"));
    add(file, "MenuView", QT_TR_NOOP("&View"), C(Qt::Key_V), &TMyReport::ViewButtonClick);
    add(file, "MenuPrint", QT_TR_NOOP("&Print"), C(Qt::Key_P), &TMyReport::PrintButtonClick);
    add(file, "MenuPrintFile", QT_TR_NOOP("Print To &File"), C(Qt::Key_F), &TMyReport::FileButtonClick);
    add(file, "MenuPrinterSetup", QT_TR_NOOP("Printer &Setup"), C(Qt::Key_S), &TMyReport::PrinterSetupClick);
    add(file, "MenuExit", QT_TR_NOOP("E&xit"), C(Qt::Key_X), &QDialog::accept);
    QMenu* options = bar->addMenu(tr("&Options"));
    add(options, "MenuModify", QT_TR_NOOP("&Modify Report"), C(Qt::Key_M), &TMyReport::ModifyButtonClick);
    add(options, "MenuNewReport", QT_TR_NOOP("&New Report"), C(Qt::Key_N), &TMyReport::NewButtonClick);
    QAction* help = bar->addAction(tr("&Help"));
    help->setObjectName(QStringLiteral("MenuHelp"));
    connect(help, &QAction::triggered, this, &TMyReport::HelpButtonClick);
}

void TMyReport::loadNames()
{
    const int row = ReportBox->currentRow();
    ReportBox->clear();
    const reports::ReportFile file(reports::reportFileIn(host_.programDirectory()));
    ReportBox->addItems(file.listNames());
    if (row >= 0 && row < ReportBox->count()) ReportBox->setCurrentRow(row);
}

void TMyReport::prepare()
{
    const bool search = host_.searchActive();
    ExportSearch->setEnabled(search);
    (search ? ExportSearch : ExportEntire)->setChecked(true);
    const int last = host_.databaseSettings().lastReport;
    if (last >= 0 && last < ReportBox->count()) {
        ReportBox->setCurrentRow(last);
    } else {
        ReportBox->setCurrentRow(-1);
        ReportBox->clearSelection();
    }
    ReportBox->setFocus();
    const store::DatabaseSettings& db = host_.databaseSettings();
    SortOrderLabel->setText(reports::sortOrderText(db.sortOrder, db.fieldNames));
}

void TMyReport::done(int result)
{
    host_.databaseSettings().lastReport = ReportBox->currentRow();
    QDialog::done(result);
}

void TMyReport::HelpButtonClick() { ui::help().showKeyword(this, QStringLiteral("Report Window")); }

void TMyReport::PrinterSetupClick()
{
    store::DatabaseSettings& db = host_.databaseSettings();
    const QStringList printers = render::installedPrinters();
    printSelect_->load(db.defaultPrinter, reports::choosePrinter(storedPrinter(db), printers).index, db.pdfFile, printers);
    ui::dressWindow(printSelect_, db, store::ReportColors);
    ui::fitWindow(printSelect_, &printSelectDesigned_, host_.windowFactor(), host_.windowScreen());
    if (execModal(*printSelect_) != QDialog::Accepted) return;
    db.defaultPrinter = printSelect_->defaultPrinter();
    db.pdfFile = printSelect_->pdfFile();
    if (printSelect_->printerIndex() >= 0 || !db.pdfFile) {
        db.printerIndex = printSelect_->printerIndex();
        db.printerName = printers.value(db.printerIndex);
    }
}

void TMyReport::FileButtonClick()
{
    if (ReportBox->currentRow() < 0) {
        warn(this, tr(kNoneSelected));
        ReportBox->setFocus();
        return;
    }
    const QString name = ui::dialogs().saveFileName(this, tr("Save Report As a Text File"), QString(),
                                                    ui::caselessFilter(tr("Text Files (*.TXT)")),
                                                    QStringLiteral("TXT"));
    if (name.isEmpty()) return;
    if (reports::isOneOf(name, host_.filesInUse())) return warn(this, reports::inUseMessage(name));
    runReport(reports::RunMode::TextFile, name);
}

void TMyReport::NewButtonClick()
{
    buffer_ = reports::newReport();
    openDesigner(true, -1);
}

void TMyReport::ModifyButtonClick()
{
    // a report that cannot be read is not opened: "&Update" would write whatever the buffer holds
    if (!readSelected()) return;
    openDesigner(false, ReportBox->currentRow());
}

void TMyReport::openDesigner(bool newMode, int record)
{
    const store::DatabaseSettings& db = host_.databaseSettings();
    TUserReport designer(buffer_, newMode, record, db.fieldNames,
                         reports::reportFileIn(host_.programDirectory()),
                         host_.windowFactor(), this);
    designer.execModal = execModal;
    designer.dress = [this](QWidget* w) {
        const store::DatabaseSettings& s = host_.databaseSettings();
        ui::dressWindow(w, s, store::ReportColors);
    };
    designer.dress(&designer);
    ui::fitWindow(&designer, nullptr, host_.windowFactor(), host_.windowScreen());
    execModal(designer);
    if (!designer.fileChanged()) return;
    loadNames();
    const int select = designer.selectAfter();
    ReportBox->setCurrentRow(select >= 0 && select < ReportBox->count() ? select : -1);
}

bool TMyReport::readSelected()
{
    const int n = ReportBox->currentRow();
    if (n < 0) {
        warn(this, tr(kNoneSelected));
        ReportBox->setFocus();
        return false;
    }
    const reports::ReportFile file(reports::reportFileIn(host_.programDirectory()));
    const auto record = file.read(n);  // a list grown stale finds no record n
    if (!record) {
        warn(this, QString::fromLatin1(reports::kReportNotFound));
        ReportBox->setFocus();
        return false;
    }
    buffer_ = *record;
    return true;
}

std::unique_ptr<render::PageDevice> TMyReport::printerDevice()
{
    const store::DatabaseSettings& db = host_.databaseSettings();
    const reports::PrinterChoice choice = reports::choosePrinter(storedPrinter(db), render::installedPrinters());
    switch (choice.kind) {
    case reports::PrinterChoice::NoPrinter:
        warn(this, tr("No printers are defined, aborting print job."));
        return nullptr;
    case reports::PrinterChoice::PdfFile: {
        const QString name = ui::dialogs().saveFileName(this, tr("Print To a PDF File"), QString(),
                                                        ui::caselessFilter(tr("PDF Files (*.PDF)")),
                                                        QStringLiteral("PDF"));
        if (name.isEmpty()) return nullptr;
        if (reports::isOneOf(name, host_.filesInUse())) {
            warn(this, reports::inUseMessage(name));
            return nullptr;
        }
        auto pdf = std::make_unique<render::PdfDevice>(name, choice.paper);
        pdf->setDocumentTitle(buffer_.name);
        return pdf;
    }
    case reports::PrinterChoice::Printer:
        try {
            return std::make_unique<render::PrinterDevice>(choice.index);
        } catch (const std::exception& e) {
            warn(this, QString::fromLocal8Bit(e.what()));
            return nullptr;
        }
    }
    return nullptr;
}

void TMyReport::runReport(reports::RunMode mode, const QString& textFile)
{
    if (!readSelected()) return;
    // the whole table, or the search result; the search comes back however the run ends
    const reports::SearchSetAside aside(host_, host_.searchActive() && ExportEntire->isChecked());

    const store::DatabaseSettings& db = host_.databaseSettings();
    std::unique_ptr<render::PageDevice> printer;
    std::unique_ptr<render::StreamDevice> stream;
    if (mode == reports::RunMode::Print) {
        printer = printerDevice();
        if (!printer) return;
    } else {
        const auto choice = reports::choosePrinter(storedPrinter(db), render::installedPrinters());
        stream = std::make_unique<render::StreamDevice>(choice.paper);
    }
    reports::RunInput input;
    input.report = &buffer_;
    input.table = &host_.bookTable();
    input.sortLevels = db.sortOrder;
    input.displayNames = db.fieldNames;
    input.today = today();
    input.mode = mode;
    input.textFile = textFile;
    render::PageDevice& device = printer ? *printer : static_cast<render::PageDevice&>(*stream);
    TReportForm form(input, device, this);
    ui::dressWindow(&form, db, store::ReportColors);
    ui::fitWindow(&form, nullptr, host_.windowFactor(), host_.windowScreen());
    execModal(form);
    if (mode != reports::RunMode::View || form.aborted()) return;

    TMyPreview preview(*stream, buffer_.name, [this] { return printerDevice(); }, this);
    store::DatabaseSettings& settings = host_.databaseSettings();
    const QSize screen = host_.windowScreen();
    preview.resize(std::clamp(settings.reportWidth, 320, std::max(320, screen.width())),
                   std::clamp(settings.reportHeight, 240, std::max(240, screen.height())));
    preview.move(ui::keptOnScreen(QPoint(settings.reportLeft, settings.reportTop), preview.size(), host_.windowScreen()));
    // the preview keeps the style's colours; its print-range window is one of the report windows
    preview.askRange = [this, &preview](int count, int* first, int* last) {
        TPrintRange range(count, &preview);
        ui::dressWindow(&range, host_.databaseSettings(), store::ReportColors);
        ui::fitWindow(&range, nullptr, host_.windowFactor(), host_.windowScreen());
        if (execModal(range) != QDialog::Accepted) return false;
        *first = range.startPage();
        *last = range.endPage();
        return true;
    };
    execModal(preview);
    settings.reportLeft = preview.x();
    settings.reportTop = preview.y();
    settings.reportWidth = preview.width();
    settings.reportHeight = preview.height();
}
