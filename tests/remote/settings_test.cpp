#include "remote/frmOLEConnection.h"
#include "ScriptedWorld.h"

namespace {

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
        return "dial " + std::to_string(dialog->chkAutoDial.Value()) + " net " + std::to_string(dialog->chkNetworked.Value()) +
               " list " + on(dialog->cbAccountNames) + " host " + on(dialog->txtIPAddress);
    }
    std::unique_ptr<frmOLEConnection> dialog;
};

TEST_F(SettingsTest, TheTwoBoxesAreNeverTickedTogetherAndEnableTheirFields) {
    StoreSettings(1, 1, "192.0.2.1");
    Load();
    EXPECT_EQ("dial 0 net 1 list off host on", State()) << "loading both ends with Networked";
    dialog->chkAutoDial.SetValue(1);
    EXPECT_EQ("dial 1 net 0 list on host on", State());
    dialog->chkNetworked.SetValue(1);
    EXPECT_EQ("dial 0 net 1 list off host on", State());
    dialog->chkNetworked.SetValue(0);
    EXPECT_EQ("dial 0 net 0 list off host off", State());
    SendMessageA(dialog->chkAutoDial.hwnd(), BM_CLICK, 0, 0);  // the user's click
    EXPECT_EQ("dial 1 net 0 list on host on", State());
}

TEST_F(SettingsTest, OkAsksForAHostWhileABoxIsTickedThenStoresTheFourValuesConnectsAndUnloads) {
    entries = {MakeEntry("Office", "ann", "x"), MakeEntry("Home", "bob", "y")};
    Load().chkNetworked.SetValue(1);
    dialog->txtIPAddress.SetText("   ");
    dialog->btnOK_Click();
    ASSERT_EQ(1u, prompts.asked.size());
    EXPECT_TRUE(Setting(store::kNetworked).IsEmpty());
    ASSERT_TRUE(dialog->IsCreated()) << "the dialog stays for the answer";

    dialog->txtIPAddress.SetText("  server.example.com  ");
    dialog->cbAccountNames.SetListIndex(1);
    dialog->btnOK_Click();
    EXPECT_EQ(RegValue::Integer(0), Setting(store::kAutoDial));
    EXPECT_EQ(RegValue::Integer(1), Setting(store::kNetworked));
    EXPECT_EQ("server.example.com", Setting(store::kRemoteIP).AsText());
    EXPECT_EQ(RegValue::Integer(1), Setting(store::kDUNNum));
    EXPECT_EQ(1u, client->CallsTo("Attach").size());
    EXPECT_FALSE(dialog->IsCreated());

    // No box ticked, no host, no dial-up entries: stored as such without a word.
    entries.clear();
    prompts.asked.clear();
    Load().chkNetworked.SetValue(0);
    dialog->txtIPAddress.SetText("");
    dialog->btnOK_Click();
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(RegValue::Integer(0), Setting(store::kNetworked));
    EXPECT_EQ(RegValue::Integer(-1), Setting(store::kDUNNum));
}

TEST_F(SettingsTest, TheStoredEntryIsChosenAndOneTheListLacksChoosesNoneWithoutAnError) {
    entries = {MakeEntry("Office", "ann", "x"), MakeEntry("Home", "bob", "y")};
    EXPECT_EQ(0, Load().cbAccountNames.ListIndex()) << "nothing stored: the first";
    EXPECT_EQ("Home", dialog->cbAccountNames.List(1));
    StoreSettings(0, 0, "", 1);
    EXPECT_EQ(1, Load().cbAccountNames.ListIndex());
    StoreSettings(0, 0, "", 5);
    EXPECT_EQ(-1, Load().cbAccountNames.ListIndex());
    EXPECT_TRUE(prompts.asked.empty());
}

}  // namespace
