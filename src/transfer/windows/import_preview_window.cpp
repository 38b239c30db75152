// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/windows/import_preview_window.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/seams/help.h"

namespace {

struct ProblemRow {
    int line;
    QString title, field, what;
};

// The problems of the whole source: a model, since a large file may have many.
class ProblemModel : public QAbstractTableModel {
public:
    // title: the Title field's display name, which heads the column of titles
    ProblemModel(std::vector<ProblemRow> rows, const QString& title, QObject* parent)
        : QAbstractTableModel(parent), rows_(std::move(rows)), title_(title)
    {
    }
    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : int(rows_.size()); }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 4; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid()) return {};
        const ProblemRow& r = rows_[std::size_t(index.row())];
        switch (index.column()) {
            case 0:
                return r.line;
            case 1:
                return r.title;
            case 2:
                return r.field;
            default:
                return r.what;
        }
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override
    {
        if (o != Qt::Horizontal || role != Qt::DisplayRole) return {};
        switch (section) {
            case 0:
                return TImportPreview::tr("Line");
            case 1:
                return title_;
            case 2:
                return TImportPreview::tr("Field");
            default:
                return TImportPreview::tr("What happens");
        }
    }

private:
    std::vector<ProblemRow> rows_;
    QString title_;
};

std::vector<ProblemRow> problemRows(const transfer::ImportPreview& preview,
                                    const std::array<QString, store::kFieldCount>& names)
{
    std::vector<ProblemRow> rows;
    rows.reserve(std::size_t(preview.counts.notes.size()) + preview.duplicates.size());
    for (const store::ValueNote& n : preview.counts.notes)
        rows.push_back(
            {n.line, n.title, n.field >= 1 ? names[std::size_t(n.field - 1)] : QString(), transfer::whatHappens(n)});
    for (const transfer::PreviewDuplicate& d : preview.duplicates)
        rows.push_back({d.line, d.title, QString(), transfer::duplicateText(d.found)});
    std::stable_sort(rows.begin(), rows.end(),
                     [](const ProblemRow& a, const ProblemRow& b) { return a.line < b.line; });
    return rows;
}

QString summary(const transfer::ImportPreview& p)
{
    QString text = p.total == 1 ? TImportPreview::tr("The file holds 1 book.")
                                : TImportPreview::tr("The file holds %1 books.").arg(p.total);
    const qsizetype values = p.counts.notes.size();
    text += values == 0 ? TImportPreview::tr("  Every value will be stored as it is.")
            : values == 1
                ? TImportPreview::tr("  1 value will not be stored as it is: see the list below.")
                : TImportPreview::tr("  %1 values will not be stored as they are: see the list below.").arg(values);
    if (p.duplicates.size() == 1)
        text += TImportPreview::tr("  1 book is already in the database or twice in the file.");
    else if (!p.duplicates.empty())
        text +=
            TImportPreview::tr("  %1 books are already in the database or twice in the file.").arg(p.duplicates.size());
    if (p.counts.stoppedAt)
        text += TImportPreview::tr(
                    "  The reading stops at line %1: a value there opens with a double quote that is "
                    "never closed.")
                    .arg(p.counts.stoppedAt);
    return text;
}

}  // namespace

