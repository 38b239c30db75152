// SPDX-License-Identifier: GPL-2.0-or-later
#include "paths/program_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include "store/book_table.h"

namespace paths {

namespace {
const QString kHelpFile = QStringLiteral("KAVBOOK.HLP");

// An installed program: its help file lies in the installation's data folder, not beside it.
bool installed(const QString& executableFolder)
{
    QDir exe(executableFolder);
    return !QFileInfo::exists(exe.filePath(kHelpFile)) &&
           QFileInfo::exists(exe.filePath(QStringLiteral("../share/bindlow/") + kHelpFile));
}
}  // namespace

bool folderAcceptsFiles(const QString& folder)
{
    if (!QFileInfo(folder).isDir()) return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".bindlow-write-test-XXXXXX")));
    return probe.open();  // removed again when probe goes
}

QString programDirectoryFor(const QString& executableFolder, const QString& userDataFolder)
{
    // an installed copy never writes among the system's files, even when it could (the superuser)
    if (!installed(executableFolder) && folderAcceptsFiles(executableFolder)) return QDir::cleanPath(executableFolder);
    QDir().mkpath(userDataFolder);
    return QDir::cleanPath(userDataFolder);
}

QString helpFileFor(const QString& executableFolder, const QString& language)
{
    QDir exe(executableFolder);
    // a help file in the user's language comes before the one in the source language
    QStringList names;
    if (!language.isEmpty()) names << QStringLiteral("KAVBOOK.%1.HLP").arg(language);
    names << kHelpFile;
    for (const QString& folder : {exe.path(), exe.filePath(QStringLiteral("../share/bindlow"))})
        for (const QString& name : names)
            if (QFileInfo::exists(QDir(folder).filePath(name))) return QDir::cleanPath(QDir(folder).filePath(name));
    return QDir::cleanPath(exe.filePath(kHelpFile));  // missing: the help window says so, naming this path
}

QStringList tablesLeftBehind(const QString& executableFolder, const QString& programDirectory)
{
    if (QDir::cleanPath(executableFolder) == QDir::cleanPath(programDirectory)) return {};
    QStringList present;
    for (const QString& n : QDir(programDirectory).entryList(QDir::Files)) present << n.toUpper();
    QStringList left;
    for (const QFileInfo& f : QDir(executableFolder).entryInfoList(QDir::Files, QDir::Name)) {
        if (!store::hasTableSuffix(f.fileName())) continue;
        if (!present.contains(f.fileName().toUpper())) left << f.fileName();
    }
    return left;
}

QString dataFolderNotice(const QString& executableFolder, const QString& programDirectory, const QStringList& tables)
{
    return QCoreApplication::translate("Messages", "Bindlow Books 97 cannot write in its program folder \"%1\", so it keeps its "
                                             "databases, lists and reports in \"%2\".  The databases in the program "
                                             "folder (%3) stay where they are: open them there with Open Database.")
        .arg(QDir::toNativeSeparators(executableFolder), QDir::toNativeSeparators(programDirectory),
             tables.join(QStringLiteral(", ")));
}

QString unreadFileNotice(const QStringList& problems)
{
    return problems.join(QStringLiteral("  ")) +
           (problems.size() == 1
                ? QCoreApplication::translate("Messages", "  The program goes on with its defaults instead and leaves that file as it is.")
                : QCoreApplication::translate("Messages", "  The program goes on with its defaults instead and leaves those files as they are."));
}

}  // namespace paths
