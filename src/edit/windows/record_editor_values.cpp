// SPDX-License-Identifier: GPL-2.0-or-later
// The record editor's values: loading the boxes from the record, checking and writing them
// back, and moving between records with the changes kept or dropped.
#include "edit/windows/record_editor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPrinter>
#include <QTabWidget>
#include <algorithm>

#include "dbase/error.h"
#include "dbase/values.h"
#include "edit/record_print.h"
#include "edit/record_values.h"
#include "edit/windows/record_editor_boxes.h"
#include "store/codepage.h"
#include "store/field_table.h"
#include "ui/seams/dialogs.h"
#include "ui/seams/messages.h"

namespace edit {

using namespace editor_boxes;

void TMyEdit::LoadInData()
{
    const dbase::Table& t = host_.table->table();
    for (auto it = fields_.begin(); it != fields_.end(); ++it) {
        const QString& name = it.key();
        if (name == QLatin1String("CheckOut")) continue;
        const int field = it.value() - 1;
        QString value;
        if (t.isOpen() && !t.isEmpty()) {
            const auto& info = t.field(field);
            if (info.type == 'D') {
                auto d = t.getDate(field);
                value = d ? dateBoxText(*d, regional::current()) : QString();
            } else if (info.type == 'N' || info.type == 'F') {
                auto v = t.getDouble(field);
                if (!v)
                    value = QString();
                else if (isMoneyBox(name))  // never through a text read by the user's separators
                    value = regional::current().money(1, *v);
                else
                    value = QString::number(*v, 'g', 15);
                // a number longer than its box (another program's table) is shown whole, so
                // that it is refused on Update rather than saved cut
                if (QLineEdit* e = box(name); e && value.size() > e->maxLength()) e->setMaxLength(int(value.size()));
            } else {
                value = store::fromCp1252(t.getText(field));
            }
        }
        setText(name, value);
    }
    checkOut_->setChecked(t.isOpen() && !t.isEmpty() && store::fromCp1252(t.getText(16)) == QLatin1String("Yes"));
    memoryDate_ = text(QStringLiteral("CheckDate"));
    memoryName_ = text(QStringLiteral("CheckName"));
    SetCaptions();
}

void TMyEdit::DoClear()
{
    for (auto it = boxes_.begin(); it != boxes_.end(); ++it) {
        if (it.key() == QLatin1String("CheckOut")) continue;
        setText(it.key(), QString());
    }
    for (const char* m : kMoney) setText(QString::fromLatin1(m), QStringLiteral("0"));
    checkOut_->setChecked(false);
    SetCaptions();
}
QStringList TMyEdit::snapshot() const
{
    QStringList s;
    for (auto it = boxes_.begin(); it != boxes_.end(); ++it) {
        if (it.key() == QLatin1String("CheckOut")) continue;
        s << (isDateBox(it.key()) ? text(it.key()).trimmed() : text(it.key()));
    }
    return s;
}

void TMyEdit::SaveValues()
{
    saved_ = snapshot();
    savedCheck_ = checkOut_->isChecked();
    setWindowTitle(tr("Edit"));
}

bool TMyEdit::ValuesChanged() const { return snapshot() != saved_ || checkOut_->isChecked() != savedCheck_; }

void TMyEdit::moneyExit(const QString& name)
{
    const QString t = text(name).trimmed();
    if (t.isEmpty()) return;
    if (auto v = readMoneyBox(t, regional::current())) setText(name, regional::current().money(1, *v));
}

void TMyEdit::CheckOutClick()
{
    if (checkOut_->isChecked()) {
        setText(QStringLiteral("CheckDate"), memoryDate_);
        setText(QStringLiteral("CheckName"), memoryName_);
    } else {
        memoryDate_ = text(QStringLiteral("CheckDate")).left(10);
        memoryName_ = text(QStringLiteral("CheckName")).left(30);
        setText(QStringLiteral("CheckDate"), QString());
        setText(QStringLiteral("CheckName"), QString());
    }
}

void TMyEdit::BlankClick() { setText(QStringLiteral("PurchDate"), QString()); }
void TMyEdit::BlankDateClick() { setText(QStringLiteral("CheckDate"), QString()); }
bool TMyEdit::fail(const QString& message, int page, const QString& name)
{
    ui::showError(this, message);
    notebook_->setCurrentIndex(page);
    if (QWidget* w = boxes_.value(name)) w->setFocus();
    return false;
}

bool TMyEdit::DoUpdate()
{
    const regional::Regional& r = regional::current();
    // 1., 2. the dates
    const QString checkDate = text(QStringLiteral("CheckDate")).trimmed();
    if (!blankDate(checkDate) && !r.parseDate(checkDate))
        return fail(tr("Invalid check out date specified.  Please correct."), Library, QStringLiteral("CheckDate"));
    const QString purchDate = text(QStringLiteral("PurchDate")).trimmed();
    if (!blankDate(purchDate) && !r.parseDate(purchDate))
        return fail(tr("Invalid purchase date specified.  Please correct."), Description, QStringLiteral("PurchDate"));
    // 3. the money boxes, and the two whole numbers, before anything is written
    const char* moneyMessages[4] = {QT_TR_NOOP("Invalid cost specified.  Please correct."), QT_TR_NOOP("Invalid value specified.  Please correct."),
                                    QT_TR_NOOP("Invalid low market value specified.  Please correct."),
                                    QT_TR_NOOP("Invalid high market value specified.  Please correct.")};
    double money[4];
    for (int i = 0; i < 4; ++i) {
        const QString name = QString::fromLatin1(kMoney[i]);
        const store::FieldDef& def = store::fieldDef(fields_[name]);
        auto v = readMoneyBox(text(name), r);
        // an amount the field cannot hold is refused here, never cut
        if (!v || !dbase::formatNumber(*v, def.width, def.decimals))
            return fail(tr(moneyMessages[i]), Worth, name);
        money[i] = *v;
    }
    if (!validWholeNumber(text(QStringLiteral("YearPub"))))
        return fail(tr("Invalid year published specified.  Please correct."), Description, QStringLiteral("YearPub"));
    if (!validWholeNumber(text(QStringLiteral("Pages"))))
        return fail(tr("Invalid number of pages specified.  Please correct."), Description, QStringLiteral("Pages"));
    // text the table cannot hold is refused where it was typed
    for (const char* name : kEnterOrder) {
        const QString n = QString::fromLatin1(name);
        if (isMoneyBox(n)) continue;  // stored as numbers: their separators (a no-break space) never reach the file
        const QString bad = store::unencodable(text(n));
        if (!bad.isEmpty()) {
            return fail(tr("The characters \"%1\" of %2 cannot be stored.  Please correct.")
                            .arg(bad, host_.settings->fieldNames[std::size_t(fields_[n] - 1)]),
                        pageOf(n), n);
        }
    }
    // 4. the data lists
    addToLists();
    // 5.–11. the record
    store::Dataset& t = *host_.table;
    const bool inserting = *host_.editorMode == 1 || *host_.editorMode == 3;
    try {
        if (inserting)
            t.append();
        else
            t.edit();
        auto set = [&](const char* name, const QString& value) { t.setText(fields_[QString::fromLatin1(name)] - 1, value); };
        for (const char* name : {"Title", "Author", "YearPub", "Publisher", "Category", "WherePurch", "Description",
                                 "ISBN", "PersRating", "BookType", "Catalog", "SubCat1", "SubCat2", "CheckName",
                                 "Volume", "Issue", "Edition", "KeyWords", "Pages", "Location", "Condition", "Editor",
                                 "Dewey"})
            set(name, text(QString::fromLatin1(name)));
        for (int i = 0; i < 4; ++i) t.table().setDouble(fields_[QString::fromLatin1(kMoney[i])] - 1, money[i]);
        auto setDate = [&](const char* name, const QString& value) {
            auto d = blankDate(value) ? std::nullopt : r.parseDate(value);
            t.table().setDate(fields_[QString::fromLatin1(name)] - 1, d);
        };
        setDate("CheckDate", checkDate);
        setDate("PurchDate", purchDate);
        t.setText(16, checkOut_->isChecked() ? QStringLiteral("Yes") : QStringLiteral("No"));
        for (int i = 1; i <= 6; ++i) {
            const QString n = QStringLiteral("UserDef%1").arg(i);
            t.setText(fields_[n] - 1, text(n).trimmed());
        }
        t.post();
        *host_.editorMode = 2;
    } catch (const dbase::DatabaseError& e) {
        // nothing half made stays behind, and the editor keeps its mode: a refused insert is
        // still an insert, never an edit of the record the table went back to
        if (t.table().state() != dbase::TableState::Browse) t.cancel();
        ui::showError(this, QString::fromLocal8Bit(e.what()));
        return false;
    }
    return true;
}

void TMyEdit::DoAnUpdate()
{
    if (DoUpdate()) SaveValues();
}

void TMyEdit::DoUpdateAndExit()
{
    if (DoUpdate()) close();
}

void TMyEdit::DoExit()
{
    if (!host_.browseMode && ValuesChanged() &&
        !ui::askWarning(this, tr("Data has changed.  Do you want to exit without updating?")))
        return;
    close();
}

namespace {
// Yes, No or Cancel, with the warning's beep, No preselected.
ui::MsgButton askYesNoCancel(QObject* owner, const QString& text)
{
    return ui::messages().show({owner, QCoreApplication::translate("Messages", "Warning"), text, ui::MsgIcon::Question,
                                ui::Yes | ui::No | ui::Cancel, ui::No, true});
}
}  // namespace

void TMyEdit::NewRecordClick()
{
    if (ValuesChanged()) {
        auto a = askYesNoCancel(this, tr("Data has changed.  Update this record before creating new one?"));
        if (a == ui::Cancel) return;
        if (a == ui::Yes && !DoUpdate()) return;
    }
    DoClear();
    *host_.editorMode = 1;
    SaveValues();
    setWindowTitle(tr("Edit (New Record)"));
}

void TMyEdit::CopyRecordClick()
{
    if (!host_.browseMode && ValuesChanged()) {
        auto a = askYesNoCancel(
            this, tr("Data has changed.  Update this record before creating new one with the current data?"));
        if (a == ui::Cancel) return;
        if (a == ui::Yes && !DoUpdate()) return;
    }
    *host_.editorMode = 1;
    SaveValues();
    setWindowTitle(tr("Edit (New Copied Record)"));
}

bool TMyEdit::askMove(bool next)
{
    if (host_.browseMode) return true;
    // whole sentences for each way, so that a translation can word them as its language wants
    QString question;
    if (*host_.editorMode == 1 || *host_.editorMode == 3)
        question = next ? tr("This record has not been updated yet.  Update this record before moving to the next record?")
                        : tr("This record has not been updated yet.  Update this record before moving to the previous record?");
    else if (ValuesChanged())
        question = next ? tr("Data has changed.  Update this record before moving to the next record?")
                        : tr("Data has changed.  Update this record before moving to the previous record?");
    if (question.isEmpty()) return true;
    auto a = askYesNoCancel(this, question);
    if (a == ui::Cancel) return false;
    if (a == ui::Yes && !DoUpdate()) return false;
    return true;
}

void TMyEdit::move(bool next)
{
    if (!askMove(next)) return;
    try {
        if (next)
            host_.table->next();
        else
            host_.table->prior();
    } catch (const dbase::DatabaseError& e) {
        ui::showError(this, QString::fromLocal8Bit(e.what()));
    }
    LoadInData();
    SaveValues();
    *host_.editorMode = 2;
}

void TMyEdit::DoPreviousRecord() { move(false); }
void TMyEdit::DoNextRecord() { move(true); }
void TMyEdit::MenuPrintRecordClick()
{
    static bool printing = false;  // one print job at a time
    if (printing) {
        ui::showError(this, tr("Other print job currently in progress."));
        return;
    }
    QPrinter printer;
    if (!ui::dialogs().print(this, printer)) return;
    printing = true;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const int copies = std::max(1, printer.copyCount());
    printer.setCopyCount(1);  // the copies are printed here, one page each
    QStringList names, values;
    // the boxes in field order; CheckOut from the check box
    QMap<int, QString> byField;
    for (auto it = fields_.begin(); it != fields_.end(); ++it) byField[it.value()] = text(it.key());
    byField[17] = checkOut_->isChecked() ? QStringLiteral("Yes") : QStringLiteral("No");
    for (int f = 1; f <= store::kFieldCount; ++f) {
        names << host_.settings->fieldNames[std::size_t(f - 1)];
        values << byField.value(f);
    }
    printLines(printer, recordLines(names, values), copies);
    QGuiApplication::restoreOverrideCursor();
    printing = false;
}

}  // namespace edit
