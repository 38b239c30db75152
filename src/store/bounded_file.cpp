// SPDX-License-Identifier: GPL-2.0-or-later
#include "store/bounded_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace store {

namespace {

QString megabytes(qint64 bytes) { return QString::number(bytes / (1024 * 1024)); }

}  // namespace

QString specialFileProblem(const QString& path, qint64 limit)
{
    const QFileInfo info(path);
    if (!info.exists()) return {};
    if (!info.isFile()) return QCoreApplication::translate("Messages", "\"%1\" is not a regular file.").arg(path);
    if (info.size() > limit)
        return QCoreApplication::translate("Messages", "\"%1\" is larger than %2 MB.").arg(path, megabytes(limit));
    return {};
}

BoundedRead readBoundedFile(const QString& path, qint64 limit)
{
    BoundedRead r;
    if (!QFileInfo::exists(path)) return r;
    r.exists = true;
    r.problem = specialFileProblem(path, limit);
    if (!r.problem.isEmpty()) return r;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        r.problem = QCoreApplication::translate("Messages", "\"%1\" cannot be read: %2").arg(path, f.errorString());
        return r;
    }
    // The file may have grown since it was looked at: never more than the limit is read. It is
    // read a piece at a time, as a read of limit bytes at once would first take that much memory
    // (a gigabyte for a text file to import) whatever the file's size.
    r.bytes.reserve(qsizetype(std::min(f.size(), limit)) + 1);
    char piece[64 * 1024];
    while (r.bytes.size() <= limit) {
        const qint64 n = f.read(piece, std::min<qint64>(qint64(sizeof piece), limit + 1 - r.bytes.size()));
        if (n <= 0) break;
        r.bytes.append(piece, qsizetype(n));
    }
    if (r.bytes.size() > limit) {
        r.bytes.clear();
        r.problem = QCoreApplication::translate("Messages", "\"%1\" is larger than %2 MB.").arg(path, megabytes(limit));
    } else if (f.error() != QFileDevice::NoError) {
        r.bytes.clear();
        r.problem = QCoreApplication::translate("Messages", "\"%1\" cannot be read: %2").arg(path, f.errorString());
    }
    return r;
}

}  // namespace store
