// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace ui {

namespace {
std::unique_ptr<QTranslator> program;
std::unique_ptr<QTranslator> qtOwn;
QString loaded;

// "de_DE.UTF-8@euro" gives "de_DE" and "de"; "C" and "POSIX" give nothing.
void addLanguage(QStringList& list, QString name)
{
    name = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0).trimmed();
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX")) return;
    const QString base = name.section(QLatin1Char('_'), 0, 0);
    for (const QString& n : {name, base})
        if (!n.isEmpty() && !list.contains(n)) list << n;
}
}  // namespace

QStringList languagesAsked(const QString& language, const QString& lcAll, const QString& lcMessages,
                           const QString& lang)
{
    const QString locale = !lcAll.isEmpty() ? lcAll : !lcMessages.isEmpty() ? lcMessages : lang;
    QStringList list;
    const QString plain = locale.section(QLatin1Char('.'), 0, 0);
    if (locale.isEmpty() || plain == QLatin1String("C") || plain == QLatin1String("POSIX")) return list;
    for (const QString& l : language.split(QLatin1Char(':'), Qt::SkipEmptyParts)) addLanguage(list, l);
    addLanguage(list, locale);
    return list;
}

QStringList languagesAsked()
{
    return languagesAsked(qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
                          qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG"));
}

QStringList translationFolders(const QString& executableFolder)
{
    const QDir exe(executableFolder);
    return {QDir::cleanPath(exe.filePath(QStringLiteral("translations"))),
            QDir::cleanPath(exe.filePath(QStringLiteral("../share/bindlow/translations")))};
}

QString installTranslations(const QStringList& languages, const QStringList& folders)
{
    removeTranslations();
    for (const QString& language : languages) {
        for (const QString& folder : folders) {
            const QString file = QDir(folder).filePath(QStringLiteral("bindlow_%1.qm").arg(language));
            if (!QFileInfo(file).isFile()) continue;
            auto t = std::make_unique<QTranslator>();
            if (!t->load(file)) continue;
            program = std::move(t);
            QCoreApplication::installTranslator(program.get());
            // Qt's own texts (the buttons of its standard dialogs) in the same language, when present
            auto q = std::make_unique<QTranslator>();
            if (q->load(QStringLiteral("qtbase_%1").arg(language), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                qtOwn = std::move(q);
                QCoreApplication::installTranslator(qtOwn.get());
            }
            loaded = language.section(QLatin1Char('_'), 0, 0);
            return loaded;
        }
    }
    return {};
}

QString uiLanguage() { return loaded; }

void removeTranslations()
{
    if (program) QCoreApplication::removeTranslator(program.get());
    if (qtOwn) QCoreApplication::removeTranslator(qtOwn.get());
    program.reset();
    qtOwn.reset();
    loaded.clear();
}

}  // namespace ui
