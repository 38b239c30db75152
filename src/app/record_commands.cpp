// SPDX-License-Identifier: GPL-2.0-or-later
// The record commands, packing and rebuilding, and the data lists' maintenance.
#include <QAction>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>

#include "app/list_edit_box.h"
#include "app/main_window.h"
#include "dbase/error.h"
#include "display/windows/view_config.h"
#include "edit/windows/record_editor.h"
#include "transfer/import_undo.h"
#include "ui/appearance.h"
#include "ui/seams/messages.h"

namespace {
// the second half of the messages of pack and reindex
const char* const kExclusiveTail = QT_TRANSLATE_NOOP(
    "TMain", "requires exclusive use of the DBase File.  Make sure that the DBase File is not in use by another program  or "
    "that no other users are running the software or that no other copies of the software are in use.");
}

void TMain::createEditor()
{
    edit::EditorHost host;
    host.table = &MyTable;
    host.settings = &db;
    host.lists = &dataLists;
    host.editorMode = &editorMode;
    host.browseMode = changesRefused();
    host.factor = [this] { return factor; };
    host.basePath = [this] { return basePath; };
    MyEdit = new edit::TMyEdit(host, this);
}

void TMain::showEditor(int mode)
{
    editorMode = mode;
    MyEdit->ShowModal();
    DisplayCount();
}

void TMain::DoAdd() { showEditor(1); }
void TMain::DoEdit() { showEditor(2); }
void TMain::DoCopy() { showEditor(3); }

void TMain::DoDelete()
{
    if (ui::askConfirm(this, tr("Delete this record?"))) {
        try {
            MyTable.deleteRecord();
        } catch (const dbase::DatabaseError& e) {
            ui::showError(this, QString::fromLocal8Bit(e.what()));
        }
    }
    DisplayCount();
}

void TMain::exclusiveWork(const QString& question, const QString& failure, const std::function<void(dbase::Table&)>& work,
                          bool withoutIndex)
{
    if (!ui::askConfirm(this, question)) return;
    MyTable.close();
    MyTable.setExclusive(true);
    // a rebuild does not read the old index, so that it mends any damage to it
    MyTable.setSkipIndex(withoutIndex);
    const QString tag = MyTable.indexName();
    if (withoutIndex) MyTable.setIndexName({});
    QString error;
    try {
        MyTable.open();
    } catch (const dbase::TableInUse&) {
        error = failure;
    } catch (const dbase::DatabaseError& e) {
        error = QString::fromLocal8Bit(e.what());
    }
    if (MyTable.active()) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        try {
            work(MyTable.table());
        } catch (const dbase::DatabaseError& e) {
            error = QString::fromLocal8Bit(e.what());
        }
        QGuiApplication::restoreOverrideCursor();
        MyTable.close();
    }
    MyTable.setExclusive(false);
    MyTable.setSkipIndex(false);
    MyTable.setIndexName(withoutIndex && !sortExpression.isEmpty() ? QStringLiteral("NewIndex") : tag);
    try {
        MyTable.open();
    } catch (const dbase::DatabaseError&) {
        MyTable.setIndexName({});  // the books show unsorted rather than not at all
        MyTable.open();
    }
    SetViewerOptions();
    DisplayCount();
    if (!error.isEmpty()) ui::showError(this, error);
}

void TMain::MenuPackClick()
{
    exclusiveWork(tr("Deleted items are not permanently removed from the database until packing occurs.  "
                                 "Packing simply removes them to free up space.  Continue?"),
                  tr("Unable to pack table.  Packing ") + tr(kExclusiveTail),
                  [this](dbase::Table& t) {
                      t.pack();
                      transfer::forgetLastImport(basePath);  // the books are numbered anew
                  });
}

void TMain::MenuUndoImportClick()
{
    auto notice = [this](const QString& text) {
        ui::showNotice(this, tr("Undo Last Import"), text, ui::MsgIcon::Information);
    };
    const auto last = transfer::loadLastImport(basePath);
    if (!last) return notice(tr("There is no import to undo."));
    dbase::Table& t = MyTable.table();
    const transfer::UndoPlan plan = transfer::planUndo(t, *last);
    if (plan.stale)
        return notice(tr("The last import can no longer be undone: its books were renumbered when the database was "
                         "packed or restored."));
    if (plan.books == 0) return notice(tr("The books of the last import are deleted already."));
    const QString date = regional::current().formatDate({last->date.year(), last->date.month(), last->date.day()}, true);
    if (!ui::askConfirm(this, tr("%1 books of the import of %2 on %3 will be deleted, %4 of them changed since.  "
                                 "Delete them?")
                                  .arg(plan.books)
                                  .arg(last->file, date)
                                  .arg(plan.changed)))
        return;
    QString error;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        transfer::undoImport(t, *last);
        transfer::forgetLastImport(basePath);
    } catch (const dbase::DatabaseError& e) {
        error = QString::fromLocal8Bit(e.what());  // the books marked before it stay deleted
    }
    QGuiApplication::restoreOverrideCursor();
    MyTable.notifyRecordsChanged();
    DisplayCount();
    if (!error.isEmpty()) ui::showError(this, error);
}

void TMain::MenuRebuildClick()
{
    exclusiveWork(tr("It is possible for your index files to become corrupted.  As a result, some items may "
                                 "not show up in the viewer or in reports.  This will rebuild your index files "
                                 "correctly.  Continue?"),
                  tr("Unable to reindex table.  Reindexing ") + tr(kExclusiveTail),
                  [this](dbase::Table& t) {
                      std::vector<std::pair<std::string, std::string>> wanted;
                      if (!sortExpression.isEmpty()) wanted.emplace_back("NEWINDEX", sortExpression.toStdString());
                      t.rebuildIndex(wanted);
                  },
                  true);
}

void TMain::EditAList(int list)
{
    const edit::ListInfo& info = edit::listInfo(list);
    TMyEditBox box(QString::fromLatin1(info.title), info.longest, dataLists[list], this);
    ui::dressWindow(&box, db, store::ConfigureColors);
    ui::fitWindow(&box, nullptr, factor, screen);
    if (box.exec() != QDialog::Accepted) return;
    dataLists[list] = box.items();
    dataLists.SaveAllLists(basePath);
}

void TMain::MenuSaveDefaultsClick()
{
    if (ui::askWarning(this, tr("Your current Data Lists will become your default list values.  These values "
                                            "will be used when new databases are created.  Previous default values will "
                                            "be lost.  Do you want to proceed?")))
        dataLists.SaveDefaultLists(programDirectory);
}

void TMain::MenuLoadDefaultsClick()
{
    if (ui::askWarning(this, tr("Your current Data Lists will be overridden with your default list values. "
                                            "Previous  values will be lost.  Do you want to proceed?")))
        dataLists.LoadDefaultList(programDirectory);
}

void TMain::DoViewer()
{
    TViewConfig window(db, factor, [this] { SetViewerOptions(); }, this);
    window.FormShow();
    window.exec();
}

bool TMain::refuseWhenInUse(const QString& message)
{
    if (!DBaseInUse(currentDatabase)) return false;
    MyTable.open();
    SetViewerOptions();
    ui::showError(this, message);
    return true;
}
