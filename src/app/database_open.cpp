// SPDX-License-Identifier: GPL-2.0-or-later
// Opening a database: its settings and lists, the sort tag built or repaired, a damaged index
// built again from the table, and a table that can only be read opened read-only.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include "app/main_window.h"
#include "dbase/error.h"
#include "dbase/table.h"
#include "edit/windows/record_editor.h"
#include "paths/program_paths.h"
#include "store/book_table.h"
#include "store/table_access.h"
#include "ui/seams/messages.h"

namespace {
QString text(const dbase::DatabaseError& e) { return QString::fromLocal8Bit(e.what()); }
}  // namespace

void TMain::openDatabase(const QString& path)
{
    // building the sort tag of a large table takes a moment
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    struct RestoreCursor {
        ~RestoreCursor() { QGuiApplication::restoreOverrideCursor(); }
    } restore;
    MyTable.close();
    QFileInfo info(path);
    currentDatabase = info.absoluteFilePath();
    MyTable.setDatabaseName(info.absolutePath());
    MyTable.setTableName(info.fileName());
    const QString base = info.completeBaseName();
    setWindowTitle(QStringLiteral("Bindlow Books 97 (") + base + QStringLiteral(")"));
    basePath = QDir(info.absolutePath()).filePath(base);
    indexPath = basePath + QStringLiteral(".MDX");
    settingsPath = basePath + QStringLiteral(".INI");
    db = store::readDatabaseSettings(settingsPath);
    dataLists.LoadAllList(basePath, programDirectory);
    QStringList unread = dataLists.problems();
    if (!db.problem.isEmpty()) unread.prepend(db.problem);
    if (!unread.isEmpty()) ui::showNotice(this, tr("Error"), paths::unreadFileNotice(unread), ui::MsgIcon::Warning);
    sortExpression = BuildSortString();
    readOnlyReason = store::readOnlyReason(currentDatabase);
    const bool canChange = readOnlyReason.isEmpty();
    const bool sorted = !sortExpression.isEmpty();
    const auto folder = store::toPath(info.absolutePath());
    const std::string file = QFile::encodeName(info.fileName()).toStdString();
    MyTable.setExclusive(false);
    MyTable.setReadOnly(!canChange);
    MyTable.setSkipIndex(false);
    // an index file without the sort tag gets it, as a missing one does
    if (sorted && canChange && !store::BookTableFiles::HasSortTag(currentDatabase)) {
        try {
            dbase::Table t;
            t.open(folder, file, {false, false, {}});
            t.addTag("NewIndex", sortExpression.toStdString());
        } catch (const dbase::DatabaseError&) {
            // a damaged index: built again below; a table in use: the books show unsorted
        }
    }
    const auto sortTag = [&] {
        return sorted && store::BookTableFiles::HasSortTag(currentDatabase) ? QStringLiteral("NewIndex") : QString();
    };
    MyTable.setIndexName(sortTag());
    QString failure;
    try {
        MyTable.open();
    } catch (const dbase::DatabaseError& e) {
        failure = text(e);
    }
    // the index is built again from the table alone, keeping the sort tag
    if (!MyTable.active() && canChange) {
        try {
            dbase::Table repair;
            repair.open(folder, file, {true, false, {}, true});
            std::vector<std::pair<std::string, std::string>> wanted;
            if (sorted) wanted.emplace_back("NEWINDEX", sortExpression.toStdString());
            repair.rebuildIndex(wanted);
            repair.close();
            MyTable.setIndexName(sortTag());
            MyTable.open();
        } catch (const dbase::DatabaseError&) {
        }
    }
    // failing that the books show unsorted, and without the index they can only be read
    if (!MyTable.active()) {
        ui::showError(this, failure);
        MyTable.setIndexName({});
        try {
            MyTable.open();
        } catch (const dbase::DatabaseError&) {
            MyTable.setReadOnly(true);
            MyTable.setSkipIndex(true);
            try {
                MyTable.open();
                readOnlyReason = tr("The index of the database \"%1\" cannot be read or built again.  "
                                                "The database is opened read-only, in the order the books were added.")
                                     .arg(QDir::toNativeSeparators(currentDatabase));
            } catch (const dbase::DatabaseError& e) {
                ui::showError(this, text(e));  // nothing can be shown; another database can be opened
            }
            MyTable.setSkipIndex(false);
        }
    }
    applyTableAccess();
}

void TMain::applyTableAccess()
{
    if (!readOnlyReason.isEmpty()) ui::showNotice(this, tr("Warning"), readOnlyReason, ui::MsgIcon::Warning);
    if (MyEdit) MyEdit->setChangesRefused(changesRefused());
    updateCommands();
}

TMain::StartCheck TMain::checkDatabaseAtStart(const QString& path)
{
    for (;;) {
        try {
            return CheckDBaseFormat(this, path) ? StartCheck::Valid : StartCheck::Invalid;
        } catch (const dbase::TableInUse&) {
            // another program holds it for itself: wait for it, or choose another file
            ui::Message m;
            m.owner = this;
            m.caption = tr("Warning");
            m.text = tr("The database \"%1\" is in use by another program that does not share it.  "
                                    "Choose Retry when that program has closed it, or Cancel to choose another file.")
                         .arg(QDir::toNativeSeparators(path));
            m.icon = ui::MsgIcon::Warning;
            m.buttons = ui::Retry | ui::Cancel;
            m.defaultButton = ui::Retry;
            if (ui::messages().show(m) != ui::Retry) return StartCheck::InUse;
        } catch (const dbase::DatabaseError& e) {
            ui::showError(this, text(e));
            return StartCheck::Invalid;
        }
    }
}
