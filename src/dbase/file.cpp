// SPDX-License-Identifier: GPL-2.0-or-later
#include "dbase/file.h"

#include <cerrno>
#include <cstring>
#include <functional>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "dbase/error.h"

namespace dbase {

void fail(const std::string& file, const std::string& what) { throw DatabaseError(file + ": " + what); }

namespace {
std::string sysError() { return std::strerror(errno); }

std::function<void(const char*)>& stepHook()
{
    static std::function<void(const char*)> hook;
    return hook;
}

// Every write, flush and rename passes here first, so that tests can fail or stop the program
// at each of them.
void step(const char* what)
{
    if (const auto& hook = stepHook()) hook(what);
}
}  // namespace

void setFileStepHookForTests(std::function<void(const char*)> hook) { stepHook() = std::move(hook); }

File::File(const std::filesystem::path& path, Mode mode) : name_(path.string())
{
    int flags = O_CLOEXEC;
    switch (mode) {
    case Mode::ReadOnly: flags |= O_RDONLY; break;
    case Mode::ReadWrite: flags |= O_RDWR; break;
    case Mode::Create: flags |= O_RDWR | O_CREAT | O_TRUNC; break;
    }
    // without waiting: opening a FIFO for reading would block until someone writes to it
    fd_ = ::open(name_.c_str(), flags | O_NONBLOCK, 0666);
    if (fd_ < 0) fail(name_, "cannot open the file (" + sysError() + ")");
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        fail(name_, "is not a regular file");
    }
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
    writable_ = mode != Mode::ReadOnly;
}

File::~File() { close(); }

File::File(File&& other) noexcept : fd_(other.fd_), writable_(other.writable_), name_(std::move(other.name_))
{
    other.fd_ = -1;
}

File& File::operator=(File&& other) noexcept
{
    if (this != &other) {
        close();
        fd_ = other.fd_;
        writable_ = other.writable_;
        name_ = std::move(other.name_);
        other.fd_ = -1;
    }
    return *this;
}

void File::close()
{
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

std::uint64_t File::size() const
{
    struct stat st {};
    if (::fstat(fd_, &st) != 0) fail(name_, "cannot read the file size (" + sysError() + ")");
    return std::uint64_t(st.st_size);
}

std::size_t File::readSome(std::uint64_t offset, void* buffer, std::size_t len) const
{
    auto* p = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < len) {
        ssize_t n = ::pread(fd_, p + done, len - done, off_t(offset + done));
        if (n < 0) {
            if (errno == EINTR) continue;
            fail(name_, "read error (" + sysError() + ")");
        }
        if (n == 0) break;
        done += std::size_t(n);
    }
    return done;
}

void File::readAt(std::uint64_t offset, void* buffer, std::size_t len) const
{
    if (readSome(offset, buffer, len) != len)
        fail(name_, "the file ends before offset " + std::to_string(offset + len));
}

void File::writeAt(std::uint64_t offset, const void* buffer, std::size_t len)
{
    if (!writable_) fail(name_, "the file is open read-only");
    step("write");
    const auto* p = static_cast<const char*>(buffer);
    std::size_t done = 0;
    while (done < len) {
        ssize_t n = ::pwrite(fd_, p + done, len - done, off_t(offset + done));
        if (n < 0) {
            if (errno == EINTR) continue;
            fail(name_, "write error (" + sysError() + ")");
        }
        done += std::size_t(n);
    }
}

void File::truncate(std::uint64_t size)
{
    if (::ftruncate(fd_, off_t(size)) != 0) fail(name_, "cannot set the file size (" + sysError() + ")");
}

void File::sync()
{
    step("sync");
    if (::fsync(fd_) != 0) fail(name_, "cannot flush the file (" + sysError() + ")");
}

namespace {
int lockCommand(int fd, int cmd, short type, std::uint64_t offset, std::uint64_t len)
{
    struct flock fl {};
    fl.l_type = type;
    fl.l_whence = SEEK_SET;
    fl.l_start = off_t(offset);
    fl.l_len = off_t(len);
    fl.l_pid = 0;
    int r;
    do {
        r = ::fcntl(fd, cmd, &fl);
    } while (r != 0 && errno == EINTR);
    return r;
}
}  // namespace

bool File::tryLock(std::uint64_t offset, std::uint64_t len, bool exclusive)
{
    short type = exclusive ? F_WRLCK : F_RDLCK;
    if (lockCommand(fd_, F_OFD_SETLK, type, offset, len) == 0) return true;
    if (errno == EAGAIN || errno == EACCES) return false;
    fail(name_, "cannot lock the file (" + sysError() + ")");
}

void File::lock(std::uint64_t offset, std::uint64_t len, bool exclusive)
{
    short type = exclusive ? F_WRLCK : F_RDLCK;
    if (lockCommand(fd_, F_OFD_SETLKW, type, offset, len) != 0)
        fail(name_, "cannot lock the file (" + sysError() + ")");
}

void File::unlock(std::uint64_t offset, std::uint64_t len) { lockCommand(fd_, F_OFD_SETLK, F_UNLCK, offset, len); }

namespace {
bool sameCaseless(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x -= 32;
        if (y >= 'a' && y <= 'z') y -= 32;
        if (x != y) return false;
    }
    return true;
}
}  // namespace

std::filesystem::path findCaseless(const std::filesystem::path& folder, const std::string& name)
{
    std::filesystem::path exact = folder / name;
    std::error_code ec;
    if (std::filesystem::exists(exact, ec)) return exact;
    for (const auto& entry : std::filesystem::directory_iterator(folder.empty() ? "." : folder, ec)) {
        if (sameCaseless(entry.path().filename().string(), name)) return folder / entry.path().filename();
    }
    return exact;
}

bool existsCaseless(const std::filesystem::path& folder, const std::string& name)
{
    std::error_code ec;
    return std::filesystem::exists(findCaseless(folder, name), ec);
}

void replaceFile(const std::filesystem::path& source, const std::filesystem::path& target)
{
    step("rename");
    if (::rename(source.c_str(), target.c_str()) != 0)
        fail(target.string(), "cannot replace the file (" + sysError() + ")");
    syncFolder(target);
}

void syncFolder(const std::filesystem::path& file)
{
    std::filesystem::path folder = file.parent_path();
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;  // nothing more can be done; the rename itself has happened
    ::fsync(fd);
    ::close(fd);
}

void removeQuietly(const std::filesystem::path& file)
{
    std::error_code ec;
    std::filesystem::remove(file, ec);
}

}  // namespace dbase
