// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/windows/import_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include "dbase/error.h"
#include "store/field_table.h"
#include "transfer/csv_reader.h"
#include "transfer/import_undo.h"
#include "transfer/known_headings.h"
#include "transfer/remembered_pairings.h"
#include "transfer/windows/import_preview_window.h"
#include "ui/appearance.h"
#include "ui/grid_keys.h"
#include "ui/seams/help.h"
#include "ui/seams/messages.h"
#include "ui/window_fit.h"

namespace {
QTableWidgetItem* cell(const QString& text, int source = -1)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setData(Qt::UserRole, source);
    return item;
}

// The column of a comma-separated file a book field takes, chosen from a list of the columns.
class SourceDelegate : public QStyledItemDelegate {
public:
    SourceDelegate(TMyImport& window, const QStringList& labels) : QStyledItemDelegate(&window), window_(window), labels_(labels) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* box = new QComboBox(parent);
        box->setObjectName(QStringLiteral("SourceBox"));
        box->addItem(TMyImport::tr("<EMPTY>"));
        for (int k = 0; k < labels_.size(); ++k) box->addItem(QStringLiteral("%1  %2").arg(k + 1).arg(labels_[k]));
        return box;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        static_cast<QComboBox*>(editor)->setCurrentIndex(index.data(Qt::UserRole).toInt() + 1);
    }
    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override
    {
        window_.chooseSource(index.row(), static_cast<QComboBox*>(editor)->currentIndex() - 1);
    }

private:
    TMyImport& window_;
    QStringList labels_;
};
}  // namespace

TMyImport::TMyImport(transfer::ImportHost& host, bool ascii, const QString& path, const QString& text,
                     const QStringList& labels, QWidget* parent)
    : QDialog(parent), host_(host),
      source_ {ascii ? transfer::SourceKind::Ascii : transfer::SourceKind::Dbase, path, text}, labels_(labels),
      sources_(int(labels.size()))
{
    build(labels);
}

TMyImport::TMyImport(transfer::ImportHost& host, const transfer::ImportSource& source, QWidget* parent)
    : QDialog(parent), host_(host), source_(source)
{
    build({});
    pairCsvHeadings();
}

