// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/program_paths.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace app {

namespace {
const QString kHelpFile = QStringLiteral("KAVBOOK.HLP");
}

bool folderAcceptsFiles(const QString& folder)
{
    if (!QFileInfo(folder).isDir()) return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".bindlow-write-test-XXXXXX")));
    return probe.open();  // removed again when probe goes
}

QString programDirectoryFor(const QString& executableFolder, const QString& userDataFolder)
{
    if (folderAcceptsFiles(executableFolder)) return QDir::cleanPath(executableFolder);
    QDir().mkpath(userDataFolder);
    return QDir::cleanPath(userDataFolder);
}

QString helpFileFor(const QString& executableFolder)
{
    QDir exe(executableFolder);
    QString beside = exe.filePath(kHelpFile);
    if (QFileInfo::exists(beside)) return QDir::cleanPath(beside);
    QString installed = exe.filePath(QStringLiteral("../share/bindlow/") + kHelpFile);
    if (QFileInfo::exists(installed)) return QDir::cleanPath(installed);
    return QDir::cleanPath(beside);  // missing: the help window says so, naming this path
}

}  // namespace app
