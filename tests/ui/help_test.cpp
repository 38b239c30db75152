// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QTextBrowser>
#include <QTimer>

#include "support/scripted_messages.h"
#include "ui/help_window.h"
#include "ui/seams/help.h"

TEST(Help, TheHelpFileHoldsItsContentsAndTopics)
{
    ui::THelpWindow w;
    ASSERT_TRUE(w.load(QStringLiteral(SOURCE_DIR "/../help/KAVBOOK.HLP")));
    EXPECT_TRUE(w.browser()->toPlainText().contains("Bindlow Books 97 Help"));
    QFile f(QStringLiteral(SOURCE_DIR "/../help/KAVBOOK.HLP"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(f.readAll());
    for (const char* keyword : {"Main Window", "Menus", "Screen Size", "Date Format", "Browse Mode", "Keyboard", "Input Window",
                                "Viewer Configuration Order", "Search Window"})
        EXPECT_TRUE(html.contains("name=\"" + ui::helpAnchor(keyword) + "\"")) << keyword;
}

TEST(Help, AMissingHelpFileIsReportedNotACrash)
{
    testing_support::ScriptedMessages msgs;
    ui::setHelpFile(QStringLiteral("/nowhere/KAVBOOK.HLP"));
    msgs.expect();
    ui::help().showContents(nullptr);
    ASSERT_EQ(msgs.shown.size(), 1);
    EXPECT_EQ(msgs.shown[0].text, "The help file \"/nowhere/KAVBOOK.HLP\" cannot be opened.");
    EXPECT_EQ(ui::helpAnchor("Viewer Configuration Title"), "viewer-configuration-title");
}
