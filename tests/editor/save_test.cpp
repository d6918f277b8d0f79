#include "EditorTest.h"

namespace {

using SaveTest = EditorTest;

TEST_F(SaveTest, EachMissingOrBadEntryIsRefusedAloneThenARunOnceTaskIsStoredTrimmedFromThePickers) {
    WithEditor(&TaskCommands::mnuNew_Click, [&](frmNew& form) {
        Click(form.optSM);  // a message with no text, no name: the days still come first
        Click(form.btnOK);
        Click(form.optSP);
        Click(form.btnOK);
        ASSERT_EQ(2u, prompts.asked.size());
        EXPECT_EQ(prompts.asked[0].text, prompts.asked[1].text);

        FillProgram(form, "Backup", "   ", {0});
        Click(form.btnOK);
        Type(form.txtLocation, " C:\\once.exe /all ");
        for (const char* name : {"  ", "Back,up", "Back\\up"}) {
            Type(form.txtProgramName, name);
            Click(form.btnOK);
        }
        EXPECT_FALSE(form.Saved());
        EXPECT_EQ(6u, prompts.MessageBoxes().size()) << "a box for each refusal";

        Type(form.txtProgramName, "  Once  ");
        Click(form.btnOnce);  // the Sunday ticked above no longer counts
        // The day from the date picker, the time from the time picker.
        form.txtDate.SetValue({1999, 1, 2, 8, 0, 0, 0});
        form.txtTime.SetValue({1998, 12, 4, 15, 7, 0, 0});
        Click(form.btnOK2);
        Click(form.btnOK);
    });
    EXPECT_EQ(std::vector<std::string>{"Once"}, ListSubKeys(HKEY_LOCAL_MACHINE, store::kTasksKey));
    EXPECT_EQ("C:\\once.exe /all||01/02/1999|03:07 PM|-1", Record("Once"));
    EXPECT_NE(0, RowOf("Once")) << "the list is rebuilt after the save";
}

TEST_F(SaveTest, AUtilityAnsweredYesGetsItsSwitchOnceAndAnsweredNoIsStoredUnchanged) {
    prompts.messageAnswers = {IDYES, IDNO};
    WithEditor(&TaskCommands::mnuNew_Click, [&](frmNew& form) {
        FillProgram(form, "Doctor", "c:\\nu\\ndd32.exe", {0});
        Click(form.btnOK);
    });
    Choose("Doctor");
    WithEditor(&TaskCommands::mnuEdit_Click, [&](frmNew& form) { Click(form.btnOK); });
    EXPECT_EQ("c:\\nu\\ndd32.exe /Q C: D:", ReadTaskValue("Doctor", store::kLocation).AsText());
    EXPECT_EQ(1u, prompts.asked.size()) << "a location with a switch is not asked about again";

    WithEditor(&TaskCommands::mnuNew_Click, [&](frmNew& form) {
        FillProgram(form, "Defrag", "C:\\WINDOWS\\DEFRAG.EXE", {6});
        Click(form.btnOK);
    });
    ASSERT_EQ(2u, prompts.asked.size());
    EXPECT_NE(prompts.asked[0].text, prompts.asked[1].text) << "each question names its own utility";
    EXPECT_EQ("C:\\WINDOWS\\DEFRAG.EXE", ReadTaskValue("Defrag", store::kLocation).AsText());
}

TEST_F(SaveTest, AMessageTakesTheFoundEditorAndATrimmedNameAndCancelGoesBackWithNothingSaved) {
    files = {"c:\\windows\\notepad.exe", "c:\\windows\\wordpad.exe"};
    prompts.inputAnswers = {std::nullopt, "  ", "Call,me", " Call "};
    WithEditor(&TaskCommands::mnuNew_Click, [&](frmNew& form) {
        FillMessage(form, "");
        Click(form.btnOK);  // no text: refused, the editor is chosen all the same
        Type(form.txtMessage, "  Call the office\r\nnow\r\n  ");
        Click(form.btnOK);  // the name question cancelled
        EXPECT_FALSE(form.Saved());
        Click(form.btnOK);  // blank, a name the list would split, then " Call "
    });
    EXPECT_EQ("c:\\windows\\notepad.exe", MessageApp());
    EXPECT_EQ("MSG:Call the office\r\nnow\r\n", ReadTaskValue("Call", store::kLocation).AsText());
    EXPECT_EQ(std::vector<std::string>{"Call"}, ListSubKeys(HKEY_LOCAL_MACHINE, store::kTasksKey));
    ASSERT_EQ(6u, prompts.asked.size()) << "no text; four names asked for; the name refused";
    EXPECT_EQ("", prompts.asked[1].initial) << "no message was edited yet";
    EXPECT_EQ("Call,me", prompts.asked.back().initial) << "a refused name comes back to be corrected";
}

TEST_F(SaveTest, WithoutAKnownEditorTheUserPicksAProgramFileOrCancelsBackToTheDialog) {
    prompts.fileAnswers = {std::nullopt, "C:\\notes\\readme.txt", "C:\\Tools\\Pad.Exe"};
    prompts.inputAnswers = {"Note"};
    WithEditor(&TaskCommands::mnuNew_Click, [&](frmNew& form) {
        FillMessage(form, "Hello");
        Click(form.btnOK);  // the file dialog cancelled
        EXPECT_FALSE(form.Saved());
        EXPECT_EQ("", MessageApp());
        Click(form.btnOK);  // a text file, then a program in mixed case
    });
    EXPECT_EQ("C:\\Tools\\Pad.Exe", MessageApp());
    EXPECT_TRUE(TaskExists("Note"));
    EXPECT_EQ(3u, prompts.MessageBoxes().size()) << "asked to pick before each file dialog";
}

TEST_F(SaveTest, AFailedWriteSaysWhyAndKeepsTheDialogOpen) {
    // No stable key can be made under a volatile one: every task write fails.
    DeleteKeyTree(HKEY_LOCAL_MACHINE, store::kTasksKey);
    UniqueHKey volatileKey;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, store::kTasksKey, 0, nullptr, REG_OPTION_VOLATILE,
                                             KEY_ALL_ACCESS, nullptr, volatileKey.put(), nullptr));
    WithEditor(&TaskCommands::mnuNew_Click, [&](frmNew& form) {
        FillProgram(form, "Backup", "C:\\backup.exe", {1});
        Click(form.btnOK);
        EXPECT_FALSE(form.Saved());
        EXPECT_EQ("Backup", form.txtProgramName.Text());
    });
    ASSERT_EQ(1u, prompts.asked.size());
    EXPECT_NE(std::string::npos, prompts.asked[0].text.find(SystemMessageText(ERROR_CHILD_MUST_BE_VOLATILE)));
    EXPECT_FALSE(TaskExists("Backup"));
}

}  // namespace
