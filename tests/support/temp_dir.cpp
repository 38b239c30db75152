// SPDX-License-Identifier: GPL-2.0-or-later
#include "support/temp_dir.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <sys/wait.h>

namespace testing_support {

TempDir::TempDir()
{
    std::string tmpl = (std::filesystem::temp_directory_path() / "bindlow-test-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    path_ = tmpl;
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::filesystem::path fixturesDir() { return BINDLOW_FIXTURES_DIR; }
std::filesystem::path toolsDir() { return BINDLOW_TOOLS_DIR; }

std::filesystem::path copyFixture(const std::string& relative, const std::filesystem::path& dir)
{
    std::filesystem::path from = fixturesDir() / relative;
    std::filesystem::path to = dir / from.filename();
    std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing);
    std::filesystem::permissions(to, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    return to;
}

int run(const std::string& command, std::string* out)
{
    FILE* p = ::popen(command.c_str(), "r");
    if (!p) return -1;
    std::array<char, 65536> buf {};
    std::string text;
    std::size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) text.append(buf.data(), n);
    int status = ::pclose(p);
    if (out) *out = std::move(text);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace testing_support
