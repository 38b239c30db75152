// SPDX-License-Identifier: GPL-2.0-or-later
#include <QDate>
#include <QDir>
#include <QGuiApplication>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>

#include "app/command_line.h"
#include "app/main_window.h"
#include "paths/program_paths.h"
#include "reports/report_command.h"
#include "ui/message_box.h"
#include "ui/safe_application.h"
#include "ui/translations.h"

namespace {

// A report without a window: no display is needed.
int runReport(const reports::ReportRequest& request, int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Bindlow Books 97"));
    reports::ReportCommandPlaces places;
    places.programDirectory = paths::programDirectoryFor(QCoreApplication::applicationDirPath(),
                                                       QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    places.startDirectory = QDir::currentPath();
    const QDate d = QDate::currentDate();
    QString error;
    const int status = reports::runReportCommand(request, places, dbase::Date {d.year(), d.month(), d.day()}, &error);
    if (status != 0) std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    // --help and --version answer without a window (a packager's smoke test has no display)
    QStringList parameters;
    for (int i = 1; i < argc; ++i) parameters << QString::fromLocal8Bit(argv[i]);
    if (auto text = app::informationRequested(parameters)) {
        std::fputs(text->toLocal8Bit().constData(), stdout);
        return 0;
    }
    QString wrong;
    if (auto request = reports::reportRequested(parameters, &wrong)) return runReport(*request, argc, argv);
    if (!wrong.isEmpty()) {
        std::fprintf(stderr, "%s\n", wrong.toLocal8Bit().constData());
        return 2;
    }
    ui::SafeApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Bindlow Books 97"));
    QApplication::setApplicationVersion(QStringLiteral("3.2b"));
    ui::installTranslations(ui::languagesAsked(), ui::translationFolders(QCoreApplication::applicationDirPath()));
    ui::MessageBoxMessages boxes;
    ui::setMessages(&boxes);
    StartOptions options;
    options.arguments = QApplication::arguments().mid(1);
    TMain main(options);
    if (!main.started()) return 1;
    main.show();
    return app.exec();
}