TImportPreview::TImportPreview(const transfer::ImportPreview& preview, const transfer::Pairing& pairing,
                               const std::array<QString, store::kFieldCount>& names, const regional::Regional& regional,
                               QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ImportPreview"));
    setWindowTitle(tr("Import Preview"));
    auto* layout = new QVBoxLayout(this);
    SummaryLabel = new QLabel(summary(preview), this);
    SummaryLabel->setObjectName(QStringLiteral("SummaryLabel"));
    SummaryLabel->setWordWrap(true);
    layout->addWidget(SummaryLabel);

    // the paired fields, in table order
    std::vector<int> fields;
    for (int n = 1; n <= store::kFieldCount; ++n)
        if (std::find(pairing.begin(), pairing.end(), n) != pairing.end() ||
            (n == 17 && std::any_of(preview.books.begin(), preview.books.end(), [](const transfer::StoredBook& b) {
                 return b[17].kind != transfer::StoredValue::Unset;
             })))
            fields.push_back(n);
    auto* booksCaption = new QLabel(tr("The first %1 books as they will be stored:").arg(preview.books.size()), this);
    layout->addWidget(booksCaption);
    BooksGrid = new QTableWidget(int(preview.books.size()), int(fields.size()) + 2, this);
    BooksGrid->setObjectName(QStringLiteral("BooksGrid"));
    BooksGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    BooksGrid->verticalHeader()->hide();
    BooksGrid->setWordWrap(false);
    BooksGrid->verticalHeader()->setDefaultSectionSize(BooksGrid->fontMetrics().height() + 6);
    QStringList headings{tr("Line"), tr("Already in")};
    for (int n : fields) headings << names[std::size_t(n - 1)];
    BooksGrid->setHorizontalHeaderLabels(headings);
    for (int r = 0; r < int(preview.books.size()); ++r) {
        const transfer::StoredBook& book = preview.books[std::size_t(r)];
        BooksGrid->setItem(r, 0, new QTableWidgetItem(QString::number(book.line)));
        const auto mark = preview.marks[std::size_t(r)];
        BooksGrid->setItem(r, 1,
                           new QTableWidgetItem(mark == transfer::DuplicateBooks::InDatabase ? tr("database")
                                                : mark == transfer::DuplicateBooks::InFile   ? tr("file")
                                                                                             : QString()));
        for (int c = 0; c < int(fields.size()); ++c)
            BooksGrid->setItem(r, c + 2,
                               new QTableWidgetItem(transfer::shownValue(book, fields[std::size_t(c)], regional)));
    }
    BooksGrid->resizeColumnsToContents();
    for (int c = 0; c < BooksGrid->columnCount(); ++c)
        BooksGrid->setColumnWidth(c, std::min(BooksGrid->columnWidth(c), 220));
    layout->addWidget(BooksGrid, 3);

    auto* problemsCaption = new QLabel(tr("Values that will not be stored as they are, and books found twice:"), this);
    layout->addWidget(problemsCaption);
    ProblemGrid = new QTableView(this);
    ProblemGrid->setObjectName(QStringLiteral("ProblemGrid"));
    ProblemGrid->setModel(new ProblemModel(problemRows(preview, names), names[0], ProblemGrid));
    ProblemGrid->verticalHeader()->hide();
    ProblemGrid->setWordWrap(false);
    ProblemGrid->verticalHeader()->setDefaultSectionSize(ProblemGrid->fontMetrics().height() + 6);
    ProblemGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    ProblemGrid->setColumnWidth(0, 60);
    ProblemGrid->setColumnWidth(1, 220);
    ProblemGrid->setColumnWidth(2, 130);
    ProblemGrid->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(ProblemGrid, 2);

    SkipDuplicates = new QCheckBox(tr("Skip books already in the database"), this);
    SkipDuplicates->setObjectName(QStringLiteral("SkipDuplicates"));
    SkipDuplicates->setEnabled(!preview.duplicates.empty());
    layout->addWidget(SkipDuplicates);

    auto* buttons = new QHBoxLayout;
    auto button = [this, buttons](const char* name, const char* caption) {
        auto* b = new QPushButton(tr(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        buttons->addWidget(b);
        return b;
    };
    auto* import = button("ImportButton", QT_TR_NOOP("&Import"));
    import->setDefault(true);
    auto* cancel = button("CancelButton", QT_TR_NOOP("&Cancel"));
    auto* help = button("HelpButton", QT_TR_NOOP("&Help"));
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(import, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this,
            [this] { ui::help().showKeyword(this, QStringLiteral("Bringing books from another program")); });
    resize(780, 560);
}

bool TImportPreview::skipDuplicates() const
{
    return SkipDuplicates->isChecked();
}
