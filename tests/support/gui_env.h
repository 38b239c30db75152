// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A clean world for one window test: its own configuration folder (for KAVBOOK.INI), its own
// program folder, scripted messages, dialogs and help, and a pretended screen size.
#include <QSize>
#include <QString>
#include <memory>

#include "support/scripted_dialogs.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"

class TMain;
struct StartOptions;

namespace testing_support {

class GuiEnv {
public:
    // Tips are off unless asked for, so that no test waits on a dialog nobody closes.
    explicit GuiEnv(QSize screen = QSize(1280, 1024), bool tips = false);
    ~GuiEnv();

    QString programDir() const;
    QString configDir() const;
    QString iniPath() const;  // KAVBOOK.INI
    // Writes lines into a section of KAVBOOK.INI (CR LF).
    void writeIni(const QString& text);
    // Starts the main window with these parameters.
    std::unique_ptr<TMain> start(const QStringList& arguments = {});

    TempDir dir;
    ScriptedMessages messages;
    ScriptedDialogs dialogs;
    RecordedHelp help;
};

}  // namespace testing_support
