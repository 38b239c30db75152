// SPDX-License-Identifier: GPL-2.0-or-later
#include <cstdio>

#include "app/command_line.h"
#include "app/main_window.h"
#include "ui/message_box.h"
#include "ui/safe_application.h"

int main(int argc, char** argv)
{
    // --help and --version answer without a window (a packager's smoke test has no display)
    QStringList parameters;
    for (int i = 1; i < argc; ++i) parameters << QString::fromLocal8Bit(argv[i]);
    if (auto text = app::informationRequested(parameters)) {
        std::fputs(text->toLocal8Bit().constData(), stdout);
        return 0;
    }
    ui::SafeApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Bindlow Books 97"));
    QApplication::setApplicationVersion(QStringLiteral("3.2b"));
    ui::MessageBoxMessages boxes;
    ui::setMessages(&boxes);
    StartOptions options;
    options.arguments = QApplication::arguments().mid(1);
    TMain main(options);
    if (!main.started()) return 1;
    main.show();
    return app.exec();
}
