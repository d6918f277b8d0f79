#include <gtest/gtest.h>

#include "ui/Controls.h"
#include "ui/Form.h"

namespace {

class TestForm : public ui::Form {
public:
    TestForm() {
        Bind("txtName", txtName);
        Bind("optA", optA);
        Bind("optB", optB);
        Bind("fraGroup", fraGroup);
        optA.SetGroup({&optA, &optB});
        optB.SetGroup({&optA, &optB});
    }
    ~TestForm() override { Unload(); }
    bool Create() {
        static const std::vector<ui::ControlSpec> table = {
            {"fraGroup", ui::ControlKind::Frame, nullptr, "Group", 1440, 1440, 2880, 1440, 3},
            {"txtName", ui::ControlKind::TextBox, nullptr, "", 120, 120, 2000, 285, 0},
            {"optA", ui::ControlKind::OptionButton, "fraGroup", "A", 120, 240, 1000, 285, 4},
            {"optB", ui::ControlKind::OptionButton, "fraGroup", "B", 120, 600, 1000, 285, 5},
        };
        return CreateForm({"VantroTestForm", "Test", 6000, 4000}, table);
    }
    ui::TextBox txtName;
    ui::OptionButton optA, optB;
    ui::Frame fraGroup;
};

TEST(Controls, CheckBoxRunsItsClickHandlerOnlyWhenTheStateChanges) {
    ui::CheckBox box;
    int clicks = 0;
    box.Click = [&] { ++clicks; };
    box.SetValue(1);
    box.SetValue(1);
    EXPECT_EQ(1, clicks);
    box.SetValue(0);
    EXPECT_EQ(2, clicks);
    EXPECT_EQ(0, box.Value());
}

TEST(Controls, OptionButtonsOfOneGroupExcludeEachOther) {
    TestForm form;
    ASSERT_TRUE(form.Create());
    int clicksB = 0;
    form.optB.Click = [&] { ++clicksB; };
    form.optA.SetValue(true);
    EXPECT_TRUE(form.optA.Value());
    // A user's click on B, as the window reports it.
    SendMessageA(form.hwnd(), WM_COMMAND, MAKEWPARAM(form.optB.Id(), BN_CLICKED),
                 reinterpret_cast<LPARAM>(form.optB.hwnd()));
    EXPECT_TRUE(form.optB.Value());
    EXPECT_FALSE(form.optA.Value());
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(form.optA.hwnd(), BM_GETCHECK, 0, 0));
    EXPECT_EQ(1, clicksB);
}

TEST(Controls, FormLaysOutItsTableInTwipsAndTextOutlivesTheWindow) {
    TestForm form;
    ASSERT_TRUE(form.Create());
    RECT frame, option;
    GetWindowRect(form.fraGroup.hwnd(), &frame);
    GetWindowRect(form.optA.hwnd(), &option);
    // 120 twips inside the frame, whatever the DPI.
    EXPECT_EQ(ui::TwipsToPixelsX(1440 + 120) - ui::TwipsToPixelsX(1440), option.left - frame.left);
    // Tab order follows the tab index, not the table order: the text box comes first.
    EXPECT_EQ(form.txtName.hwnd(), GetWindow(form.txtName.hwnd(), GW_HWNDFIRST));
    SetWindowTextA(form.txtName.hwnd(), "typed");
    form.Unload();
    EXPECT_EQ("typed", form.txtName.Text()) << "the text outlives the window";
}

}  // namespace

TEST(Controls, AMoveToAMonitorOfAnotherDpiLaysTheTableOutAgainAtThatDpi) {
    TestForm form;
    ASSERT_TRUE(form.Create());
    int dpi = form.Dpi();
    RECT before;
    GetWindowRect(form.txtName.hwnd(), &before);
    RECT suggested{0, 0, ui::TwipsToPixelsX(6000, dpi * 2), ui::TwipsToPixelsY(4000, dpi * 2)};
    SendMessageA(form.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi * 2, dpi * 2), reinterpret_cast<LPARAM>(&suggested));
    RECT after;
    GetWindowRect(form.txtName.hwnd(), &after);
    EXPECT_EQ(dpi * 2, form.Dpi());
    EXPECT_NEAR(2 * (before.right - before.left), after.right - after.left, 2);
    RECT window;
    GetWindowRect(form.hwnd(), &window);
    EXPECT_EQ(suggested.right, window.right - window.left);
}
