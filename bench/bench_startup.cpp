// SPDX-License-Identifier: GPL-2.0-or-later
// Start-up benchmark: from creating the main window to the first painted grid, with a
// 100,000-book MASTER.DBF sorted by Author, and paging down through the grid.
//   bench_startup PROGRAM_DIR      (holding MASTER.DBF; runs under a display or offscreen)
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTableView>
#include <QTemporaryDir>
#include <cstdio>

#include "app/main_window.h"

namespace {
class PaintWatch : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) painted = true;
        return false;
    }
};
}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_startup PROGRAM_DIR\n");
        return 2;
    }
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    {
        QFile ini(config.path() + QStringLiteral("/KAVBOOK.INI"));  // no tip of the day in a benchmark
        ini.open(QIODevice::WriteOnly);
        ini.write("[Misc]\r\nShow Tips=No\r\n");
    }
    for (int run = 0; run < 3; ++run) {
        const bool hadIndex = QFileInfo::exists(QString::fromLocal8Bit(argv[1]) + QStringLiteral("/MASTER.MDX"));
        QElapsedTimer clock;
        clock.start();
        StartOptions o;
        o.programDirectory = QString::fromLocal8Bit(argv[1]);
        TMain main(o);
        PaintWatch watch;
        main.ViewerGrid->viewport()->installEventFilter(&watch);
        main.show();
        while (!watch.painted) app.processEvents();
        // read before the count: counting every book is not part of the start
        const double elapsed = clock.nsecsElapsed() / 1e6;
        std::printf("start to first painted grid (%s)      %8.1f ms   %zu books\n",
                    hadIndex ? "index present " : "sort tag built", elapsed, main.MyTable.recordCount());
        if (run == 2) {
            main.ViewerGrid->setFocus();
            QElapsedTimer page;
            page.start();
            const int pages = 200;
            for (int i = 0; i < pages; ++i) {
                QKeyEvent down(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
                QApplication::sendEvent(main.ViewerGrid, &down);
                main.ViewerGrid->viewport()->repaint();
            }
            std::printf("page down and repaint the grid               %8.2f ms a page (row %zu)\n",
                        page.nsecsElapsed() / 1e6 / pages, main.MyTable.row());
        }
        main.close();
    }
    return 0;
}
