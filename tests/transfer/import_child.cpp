// SPDX-License-Identifier: GPL-2.0-or-later
// A second program for the import test: imports a text file into a book table, all 36 fields in
// order, and prints "posted N" after each book, so that the test can kill it part-way.
//   import_child FOLDER TABLE TEXTFILE
#include <QCoreApplication>
#include <QFile>
#include <cstdio>

#include "regional/regional.h"
#include "transfer/ascii_reader.h"
#include "transfer/import_records.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4) return 2;
    dbase::Table table;
    table.open(argv[1], argv[2], {false, false, {}});
    QFile text(QString::fromLocal8Bit(argv[3]));
    if (!text.open(QIODevice::ReadOnly)) return 1;
    transfer::Pairing pairing;
    for (int n = 1; n <= 36; ++n) pairing.push_back(n);
    transfer::importText(transfer::decodeTextFile(text.readAll()), pairing, false, table, regional::current(),
                         [](int records) {
                             std::printf("posted %d\n", records);
                             std::fflush(stdout);
                             return true;
                         });
    return 0;
}