void TMyImport::build(const QStringList& labels)
{
    const bool ascii = source_.kind != transfer::SourceKind::Dbase;  // a text file of either kind
    setObjectName(QStringLiteral("MyImport"));
    setWindowTitle(csv() ? tr("Comma Separated Values Import")
                   : source_.kind == transfer::SourceKind::Ascii ? tr("Ascii Delimited Text Import")
                                                                 : tr("DBase File Import"));
    ui::makeFixedDialog(this);
    const int rows = csv() ? store::kFieldCount : std::max(store::kFieldCount, sources_);
    ImportGrid = new QTableWidget(rows, 3, this);
    ImportGrid->setObjectName(QStringLiteral("ImportGrid"));
    ImportGrid->setGeometry(10, 10, 420, 330);
    ImportGrid->setHorizontalHeaderLabels({tr("BINDLOW FIELDS"), tr("IMPORT FIELDS"), QStringLiteral("USE")});
    ImportGrid->setColumnWidth(0, 179);
    ImportGrid->setColumnWidth(1, 179);
    ImportGrid->setColumnWidth(2, 38);
    ImportGrid->verticalHeader()->hide();
    ImportGrid->verticalHeader()->setDefaultSectionSize(20);
    ImportGrid->setEditTriggers(csv() ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                      : QAbstractItemView::NoEditTriggers);
    ImportGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    if (!csv()) fillGrid(labels, {});
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
    label("FieldOrder1Label", tr("Field"), {440, 10, 100, 20});
    label("FieldOrder2Label", tr("Alignment"), {440, 28, 100, 20});
    label("Label1",
          csv() ? tr("Each book field takes the column beside it.  Double click a column, or press F2, to choose "
                     "another.  Select \"Yes\" to include it.")
                : tr("Use the \"Up\" and \"Down\" buttons to match up the Bindlow fields with the Import Fields.  "
                     "Select \"Yes\"  to include it.  Double click on the \"USE\" field to toggle between Yes and No."),
          {440, 130, 170, 130})
        ->setWordWrap(true);
    label("ImportCount1Label", tr("Import"), {440, 88, 90, 20});
    label("ImportCount2Label", tr("Count"), {440, 106, 90, 20});
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
    SkipFirst->setChecked(host_.databaseSettings().importSkipFirst);
    SkipFirst->setVisible(ascii);
    SkipFirst->setEnabled(ascii);
    // the setting is the text files' own; a comma-separated file says by its headings
    if (!csv())
        connect(SkipFirst, &QCheckBox::clicked, this, [this](bool on) { host_.databaseSettings().importSkipFirst = on; });
    if (csv()) {
        auto* separatorLabel = label("SeparatorLabel", tr("Sepa&rator"), {440, 298, 70, 24});
        SeparatorBox = new QComboBox(this);
        SeparatorBox->setObjectName(QStringLiteral("SeparatorBox"));
        SeparatorBox->setGeometry(512, 298, 98, 24);
        static const char* const names[] = {QT_TR_NOOP("Comma"), QT_TR_NOOP("Semicolon"), QT_TR_NOOP("Tab")};
        const QChar separators[] = {u',', u';', u'\t'};
        for (int k = 0; k < 3; ++k) SeparatorBox->addItem(tr(names[k]), separators[k]);
        SeparatorBox->setCurrentIndex(SeparatorBox->findData(source_.separator));
        separatorLabel->setBuddy(SeparatorBox);
        connect(SeparatorBox, &QComboBox::activated, this,
                [this](int index) { setSeparator(SeparatorBox->itemData(index).toChar()); });
    }
    auto* start = button("StartButton", QT_TR_NOOP("&Start Import"), {10, 350, 120, 32});
    start->setDefault(true);
    auto* exit = button("ExitButton", QT_TR_NOOP("E&xit"), {140, 350, 90, 32});
    auto* help = button("HelpButton", QT_TR_NOOP("&Help"), {240, 350, 90, 32});
    if (!csv()) {
        // the comma-separated kind shows the preview on "&Start Import"
        auto* preview = button("PreviewButton", QT_TR_NOOP("&Preview"), {340, 350, 90, 32});
        connect(preview, &QPushButton::clicked, this, &TMyImport::PreviewButtonClick);
    }
    connect(up, &QPushButton::clicked, this, &TMyImport::UpButtonClick);
    connect(down, &QPushButton::clicked, this, &TMyImport::DownButtonClick);
    connect(start, &QPushButton::clicked, this, &TMyImport::StartButtonClick);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &TMyImport::HelpButtonClick);
    resize(620, 392);
    ImportGrid->setCurrentCell(0, 1);
}

void TMyImport::fillGrid(const QStringList& labels, const transfer::Pairing& pairing)
{
    const store::DatabaseSettings& db = host_.databaseSettings();
    const int rows = ImportGrid->rowCount();
    for (int r = 0; r < rows; ++r) {
        ImportGrid->setItem(r, 0, cell(r < store::kFieldCount ? db.fieldNames[std::size_t(r)] : QString()));
        int source = -1;
        if (!csv()) {
            source = r < sources_ ? r : -1;
        } else {
            const auto at = std::find(pairing.begin(), pairing.end(), r + 1);
            if (at != pairing.end()) source = int(at - pairing.begin());
        }
        QTableWidgetItem* item = source >= 0 ? cell(labels[source], source) : cell(tr("<EMPTY>"));
        if (csv()) item->setFlags(item->flags() | Qt::ItemIsEditable);
        ImportGrid->setItem(r, 1, item);
        ImportGrid->setItem(r, 2, cell(source >= 0 ? QStringLiteral("Yes") : QString()));
    }
}

void TMyImport::pairCsvHeadings()
{
    transfer::CsvReader reader(source_.text, source_.separator);
    headings_ = reader.atEnd() ? QStringList() : reader.readRow().values;
    labels_.clear();
    for (const QString& h : headings_) {
        const QString plain = transfer::plainCsvValue(h);
        labels_ << (plain.isEmpty() ? tr("<BLANK FIELD>") : plain.left(40));
    }
    sources_ = int(headings_.size());
    const transfer::HeadingPairing found = transfer::pairByHeadings(headings_, host_.databaseSettings().fieldNames);
    headingPairing_ = found.pairing;
    const auto remembered = transfer::rememberedPairing(host_.databaseSettings(), headings_);
    // a first line that names columns is no book
    if (found.recognised > 0 || remembered) SkipFirst->setChecked(true);
    fillGrid(labels_, remembered ? *remembered : headingPairing_);
    ImportGrid->setItemDelegateForColumn(1, new SourceDelegate(*this, labels_));
}

