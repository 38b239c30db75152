// SPDX-License-Identifier: GPL-2.0-or-later
#include "backup/windows/backup_window.h"

#include <QCoreApplication>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QRadioButton>
#include <QStorageInfo>
#include <QTreeView>

#include "backup/file_copy.h"
#include "backup/windows/copy_window_parts.h"
#include "reports/report_file.h"
#include "ui/seams/help.h"
#include "ui/seams/messages.h"
#include "ui/window_fit.h"

namespace {

QString kFailed() { return QCoreApplication::translate("TMyBackup", "An error occurred during backup.  Backup not completed."); }
QString kDone() { return QCoreApplication::translate("TMyBackup", "Backup completed successfully."); }
QString kSameFile() { return QCoreApplication::translate("TMyBackup", "Destination File and Source File are identical.  You cannot copy a file  over "
                                         "top of itself.  Please choose a different directory/folder to backup to."); }

// a backup being written beside the older one it replaces
const QString kTemporary = QStringLiteral("copying");

using backup::Busy;

}  // namespace

TMyBackup::TMyBackup(backup::BackupHost& host, QWidget* parent) : QDialog(parent), host_(host)
{
    setObjectName(QStringLiteral("MyBackup"));
    setWindowTitle(tr("Backup"));
    ui::makeFixedDialog(this);
    const auto kinds = backup::kindGroup(this, tr("What To Back Up"),
                                         {{{"BackDBF", "Current &Database (*.DBF)"},
                                           {"BackLST", "Data &Lists of Current Database (*.0xx)"},
                                           {"BackINI", "Config &File of Current Database (*.INI)"},
                                           {"BackURP", "Global &Report Definitions (*.URP)"}}});
    BackDBF = kinds[0];
    BackLST = kinds[1];
    BackINI = kinds[2];
    BackURP = kinds[3];

    auto* where = new QGroupBox(tr("Where To Back Up To"), this);
    where->setGeometry(350, 8, 280, 300);
    DriveBox = new QComboBox(where);
    DriveBox->setObjectName(QStringLiteral("DriveBox"));
    DriveBox->setGeometry(10, 24, 260, 26);
    DirBox = new QTreeView(where);
    DirBox->setObjectName(QStringLiteral("DirBox"));
    DirBox->setGeometry(10, 56, 260, 234);
    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folders_->setRootPath(QString());
    DirBox->setModel(folders_);
    for (int c = 1; c < folders_->columnCount(); ++c) DirBox->hideColumn(c);
    DirBox->header()->hide();

    // the mounted volumes, the one that holds the program folder first
    const QString programFolder = host_.programDirectory();
    const QStorageInfo home(programFolder);
    auto caption = [](const QStorageInfo& v) {
        return v.displayName() == v.rootPath() ? v.rootPath() : v.rootPath() + QStringLiteral("  [") + v.displayName() + u']';
    };
    DriveBox->addItem(caption(home), home.rootPath());
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        if (!v.isValid() || !v.isReady() || v.rootPath() == home.rootPath()) continue;
        DriveBox->addItem(caption(v), v.rootPath());
    }
    connect(DriveBox, QOverload<int>::of(&QComboBox::activated), this, &TMyBackup::DriveBoxChange);
    DirBox->setRootIndex(folders_->index(home.rootPath()));
    connect(folders_, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
        QString level = QDir::cleanPath(loaded);
        if (!level.endsWith(u'/')) level += u'/';  // a volume's root ends in one already
        if (!wanted_.isEmpty() && (wanted_ + u'/').startsWith(level)) showWanted();
    });
    // a folder the user picks replaces the one shown at first
    connect(DirBox->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& now) {
        if (!wanted_.isEmpty() && now != folders_->index(wanted_)) wanted_.clear();
    });
    setDestinationFolder(programFolder);

    auto button = [this](const char* name, const char* caption, int x) {
        auto* b = new QPushButton(tr(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(x, 272, 104, 32);
        return b;
    };
    auto* start = button("StartButton", QT_TR_NOOP("&Start Back Up"), 10);
    start->setDefault(true);
    CancelButton = button("CancelButton", QT_TR_NOOP("&Cancel"), 122);
    auto* help = button("HelpButton", QT_TR_NOOP("&Help"), 234);
    connect(start, &QPushButton::clicked, this, &TMyBackup::StartButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &TMyBackup::HelpButtonClick);
    resize(640, 318);
}

QString TMyBackup::destinationFolder() const
{
    // the chosen folder counts even while the folders on its way are still being read
    if (!wanted_.isEmpty()) return wanted_;
    const QModelIndex i = DirBox->currentIndex();
    return i.isValid() ? folders_->filePath(i) : DriveBox->currentData().toString();
}

void TMyBackup::setDestinationFolder(const QString& folder)
{
    wanted_ = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    showWanted();
}

// The folders load in the background: each level on the way to the chosen folder is opened as
// it arrives, and the chosen folder is selected and scrolled into view.
void TMyBackup::showWanted()
{
    const QModelIndex i = folders_->index(wanted_);
    if (!i.isValid()) return;
    for (QModelIndex p = i.parent(); p.isValid(); p = p.parent()) DirBox->expand(p);
    if (DirBox->currentIndex() != i) DirBox->setCurrentIndex(i);
    DirBox->scrollTo(i, QAbstractItemView::PositionAtCenter);
}

void TMyBackup::DriveBoxChange()
{
    wanted_.clear();
    const QString root = DriveBox->currentData().toString();
    DirBox->setRootIndex(folders_->index(root));
    DirBox->setCurrentIndex(folders_->index(root));
}

void TMyBackup::HelpButtonClick() { ui::help().showKeyword(this, QStringLiteral("Backup and Restore")); }

void TMyBackup::say(const QString& caption, const QString& text) { ui::showNotice(this, caption, text, ui::MsgIcon::None); }

void TMyBackup::StartButtonClick()
{
    const QString folder = destinationFolder();
    bool done = false;
    if (BackDBF->isChecked()) done = backUpDatabase(folder);
    else if (BackLST->isChecked()) done = backUpLists(folder);
    else if (BackINI->isChecked()) done = backUpSettings(folder);
    else done = backUpReports(folder);
    if (!done) return;
    CancelButton->setText(tr("&Close"));
    CancelButton->setFocus();
}

bool TMyBackup::backUpDatabase(const QString& folder)
{
    const QString source = host_.databasePath();
    const QString destination = QDir(folder).filePath(host_.tableName() + QStringLiteral(".DBF"));
    if (backup::sameFile(source, destination)) {
        say(tr("Error"), kSameFile());
        return false;
    }
    // asked while the books are still shown
    const Room room = roomFor(source, destination);
    if (room == Room::Declined) return false;
    const bool searched = host_.searchActive();
    if (searched) host_.suspendSearch();
    // the table and the search come back however the backup ends, before anything is said
    struct Restore {
        backup::BackupHost& host;
        QWidget* owner;
        bool searched;
        bool pending = true;
        void now()
        {
            if (!pending) return;
            pending = false;
            host.reopenTable(owner);
            if (searched) host.resumeSearch();
        }
        ~Restore() { now(); }
    } restore {host_, this, searched};
    if (!host_.testExclusive()) {
        restore.now();
        say(tr("Error"),
            tr("Backing up the database requires exclusive use of the DBase File.  Make sure that the "
                           "DBase File is not in use by another program  or that no other users are running the "
                           "software or that no other copies of the software are in use."));
        return false;
    }
    if (room == Room::None) {
        restore.now();
        say(tr("Error"),
            tr("There is not enough room on the destination drive to perform a backup.  If you are already "
                           "using blank empty media, then you will need to use the ASCII Delimited Import/Export "
                           "functions for backup and restore purposes."));
        return false;
    }
    const bool ok = copy(source, destination, room, true);
    restore.now();
    say(ok ? tr("Notice") : tr("Error"), ok ? kDone() : kFailed());
    return ok;
}

// A complete second copy is made beside an older backup and renamed over it, so that a copy that
// fails keeps the older one. Where only the older one's place makes room, the user chooses.
TMyBackup::Room TMyBackup::roomFor(const QString& source, const QString& destination)
{
    const backup::Space space = backup::space(source, destination);
    if (space.besides()) return Room::Besides;
    if (!space.inPlace()) return Room::None;
    const bool replace = ui::askConfirm(this,
                                        tr("There is room for this backup only in place of the old one.  "
                                                       "If the copy fails, you will have no backup.  Replace the old "
                                                       "backup?"),
                                        ui::No);
    return replace ? Room::InPlace : Room::Declined;
}

bool TMyBackup::copy(const QString& source, const QString& destination, Room room, bool table)
{
    Busy busy;
    if (room == Room::InPlace) return backup::copyFile(source, destination, busy.progress(), table).ok;
    return backup::replaceFile(source, destination, busy.progress(), table, kTemporary).ok;
}

bool TMyBackup::backUpLists(const QString& folder)
{
    QString outcome = kDone();
    {
        Busy busy;
        host_.saveLists();
        const QString sourceFolder = QFileInfo(host_.basePath()).absolutePath();
        const QString base = QFileInfo(host_.basePath()).fileName();
        for (int n = 1; n <= 9 && outcome == kDone(); ++n) {
            const QString source = backup::findCaseless(sourceFolder, base + backup::listExtension(n));
            if (!QFileInfo::exists(source)) continue;  // a list never written has no file
            const QString destination = QDir(folder).filePath(host_.tableName() + backup::listExtension(n));
            if (backup::sameFile(source, destination)) outcome = kSameFile();
            else if (!backup::replaceFile(source, destination, {}, false, kTemporary).ok) outcome = kFailed();
        }
    }
    say(outcome == kDone() ? tr("Notice") : tr("Error"), outcome);
    return outcome == kDone();
}

bool TMyBackup::backUpSettings(const QString& folder)
{
    QString outcome, caption = tr("Notice");
    {
        Busy busy;
        host_.saveSettings();
        const QString source = host_.basePath() + QStringLiteral(".INI");
        const QString destination = QDir(folder).filePath(host_.tableName() + QStringLiteral(".INI"));
        if (!QFileInfo::exists(source)) {
            outcome = kDone();
        } else if (backup::sameFile(source, destination)) {
            outcome = kSameFile();
            caption = tr("Error");
        } else if (backup::replaceFile(source, destination, {}, false, kTemporary).ok) {
            outcome = kDone();
        } else {
            outcome = kFailed();
            caption = tr("Error");
        }
    }
    say(caption, outcome);
    return outcome == kDone();
}

bool TMyBackup::backUpReports(const QString& folder)
{
    const QString source = reports::reportFileIn(host_.programDirectory());
    const QString destination = reports::reportFileIn(folder);
    if (backup::sameFile(source, destination)) {
        say(tr("Error"),
            tr("Destination File and Source File are identical.  You cannot copy a file  over top of "
                           "itself.  Please choose a different directory to backup to."));
        return false;
    }
    const Room room = roomFor(source, destination);
    if (room == Room::Declined) return false;
    if (room == Room::None) {
        say(tr("Error"),
            tr("There is not enough room on the destination drive to backup this file.  You will need to "
                           "free up space on the destination drive or use an alternative method to backup the "
                           "\"KAVBOOK.URP\" file."));
        return false;
    }
    const bool ok = copy(source, destination, room, false);
    say(ok ? tr("Notice") : tr("Error"), ok ? kDone() : kFailed());
    return ok;
}
