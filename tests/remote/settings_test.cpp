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

TEST_F(SettingsTest, TheBoxesExcludeEachOtherAndOkStoresTheFourValuesConnectsAndUnloads) {
    StoreSettings(1, 1, "192.0.2.1");
    entries = {MakeEntry("Office", "ann", "x"), MakeEntry("Home", "bob", "y")};
    Load();
    EXPECT_EQ("dial 0 net 1 list off host on", State()) << "loading both ends with Networked";
    SendMessageA(dialog->chkAutoDial.hwnd(), BM_CLICK, 0, 0);  // the user's click
    EXPECT_EQ("dial 1 net 0 list on host on", State());
    dialog->chkNetworked.SetValue(1);
    dialog->txtIPAddress.SetText("  server.example.com  ");
    dialog->cbAccountNames.SetListIndex(1);
    dialog->btnOK_Click();
    EXPECT_EQ(RegValue::Integer(0), Setting(store::kAutoDial));
    EXPECT_EQ(RegValue::Integer(1), Setting(store::kNetworked));
    EXPECT_EQ("server.example.com", Setting(store::kRemoteIP).AsText());
    EXPECT_EQ(RegValue::Integer(1), Setting(store::kDUNNum));
    EXPECT_EQ(1u, client->CallsTo("Attach").size());
    EXPECT_FALSE(dialog->IsCreated());
}

}  // namespace
