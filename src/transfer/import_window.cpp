// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/import_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "dbase/error.h"
#include "store/field_table.h"
#include "ui/grid_keys.h"
#include "ui/help.h"
#include "ui/messages.h"
#include "ui/window_fit.h"

namespace {
QTableWidgetItem* cell(const QString& text, int source = -1)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setData(Qt::UserRole, source);
    return item;
}
}  // namespace

TMyImport::TMyImport(transfer::ImportHost& host, bool ascii, const QString& path, const QString& text,
                     const QStringList& labels, QWidget* parent)
    : QDialog(parent), host_(host), ascii_(ascii), path_(path), text_(text), sources_(int(labels.size()))
{
    setObjectName(QStringLiteral("MyImport"));
    setWindowTitle(ascii ? tr("Ascii Delimited Text Import") : tr("DBase File Import"));
    ui::makeFixedDialog(this);
    const int rows = std::max(store::kFieldCount, sources_);
    ImportGrid = new QTableWidget(rows, 3, this);
    ImportGrid->setObjectName(QStringLiteral("ImportGrid"));
    ImportGrid->setGeometry(10, 10, 420, 330);
    ImportGrid->setHorizontalHeaderLabels({tr("BINDLOW FIELDS"), tr("IMPORT FIELDS"), QStringLiteral("USE")});
    ImportGrid->setColumnWidth(0, 179);
    ImportGrid->setColumnWidth(1, 179);
    ImportGrid->setColumnWidth(2, 38);
    ImportGrid->verticalHeader()->hide();
    ImportGrid->verticalHeader()->setDefaultSectionSize(20);
    ImportGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ImportGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    const store::DatabaseSettings& db = host_.databaseSettings();
    for (int r = 0; r < rows; ++r) {
        ImportGrid->setItem(r, 0, cell(r < store::kFieldCount ? db.fieldNames[std::size_t(r)] : QString()));
        ImportGrid->setItem(r, 1, r < sources_ ? cell(labels[r], r) : cell(QStringLiteral("<EMPTY>")));
        ImportGrid->setItem(r, 2, cell(r < sources_ ? QStringLiteral("Yes") : QString()));
    }
    connect(ImportGrid, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        if (column == 2) toggleRow(row);
    });
    ui::toggleOnSpace(ImportGrid, [this](int row) { toggleRow(row); });
    auto label = [this](const char* name, const QString& text, QRect at) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(at);
        return l;
    };
    label("FieldOrder1Label", QStringLiteral("Field"), {440, 10, 100, 20});
    label("FieldOrder2Label", QStringLiteral("Alignment"), {440, 28, 100, 20});
    label("Label1",
          tr("Use the \"Up\" and \"Down\" buttons to match up the Bindlow fields with the Import Fields.  "
                         "Select \"Yes\"  to include it.  Double click on the \"USE\" field to toggle between Yes and No."),
          {440, 130, 170, 130})
        ->setWordWrap(true);
    label("ImportCount1Label", QStringLiteral("Import"), {440, 88, 90, 20});
    label("ImportCount2Label", QStringLiteral("Count"), {440, 106, 90, 20});
    CountLabel = label("CountLabel", QStringLiteral("0"), {540, 96, 70, 22});
    auto button = [this](const char* name, const char* caption, QRect at) {
        auto* b = new QPushButton(tr(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(at);
        return b;
    };
    auto* up = button("UpButton", QT_TR_NOOP("&Up"), {440, 52, 80, 28});
    auto* down = button("DownButton", QT_TR_NOOP("&Down"), {528, 52, 80, 28});
    SkipFirst = new QCheckBox(tr("Skip First Record"), this);
    SkipFirst->setObjectName(QStringLiteral("SkipFirst"));
    SkipFirst->setGeometry(440, 266, 170, 24);
    SkipFirst->setChecked(db.importSkipFirst);
    SkipFirst->setVisible(ascii);
    SkipFirst->setEnabled(ascii);
    connect(SkipFirst, &QCheckBox::clicked, this, [this](bool on) { host_.databaseSettings().importSkipFirst = on; });
    auto* start = button("StartButton", QT_TR_NOOP("&Start Import"), {10, 350, 120, 32});
    start->setDefault(true);
    auto* exit = button("ExitButton", QT_TR_NOOP("E&xit"), {140, 350, 90, 32});
    auto* help = button("HelpButton", QT_TR_NOOP("&Help"), {240, 350, 90, 32});
    connect(up, &QPushButton::clicked, this, &TMyImport::UpButtonClick);
    connect(down, &QPushButton::clicked, this, &TMyImport::DownButtonClick);
    connect(start, &QPushButton::clicked, this, &TMyImport::StartButtonClick);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &TMyImport::HelpButtonClick);
    resize(620, 392);
    ImportGrid->setCurrentCell(0, 1);
}

