#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "ui/Menu.h"

namespace {

const std::vector<ui::MenuSpec> kTable = {
    {"mnuFile", nullptr, "&File"}, {"mnuA", "mnuFile", "&A"},      {"mnuB", "mnuFile", "&B"},
    {"mnuC", "mnuFile", "&C"},     {"mnuTray", nullptr, "mnuTray"}, {"mnuT1", "mnuTray", "T1"},
    {"mnuHelp", nullptr, "Help"},
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

TEST(Menu, AHiddenItemComesBackAtItsOwnPlaceWithItsCheckAndGreyAsLastSet) {
    ui::Menu menu(kTable);
    HMENU file = menu.Item("mnuFile").SubMenu();
    auto state = [&](const char* name) { return GetMenuState(file, menu.Item(name).Id(), MF_BYCOMMAND); };
    menu.Item("mnuB").SetVisible(false);
    menu.Item("mnuC").SetVisible(false);
    menu.Item("mnuB").SetChecked(true);  // both changed while hidden
    menu.Item("mnuC").SetEnabled(false);
    // Hiding the first item too, then showing B and C again, puts them back in order.
    menu.Item("mnuA").SetVisible(false);
    menu.Item("mnuC").SetVisible(true);
    menu.Item("mnuB").SetVisible(true);
    EXPECT_EQ("&B|&C", Captions(file));
    menu.Item("mnuA").SetVisible(true);
    EXPECT_EQ("&A|&B|&C", Captions(file));
    EXPECT_TRUE(state("mnuB") & MF_CHECKED);
    EXPECT_TRUE(state("mnuC") & MF_GRAYED);
    menu.Item("mnuB").SetChecked(false);
    menu.Item("mnuC").SetEnabled(true);
    EXPECT_FALSE(state("mnuB") & MF_CHECKED);
    EXPECT_FALSE(state("mnuC") & MF_GRAYED);

    // A hidden top-level menu leaves the bar.
    menu.Item("mnuTray").SetVisible(false);
    EXPECT_EQ("&File|Help", Captions(menu.Bar()));
}

// A command reaches the handler bound to its item's name, and no other; the menu's own
// command ids are those Windows sends for its items.
TEST(Menu, ACommandRunsTheHandlerBoundByItsItemsName) {
    ui::Menu menu(kTable);
    std::string ran;
    menu.On("mnuB", [&] { ran += "B"; });
    menu.On("mnuT1", [&] { ran += "T1"; });
    EXPECT_THROW(menu.On("mnuNone", [] {}), std::out_of_range);

    HMENU file = menu.Item("mnuFile").SubMenu();
    EXPECT_TRUE(menu.Run(GetMenuItemID(file, 1)));
    EXPECT_EQ("B", ran);
    EXPECT_FALSE(menu.Run(GetMenuItemID(file, 0))) << "an item without a handler";
    EXPECT_FALSE(menu.Run(0));
    EXPECT_TRUE(menu.Run(GetMenuItemID(menu.Item("mnuTray").SubMenu(), 0)));
    EXPECT_EQ("BT1", ran);

    // Ids stay clear of the dialog keys' IDOK and IDCANCEL, and of each other.
    std::set<UINT> ids;
    for (const auto& spec : kTable) ids.insert(menu.Item(spec.name).Id());
    EXPECT_EQ(kTable.size(), ids.size());
    EXPECT_GT(*ids.begin(), static_cast<UINT>(IDCANCEL));
}

}  // namespace
