// SPDX-License-Identifier: GPL-2.0-or-later
#include "backup/file_copy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

#include "dbase/error.h"
#include "dbase/file.h"

namespace backup {

namespace {

constexpr std::size_t kBlock = 1 << 20;
std::function<qint64(const QString&)> freeSpaceHook;

QString systemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

std::string nativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// Copies size bytes from the open source into a new file at target; removes target on failure.
CopyResult copyInto(int in, qint64 size, const QString& target, const Progress& progress)
{
    const std::string out = nativePath(target);
    const int fd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return {false, systemError(errno)};
    std::vector<char> buffer(kBlock);
    qint64 done = 0;
    int failure = 0;
    while (done < size && !failure) {
        const std::size_t want = std::size_t(std::min<qint64>(qint64(kBlock), size - done));
        const ssize_t got = ::pread(in, buffer.data(), want, done);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            failure = got < 0 ? errno : EIO;  // the source ended before its size: it changed under us
            break;
        }
        std::size_t written = 0;
        while (written < std::size_t(got)) {
            const ssize_t w = ::write(fd, buffer.data() + written, std::size_t(got) - written);
            if (w < 0 && errno == EINTR) continue;
            if (w <= 0) {
                failure = w < 0 ? errno : ENOSPC;  // a write that writes less: the disk is full
                break;
            }
            written += std::size_t(w);
        }
        done += got;
        if (progress) progress(done, size);
    }
    if (!failure && ::fsync(fd) != 0) failure = errno;
    if (::close(fd) != 0 && !failure) failure = errno;
    if (failure) {
        ::unlink(out.c_str());
        return {false, systemError(failure)};
    }
    return {true, {}};
}

CopyResult copyFrom(const QString& source, const QString& target, const Progress& progress, bool tableLock)
{
    try {
        dbase::File in(std::filesystem::path(nativePath(source)), dbase::File::Mode::ReadOnly);
        if (tableLock) in.lock(dbase::kUpdateLock, 1, false);  // no append or edit meanwhile
        return copyInto(in.fd(), qint64(in.size()), target, progress);
    } catch (const dbase::DatabaseError& e) {
        return {false, QString::fromLocal8Bit(e.what())};
    }
}

}  // namespace

CopyResult copyFile(const QString& source, const QString& destination, const Progress& progress, bool tableLock)
{
    return copyFrom(source, destination, progress, tableLock);
}

CopyResult replaceFile(const QString& source, const QString& destination, const Progress& progress)
{
    const QFileInfo info(destination);
    const QString temporary = QDir(info.absolutePath()).filePath(QStringLiteral(".%1.restoring").arg(info.fileName()));
    CopyResult r = copyFrom(source, temporary, progress, false);
    if (!r.ok) return r;
    if (::rename(nativePath(temporary).c_str(), nativePath(destination).c_str()) != 0) {
        const int error = errno;
        ::unlink(nativePath(temporary).c_str());
        return {false, systemError(error)};
    }
    try {
        dbase::syncFolder(std::filesystem::path(nativePath(destination)));
    } catch (const dbase::DatabaseError&) {
        // the copy is in place; only its durability across a power cut is in doubt
    }
    return {true, {}};
}

bool sameFile(const QString& a, const QString& b)
{
    const QFileInfo x(a), y(b);
    if (x.absoluteFilePath().compare(y.absoluteFilePath(), Qt::CaseInsensitive) == 0) return true;
    // two names of one file: compare where they really lead (a file not there yet by its folder)
    auto real = [](const QFileInfo& f) {
        if (f.exists()) return f.canonicalFilePath();
        const QString folder = QFileInfo(f.absolutePath()).canonicalFilePath();
        return folder.isEmpty() ? f.absoluteFilePath() : QDir(folder).filePath(f.fileName());
    };
    return real(x).compare(real(y), Qt::CaseInsensitive) == 0;
}

bool hasRoom(const QString& source, const QString& destination)
{
    const QFileInfo dest(destination);
    const qint64 s = QFileInfo(source).size();
    const qint64 e = dest.exists() ? dest.size() : 0;
    const QString folder = dest.absolutePath();
    const qint64 f = freeSpaceHook ? freeSpaceHook(folder) : QStorageInfo(folder).bytesAvailable();
    return e + f >= s;
}

void setFreeSpaceForTests(std::function<qint64(const QString&)> freeSpace) { freeSpaceHook = std::move(freeSpace); }

QString findCaseless(const QString& folder, const QString& name)
{
    const QDir dir(folder);
    if (dir.exists(name)) return dir.filePath(name);
    for (const QString& entry : dir.entryList(QDir::Files | QDir::Hidden))
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(entry);
    return dir.filePath(name);
}

QString listExtension(int n) { return QStringLiteral(".%1").arg(n, 3, 10, QChar(u'0')); }

}  // namespace backup
