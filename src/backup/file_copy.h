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
// table the source is a dBASE table: the copy holds its update lock (shared), so that another
// program's append cannot leave a torn record in the copy, and the copy's header marks no
// production index, since the index is not copied with it.
CopyResult copyFile(const QString& source, const QString& destination, const Progress& progress = {},
                    bool table = false);
// Copies source into a hidden temporary file beside destination (".NAME.SUFFIX") and renames it
// over destination only when the copy is complete and flushed: a failure, the rename's
// included, leaves destination as it was and no temporary file.
CopyResult replaceFile(const QString& source, const QString& destination, const Progress& progress = {},
                       bool table = false, const QString& suffix = QStringLiteral("restoring"));
// Removes the temporary files of restores into folder that were killed before their end; those
// a running restore is still writing are left alone.
void removeLeftovers(const QString& folder);

// True when the two paths name one file: the same path without regard to letter case, or two
// names of one file. The destination need not exist yet.
bool sameFile(const QString& a, const QString& b);

// The sizes a copy of source to destination is measured by.
struct Space {
    qint64 source = 0;    // the file to copy
    qint64 existing = 0;  // an existing destination (an older copy), 0 if none
    qint64 free = 0;      // the free space of the destination's volume
    // A complete second copy fits beside the existing one.
    bool besides() const { return free >= source; }
    // Room only by counting the existing one.
    bool inPlace() const { return existing + free >= source; }
};
Space space(const QString& source, const QString& destination);
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
