// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

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
