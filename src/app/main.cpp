// SPDX-License-Identifier: GPL-2.0-or-later
#include <QApplication>

#include "app/main_window.h"
#include "ui/message_box.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
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
