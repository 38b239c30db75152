// SPDX-License-Identifier: GPL-2.0-or-later
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

// The dBASE files written by other software (tests/fixtures/dbase).
std::filesystem::path fixturesDir();
// The independent readers and the book generator (tests/tools).
std::filesystem::path toolsDir();
// Copies a fixture file (relative to fixtures/dbase) into dir, writable.
std::filesystem::path copyFixture(const std::string& relative, const std::filesystem::path& dir);
// Runs a shell command; returns its exit status and fills out with its standard output.
int run(const std::string& command, std::string* out = nullptr);

}  // namespace testing_support
