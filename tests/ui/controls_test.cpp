#include <gtest/gtest.h>

#include "ui/Controls.h"

TEST(Controls, CheckBoxRunsItsClickHandlerOnlyWhenTheStateChanges) {
    ui::CheckBox box;
    int clicks = 0;
    box.Click = [&] { ++clicks; };
    box.SetValue(1);
    box.SetValue(1);
    EXPECT_EQ(1, clicks);
    box.SetValue(0);
    EXPECT_EQ(2, clicks);
}
