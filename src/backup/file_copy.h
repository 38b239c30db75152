// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Copying a file for a backup or a restore, and the checks made first: whether two paths name
// one file, and whether the destination's volume has room.
#include <QString>
#include <QtGlobal>
#include <functional>

namespace backup {

struct CopyResult {
    bool ok = false;
    QString error;  // the system's reason when !ok
};

// Told now and then how far a copy has come.
using Progress = std::function<void(qint64 done, qint64 total)>;

// Copies source onto destination in place (an older backup there is overwritten). A copy that
// fails part-way (a read error, a full disk, a close that fails) removes what it wrote. With
// tableLock the source is a dBASE table: the copy holds its update lock (shared), so that another
// program's append cannot leave a torn record in the copy.
CopyResult copyFile(const QString& source, const QString& destination, const Progress& progress = {},
                    bool tableLock = false);
// Copies source into a temporary file beside destination and renames it over destination only
// when the copy is complete and closed: a failure leaves destination as it was.
CopyResult replaceFile(const QString& source, const QString& destination, const Progress& progress = {});

// True when the two paths name one file: the same path without regard to letter case, or two
// names of one file. The destination need not exist yet.
bool sameFile(const QString& a, const QString& b);

// There is room when an existing destination's size plus the free space of its volume covers
// the source.
bool hasRoom(const QString& source, const QString& destination);
// Tests only: the free space of a folder's volume; an empty function restores the real one.
void setFreeSpaceForTests(std::function<qint64(const QString& folder)> freeSpace);

// The file named name in folder, found without regard to letter case (a FAT stick shows
// "master.001"); the path as given when there is none.
QString findCaseless(const QString& folder, const QString& name);

// The extension of data list n (1..9): ".001" ... ".009".
QString listExtension(int n);

}  // namespace backup
