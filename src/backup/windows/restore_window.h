// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// "Restore": copies a backed-up table, data lists, settings file or report file back into the
// program folder; a restored table becomes the open database.
#include <QDialog>

#include "backup/windows/backup_host.h"

class QPushButton;
class QRadioButton;

class TMyRestore : public QDialog {
    Q_OBJECT
public:
    explicit TMyRestore(backup::BackupHost& host, QWidget* parent = nullptr);
    void StartButtonClick();
    void HelpButtonClick();

    QRadioButton* RestoreDBF = nullptr;
    QRadioButton* RestoreLST = nullptr;
    QRadioButton* RestoreINI = nullptr;
    QRadioButton* RestoreURP = nullptr;
    QPushButton* CancelButton = nullptr;

private:
    bool restoreDatabase(const QString& source);
    // Asked before a restored table replaces a database: names both files and the backup's date.
    QString replaceQuestion(const QString& source, const QString& destination) const;
    QString databaseFolder() const;
    bool restoreLists(const QString& chosen);
    bool restoreSettings(const QString& chosen);
    bool restoreReports(const QString& chosen);
    void say(const QString& caption, const QString& text);

    backup::BackupHost& host_;
};
