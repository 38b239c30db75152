// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Where the program keeps its files and finds its help file.
#include <QString>
#include <QStringList>

namespace paths {

// True when a file can be created in the folder (tried, not judged from permission bits, which
// the superuser ignores and read-only mounts do not show).
bool folderAcceptsFiles(const QString& folder);

// The program directory: the executable's folder, or the user's data folder (created when
// missing) where that folder cannot be written or the program is installed (its help file in
// PREFIX/share/bindlow rather than beside it).
QString programDirectoryFor(const QString& executableFolder, const QString& userDataFolder);

// The help file: beside the executable when it is there (a build tree, a copied folder),
// otherwise in the installation's data folder (PREFIX/share/bindlow beside PREFIX/bin). Never the
// user's data folder, which holds only the user's files. In each folder a help file in the given
// language ("KAVBOOK.de.HLP") comes before "KAVBOOK.HLP".
QString helpFileFor(const QString& executableFolder, const QString& language = {});

// The dBASE tables (.DBF) in the executable's folder that the program directory does not hold:
// the books of an earlier copy, left behind when the program moved to the user's data folder.
// Sorted; empty when the program directory is the executable's folder.
QStringList tablesLeftBehind(const QString& executableFolder, const QString& programDirectory);

// The message that says once where the program now keeps its files and how to reach the books
// left behind.
QString dataFolderNotice(const QString& executableFolder, const QString& programDirectory, const QStringList& tables);

// The notice for settings or list files that were not read (each problem one sentence naming its
// file): the program goes on with its defaults and leaves those files as they are.
QString unreadFileNotice(const QStringList& problems);

}  // namespace paths
