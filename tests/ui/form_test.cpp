#include <gtest/gtest.h>

#include <stdexcept>

#include "ui/Form.h"
#include "ui/MessageLoop.h"
#include "ui/Timer.h"

namespace {

const std::vector<ui::ControlSpec> kTable = {
    {"fraGroup", ui::ControlKind::Frame, nullptr, "Group", 1440, 1440, 2880, 1440, 3},
    {"txtName", ui::ControlKind::TextBox, nullptr, "", 120, 120, 2000, 285, 0},
    {"lblName", ui::ControlKind::Label, nullptr, "Name", 2200, 120, 1000, 285, 1},
    {"optA", ui::ControlKind::OptionButton, "fraGroup", "A", 120, 240, 1000, 285, 4},
    {"optB", ui::ControlKind::OptionButton, "fraGroup", "B", 120, 600, 1000, 285, 5},
    {"optC", ui::ControlKind::OptionButton, nullptr, "C", 120, 3000, 1000, 285, 6},
    {"btnOK", ui::ControlKind::Button, nullptr, "OK", 4500, 120, 1000, 375, 7, 0, ui::Role::Default},
    {"btnOther", ui::ControlKind::Button, nullptr, "Other", 4500, 600, 1000, 375, 8},
    {"btnCancel", ui::ControlKind::Button, nullptr, "Cancel", 4500, 1080, 1000, 375, 9, 0, ui::Role::Cancel},
};

class TestForm : public ui::Form {
public:
    explicit TestForm(std::vector<ui::ControlSpec> table = kTable)
        : Form({"VantroTestForm", "Test", 6000, 4000, WS_OVERLAPPEDWINDOW}, std::move(table)) {
        btnOK.Click = [this] { pressed += "OK "; };
        btnOther.Click = [this] { pressed += "Other "; };
        btnCancel.Click = [this] { pressed += "Cancel "; };
    }
    using ui::Form::FormOptions;
    std::string pressed;
    ui::Bound<ui::TextBox> txtName{*this, "txtName"};
    ui::Bound<ui::OptionButton> optA{*this, "optA"}, optB{*this, "optB"}, optC{*this, "optC"};
    ui::Bound<ui::Frame> fraGroup{*this, "fraGroup"};
    ui::Bound<ui::Button> btnOK{*this, "btnOK"}, btnOther{*this, "btnOther"}, btnCancel{*this, "btnCancel"};
};

// A key pressed in the control with the focus, through the program's own loop.
void Press(WPARAM key) {
    MSG msg{GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
    ui::DispatchWithDialogKeys(msg);
}

}  // namespace

TEST(Form, LaysOutItsTableInTwipsWithFramesAsContainersAndTextOutlivesTheWindow) {
    TestForm form;
    ASSERT_TRUE(form.Create());
    RECT frame, option;
    GetWindowRect(form.fraGroup.hwnd(), &frame);
    GetWindowRect(form.optA.hwnd(), &option);
    // 120 twips inside the frame, whatever the DPI.
    EXPECT_EQ(ui::TwipsToPixelsX(1440 + 120) - ui::TwipsToPixelsX(1440), option.left - frame.left);
    // The label no code binds is there all the same.
    HWND label = FindWindowExA(form.hwnd(), nullptr, "STATIC", "Name");
    EXPECT_NE(nullptr, label);
    // Tab order follows the tab index, not the table order.
    EXPECT_EQ(form.txtName.hwnd(), GetNextDlgTabItem(form.hwnd(), nullptr, FALSE));
    form.fraGroup.SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(form.optA.hwnd())) << "a frame hides what is in it";
    SetWindowTextA(form.txtName.hwnd(), "typed");
    form.Unload();
    EXPECT_EQ("typed", form.txtName.Text()) << "the text outlives the window";
}

TEST(Form, EnterAndEscapePressTheDefaultAndTheCancelButton) {
    TestForm form;
    form.Show();
    form.txtName.SetFocus();
    Press(VK_RETURN);
    Press(VK_ESCAPE);
    EXPECT_EQ("OK Cancel ", form.pressed);

    // A default button the user cannot see is not pressed, nor the one it replaced.
    form.SetDefaultButton(form.btnOther);
    form.btnOther.SetVisible(false);
    form.txtName.SetFocus();
    Press(VK_RETURN);
    EXPECT_EQ("OK Cancel ", form.pressed);

    // With no cancel button to press, Escape closes the form as its close box does.
    form.btnCancel.SetVisible(false);
    form.txtName.SetFocus();
    Press(VK_ESCAPE);
    EXPECT_FALSE(form.IsCreated());
}

