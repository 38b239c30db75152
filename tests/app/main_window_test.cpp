#include <gtest/gtest.h>

#include "app/main_window.h"

TEST(MainWindow, CarriesTheProgramsTitle)
{
    TMain main;
    main.show();
    EXPECT_EQ(main.windowTitle(), "Bindlow Books 97");
    EXPECT_EQ(main.objectName(), "Main");
}
