// SPDX-License-Identifier: GPL-2.0-or-later
#include "store/table_access.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <unistd.h>

#include "dbase/error.h"
#include "dbase/table.h"
#include "store/dataset.h"  // toPath

namespace store {

namespace {
QString readOnlyTail()
{
    return QCoreApplication::translate("Messages", "  It is opened read-only: the books can be viewed, searched and reported, but not changed.");
}

// The system's reason when the file cannot be written; empty when it can (or is not there).
QString unwritable(const std::filesystem::path& file)
{
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) return {};
    if (::access(file.c_str(), W_OK) == 0) return {};
    return QString::fromLocal8Bit(std::strerror(errno));
}
}  // namespace

QString readOnlyReason(const QString& path)
{
    const QFileInfo info(QFileInfo(path).absoluteFilePath());
    const QString shown = QDir::toNativeSeparators(info.absoluteFilePath());
    // the header alone tells: no record is read
    dbase::TableFacts t;
    try {
        t = dbase::inspectTable(toPath(info.absolutePath()), QFile::encodeName(info.fileName()).toStdString());
    } catch (const dbase::DatabaseError&) {
        return {};
    }
    if (t.recordsPastCount != 0) {
        return QCoreApplication::translate("Messages", "The database \"%1\" holds %2 books past the record count in its header, "
                                                     "which a change would lose.  The command \"bindlow-dbf recover %1\" "
                                                     "adds them to the database.")
                   .arg(shown)
                   .arg(t.recordsPastCount) +
               readOnlyTail();
    }
    QString why = unwritable(t.path);
    if (why.isEmpty() && t.header.mdxFlag != 0) why = unwritable(t.indexPath);
    if (why.isEmpty()) return {};
    return QCoreApplication::translate("Messages", "The database \"%1\" cannot be changed (%2).").arg(shown, why) + readOnlyTail();
}

}  // namespace store
