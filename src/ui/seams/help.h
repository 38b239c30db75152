// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// "Open the help file at keyword K" is one call; tests install a recorder.
#include <QString>

class QWidget;

namespace ui {

class Help {
public:
    virtual ~Help() = default;
    virtual void showContents(QWidget* parent) = 0;
    virtual void showKeyword(QWidget* parent, const QString& keyword) = 0;
};

Help& help();
void setHelp(Help* h);  // nullptr restores the help window

// Where the help file is looked for: the program directory.
void setHelpFile(const QString& path);
QString helpFile();

// The anchor a keyword has in the help file: lower case, blanks as dashes.
QString helpAnchor(const QString& keyword);

}  // namespace ui
