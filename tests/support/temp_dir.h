#pragma once
// A fresh folder for one test, removed afterwards.
#include <filesystem>
#include <string>

namespace testing_support {

class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// The shared folder (fixtures and independent tools).
std::filesystem::path sharedDir();
// Copies a fixture file (relative to fixtures/dbase) into dir, writable.
std::filesystem::path copyFixture(const std::string& relative, const std::filesystem::path& dir);
// Runs a shell command; returns its exit status and fills out with its standard output.
int run(const std::string& command, std::string* out = nullptr);

}  // namespace testing_support
