// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "app/main_window.h"
#include "edit/windows/record_editor.h"
#include "store/profile.h"
#include "support/gui_env.h"
#include "support/scripted_messages.h"
#include "ui/bevel.h"
#include "ui/window_fit.h"

TEST(WindowFit, RestoresThenScalesThenCentres)
{
    QWidget w;
    w.resize(400, 300);
    auto* button = new QPushButton("&Ok", &w);
    button->setGeometry(10, 20, 80, 30);
    QFont f = button->font();
    f.setPointSize(10);
    button->setFont(f);
    auto* bevel = new ui::TBevel(&w);
    bevel->setGeometry(5, 5, 100, 60);
    ui::WindowDimensions d = ui::recordWindowDimensions(&w);
    ASSERT_EQ(d.components.size(), 2u);

    for (int showing = 0; showing < 2; ++showing) {  // twice: no compounding
        ui::fitWindow(&w, &d, 1.6, QSize(1024, 768));
        EXPECT_EQ(w.size(), QSize(640, 480));
        EXPECT_EQ(button->geometry(), QRect(16, 32, 128, 48));
        EXPECT_DOUBLE_EQ(button->font().pointSizeF(), 16.0);
        EXPECT_EQ(bevel->geometry(), QRect(8, 8, 160, 96));
        EXPECT_EQ(w.pos(), QPoint((1024 - w.frameGeometry().width()) / 2, (768 - w.frameGeometry().height()) / 2));
    }
    ui::fitWindow(&w, &d, 1.0, QSize(1024, 768));
    EXPECT_EQ(button->geometry(), QRect(10, 20, 80, 30));
}

TEST(WindowFit, OnlyTheFirst121ComponentsAreRecorded)
{
    testing_support::ScriptedMessages msgs;
    QWidget w;
    for (int i = 0; i < 125; ++i) new QLabel(QString::number(i), &w);
    msgs.expect();
    ui::WindowDimensions d = ui::recordWindowDimensions(&w);
    EXPECT_EQ(d.components.size(), 121u);
    ASSERT_EQ(msgs.shown.size(), 1);
    EXPECT_EQ(msgs.shown[0].caption, "Error");
    EXPECT_EQ(msgs.shown[0].text, "Too many compenents to save dimensions.");
}

using testing_support::GuiEnv;

TEST(WindowFit, AWindowIsPlacedByItsFrame)
{
    // a title bar 30 high and a 4-pixel border: the frame is centred, the same at every showing
    const QMargins frame(4, 30, 4, 4);
    EXPECT_EQ(ui::centredFramePosition(QSize(632, 445), frame, QSize(1024, 768)), QPoint(192, 144));
    EXPECT_EQ(ui::centredFramePosition(QSize(632, 445), {}, QSize(1024, 768)), QPoint(196, 161));
    // larger than the screen: the frame's corner stays on it
    EXPECT_EQ(ui::centredFramePosition(QSize(1264, 890), frame, QSize(1024, 768)), QPoint(0, 0));
    EXPECT_EQ(ui::keptOnScreen(QPoint(-8, -30), QSize(640, 480), QSize(1280, 1024)), QPoint(0, 0));
    EXPECT_EQ(ui::keptOnScreen(QPoint(30, 40), QSize(640, 480), QSize(1280, 1024)), QPoint(30, 40));
    EXPECT_EQ(ui::keptOnScreen(QPoint(1200, 1000), QSize(640, 480), QSize(1280, 1024)), QPoint(640, 544));
}

TEST(WindowFit, TheMainWindowGoesBackWhereItsFrameWas)
{
    {
        GuiEnv env;
        QFile::remove(env.iniPath());
        env.writeIni("[Misc]\nShow Tips=No\nMain Window Left=-8\nMain Window Top=-30\n");
        auto main = env.start();
        EXPECT_EQ(main->pos(), QPoint(0, 0));
    }
    GuiEnv env;
    QFile::remove(env.iniPath());
    env.writeIni("[Misc]\nShow Tips=No\nMain Window Left=30\nMain Window Top=40\n");
    auto main = env.start();
    main->show();
    EXPECT_EQ(main->pos(), QPoint(30, 40));
    EXPECT_EQ(main->frameGeometry().topLeft(), QPoint(30, 40));
    main->close();
    store::ProfileFile ini(env.iniPath());
    EXPECT_EQ(ini.read("Misc", "Main Window Left", "", 14), "30");
    EXPECT_EQ(ini.read("Misc", "Main Window Top", "", 14), "40");
}

TEST(WindowFit, FixedBorderDialogsCannotBeResized)
{
    GuiEnv env;
    auto main = env.start();
    main->show();
    main->ChoosePreset(800);
    QStringList seen;
    auto look = [&](const std::function<void()>& open) {
        QTimer::singleShot(0, [&] {
            QWidget* w = QApplication::activeModalWidget();
            ASSERT_NE(w, nullptr);
            seen << w->objectName();
            const Qt::WindowFlags f = w->windowFlags();
            EXPECT_TRUE(f.testFlag(Qt::MSWindowsFixedSizeDialogHint)) << w->objectName().toStdString();
            EXPECT_FALSE(f.testFlag(Qt::WindowMinimizeButtonHint)) << w->objectName().toStdString();
            EXPECT_FALSE(f.testFlag(Qt::WindowMaximizeButtonHint)) << w->objectName().toStdString();
            EXPECT_EQ(w->minimumSize(), w->size()) << w->objectName().toStdString();
            EXPECT_EQ(w->maximumSize(), w->size()) << w->objectName().toStdString();
            static_cast<QDialog*>(w)->reject();
        });
        open();
    };
    for (int showing = 0; showing < 2; ++showing) {  // fixed at the fitted size, showing after showing
        look([&] { main->DoAdd(); });
        EXPECT_EQ(main->MyEdit->size(), QSize(790, 523));
    }
    look([&] { main->DoFind(); });
    look([&] { main->DoSortOrder(); });
    look([&] { main->EditAList(0); });
    look([&] { main->DoViewer(); });
    EXPECT_EQ(seen.size(), 6);
}
