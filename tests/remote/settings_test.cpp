#include "remote/frmOLEConnection.h"
#include "ScriptedWorld.h"

namespace {

const std::string kFillIn = "You must fill in an IP Address or Host Name. (ie. 192.0.2.10 or vantro.example.com)";

class SettingsTest : public ScriptedWorld {
protected:
    frmOLEConnection& Load() {
        dialog = std::make_unique<frmOLEConnection>(context, objects, main);
        dialog->Create(main);
        return *dialog;
    }
    // The boxes as the user sees them: ticks, and which fields take input.
    std::string State() const {
        auto on = [](const ui::Control& c) { return IsWindowEnabled(c.hwnd()) ? "on" : "off"; };
        return std::string("dial ") + std::to_string(dialog->chkAutoDial.Value()) + " net " +
               std::to_string(dialog->chkNetworked.Value()) + " list " + on(dialog->cbAccountNames) + " host " +
               on(dialog->txtIPAddress);
    }
    std::unique_ptr<frmOLEConnection> dialog;
};

TEST_F(SettingsTest, TheTwoBoxesAreNeverTickedTogetherAndEnableTheirFields) {
    StoreSettings(1, 1, "192.0.2.1");
    Load();
    EXPECT_EQ("dial 0 net 1 list off host on", State()) << "loading both ends with Networked";
    EXPECT_EQ("192.0.2.1", dialog->txtIPAddress.Text());
    dialog->chkAutoDial.SetValue(1);
    EXPECT_EQ("dial 1 net 0 list on host on", State());
    dialog->chkNetworked.SetValue(1);
    EXPECT_EQ("dial 0 net 1 list off host on", State());
    dialog->chkNetworked.SetValue(0);
    EXPECT_EQ("dial 0 net 0 list off host off", State());
    // A user's click, as the window reports it.
    SendMessageA(dialog->chkAutoDial.hwnd(), BM_CLICK, 0, 0);
    EXPECT_EQ("dial 1 net 0 list on host on", State());
}

TEST_F(SettingsTest, OkWithABoxTickedAndABlankHostAsksForOneAndStoresNothing) {
    Load();
    dialog->chkNetworked.SetValue(1);
    dialog->txtIPAddress.SetText("   ");
    dialog->btnOK_Click();
    ASSERT_EQ(1u, prompts.asked.size());
    EXPECT_EQ(kFillIn, prompts.asked[0].text);
    EXPECT_EQ("Vantro", prompts.asked[0].title);
    EXPECT_EQ(static_cast<UINT>(MB_OK), prompts.asked[0].style);
    EXPECT_TRUE(Setting(store::kNetworked).IsEmpty());
    EXPECT_TRUE(Setting(store::kRemoteIP).IsEmpty());
    EXPECT_TRUE(dialog->IsCreated()) << "the dialog stays for the answer";
}

TEST_F(SettingsTest, OkStoresTheFourValuesThenConnectsAndUnloads) {
    entries = {MakeEntry("Office", "ann", "x"), MakeEntry("Home", "bob", "y")};
    Load();
    dialog->chkNetworked.SetValue(1);
    dialog->txtIPAddress.SetText("  server.example.com  ");
    dialog->cbAccountNames.SetListIndex(1);
    dialog->btnOK_Click();
    EXPECT_EQ(RegValue::Integer(0), Setting(store::kAutoDial));
    EXPECT_EQ(RegValue::Integer(1), Setting(store::kNetworked));
    EXPECT_EQ("server.example.com", Setting(store::kRemoteIP).AsText());
    EXPECT_EQ(RegValue::Integer(1), Setting(store::kDUNNum));
    EXPECT_EQ(1, client->CallsTo("Attach"));
    EXPECT_FALSE(dialog->IsCreated());

    // No box ticked, no host, no entries: stored as such without a word.
    entries.clear();
    prompts.asked.clear();
    Load().chkNetworked.SetValue(0);
    dialog->txtIPAddress.SetText("");
    dialog->btnOK_Click();
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(RegValue::Integer(0), Setting(store::kNetworked));
    EXPECT_EQ(RegValue::Integer(-1), Setting(store::kDUNNum));
    EXPECT_FALSE(dialog->IsCreated());
}

TEST_F(SettingsTest, TheStoredEntryIsChosenAndOneTheListLacksChoosesNone) {
    entries = {MakeEntry("Office", "ann", "x"), MakeEntry("Home", "bob", "y")};
    Load();
    EXPECT_EQ(2, dialog->cbAccountNames.ListCount());
    EXPECT_EQ("Home", dialog->cbAccountNames.List(1));
    EXPECT_EQ(0, dialog->cbAccountNames.ListIndex()) << "nothing stored: the first";
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kDUNNum, RegValue::Integer(1), REG_DWORD);
    EXPECT_EQ(1, Load().cbAccountNames.ListIndex());
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kDUNNum, RegValue::Integer(5), REG_DWORD);
    EXPECT_EQ(-1, Load().cbAccountNames.ListIndex());
    EXPECT_TRUE(prompts.asked.empty()) << "no error for a position out of the list";
}

TEST_F(SettingsTest, AFailingEngineShowsTheErrorBoxAndKeepsWhatWasFilled) {
    StoreSettings(0, 1, "192.0.2.1");
    entries = {MakeEntry("Office", "ann", "x"), MakeEntry("Home", "bob", "y")};
    entries[1]->failing["EntryName"] = {0x800A01A8, "Object required"};
    Load();
    ASSERT_EQ(1u, prompts.asked.size());
    EXPECT_EQ("Error: -2146827864\rObject required", prompts.asked[0].text);
    EXPECT_EQ("Vantro", prompts.asked[0].title);
    EXPECT_EQ(1, dialog->cbAccountNames.ListCount());
    EXPECT_EQ(-1, dialog->cbAccountNames.ListIndex()) << "the load ends before the selection";
    EXPECT_EQ(1, dialog->chkNetworked.Value());
}

}  // namespace
