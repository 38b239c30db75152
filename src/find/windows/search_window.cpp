// SPDX-License-Identifier: GPL-2.0-or-later
#include "find/windows/search_window.h"

#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "regional/regional.h"
#include "ui/appearance.h"
#include "ui/seams/help.h"
#include "ui/seams/messages.h"
#include "ui/window_fit.h"

namespace {
const char* kOperatorLabels[4] = {" = ", " > ", " < ", " > X < "};

// The criterion cell takes its input mask from the row's field and operator.
class CriterionDelegate : public QStyledItemDelegate {
public:
    CriterionDelegate(const TMySearch* window, QObject* parent) : QStyledItemDelegate(parent), w_(window) {}

    static QString mask(int field, int op)
    {
        const char kind = find::searchKind(field);
        if (kind == 'C') return {};
        const QString s(regional::current().dateSeparator());
        const QString value = kind == 'N' ? QStringLiteral("xxxxxxxxx") : QStringLiteral("00") + s + QStringLiteral("00") + s + QStringLiteral("0000");
        const QString high = kind == 'N' ? QStringLiteral("xxxxxxxx") : value;
        switch (op) {
        case 2: return QStringLiteral("\\> ") + value + QStringLiteral(";_");
        case 3: return QStringLiteral("\\< ") + value + QStringLiteral(";_");
        case 4: return QStringLiteral("\\> ") + value + QStringLiteral(" \\A\\N\\D \\< ") + high + QStringLiteral(";_");
        default: return QStringLiteral("= ") + value + QStringLiteral(";_");
        }
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        auto* e = new QLineEdit(parent);
        e->setObjectName(QStringLiteral("CriterionEditor"));
        const int field = index.row() + 1;
        const QString m = mask(field, w_->op(index.row()));
        if (m.isEmpty())
            e->setMaxLength(store::fieldDef(field).width);
        else
            e->setInputMask(m);
        return e;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        static_cast<QLineEdit*>(editor)->setText(index.data().toString());
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        auto* e = static_cast<QLineEdit*>(editor);
        QString t = e->inputMask().isEmpty() ? e->text() : e->displayText().replace(u'_', u' ');
        model->setData(index, t);
    }

private:
    const TMySearch* w_;
};

// The grid as a keyboard user meets it: Tab stops only where something is typed or chosen (a
// "..." cell, a criterion), never on the field names; the keys that open a drop-down open a
// "..." cell's options.
class SearchGridView : public QTableWidget {
public:
    SearchGridView(int rows, int columns, TMySearch* window) : QTableWidget(rows, columns, window), w_(window) {}

protected:
    bool stop(int row, int column) const
    {
        return column == 2 || (column == 1 && item(row, 1) && !item(row, 1)->text().isEmpty());
    }

    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override
    {
        if (action != MoveNext && action != MovePrevious) return QTableWidget::moveCursor(action, modifiers);
        const int step = action == MoveNext ? 1 : -1;
        for (int at = currentRow() * 3 + currentColumn() + step; at >= 0 && at < rowCount() * 3; at += step)
            if (stop(at / 3, at % 3)) return model()->index(at / 3, at % 3);
        return {};  // past the last stop the focus leaves the grid
    }

    void keyPressEvent(QKeyEvent* e) override
    {
        const bool onOptions = currentColumn() == 1 && stop(currentRow(), 1);
        const int key = e->key();
        const bool opens = key == Qt::Key_F4 || (key == Qt::Key_Down && (e->modifiers() & Qt::AltModifier)) ||
                           (onOptions && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space ||
                                          key == Qt::Key_F2 || key == Qt::Key_Menu ||
                                          (key == Qt::Key_F10 && (e->modifiers() & Qt::ShiftModifier))));
        if (opens && currentRow() >= 0) {
            w_->OptionClick(currentRow());
            return;
        }
        QTableWidget::keyPressEvent(e);
    }

    void contextMenuEvent(QContextMenuEvent* e) override
    {
        if (e->reason() == QContextMenuEvent::Keyboard && currentColumn() == 1 && stop(currentRow(), 1))
            w_->OptionClick(currentRow());
    }

private:
    TMySearch* w_;
};
}  // namespace

