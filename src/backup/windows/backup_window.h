// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// "Backup": copies the open database's table, its data lists or its settings file, or the
// report file, into a folder the user picks on any mounted volume.
#include <QDialog>

#include "backup/windows/backup_host.h"

class QComboBox;
class QFileSystemModel;
class QPushButton;
class QRadioButton;
class QTreeView;

class TMyBackup : public QDialog {
    Q_OBJECT
public:
    explicit TMyBackup(backup::BackupHost& host, QWidget* parent = nullptr);
    // The folder the copies go to.
    QString destinationFolder() const;
    void setDestinationFolder(const QString& folder);
    void DriveBoxChange();
    void StartButtonClick();
    void HelpButtonClick();

    QRadioButton* BackDBF = nullptr;
    QRadioButton* BackLST = nullptr;
    QRadioButton* BackINI = nullptr;
    QRadioButton* BackURP = nullptr;
    QComboBox* DriveBox = nullptr;
    QTreeView* DirBox = nullptr;
    QPushButton* CancelButton = nullptr;

private:
    // How a copy makes room: beside an older backup, in its place (as the user agreed), not at
    // all; or the user would not give up the older one.
    enum class Room { Besides, InPlace, None, Declined };
    Room roomFor(const QString& source, const QString& destination);
    bool copy(const QString& source, const QString& destination, Room room, bool table);
    bool backUpDatabase(const QString& folder);
    bool backUpLists(const QString& folder);
    bool backUpSettings(const QString& folder);
    bool backUpReports(const QString& folder);
    void say(const QString& caption, const QString& text);

    backup::BackupHost& host_;
    void showWanted();
    QFileSystemModel* folders_ = nullptr;
    QString wanted_;  // the folder to show once the folders on its way are loaded
};
