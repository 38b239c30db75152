// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Finds the texts a window shows that are still the source texts of the translations' template:
// titles, labels, buttons, group boxes, tabs, menus and their items, tool tips, accessible names
// and table headings.
#include <QSet>
#include <QString>
#include <QStringList>

class QWidget;

namespace testing_support {

// Every source text of a .ts file.
QSet<QString> templateSources(const QString& tsPath);
// Source text -> translation, for the messages a .ts file marks finished.
QHash<QString, QString> finishedTranslations(const QString& tsPath);

// The texts of window and of every widget, menu and action in it that are among sources,
// each as "objectName: text".
QStringList untranslatedTexts(QWidget* window, const QSet<QString>& sources);

// Access keys ("&x") used twice among one menu's items or among one window's buttons, tabs and
// check boxes, each as "menu or window: key".
QStringList repeatedAccessKeys(QWidget* window);

}  // namespace testing_support