TMySearch::TMySearch(Host host, QWidget* parent) : QDialog(parent), host_(std::move(host))
{
    setObjectName(QStringLiteral("MySearch"));
    setWindowTitle(tr("Search"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(14);
    setFont(f);
    operators_.fill(1);
    SearchGrid = new SearchGridView(store::kFieldCount, 3, this);
    SearchGrid->setObjectName(QStringLiteral("SearchGrid"));
    SearchGrid->verticalHeader()->setVisible(false);
    SearchGrid->setTabKeyNavigation(true);
    SearchGrid->setItemDelegateForColumn(2, new CriterionDelegate(this, SearchGrid));
    SearchGrid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    SearchGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    connect(SearchGrid, &QTableWidget::cellClicked, this, [this](int row, int column) {
        if (column == 1) OptionClick(row);
    });
    auto button = [this](QPushButton*& b, const char* name, const char* caption, int x) {
        b = new QPushButton(tr(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(x, 404, 112, 32);
        b->setAutoDefault(false);
    };
    QPushButton *ok, *exit, *clear, *help;
    button(ok, "OkButton", QT_TR_NOOP("&Ok"), 10);
    button(MoreButton, "MoreButton", QT_TR_NOOP("&Find More"), 134);
    button(clear, "ClearButton", QT_TR_NOOP("&Clear Search"), 258);
    button(exit, "ExitButton", QT_TR_NOOP("E&xit"), 382);
    button(help, "HelpButton", QT_TR_NOOP("&Help"), 510);
    connect(ok, &QPushButton::clicked, this, &TMySearch::OkButtonClick);
    connect(MoreButton, &QPushButton::clicked, this, &TMySearch::MoreButtonClick);
    connect(clear, &QPushButton::clicked, this, &TMySearch::ClearSearch);
    connect(exit, &QPushButton::clicked, this, &TMySearch::ExitButtonClick);
    connect(help, &QPushButton::clicked, this, &TMySearch::HelpButtonClick);
    SearchGrid->setGeometry(10, 10, 620, 385);
    resize(632, 445);
    design_ = ui::recordWindowDimensions(this);
}

bool TMySearch::hasOptions(int row) const
{
    const int field = row + 1;
    return find::searchKind(field) != 'C' || store::fieldDef(field).list;
}

QStringList TMySearch::optionItems(int row) const
{
    const int field = row + 1;
    if (find::searchKind(field) != 'C') {
        QStringList ops;
        for (const char* l : kOperatorLabels) ops << QString::fromLatin1(l);
        return ops;
    }
    if (store::fieldDef(field).name == QLatin1String("CheckOut")) return {QStringLiteral("YES"), QStringLiteral("NO")};
    return host_.optionList ? host_.optionList(field) : QStringList();
}

void TMySearch::setHeader()
{
    SearchGrid->setHorizontalHeaderLabels({tr(" FIELD"), QString(),
                                           tr(" SEARCH CRITERIA    (Level %1)").arg(level_)});
    SearchGrid->horizontalHeaderItem(1)->setData(Qt::AccessibleTextRole, tr("Search Options"));
}

void TMySearch::FormShow()
{
    const double factor = host_.factor ? host_.factor() : 1.0;
    const store::DatabaseSettings& s = *host_.settings;
    ui::applyProgramFonts(this, s.labelFont, s.editFont, s.buttonFont);
    const QPoint at = ui::fitWindow(this, &design_, factor, ui::screenSize());
    if (at.y() > 10) move(at.x(), at.y() - 10);
    level_ = 1;
    pending_.clear();
    MoreButton->setEnabled(true);
    for (int row = 0; row < store::kFieldCount; ++row) {
        auto* name = new QTableWidgetItem(QStringLiteral(" ") + host_.settings->fieldNames[std::size_t(row)]);
        name->setFlags(Qt::ItemIsEnabled);
        SearchGrid->setItem(row, 0, name);
        auto* option = new QTableWidgetItem(hasOptions(row) ? QStringLiteral("...") : QString());
        option->setFlags(Qt::ItemIsEnabled);
        option->setTextAlignment(Qt::AlignCenter);
        if (hasOptions(row)) {
            option->setBackground(QColor(192, 192, 192));
            option->setData(Qt::AccessibleTextRole, tr("Search Options"));
        }
        SearchGrid->setItem(row, 1, option);
        SearchGrid->setItem(row, 2, new QTableWidgetItem(QString()));
    }
    setHeader();
    const int widths[3] = {200, 20, 378};
    int total = 0;
    for (int c = 0; c < 3; ++c) {
        const int w = int(std::lround(widths[c] * factor));
        SearchGrid->setColumnWidth(c, w);
        total += w;
    }
    SearchGrid->setGeometry(10, 10, int(std::lround(600 * factor)) + 20, int(std::lround(385 * factor)));
    ui::applyColorSet(this, host_.settings->colors[store::SearchColors]);
    SearchGrid->setCurrentCell(0, 2);
}

bool TMySearch::OptionClick(int row)
{
    if (!hasOptions(row)) return false;
    QDialog options(this);
    options.setObjectName(QStringLiteral("SearchOptions"));
    options.setWindowTitle(tr("Search Options"));
    auto* label = new QLabel(host_.settings->fieldNames[std::size_t(row)], &options);
    label->setObjectName(QStringLiteral("FieldNameLabel"));
    label->setAlignment(Qt::AlignCenter);
    auto* list = new QListWidget(&options);
    list->setObjectName(QStringLiteral("ListBox1"));
    list->addItems(optionItems(row));
    const bool operators = find::searchKind(row + 1) != 'C';
    if (operators) list->setCurrentRow(operators_[std::size_t(row)] - 1);
    auto* buttons = new QDialogButtonBox(&options);
    auto* ok = buttons->addButton(tr("&Ok"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, &options, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &options, &QDialog::reject);
    auto* layout = new QVBoxLayout(&options);
    layout->addWidget(label);
    layout->addWidget(list);
    layout->addWidget(buttons);
    ui::dressWindow(&options, *host_.settings, store::SearchColors);
    if (options.exec() != QDialog::Accepted || !list->currentItem()) return false;
    applyOption(row, list->currentRow() + 1, list->currentItem()->text());
    return true;
}

void TMySearch::applyOption(int row, int choice, const QString& value)
{
    if (find::searchKind(row + 1) != 'C') {
        operators_[std::size_t(row)] = choice;
        SearchGrid->item(row, 2)->setText(QString());  // the criterion takes the new form
        // the cell editor takes the new mask when the row is entered again
        SearchGrid->setCurrentCell(row + 1 < store::kFieldCount ? row + 1 : row - 1, 2);
        SearchGrid->setCurrentCell(row, 2);
    } else {
        SearchGrid->item(row, 2)->setText(value);
        SearchGrid->setCurrentCell(row, 2);
    }
}

bool TMySearch::SaveFields()
{
    const int typedRow = SearchGrid->currentRow();
    const bool typing = SearchGrid->currentColumn() == 2;
    if (typing) SearchGrid->setCurrentCell(typedRow, 0);  // commit an open editor
    std::array<QString, store::kFieldCount> page;
    for (int row = 0; row < store::kFieldCount; ++row) page[std::size_t(row)] = SearchGrid->item(row, 2)->text();
    if (typing) SearchGrid->setCurrentCell(typedRow, 2);  // back in the criteria, never in the names
    int refusedRow = 0;
    switch (pending_.SaveFields(page, operators_, &refusedRow)) {
    case find::SaveResult::Saved: return true;
    case find::SaveResult::NothingEntered:
        ui::showError(this, tr("No search criteria entered."));
        SearchGrid->setFocus();
        return false;
    case find::SaveResult::Refused:
        ui::showError(this, tr("Invalid search criteria entered.  Please correct."));
        SearchGrid->setCurrentCell(refusedRow - 1, 2);
        return false;
    case find::SaveResult::TooMany:
        ui::showError(this, tr("More than 75 search items have been entered.  This exceeds the maximum "
                                           "allowable.  Search criteria will be cleared."));
        ClearSearch();
        return false;
    }
    return false;
}

void TMySearch::MoreButtonClick()
{
    if (SaveFields()) {
        for (int row = 0; row < store::kFieldCount; ++row) SearchGrid->item(row, 2)->setText(QString());
        ++level_;
        setHeader();
        if (level_ >= find::kMaxLevels) MoreButton->setEnabled(false);
        SearchGrid->setCurrentCell(0, 2);  // the next level is typed from its first row
    }
    SearchGrid->setFocus();
}

void TMySearch::OkButtonClick()
{
    MoreButton->setEnabled(true);
    if (!SaveFields()) return;
    if (host_.Doit && host_.Doit(pending_)) {
        accept();
        return;
    }
    ui::showNotice(this, tr("Notice"), tr("No valid matches found.  Search Criteria will be cleared."));
    ClearSearch();
}

void TMySearch::ExitButtonClick()
{
    MoreButton->setEnabled(true);
    reject();
}

void TMySearch::ClearSearch()
{
    for (int row = 0; row < store::kFieldCount; ++row)
        if (SearchGrid->item(row, 2)) SearchGrid->item(row, 2)->setText(QString());
    pending_.clear();
    level_ = 1;
    MoreButton->setEnabled(true);
    setHeader();
    SearchGrid->setFocus();
}

void TMySearch::HelpButtonClick() { ui::help().showKeyword(this, QStringLiteral("Search Window")); }
