#include "remote/frmOLEConnection.h"

#include <vector>

#include "platform/AppContext.h"
#include "platform/Trim.h"
#include "remote/ComponentCalls.h"
#include "remote/ErrorBox.h"
#include "remote/RemoteConnection.h"
#include "store/StoreLayout.h"
#include "store/Stores.h"

namespace {

constexpr int kWidthTwips = 2565;
constexpr int kHeightTwips = 2895;

const std::vector<ui::ControlSpec> kControls = {
    {"Frame1", ui::ControlKind::Frame, nullptr, "", 60, 45, 2325, 2220, 0},
    {"chkAutoDial", ui::ControlKind::CheckBox, "Frame1", "Dial Up", 120, 150, 1000, 285, 0},
    {"chkNetworked", ui::ControlKind::CheckBox, "Frame1", "Networked", 1140, 150, 1080, 285, 1},
    {"cbAccountNames", ui::ControlKind::ComboBox, "Frame1", "", 120, 525, 2085, 315, 2, CBS_DROPDOWNLIST},
    {"Label1", ui::ControlKind::Label, "Frame1", "Host IP Address or Name", 120, 945, 2085, 255, 3},
    {"txtIPAddress", ui::ControlKind::TextBox, "Frame1", "", 120, 1215, 2085, 285, 4},
    {"btnOK", ui::ControlKind::Button, "Frame1", "&OK", 615, 1695, 1095, 375, 5, 0, ui::Role::Default},
};

constexpr const char* kFillInHost =
    "You must fill in an IP Address or Host Name. (ie. 192.0.2.10 or vantro.example.com)";

int StoredInt(const char* name) {
    return store::ReadSetting(name).AsInt32().value_or(0);
}

void Store(const char* name, RegValue value, DWORD kind) {
    store::WriteSetting(name, value, kind);
}

}  // namespace

frmOLEConnection::frmOLEConnection(AppContext& context, RemoteObjects& objects, HWND mainWindow)
    : Form({"VantroOLEConnection", "Remote Server Connection", kWidthTwips, kHeightTwips,
            ui::kDialogStyle, ui::kDialogExStyle},
           kControls),
      ctx_(context),
      objects_(objects),
      mainWindow_(mainWindow) {
    cbAccountNames.SetEnabled(false);
    txtIPAddress.SetEnabled(false);
    chkAutoDial.Click = [this] { chkAutoDial_Click(); };
    chkNetworked.Click = [this] { chkNetworked_Click(); };
    btnOK.Click = [this] { btnOK_Click(); };
}

void frmOLEConnection::Form_Load() {
    SetSize(kWidthTwips, kHeightTwips);
    txtIPAddress.SetText(store::ReadSetting(store::kRemoteIP).AsText());
    chkAutoDial.SetValue(StoredInt(store::kAutoDial));
    chkNetworked.SetValue(StoredInt(store::kNetworked));
    if (!ListAccounts() || cbAccountNames.ListCount() == 0) return;
    // A stored position the list does not have leaves it without a selection.
    int chosen = StoredInt(store::kDUNNum);
    if (chosen >= 0 && chosen < cbAccountNames.ListCount()) cbAccountNames.SetListIndex(chosen);
}

// The dial-up entries by name, from the engine. False (after the error box) when the
// engine fails; what was listed so far stays.
bool frmOLEConnection::ListAccounts() {
    ErrorInfo error = AddAccounts();
    if (error) ShowErrorBox(ctx_, hwnd(), error);
    return !error;
}

ErrorInfo frmOLEConnection::AddAccounts() {
    ComponentCreation engine = UseDialUpEngine(ctx_, objects_);
    if (engine.error) return engine.error;
    ComponentResult entries = AsObject(engine.object->Call("PhoneEntries", {}));
    if (entries.error) return entries.error;
    ComponentResult count = ObjectIn(entries)->Get("Count");
    if (count.error) return count.error;
    auto* total = std::get_if<int32_t>(&count.value);
    for (int32_t i = 0; total && i < *total; ++i) {
        ComponentResult entry = AsObject(engine.object->Call("PhoneEntries", {i}));
        if (entry.error) return entry.error;
        ComponentResult name = ObjectIn(entry)->Get("EntryName");
        if (name.error) return name.error;
        cbAccountNames.AddItem(ComponentText(name.value));
    }
    return {};
}

void frmOLEConnection::chkAutoDial_Click() {
    if (chkAutoDial.Value() == 1) {
        txtIPAddress.SetEnabled(true);
        cbAccountNames.SetEnabled(true);
        chkNetworked.SetValue(0);
    } else {
        cbAccountNames.SetEnabled(false);
        if (chkNetworked.Value() == 0) txtIPAddress.SetEnabled(false);
    }
}

void frmOLEConnection::chkNetworked_Click() {
    if (chkNetworked.Value() == 1) {
        txtIPAddress.SetEnabled(true);
        chkAutoDial.SetValue(0);
    } else if (chkAutoDial.Value() == 0) {
        txtIPAddress.SetEnabled(false);
    }
}

void frmOLEConnection::btnOK_Click() {
    std::string host = Trimmed(txtIPAddress.Text());
    bool connects = chkAutoDial.Value() == 1 || chkNetworked.Value() == 1;
    if (connects && host.empty()) {
        ctx_.prompts.MessageBox(hwnd(), kFillInHost, ctx_.app.Title(), MB_OK);
        return;
    }
    Store(store::kAutoDial, RegValue::Integer(chkAutoDial.Value()), REG_DWORD);
    Store(store::kNetworked, RegValue::Integer(chkNetworked.Value()), REG_DWORD);
    Store(store::kRemoteIP, RegValue::Text(host), REG_SZ);
    Store(store::kDUNNum, RegValue::Integer(cbAccountNames.ListIndex()), REG_DWORD);
    Hide();
    // The routine leaves the dialog loaded when it stops early; a hidden modal dialog
    // would keep the main window disabled, so it goes then too.
    if (!ConnectRemote(ctx_, objects_, mainWindow_, *this)) Unload();
}