TEST(Form, TabByIndexCrossesFramesWhateverTheirStacking) {
    TestForm form;
    form.Show();
    form.fraGroup.ZOrder();  // its options now come first in Windows' own order
    form.txtName.SetFocus();
    Press(VK_TAB);
    EXPECT_EQ(form.optC.hwnd(), GetFocus()) << "Windows' order, by default";
    TestForm byIndex;
    byIndex.FormOptions().tabByIndex = true;
    byIndex.Show();
    byIndex.fraGroup.ZOrder();
    byIndex.txtName.SetFocus();
    Press(VK_TAB);
    EXPECT_EQ(byIndex.optA.hwnd(), GetFocus());
    Press(VK_TAB);
    EXPECT_EQ(byIndex.optC.hwnd(), GetFocus()) << "one stop per option group";
}

TEST(Form, OptionButtonsGroupByContainerAndArrowKeysChooseWithinTheGroup) {
    TestForm form;
    form.Show();
    int clicksB = 0;
    form.optB.Click = [&] { ++clicksB; };
    form.optA.SetValue(true);
    form.optC.SetValue(true);
    EXPECT_TRUE(form.optA.Value()) << "C is in another container, so another group";
    form.optA.SetFocus();
    Press(VK_DOWN);
    EXPECT_EQ(form.optB.hwnd(), GetFocus());
    EXPECT_TRUE(form.optB.Value());
    EXPECT_FALSE(form.optA.Value());
    EXPECT_TRUE(form.optC.Value());
    EXPECT_EQ(1, clicksB);
    // A user's click, as the window reports it.
    SendMessageA(form.hwnd(), WM_COMMAND, MAKEWPARAM(form.optA.Id(), BN_CLICKED),
                 reinterpret_cast<LPARAM>(form.optA.hwnd()));
    EXPECT_TRUE(form.optA.Value());
    EXPECT_FALSE(form.optB.Value());
}

TEST(Form, ATableThatDoesNotMatchItsBindingsFailsWhenTheWindowIsCreated) {
    // A misspelt name, a lost container, a kind the binding does not take.
    for (auto spoil : {+[](ui::ControlSpec& row) { row.name = "txtNmae"; },
                       +[](ui::ControlSpec& row) { row.container = "fraGorup"; },
                       +[](ui::ControlSpec& row) { row.kind = ui::ControlKind::ComboBox; }}) {
        auto table = kTable;
        spoil(table[1]);
        TestForm form(table);
        EXPECT_THROW(form.Create(), std::logic_error);
        EXPECT_FALSE(form.IsCreated());
    }
}

TEST(Form, AfterAModalFormClosesItsOwnerIsActiveAgain) {
    TestForm owner;
    owner.Show();
    ASSERT_EQ(owner.hwnd(), GetActiveWindow());
    TestForm modal;
    bool ownerDisabled = false, destroyedEarly = true;
    ui::Timer closer(100, true);
    closer.OnTimer = [&] {
        closer.SetEnabled(false);
        ownerDisabled = !IsWindowEnabled(owner.hwnd());
        // Asked twice (a handler, then its caller), it still goes only after the owner is enabled.
        modal.btnCancel.Click = [&] { modal.Unload(), modal.Unload(), destroyedEarly = !modal.IsCreated(); };
        modal.btnCancel.SetFocus();
        Press(VK_ESCAPE);
    };
    modal.ShowModal(owner.hwnd());
    EXPECT_TRUE(ownerDisabled);
    EXPECT_FALSE(destroyedEarly);
    EXPECT_FALSE(modal.IsCreated());
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));
    EXPECT_EQ(owner.hwnd(), GetActiveWindow());
}

TEST(Form, AMoveToAMonitorOfAnotherDpiLaysTheTableOutAgainAtThatDpi) {
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
