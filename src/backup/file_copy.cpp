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
constexpr ssize_t kIndexMark = 28;  // the header byte that says a production index belongs to the table
std::function<qint64(const QString&)> freeSpaceHook;

QString systemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

std::string nativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// A whole-file write lock of this open: a second program's restore and the start-up's clean-up
// leave a file alone while it is written. False only when another open holds it; a volume that
// keeps no locks (some network shares) is written unlocked.
bool lockWhole(int fd)
{
    struct flock l {};
    l.l_type = F_WRLCK;
    l.l_whence = SEEK_SET;
    return ::fcntl(fd, F_OFD_SETLK, &l) == 0 || (errno != EAGAIN && errno != EACCES);
}

// Copies size bytes from the open source into target; without the index mark with table. When
// it is flushed, commit (if any) puts it in place and returns 0 or the error. Removes target on
// failure.
CopyResult copyInto(int in, qint64 size, const QString& target, const Progress& progress, bool table,
                    const std::function<int()>& commit)
{
    const std::string out = nativePath(target);
    const int fd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return {false, systemError(errno)};
    if (!lockWhole(fd)) {
        const int error = errno;
        ::close(fd);  // another copy is writing it: not ours to remove
        return {false, systemError(error)};
    }
    std::vector<char> buffer(kBlock);
    qint64 done = 0;
    int failure = ::ftruncate(fd, 0) == 0 ? 0 : errno;
    while (done < size && !failure) {
        const std::size_t want = std::size_t(std::min<qint64>(qint64(kBlock), size - done));
        const ssize_t got = ::pread(in, buffer.data(), want, done);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            failure = got < 0 ? errno : EIO;  // the source ended before its size: it changed under us
            break;
        }
        // other programs would look for the production index the copy does not come with
        if (table && done == 0 && got > kIndexMark) buffer[kIndexMark] = 0;
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
    // the file stays locked until it is in place, so that no clean-up takes it meanwhile
    const bool committed = !failure && commit;
    if (committed) failure = commit();
    if (::close(fd) != 0 && !failure && !committed) failure = errno;  // once in place it is flushed already
    if (failure) {
        ::unlink(out.c_str());
        return {false, systemError(failure)};
    }
    return {true, {}};
}

CopyResult copyFrom(const QString& source, const QString& target, const Progress& progress, bool table,
                    const std::function<int()>& commit = {})
{
    try {
        dbase::File in(std::filesystem::path(nativePath(source)), dbase::File::Mode::ReadOnly);
        if (table) in.lock(dbase::kUpdateLock, 1, false);  // no append or edit meanwhile
        return copyInto(in.fd(), qint64(in.size()), target, progress, table, commit);
    } catch (const dbase::DatabaseError& e) {
        return {false, QString::fromLocal8Bit(e.what())};
    }
}

QString temporaryFor(const QString& destination, const QString& suffix)
{
    const QFileInfo info(destination);
    return QDir(info.absolutePath()).filePath(QStringLiteral(".%1.%2").arg(info.fileName(), suffix));
}

}  // namespace

CopyResult copyFile(const QString& source, const QString& destination, const Progress& progress, bool table)
{
    return copyFrom(source, destination, progress, table);
}

CopyResult replaceFile(const QString& source, const QString& destination, const Progress& progress, bool table,
                       const QString& suffix)
{
    const QString temporary = temporaryFor(destination, suffix);
    const auto rename = [&] {
        return ::rename(nativePath(temporary).c_str(), nativePath(destination).c_str()) == 0 ? 0 : errno;
    };
    CopyResult r = copyFrom(source, temporary, progress, table, rename);
    if (!r.ok) return r;
    try {
        dbase::syncFolder(std::filesystem::path(nativePath(destination)));
    } catch (const dbase::DatabaseError&) {
        // the copy is in place; only its durability across a power cut is in doubt
    }
    return {true, {}};
}

void removeLeftovers(const QString& folder)
{
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral(".*.restoring")}, QDir::Files | QDir::Hidden)) {
        const std::string path = nativePath(dir.filePath(name));
        const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
        if (fd < 0) continue;
        if (lockWhole(fd)) ::unlink(path.c_str());  // locked: a restore still running writes it
        ::close(fd);
    }
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

Space space(const QString& source, const QString& destination)
{
    const QFileInfo dest(destination);
    const QString folder = dest.absolutePath();
    return {QFileInfo(source).size(), dest.isFile() ? dest.size() : 0,
            freeSpaceHook ? freeSpaceHook(folder) : QStorageInfo(folder).bytesAvailable()};
}

bool hasRoom(const QString& source, const QString& destination) { return space(source, destination).inPlace(); }

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
