// SPDX-License-Identifier: GPL-2.0-or-later
// Backup and restore from the main window: what their windows need of it.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/main_window.h"
#include "backup/file_copy.h"
#include "backup/windows/backup_window.h"
#include "backup/windows/restore_window.h"
#include "dbase/error.h"
#include "dbase/expr.h"
#include "dbase/file.h"
#include "dbase/mdx.h"
#include "dbase/table.h"
#include "find/sort_expression.h"
#include "reports/windows/report_list_window.h"
#include "store/book_table.h"
#include "transfer/import_undo.h"
#include "ui/appearance.h"
#include "ui/seams/messages.h"

class MainBackupHost : public backup::BackupHost {
public:
    explicit MainBackupHost(TMain& main) : main_(main) {}
    QString databasePath() const override { return main_.currentDatabase; }
    QString basePath() const override { return main_.basePath; }
    QString tableName() const override { return QFileInfo(main_.currentDatabase).completeBaseName(); }
    QString programDirectory() const override { return main_.programDirectory; }
    bool searchActive() const override { return main_.searchOn; }
    void suspendSearch() override { main_.suspendSearch(); }
    void resumeSearch() override { main_.resumeSearch(); }
    void endSearch() override { main_.DoEndSearch(); }
    bool testExclusive() override
    {
        main_.MyTable.close();
        return !main_.DBaseInUse(main_.currentDatabase);
    }
    void closeTable() override { main_.MyTable.close(); }
    void reopenTable(QWidget* owner) override
    {
        if (main_.MyTable.active()) return;
        try {
            main_.MyTable.open();
        } catch (const dbase::DatabaseError& e) {
            ui::showError(owner, QString::fromLocal8Bit(e.what()));
        }
        main_.SetViewerOptions();
        main_.DisplayCount();
    }
    void saveLists() override { main_.dataLists.SaveAllLists(main_.basePath); }
    void saveSettings() override { store::writeDatabaseSettings(main_.db, main_.settingsPath); }
    void reloadLists() override { main_.dataLists.LoadAllList(main_.basePath, main_.programDirectory); }
    void reloadSettings() override
    {
        main_.db = store::readDatabaseSettings(main_.settingsPath);
        main_.DoFileSpecific();
    }
    void reloadReports() override
    {
        if (main_.MyReport) main_.MyReport->loadNames();
    }
    bool checkBookTable(QWidget* owner, const QString& path) override
    {
        try {
            return main_.CheckDBaseFormat(owner, path, false);
        } catch (const dbase::DatabaseError& e) {
            ui::showError(owner, QString::fromLocal8Bit(e.what()));
            return false;
        }
    }
    qint64 indexBytes(const QString& source, const QString& destination) override
    {
        // the sort order the restored table gets: the open one's, or that of the settings beside it
        const QFileInfo target(destination);
        const bool open = backup::sameFile(destination, main_.currentDatabase);
        const store::DatabaseSettings settings =
            open ? main_.db
                 : store::readDatabaseSettings(QDir(target.absolutePath()).filePath(target.completeBaseName() + QStringLiteral(".INI")));
        const QString expression = find::BuildSortString(settings.sortOrder);
        if (expression.isEmpty()) return 0;
        try {
            const QFileInfo from(source);
            const auto facts = dbase::inspectTable(store::toPath(from.absolutePath()),
                                                   QFile::encodeName(from.fileName()).toStdString());
            const dbase::KeyExpression key(facts.path.string(), expression.toStdString(), facts.header.fields);
            return qint64(dbase::Mdx::estimateSize(facts.header.recordCount, key.keyLength()));
        } catch (const dbase::DatabaseError&) {
            return 0;  // the table was checked before; an expression it cannot hold builds no index
        }
    }
    bool openRestored(QWidget* owner, const QString& path) override
    {
        // a new index from the restored books alone: the old one belongs to other books
        const QFileInfo info(path);
        const QString index = QString::fromStdString(
            dbase::findCaseless(store::toPath(info.absolutePath()),
                                QFile::encodeName(info.completeBaseName() + QStringLiteral(".MDX")).toStdString())
                .string());
        QFile::remove(index);
        store::BookTableFiles::RemoveMDXByte(path);
        // the restored books are not those an import appended
        transfer::forgetLastImport(info.absolutePath() + u'/' + info.completeBaseName());
        if (main_.switchDatabase(path, false)) return true;
        main_.sayUnsorted(owner);
        return false;
    }
    double windowFactor() const override { return main_.factor; }
    QSize windowScreen() const override { return main_.screen; }

private:
    TMain& main_;
};

namespace {
template <typename Window>
void showModal(TMain& main, Window& window, const store::DatabaseSettings& db, double factor, QSize screen)
{
    ui::dressWindow(&window, db, store::ConfigureColors);
    ui::fitWindow(&window, nullptr, factor, screen);
    window.exec();
    main.DisplayCount();
}
}  // namespace

backup::BackupHost& TMain::backupHost()
{
    if (!backupHost_) backupHost_ = std::make_unique<MainBackupHost>(*this);
    return *backupHost_;
}

void TMain::DoBackup()
{
    TMyBackup window(backupHost(), this);
    showModal(*this, window, db, factor, screen);
}

void TMain::DoRestore()
{
    TMyRestore window(backupHost(), this);
    showModal(*this, window, db, factor, screen);
}
