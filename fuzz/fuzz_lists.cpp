// SPDX-License-Identifier: GPL-2.0-or-later
// The data list files: arbitrary bytes read as a list. Every entry is a line of at most 255
// characters that is not blank, and a list saved reads back as it was.
#include "edit/data_lists.h"
#include "fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using fuzz_files::finding;
    const auto path = fuzz_files::workDir() / "BOOKS.007";
    fuzz_files::put(path, data, size);
    QStringList list;
    QString problem;
    edit::DataLists::LoadList(list, fuzz_files::qs(path), &problem);
    if (!problem.isEmpty()) finding("a small regular list file was not read");
    for (const QString& entry : list) {
        if (entry.size() > 255) finding("an entry longer than 255 characters");
        if (entry.trimmed().isEmpty()) finding("a blank entry");
        if (entry.contains(u'\n')) finding("an entry holding a line break");
    }
    edit::DataLists::SaveList(list, fuzz_files::qs(path));
    QStringList again;
    edit::DataLists::LoadList(again, fuzz_files::qs(path));
    if (again != list) finding("a list saved does not read back as it was");
    return 0;
}
