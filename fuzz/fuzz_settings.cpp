// SPDX-License-Identifier: GPL-2.0-or-later
// The settings files: arbitrary bytes as an initialisation file, looked up, read as a database's
// settings and as the program's settings, and changed. A key written and saved reads back.
#include <QStandardPaths>

#include "fuzz_files.h"
#include "store/profile.h"
#include "store/settings.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // the program's settings are looked for in the configuration folder
    ::setenv("XDG_CONFIG_HOME", (fuzz_files::workDir() / "config").c_str(), 1);
    std::filesystem::create_directories(fuzz_files::workDir() / "config");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using fuzz_files::finding;
    const auto dir = fuzz_files::workDir();
    const auto path = dir / "BOOKS.INI";
    fuzz_files::put(path, data, size);
    fuzz_files::put(dir / "config" / "KAVBOOK.INI", data, size);
    const QString p = fuzz_files::qs(path);

    (void)store::readDatabaseSettings(p);
    (void)store::readProgramSettings(fuzz_files::qs(dir));

    store::ProfileFile f(p);
    if (!f.exists() || !f.problem().isEmpty()) finding("a small regular file was not read");
    for (const char* section : {"Misc", "Field Names", "Colors"})
        for (const char* key : {"Title", "Button Bar", "Last File 1"}) {
            const QString v = f.read(section, key, QStringLiteral("-"), 40);
            if (v.size() > 40) finding("a value longer than asked for");
            if (!f.contains(section, key) && v != QStringLiteral("-")) finding("a missing key read as a value");
        }
    f.write("Misc", "Fuzz Key", "a value");
    f.write("Fuzz Section", "Title", "another value");
    if (f.read("Misc", "Fuzz Key", {}, 100) != QStringLiteral("a value")) finding("a key written does not read back");
    if (!f.save()) finding("a settings file in a writable folder could not be saved");
    const store::ProfileFile again(p);
    if (again.read("Misc", "Fuzz Key", {}, 100) != QStringLiteral("a value") ||
        again.read("Fuzz Section", "Title", {}, 100) != QStringLiteral("another value"))
        finding("a key saved does not read back");
    return 0;
}