void TMyImport::setSeparator(QChar separator)
{
    if (separator == source_.separator) return;
    source_.separator = separator;
    if (auto* old = ImportGrid->itemDelegateForColumn(1)) old->deleteLater();
    pairCsvHeadings();
}

void TMyImport::chooseSource(int row, int source)
{
    if (row < 0 || row >= store::kFieldCount || source >= sources_) return;
    // the column leaves the field it went into
    if (source >= 0)
        for (int r = 0; r < store::kFieldCount; ++r)
            if (r != row && ImportGrid->item(r, 1)->data(Qt::UserRole).toInt() == source) {
                ImportGrid->item(r, 1)->setText(tr("<EMPTY>"));
                ImportGrid->item(r, 1)->setData(Qt::UserRole, -1);
                ImportGrid->item(r, 2)->setText(QString());
            }
    ImportGrid->item(row, 1)->setText(source >= 0 ? labels_[source] : tr("<EMPTY>"));
    ImportGrid->item(row, 1)->setData(Qt::UserRole, source);
    ImportGrid->item(row, 2)->setText(source >= 0 ? QStringLiteral("Yes") : QString());
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
    if (csv()) {
        bool skip = false;
        if (!preview(skip)) return;
        // a pairing changed by hand is kept for the next file with this heading line
        const transfer::Pairing p = pairing();
        if (p != headingPairing_ && !headings_.isEmpty()) transfer::rememberPairing(host_.databaseSettings(), headings_, p);
        return runImport(skip);
    }
    // asked before anything is posted: No leaves the database as it was
    if (source_.kind == transfer::SourceKind::Ascii) {
        const int unstorable = transfer::unstorableValues(source_.text, pairing(), SkipFirst->isChecked());
        if (unstorable > 0 &&
            !ui::askConfirm(this, tr("%1 values hold characters that this database cannot store.  They will "
                                                 "be stored as \"?\".  Import anyway?")
                                      .arg(unstorable)))
            return;
    }
    runImport(false);
}

void TMyImport::PreviewButtonClick()
{
    bool skip = false;
    if (preview(skip)) runImport(skip);
}

bool TMyImport::preview(bool& skip)
{
    const transfer::Pairing p = pairing();
    const bool skipFirst = source_.kind != transfer::SourceKind::Dbase && SkipFirst->isChecked();
    transfer::ImportPreview found;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        found = transfer::previewImport(source_, p, skipFirst, host_.bookTable(), regional::current());
    } catch (const std::exception& e) {
        QApplication::restoreOverrideCursor();
        ui::showError(this, QString::fromLocal8Bit(e.what()));
        return false;
    }
    QApplication::restoreOverrideCursor();
    TImportPreview window(found, p, host_.databaseSettings().fieldNames, regional::current(), this);
    ui::dressWindow(&window, host_.databaseSettings(), store::ConfigureColors);
    const int result = execPreview ? execPreview(window) : window.exec();
    skip = window.skipDuplicates();
    return result == QDialog::Accepted;
}

void TMyImport::runImport(bool skipDuplicates)
{
    const transfer::Pairing p = pairing();
    const bool skipFirst = source_.kind != transfer::SourceKind::Dbase && SkipFirst->isChecked();
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
    // an earlier import can no longer be undone once this one adds books
    transfer::forgetLastImport(host_.basePath());
    try {
        counts = transfer::importBooks(source_, p, skipFirst, host_.bookTable(), regional::current(), progress,
                                       {skipDuplicates, csv()});
    } catch (const std::exception& e) {
        failure = QString::fromLocal8Bit(e.what());
    }
    QApplication::restoreOverrideCursor();
    host_.booksAdded();
    // the values of list fields join the lists, as a book saved in the record editor does
    if (edit::DataLists* lists = host_.dataLists(); lists && failure.isEmpty()) {
        int added = 0;
        for (int list = 0; list < edit::kLists; ++list) added += lists->AddAllToList(list, counts.listValues[std::size_t(list)]);
        if (added) host_.listsChanged();
    }
    if (failure.isEmpty() && !counts.appended.empty())
        transfer::saveLastImport(host_.basePath(),
                                 transfer::recordImport(host_.bookTable(), QFileInfo(source_.path).fileName(), counts.appended));
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
    end.details = transfer::importDetails(counts, source_.kind != transfer::SourceKind::Dbase,
                                          host_.databaseSettings().fieldNames);
    ui::messages().show(end);
    accept();
}
