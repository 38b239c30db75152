// SPDX-License-Identifier: GPL-2.0-or-later
#include "backup/windows/restore_window.h"

#include <QCoreApplication>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>

#include "backup/file_copy.h"
#include "backup/windows/copy_window_parts.h"
#include "regional/regional.h"
#include "reports/report_file.h"
#include "ui/seams/dialogs.h"
#include "ui/seams/help.h"
#include "ui/seams/messages.h"
#include "ui/window_fit.h"

namespace {

QString kFailed() { return QCoreApplication::translate("TMyRestore", "An error occurred during restore.  Restore not completed."); }
QString kDone() { return QCoreApplication::translate("TMyRestore", "Restore completed successfully."); }
QString kSameFile() { return QCoreApplication::translate("TMyRestore", "Destination File and Source File are identical.  You cannot copy a file  over "
                                         "top of itself.  Please choose a different directory/folder to restore from."); }
QString kNoRoom() { return QCoreApplication::translate("TMyRestore", "There is not enough room on the destination drive to perform a restore.  You "
                                       "will need to free up hard drive space before completing the restore."); }

QString notFound(const QString& name)
{
    return QCoreApplication::translate("TMyRestore", "The following file \"%1\" could not be located on the specified source drive.").arg(name);
}

QString inFolder(const QString& folder)
{
    return QCoreApplication::translate("TMyRestore", "  Restored into the folder \"%1\".").arg(QDir::toNativeSeparators(folder));
}

using backup::Busy;

}  // namespace

