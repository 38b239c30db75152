// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the fuzz targets of the program's own files share: a private folder in memory, writing
// the input there as a file, and an empty book table to append to.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "dbase/error.h"
#include "dbase/table.h"
#include "store/book_table.h"

namespace fuzz_files {

inline std::filesystem::path workDir()
{
    static std::filesystem::path dir = [] {
        std::filesystem::path base =
            std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
        std::string tmpl = (base / "bindlow-fuzz-XXXXXX").string();
        if (!::mkdtemp(tmpl.data())) std::abort();
        return std::filesystem::path(tmpl);
    }();
    return dir;
}

inline QString qs(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

inline void put(const std::filesystem::path& p, const std::uint8_t* data, std::size_t size)
{
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(data), std::streamsize(size));
}

// An open, writable, empty book table in the work folder, made anew once it holds more than
// `most` books so that the runs stay fast.
class BookTarget {
public:
    explicit BookTarget(std::size_t most) : most_(most) {}
    dbase::Table& table()
    {
        if (!open_ || table_.recordCount() > most_) {
            table_.close();
            const auto dir = workDir() / "target";
            std::filesystem::remove_all(dir);
            std::filesystem::create_directories(dir);
            store::BookTableFiles files;
            if (!files.MakeNewDB(qs(dir / "MASTER.DBF"))) std::abort();
            table_.open(dir, "MASTER.DBF");
            open_ = true;
        }
        return table_;
    }

private:
    std::size_t most_;
    dbase::Table table_;
    bool open_ = false;
};

// Stops the run as a finding: the message says which property failed.
[[noreturn]] inline void finding(const char* what)
{
    std::fprintf(stderr, "FINDING: %s\n", what);
    std::abort();
}

}  // namespace fuzz_files
