// SPDX-License-Identifier: GPL-2.0-or-later
#include "support/gui_env.h"

#include <QDir>
#include <QFile>

#include "app/main_window.h"
#include "ui/window_fit.h"

namespace testing_support {

GuiEnv::GuiEnv(QSize screen, bool tips)
{
    QDir(QString::fromStdString(dir.path().string())).mkpath(QStringLiteral("config"));
    QDir(QString::fromStdString(dir.path().string())).mkpath(QStringLiteral("program"));
    qputenv("XDG_CONFIG_HOME", configDir().toLocal8Bit());
    ui::setScreenSizeForTests(screen);
    if (!tips) writeIni("[Misc]\nShow Tips=No\n");
}

GuiEnv::~GuiEnv() { ui::setScreenSizeForTests(QSize()); }

QString GuiEnv::programDir() const { return QString::fromStdString((dir / "program").string()); }
QString GuiEnv::configDir() const { return QString::fromStdString((dir / "config").string()); }
QString GuiEnv::iniPath() const { return configDir() + QStringLiteral("/KAVBOOK.INI"); }

void GuiEnv::writeIni(const QString& text)
{
    QFile f(iniPath());
    f.open(QIODevice::WriteOnly | QIODevice::Append);
    QString t = text;
    t.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    f.write(t.toLatin1());
}

std::unique_ptr<TMain> GuiEnv::start(const QStringList& arguments)
{
    StartOptions o;
    o.arguments = arguments;
    o.programDirectory = programDir();
    o.startDirectory = programDir();
    return std::make_unique<TMain>(o);
}

}  // namespace testing_support
