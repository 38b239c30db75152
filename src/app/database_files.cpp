// SPDX-License-Identifier: GPL-2.0-or-later
// Opening, creating and updating databases, and the recently used list.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include "app/main_window.h"
#include "dbase/error.h"
#include "store/book_table.h"
#include "ui/seams/dialogs.h"
#include "ui/seams/messages.h"

namespace {
const char* const kFilter = QT_TRANSLATE_NOOP("TMain", "Database Files (*.DBF)");
const QString kExtension = QStringLiteral("DBF");

bool dbfExtension(const QString& path) { return store::hasTableSuffix(path); }
}  // namespace

bool TMain::MakeNewDB(const QString& path)
{
    QString refusal;
    if (files_.MakeNewDB(path, &refusal)) return true;
    if (!refusal.isEmpty()) ui::showError(nullptr, refusal);
    return false;
}

bool TMain::CheckDBaseFormat(QWidget* owner, const QString& path, bool clearIndexFlag)
{
    QString refusal;
    if (files_.CheckDBaseFormat(path, clearIndexFlag, &refusal)) return true;
    if (!refusal.isEmpty()) ui::showError(owner, refusal);
    return false;
}

void TMain::DoOpen()
{
    const QString chosen = ui::dialogs().openFileName(this, tr("Open Database File"),
                                                      QFileInfo(currentDatabase).absolutePath(), tr(kFilter));
    if (!chosen.isEmpty()) openChosen(chosen);
    DisplayCount();
}

void TMain::OpenSaveFile(const QString& path)
{
    openChosen(path);
    DisplayCount();
}

void TMain::openChosen(const QString& path)
{
    if (!dbfExtension(path)) {
        ui::showError(this, tr("Invalid file type selected."));
        return;
    }
    try {
        if (!CheckDBaseFormat(this, path)) return;
        if (!switchDatabase(path, false)) sayUnsorted(this);
    } catch (const dbase::DatabaseError& e) {
        ui::showError(this, QString::fromLocal8Bit(e.what()));
    }
}

// The start-up's forced choice: asked again and again until a valid book table is chosen, with
// the same tests as Open and the refused database put on the recently used list; false when the
// user gives up.
bool TMain::chooseDatabaseAtStart()
{
    for (;;) {
        const QString chosen = ui::dialogs().openFileName(this, tr("Open Database File"),
                                                          QFileInfo(currentDatabase).absolutePath(), tr(kFilter));
        if (chosen.isEmpty()) return false;
        if (!passesOpenChecks(chosen)) continue;
        const QString path = QFileInfo(chosen).absoluteFilePath();
        DoLastFiles(currentDatabase, path);
        currentDatabase = path;
        return true;
    }
}

// Open's tests on a file chosen without the dialog; each refusal has shown its message.
bool TMain::passesOpenChecks(const QString& path)
{
    if (!dbfExtension(path)) {
        ui::showError(this, tr("Invalid file type selected."));
        return false;
    }
    try {
        return CheckDBaseFormat(this, path);
    } catch (const dbase::DatabaseError& e) {
        ui::showError(this, QString::fromLocal8Bit(e.what()));
        return false;
    }
}

// A database named on the command line (a double-click in the file manager) takes the place of
// the last one when it passes Open's tests; the last one goes on the recently used list as Open
// would put it there.  Refused, it leaves the last database to be opened as usual.
bool TMain::takeRequestedDatabase(const QString& path)
{
    if (!passesOpenChecks(path)) return false;
    const QString last = currentDatabase;
    currentDatabase = QFileInfo(path).absoluteFilePath();
    if (!last.isEmpty() && QFileInfo(last).isFile()) DoLastFiles(last, currentDatabase);
    return true;
}

void TMain::DoNew()
{
    const QString chosen = ui::dialogs().saveFileName(this, tr("New Database File"),
                                                      QFileInfo(currentDatabase).absolutePath(), tr(kFilter), kExtension);
    if (chosen.isEmpty()) return;
    if (searchOn) DoEndSearch();
    if (!dbfExtension(chosen)) {
        ui::showError(this, tr("Invalid file type selected."));
        return;
    }
    if (QFileInfo(chosen).absoluteFilePath() == QFileInfo(currentDatabase).absoluteFilePath()) MyTable.close();
    if (!MakeNewDB(chosen)) {
        if (!MyTable.active()) MyTable.open();
        return;
    }
    try {
        if (!switchDatabase(chosen, true)) sayUnsorted(this);
    } catch (const dbase::DatabaseError& e) {
        ui::showError(this, QString::fromLocal8Bit(e.what()));
    }
    DisplayCount();
}