TMyRestore::TMyRestore(backup::BackupHost& host, QWidget* parent) : QDialog(parent), host_(host)
{
    setObjectName(QStringLiteral("MyRestore"));
    setWindowTitle(tr("Restore"));
    ui::makeFixedDialog(this);
    const auto kinds = backup::kindGroup(this, tr("What To Restore"),
                                         {{{"RestoreDBF", "&Database File (*.DBF)"},
                                           {"RestoreLST", "Data &Lists of a Database (*.0xx)"},
                                           {"RestoreINI", "Config &File of a Database (*.INI)"},
                                           {"RestoreURP", "Global &Report Definitions (*.URP)"}}});
    RestoreDBF = kinds[0];
    RestoreLST = kinds[1];
    RestoreINI = kinds[2];
    RestoreURP = kinds[3];
    auto button = [this](const char* name, const char* caption, int x) {
        auto* b = new QPushButton(tr(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(x, 152, 104, 32);
        return b;
    };
    auto* start = button("StartButton", QT_TR_NOOP("&Start Restore"), 10);
    start->setDefault(true);
    CancelButton = button("CancelButton", QT_TR_NOOP("&Cancel"), 122);
    auto* help = button("HelpButton", QT_TR_NOOP("&Help"), 234);
    connect(start, &QPushButton::clicked, this, &TMyRestore::StartButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &TMyRestore::HelpButtonClick);
    resize(350, 196);
}

void TMyRestore::HelpButtonClick() { ui::help().showKeyword(this, QStringLiteral("Backup and Restore")); }

void TMyRestore::say(const QString& caption, const QString& text) { ui::showNotice(this, caption, text, ui::MsgIcon::None); }

void TMyRestore::StartButtonClick()
{
    const bool reports = RestoreURP->isChecked();
    const QString title = RestoreDBF->isChecked()   ? tr("Restore Database File")
                          : RestoreLST->isChecked() ? tr("Restore Data List Files")
                          : RestoreINI->isChecked() ? tr("Restore Configuration File")
                                                    : tr("Restore URP File");
    const QString chosen = ui::dialogs().openFileName(
        this, title, reports ? QStringLiteral("KAVBOOK.URP") : QString(),
        ui::caselessFilter(reports ? tr("Reports Files (*.URP)") : tr("DBase Files (*.DBF)")));
    if (chosen.isEmpty()) return;
    bool ranToEnd = false;
    if (RestoreDBF->isChecked()) ranToEnd = restoreDatabase(chosen);
    else if (RestoreLST->isChecked()) ranToEnd = restoreLists(chosen);
    else if (RestoreINI->isChecked()) ranToEnd = restoreSettings(chosen);
    else ranToEnd = restoreReports(chosen);
    if (!ranToEnd) return;
    CancelButton->setText(tr("&Close"));
    CancelButton->setFocus();
}

bool TMyRestore::restoreDatabase(const QString& source)
{
    const QString destination = QDir(host_.programDirectory()).filePath(QFileInfo(source).fileName());
    const QString current = host_.databasePath();
    if (backup::sameFile(source, current) || backup::sameFile(source, destination)) {
        say(tr("Error"), kSameFile());
        return false;
    }
    // the source's fields are checked without writing to it: a backup on read-only media restores
    if (!host_.checkBookTable(this, source)) return false;
    if (QFileInfo(destination).isFile() && !ui::askConfirm(this, replaceQuestion(source, destination), ui::No))
        return false;
    if (host_.searchActive()) host_.endSearch();
    const bool replacesOpen = backup::sameFile(destination, current);
    if (replacesOpen && !host_.testExclusive()) {
        host_.reopenTable(this);
        ui::messages().show({this, QStringLiteral("Bindlow Books 97"),
                             tr("Unable to restore the database.  Make sure the database is not in use by any "
                                            "other users or by another copy of the software."),
                             ui::MsgIcon::None, ui::Ok, ui::Ok, false});
        return false;
    }
    // the copy is made beside the old table, whose place and index then make room for the new index
    const backup::Space space = backup::space(source, destination);
    const QFileInfo index(backup::findCaseless(QFileInfo(destination).absolutePath(),
                                               QFileInfo(destination).completeBaseName() + QStringLiteral(".MDX")));
    const qint64 oldIndex = index.isFile() ? index.size() : 0;
    if (!space.besides() ||
        space.free - space.source + space.existing + oldIndex < host_.indexBytes(source, destination)) {
        if (replacesOpen) host_.reopenTable(this);
        say(tr("Error"), kNoRoom());
        return false;
    }
    bool ok = false;
    {
        Busy busy;
        host_.closeTable();
        // copied beside the target and renamed over it only when whole: a failure keeps the old table
        ok = backup::replaceFile(source, destination, busy.progress()).ok;
        if (ok) host_.openRestored(this, destination);
        else host_.reopenTable(this);
    }
    say(ok ? tr("Notice") : tr("Error"), ok ? kDone() : kFailed());
    return ok;
}

QString TMyRestore::replaceQuestion(const QString& source, const QString& destination) const
{
    const QDateTime written = QFileInfo(source).lastModified();
    const QDate day = written.date();
    const QString when = regional::current().formatDate({day.year(), day.month(), day.day()}) + u' ' +
                         written.time().toString(QStringLiteral("hh:mm"));
    return tr("Replace the books of the database \"%1\" with those of the backup \"%2\" of %3?")
        .arg(QDir::toNativeSeparators(destination), QDir::toNativeSeparators(source), when);
}

// Lists and settings go where the open database reads them.
QString TMyRestore::databaseFolder() const { return QFileInfo(host_.basePath()).absolutePath(); }

bool TMyRestore::restoreLists(const QString& chosen)
{
    const QString folder = QFileInfo(chosen).absolutePath();
    const QString table = host_.tableName();
    const QString into = databaseFolder();
    QStringList missing;
    QString failure;
    {
        Busy busy;
        for (int n = 1; n <= 9 && failure.isEmpty(); ++n) {
            const QString extension = backup::listExtension(n);
            const QString source = backup::findCaseless(folder, table + extension);
            const QString destination = backup::findCaseless(into, table + extension);
            if (backup::sameFile(source, destination)) failure = kSameFile();
            else if (!QFileInfo::exists(source)) missing << table + extension;
            else if (!backup::replaceFile(source, destination).ok) failure = kFailed();
        }
    }
    for (const QString& name : missing) say(tr("Warning"), notFound(name));
    if (!failure.isEmpty()) {
        say(tr("Error"), failure);
        return false;
    }
    say(tr("Notice"), (missing.isEmpty()
                                       ? tr("ALL proper \"Data List\" files restored successfully.")
                                       : tr("One or more files were not restored.  Restore may not have "
                                                        "completed successfully.")) +
                                      inFolder(into));
    host_.reloadLists();
    return true;
}

bool TMyRestore::restoreSettings(const QString& chosen)
{
    const QString name = QFileInfo(chosen).completeBaseName();
    const QString source = backup::findCaseless(QFileInfo(chosen).absolutePath(), name + QStringLiteral(".INI"));
    // the open database's own settings replace those it reads; another's wait in the program folder
    const bool own = name == host_.tableName();
    const QString into = own ? databaseFolder() : host_.programDirectory();
    const QString destination = own ? host_.basePath() + QStringLiteral(".INI")
                                    : QDir(into).filePath(name + QStringLiteral(".INI"));
    if (backup::sameFile(source, destination)) {
        say(tr("Error"), kSameFile());
        return false;
    }
    if (!QFileInfo::exists(source)) {
        say(tr("Warning"), notFound(name + QStringLiteral(".INI")));
        return false;
    }
    bool ok = false;
    {
        Busy busy;
        ok = backup::replaceFile(source, destination).ok;
        if (ok && own) host_.reloadSettings();
    }
    if (!ok) {
        say(tr("Error"), kFailed());
        return false;
    }
    say(tr("Notice"), tr("Configuration File restored successfully.") + inFolder(into));
    return true;
}

bool TMyRestore::restoreReports(const QString& chosen)
{
    const QString source = backup::findCaseless(QFileInfo(chosen).absolutePath(), QString::fromLatin1(reports::kReportFileName));
    const QString destination = reports::reportFileIn(host_.programDirectory());
    if (backup::sameFile(source, destination)) {
        say(tr("Error"), kSameFile());
        return false;
    }
    if (!QFileInfo::exists(source)) {
        say(tr("Error"), tr("The Report Definitions file \"KAVBOOK.URP\" could not be  located on "
                                                    "the specified source drive."));
        return false;
    }
    if (!backup::space(source, destination).besides()) {  // the old file stays until the new one is whole
        say(tr("Error"), kNoRoom());
        return false;
    }
    backup::CopyResult r;
    {
        Busy busy;
        r = backup::replaceFile(source, destination, busy.progress());
        if (r.ok) host_.reloadReports();
    }
    say(r.ok ? tr("Notice") : tr("Error"), r.ok ? kDone() : kFailed());
    return r.ok;
}
