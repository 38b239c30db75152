// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Common dialogs and help for tests: file names, fonts and colours come from a script; help
// requests are recorded.
#include <QStringList>
#include <deque>

#include "ui/seams/dialogs.h"
#include "ui/seams/help.h"

namespace testing_support {

class ScriptedDialogs : public ui::CommonDialogs {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;

    std::deque<QString> fileNames;  // answers to open and save dialogs; empty string = cancel
    QStringList captions;           // every dialog's caption, in order

    QString openFileName(QWidget*, const QString& caption, const QString&, const QString&) override;
    // The scripted name is what the user typed; the default extension is added as the real dialog does.
    QString saveFileName(QWidget*, const QString& caption, const QString&, const QString&,
                         const QString& defaultExtension) override;
    // answers to the font and colour dialogs, in order; none left = cancel
    std::deque<QFont> fonts;
    std::deque<QColor> colors;
    QList<QColor> colorPresets;  // the colour each colour dialog opened with
    QList<QFont> fontPresets;    // the font each font dialog opened with
    int unchangedFonts = 0;      // font dialogs to answer OK with the font they opened with, first
    std::optional<QFont> chooseFont(QWidget*, const QFont&, bool) override;
    std::optional<QColor> chooseColor(QWidget*, const QColor& initial) override;
    // The print dialog prints to this PDF file with this many copies; an empty name cancels.
    QString printTo;
    int copies = 1;
    bool print(QWidget*, QPrinter& printer) override;

private:
    QString next(const QString& caption);
};

class RecordedHelp : public ui::Help {
public:
    RecordedHelp();
    ~RecordedHelp() override;
    QStringList keywords;  // "" for the contents page
    void showContents(QWidget*) override { keywords << QString(); }
    void showKeyword(QWidget*, const QString& k) override { keywords << k; }
};

}  // namespace testing_support