bool TMain::switchDatabase(const QString& path, bool created)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    struct RestoreCursor {
        ~RestoreCursor() { QGuiApplication::restoreOverrideCursor(); }
    } restore;
    // 1.–5.
    if (searchOn) DoEndSearch();
    const QString oldPath = currentDatabase;
    QFileInfo info(QFileInfo(path).absoluteFilePath());
    currentDatabase = info.absoluteFilePath();
    MyTable.close();
    MyTable.setDatabaseName(info.absolutePath());
    MyTable.setTableName(info.fileName());
    const QString base = info.completeBaseName();
    setWindowTitle(QStringLiteral("Bindlow Books 97 (") + base + QStringLiteral(")"));
    indexPath = QDir(info.absolutePath()).filePath(base + QStringLiteral(".MDX"));
    // 6., 7. the old database's settings and lists go back to its own files
    if (!settingsPath.isEmpty()) {
        store::writeDatabaseSettings(db, settingsPath);
        dataLists.SaveAllLists(basePath);
    }
    // 8.–11.
    basePath = QDir(info.absolutePath()).filePath(base);
    settingsPath = basePath + QStringLiteral(".INI");
    if (created) {
        dataLists.LoadDefaultList(programDirectory);
        db = store::readDatabaseSettings(QDir(startDirectory).filePath(QStringLiteral("QORDEX.INI")));
    } else {
        dataLists.LoadAllList(basePath, programDirectory);
        db = store::readDatabaseSettings(settingsPath);
    }
    sortExpression = BuildSortString();
    // 12. the sort tag, built afresh when nobody else has the table
    const bool free = created || !DBaseInUse(currentDatabase);
    bool sorted = true;
    if (free) {
        MyTable.setIndexName({});
        if (!sortExpression.isEmpty()) {
            try {
                dbase::Table t;
                t.open(store::toPath(info.absolutePath()), QFile::encodeName(info.fileName()).toStdString(),
                       {true, false, {}});
                t.deleteTag("NewIndex");  // harmless when the index does not hold it
                t.addTag("NewIndex", sortExpression.toStdString());
                t.close();
                MyTable.setIndexName(QStringLiteral("NewIndex"));
            } catch (const dbase::DatabaseError&) {
                // a full drive: the books are shown in the order they were added, and the caller says so
                sorted = false;
            }
        }
    } else {
        // in use elsewhere: the tag is used as it is, when there is one
        const bool has = store::BookTableFiles::HasSortTag(currentDatabase);
        MyTable.setIndexName(has && !sortExpression.isEmpty() ? QStringLiteral("NewIndex") : QString());
    }
    // 13.–15.
    MyTable.open();
    DoFileSpecific();
    DoLastFiles(oldPath, currentDatabase);
    return sorted;
}

void TMain::sayUnsorted(QWidget* owner)
{
    ui::showNotice(owner, tr("Warning"),
                   tr("The index of the database \"%1\" could not be built.  Its books are shown in the "
                                  "order they were added, not in their sort order.")
                       .arg(QDir::toNativeSeparators(currentDatabase)),
                   ui::MsgIcon::Warning);
}

void TMain::MenuUpdateDatabaseClick()
{
    const bool wasOn = searchOn;
    if (wasOn) {
        DisableEndSearch();  // the filter stays with the table while the settings are written
    }
    store::writeDatabaseSettings(db, settingsPath);
    if (wasOn) EnableEndSearch();
    try {
        MyTable.refresh();
    } catch (const dbase::DatabaseError& e) {
        ui::showError(this, QString::fromLocal8Bit(e.what()));
    }
    SetViewerOptions();
}

void TMain::DoLastFiles(const QString& oldPath, const QString& newPath)
{
    auto& files = settings.lastFiles;
    for (int k = 0; k < 5; ++k) {
        if (files[std::size_t(k)] != newPath) continue;
        for (int i = k; i < 4; ++i) files[std::size_t(i)] = files[std::size_t(i + 1)];
        files[4].clear();
        break;
    }
    for (int i = 4; i > 0; --i) files[std::size_t(i)] = files[std::size_t(i - 1)];
    files[0] = oldPath;
    SetMenuLastFiles();
}

void TMain::SetMenuLastFiles()
{
    bool any = false;
    for (const QString& f : settings.lastFiles) any = any || !f.isEmpty();
    if (QAction* sep = findChild<QAction*>(QStringLiteral("MenuExitSep"))) sep->setVisible(any);
    for (int n = 1; n <= 5; ++n) {
        QAction* a = action(QStringLiteral("MenuLastFile%1").arg(n));
        const QString& path = settings.lastFiles[std::size_t(n - 1)];
        a->setText(QStringLiteral("&%1   ").arg(n) + path);
        a->setVisible(any && !path.isEmpty());
    }
}
