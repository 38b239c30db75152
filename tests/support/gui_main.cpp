// SPDX-License-Identifier: GPL-2.0-or-later
// GoogleTest main for tests that need a QApplication (the program's own, which reports errors
// no command caught). While tests are only being listed the
// application is not built, because listing runs without the tests' environment.
#include <gtest/gtest.h>

#include "ui/safe_application.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::SafeApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
