// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program's translations: which languages the user asks for, and loading the program's and
// Qt's own translation for the first of them that is found.
#include <QString>
#include <QStringList>

namespace ui {

// The languages the user's environment asks for, best first, each as "de_DE" and then "de":
// LANGUAGE's list (glibc reads it only when a locale is set), then LC_ALL, LC_MESSAGES or LANG,
// whichever is set first. Empty for the C or POSIX locale.
QStringList languagesAsked(const QString& language, const QString& lcAll, const QString& lcMessages,
                           const QString& lang);
// The same, read from the process environment.
QStringList languagesAsked();

// Folders where the program's translations may be: "translations" beside the executable (a
// build tree, a copied folder) and PREFIX/share/bindlow/translations for an installed program.
QStringList translationFolders(const QString& executableFolder);

// Loads bindlow_LANG.qm for the first language found in the folders, and Qt's own translation
// for its standard dialogs in the same language, and installs both in the application. Returns
// the language loaded; empty when none was found and the windows keep their source texts.
QString installTranslations(const QStringList& languages, const QStringList& folders);

// The language the windows speak ("de"); empty for the source texts.
QString uiLanguage();

// Takes away what installTranslations installed: the windows speak their source texts again.
void removeTranslations();

}  // namespace ui
