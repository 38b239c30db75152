// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A file of the engine: positioned reads and writes that fail loudly, and byte-range locks that
// belong to this open (open-file-description locks), so that two opens of one table conflict
// whether they are in one process or in two.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace dbase {

class File {
public:
    enum class Mode { ReadOnly, ReadWrite, Create };

    File() = default;
    File(const std::filesystem::path& path, Mode mode);
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;

    bool isOpen() const { return fd_ >= 0; }
    bool writable() const { return writable_; }
    const std::string& name() const { return name_; }
    int fd() const { return fd_; }

    std::uint64_t size() const;
    // Reads exactly len bytes at offset; a short read is a DatabaseError naming the file.
    void readAt(std::uint64_t offset, void* buffer, std::size_t len) const;
    // Reads up to len bytes; returns how many were there.
    std::size_t readSome(std::uint64_t offset, void* buffer, std::size_t len) const;
    void writeAt(std::uint64_t offset, const void* buffer, std::size_t len);
    void truncate(std::uint64_t size);
    void sync();
    void close();

    // Byte-range locks. tryLock returns false when another open holds a conflicting lock;
    // lock waits for it.
    bool tryLock(std::uint64_t offset, std::uint64_t len, bool exclusive);
    void lock(std::uint64_t offset, std::uint64_t len, bool exclusive);
    void unlock(std::uint64_t offset, std::uint64_t len);

private:
    int fd_ = -1;
    bool writable_ = false;
    std::string name_;
};

// Finds a file in a folder by name without regard to letter case; returns the exact name if
// one exists, else the path built from the name as given.
std::filesystem::path findCaseless(const std::filesystem::path& folder, const std::string& name);
bool existsCaseless(const std::filesystem::path& folder, const std::string& name);

// Replaces target with source (both in one folder), atomically, and makes the rename durable.
// The caller has synced source.
void replaceFile(const std::filesystem::path& source, const std::filesystem::path& target);
// Flushes the folder that holds file, so that a rename or a new name in it survives a crash.
void syncFolder(const std::filesystem::path& file);
// Removes a file if it is there; failures are ignored (cleaning up after another failure).
void removeQuietly(const std::filesystem::path& file);

// Tests only: called with "write", "sync" or "rename" before each of them; the hook may throw
// (a failing disk) or end the process (a crash). An empty hook removes it.
void setFileStepHookForTests(std::function<void(const char*)> hook);

// Lock offsets shared by every open of a table (far beyond the data, as dBASE engines do).
inline constexpr std::uint64_t kLockBase = 0xEFFFFFFEull;
inline constexpr std::uint64_t kUpdateLock = 0xEFFFFFFFull;  // appends, edits, index updates
inline constexpr std::uint64_t kOpenLock = 0xF0000100ull;    // shared opens read-lock, exclusive write-lock

}  // namespace dbase
