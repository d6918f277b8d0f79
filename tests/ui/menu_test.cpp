#include <gtest/gtest.h>

#include "ui/Menu.h"

namespace {

const std::vector<ui::MenuSpec> kTable = {
    {"mnuFile", nullptr, "&File", 0},
    {"mnuA", "mnuFile", "&A", 11},
    {"mnuB", "mnuFile", "&B", 12},
    {"mnuC", "mnuFile", "&C", 13},
    {"mnuTray", nullptr, "mnuTray", 0},
    {"mnuT1", "mnuTray", "T1", 21},
    {"mnuHelp", nullptr, "Help", 0},
};

std::string CaptionAt(HMENU menu, int position) {
    char text[64] = "";
    GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    return text;
}

UINT StateOf(HMENU menu, UINT id) { return GetMenuState(menu, id, MF_BYCOMMAND); }

}  // namespace

TEST(Menu, BuildsTheTreeInTableOrder) {
    ui::Menu menu(kTable);
    ASSERT_EQ(3, GetMenuItemCount(menu.Bar()));
    EXPECT_EQ("&File", CaptionAt(menu.Bar(), 0));
    EXPECT_EQ("Help", CaptionAt(menu.Bar(), 2));
    HMENU file = menu.Item("mnuFile").SubMenu();
    ASSERT_EQ(3, GetMenuItemCount(file));
    EXPECT_EQ("&B", CaptionAt(file, 1));
    EXPECT_EQ(nullptr, menu.Item("mnuA").SubMenu());
    EXPECT_EQ(&menu.Item("mnuC"), menu.FindById(13));
    EXPECT_EQ(nullptr, menu.FindById(99));
    EXPECT_THROW(menu.Item("mnuMissing"), std::out_of_range);
}

TEST(Menu, AHiddenItemLeavesAndComesBackAtItsOwnPlace) {
    ui::Menu menu(kTable);
    HMENU file = menu.Item("mnuFile").SubMenu();
    menu.Item("mnuB").SetVisible(false);
    ASSERT_EQ(2, GetMenuItemCount(file));
    EXPECT_EQ("&C", CaptionAt(file, 1));
    // Hiding the first item too, then showing B again, puts B first, before C.
    menu.Item("mnuA").SetVisible(false);
    menu.Item("mnuB").SetVisible(true);
    ASSERT_EQ(2, GetMenuItemCount(file));
    EXPECT_EQ("&B", CaptionAt(file, 0));
    EXPECT_EQ("&C", CaptionAt(file, 1));
    menu.Item("mnuA").SetVisible(true);
    EXPECT_EQ("&A", CaptionAt(file, 0));
    EXPECT_EQ(3, GetMenuItemCount(file));
}

TEST(Menu, AHiddenTopLevelMenuKeepsItsItems) {
    ui::Menu menu(kTable);
    menu.Item("mnuTray").SetVisible(false);
    ASSERT_EQ(2, GetMenuItemCount(menu.Bar()));
    EXPECT_EQ("Help", CaptionAt(menu.Bar(), 1));
    menu.Item("mnuTray").SetVisible(true);
    ASSERT_EQ(3, GetMenuItemCount(menu.Bar()));
    EXPECT_EQ("mnuTray", CaptionAt(menu.Bar(), 1));
    EXPECT_EQ(1, GetMenuItemCount(menu.Item("mnuTray").SubMenu()));
}

TEST(Menu, CheckedAndEnabledSurviveHidingAndShowing) {
    ui::Menu menu(kTable);
    HMENU file = menu.Item("mnuFile").SubMenu();
    menu.Item("mnuB").SetChecked(true);
    menu.Item("mnuC").SetEnabled(false);
    EXPECT_TRUE(StateOf(file, 12) & MF_CHECKED);
    EXPECT_TRUE(StateOf(file, 13) & MF_GRAYED);

    menu.Item("mnuB").SetVisible(false);
    menu.Item("mnuB").SetChecked(false);  // changed while hidden
    menu.Item("mnuB").SetVisible(true);
    EXPECT_FALSE(StateOf(file, 12) & MF_CHECKED);
    EXPECT_FALSE(menu.Item("mnuB").Checked());
    menu.Item("mnuC").SetVisible(false);
    menu.Item("mnuC").SetVisible(true);
    EXPECT_TRUE(StateOf(file, 13) & MF_GRAYED);
    menu.Item("mnuC").SetEnabled(true);
    EXPECT_FALSE(StateOf(file, 13) & MF_GRAYED);
}
