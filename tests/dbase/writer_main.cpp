// SPDX-License-Identifier: GPL-2.0-or-later
// A second program for the sharing and crash tests.
//   dbase_writer append DIR TABLE COUNT PREFIX [TAG]  appends COUNT records titled PREFIX-i,
//                                                     printing "posted PREFIX-i" after each post
//   dbase_writer hold DIR TABLE [exclusive]           opens the table, prints "ready", and keeps
//                                                     it open until its input closes
//   dbase_writer pack DIR TABLE kill N                packs the table and dies at once at the
//                                                     Nth write, flush or rename (exit status 9)
//   dbase_writer pack DIR TABLE pause-rename K        packs, and before the Kth rename prints
//                                                     "paused" and waits until its input closes
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "dbase/error.h"
#include "dbase/table.h"

int main(int argc, char** argv)
{
    if (argc < 4) return 2;
    std::string mode = argv[1];
    try {
        dbase::Table t;
        if (mode == "append" && argc >= 6) {
            t.open(argv[2], argv[3], {false, false, argc > 6 ? argv[6] : ""});
            int count = std::stoi(argv[4]);
            std::string prefix = argv[5];
            for (int i = 0; i < count; ++i) {
                std::string title = prefix + "-" + std::to_string(i);
                t.append();
                t.setText(0, title);
                t.setText(1, prefix);
                t.setInteger(2, i);
                t.post();
                std::printf("posted %s\n", title.c_str());
                std::fflush(stdout);
            }
            return 0;
        }
        if (mode == "pack" && argc == 6) {
            t.open(argv[2], argv[3], {true, false, {}});
            const std::string how = argv[4];
            const int n = std::stoi(argv[5]);
            int steps = 0, renames = 0;
            dbase::setFileStepHookForTests([&](const char* what) {
                if (how == "kill" && ++steps == n) std::_Exit(9);
                if (how == "pause-rename" && std::strcmp(what, "rename") == 0 && ++renames == n) {
                    std::printf("paused\n");
                    std::fflush(stdout);
                    std::string line;
                    while (std::getline(std::cin, line)) {
                    }
                }
            });
            t.pack();
            std::printf("packed\n");
            return 0;
        }
        if (mode == "hold") {
            t.open(argv[2], argv[3], {argc > 4 && std::strcmp(argv[4], "exclusive") == 0, false, {}});
            std::printf("ready\n");
            std::fflush(stdout);
            std::string line;
            while (std::getline(std::cin, line)) {
            }
            return 0;
        }
    } catch (const dbase::DatabaseError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 2;
}