void TMyImport::toggleRow(int row)
{
    QTableWidgetItem* item = ImportGrid->item(row, 2);
    if (!item || item->text().isEmpty()) return;
    item->setText(item->text() == QLatin1String("Yes") ? QStringLiteral("No") : QStringLiteral("Yes"));
}

void TMyImport::swapRows(int a, int b)
{
    for (int c = 1; c <= 2; ++c) {
        QTableWidgetItem* x = ImportGrid->takeItem(a, c);
        QTableWidgetItem* y = ImportGrid->takeItem(b, c);
        ImportGrid->setItem(a, c, y);
        ImportGrid->setItem(b, c, x);
    }
    ImportGrid->setCurrentCell(b, 1);
}

void TMyImport::UpButtonClick()
{
    const int r = ImportGrid->currentRow();
    if (r > 0) swapRows(r, r - 1);
}

void TMyImport::DownButtonClick()
{
    const int r = ImportGrid->currentRow();
    if (r >= 0 && r < ImportGrid->rowCount() - 1) swapRows(r, r + 1);
}

transfer::Pairing TMyImport::pairing() const
{
    // by the source field's place, not its label: labels can repeat
    transfer::Pairing p(std::size_t(sources_), 0);
    for (int r = 0; r < store::kFieldCount && r < ImportGrid->rowCount(); ++r) {
        const int source = ImportGrid->item(r, 1)->data(Qt::UserRole).toInt();
        if (source >= 0 && source < sources_ && ImportGrid->item(r, 2)->text() == QLatin1String("Yes"))
            p[std::size_t(source)] = r + 1;
    }
    return p;
}

void TMyImport::HelpButtonClick() { ui::help().showKeyword(this, QStringLiteral("Import Window")); }

void TMyImport::StartButtonClick()
{
    const transfer::Pairing p = pairing();
    // asked before anything is posted: No leaves the database as it was
    if (ascii_) {
        const int unstorable = transfer::unstorableValues(text_, p, SkipFirst->isChecked());
        if (unstorable > 0 &&
            !ui::askConfirm(this, tr("%1 values hold characters that this database cannot store.  They will "
                                                 "be stored as \"?\".  Import anyway?")
                                      .arg(unstorable)))
            return;
    }
    QElapsedTimer clock;
    clock.start();
    int posted = 0;
    auto progress = [&](int records) {
        posted = records;
        if (clock.elapsed() >= 50) {
            CountLabel->setText(QString::number(records));
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            clock.restart();
        }
        return true;
    };
    QApplication::setOverrideCursor(Qt::WaitCursor);
    transfer::ImportCounts counts;
    QString failure;
    try {
        counts = ascii_ ? transfer::importText(text_, p, SkipFirst->isChecked(), host_.bookTable(), app::regional(), progress)
                        : transfer::importDbase(path_, p, host_.bookTable(), app::regional(), progress);
    } catch (const std::exception& e) {
        failure = QString::fromLocal8Bit(e.what());
    }
    QApplication::restoreOverrideCursor();
    host_.booksAdded();
    CountLabel->setText(QString::number(failure.isEmpty() ? counts.records : posted));
    if (!failure.isEmpty()) {
        ui::showError(this, failure);  // the books posted before the failure stay
        return;
    }
    ui::Message end;
    end.owner = this;
    end.caption = counts.stoppedAt ? tr("Error") : tr("Ok");
    end.icon = counts.stoppedAt ? ui::MsgIcon::Error : ui::MsgIcon::None;
    end.text = transfer::importSummary(counts);
    end.details = transfer::importDetails(counts, ascii_, host_.databaseSettings().fieldNames);
    ui::messages().show(end);
    accept();
}
