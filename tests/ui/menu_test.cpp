#include <gtest/gtest.h>

#include "ui/Menu.h"

namespace {

const std::vector<ui::MenuSpec> kTable = {
    {"mnuFile", nullptr, "&File", 0}, {"mnuA", "mnuFile", "&A", 11},      {"mnuB", "mnuFile", "&B", 12},
    {"mnuC", "mnuFile", "&C", 13},    {"mnuTray", nullptr, "mnuTray", 0}, {"mnuT1", "mnuTray", "T1", 21},
    {"mnuHelp", nullptr, "Help", 0},
};

// The captions of a menu, in order.
std::string Captions(HMENU menu) {
    std::string all;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[64] = "";
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        if (i) all += '|';
        all += text;
    }
    return all;
}

TEST(Menu, BuiltInTableOrderAndAHiddenItemLeavesAndComesBackAtItsOwnPlace) {
    ui::Menu menu(kTable);
    HMENU file = menu.Item("mnuFile").SubMenu();
    EXPECT_EQ("&A|&B|&C", Captions(file));
    menu.Item("mnuB").SetVisible(false);
    EXPECT_EQ("&A|&C", Captions(file));
    // Hiding the first item too, then showing B again, puts B first, before C.
    menu.Item("mnuA").SetVisible(false);
    menu.Item("mnuB").SetVisible(true);
    EXPECT_EQ("&B|&C", Captions(file));
    menu.Item("mnuA").SetVisible(true);
    EXPECT_EQ("&A|&B|&C", Captions(file));

    // A hidden top-level menu keeps its items.
    menu.Item("mnuTray").SetVisible(false);
    EXPECT_EQ("&File|Help", Captions(menu.Bar()));
    menu.Item("mnuTray").SetVisible(true);
    EXPECT_EQ("&File|mnuTray|Help", Captions(menu.Bar()));
    EXPECT_EQ("T1", Captions(menu.Item("mnuTray").SubMenu()));
}

TEST(Menu, CheckedAndEnabledSurviveHidingAndShowing) {
    ui::Menu menu(kTable);
    HMENU file = menu.Item("mnuFile").SubMenu();
    auto state = [&](UINT id) { return GetMenuState(file, id, MF_BYCOMMAND); };
    menu.Item("mnuB").SetChecked(true);
    menu.Item("mnuC").SetEnabled(false);
    EXPECT_TRUE(state(12) & MF_CHECKED);
    EXPECT_TRUE(state(13) & MF_GRAYED);

    menu.Item("mnuB").SetVisible(false);
    menu.Item("mnuB").SetChecked(false);  // changed while hidden
    menu.Item("mnuB").SetVisible(true);
    EXPECT_FALSE(state(12) & MF_CHECKED);
    menu.Item("mnuC").SetVisible(false);
    menu.Item("mnuC").SetVisible(true);
    EXPECT_TRUE(state(13) & MF_GRAYED);
    menu.Item("mnuC").SetEnabled(true);
    EXPECT_FALSE(state(13) & MF_GRAYED);
}

}  // namespace
