// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Reading a whole file the program did not write itself (settings, data lists, report files, the
// help file, files the user points at) without waiting and within a size: only a regular file
// (or a link to one) is opened, so that a FIFO, a device such as /dev/zero or a socket is refused
// at once instead of hanging the program or filling its memory.
#include <QByteArray>
#include <QString>

namespace store {

inline constexpr qint64 kSettingsFileLimit = 16 * 1024 * 1024;  // settings and data lists

// Why the file at path cannot be read as one of the program's files: empty when it can. A file
// that does not exist is no problem here (callers treat it as empty).
QString specialFileProblem(const QString& path, qint64 limit);

struct BoundedRead {
    bool exists = false;  // false: no file at all (bytes is empty, problem too)
    QByteArray bytes;
    QString problem;      // set when the file is there but was not read: what is wrong
};

// Reads the whole file when it is a regular file of at most limit bytes.
BoundedRead readBoundedFile(const QString& path, qint64 limit);

}  // namespace store
