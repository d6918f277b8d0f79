#include "remote/RemoteConnection.h"

#include <algorithm>
#include <string>

#include "platform/AppContext.h"
#include "platform/Trim.h"
#include "remote/ComponentCalls.h"
#include "remote/ErrorBox.h"
#include "remote/OwnComponents.h"
#include "remote/frmOLEConnection.h"

namespace {

// One run of the routine. Each step that fails shows the error box and ends the run.
class Connecting {
public:
    Connecting(AppContext& context, RemoteObjects& objects, HWND mainWindow, frmOLEConnection& settings)
        : ctx_(context), objects_(objects), main_(mainWindow), settings_(settings) {}

    // False when the run ended early.
    bool Run() {
        ComponentCreation local = ctx_.components.Create(kRemoteClientProgId);
        if (!Check(local.error)) return false;
        objects_.localClient = local.object;
        bool dialUp = settings_.chkAutoDial.Value() == 1;
        if (dialUp || settings_.chkNetworked.Value() == 1) {
            // The attach is the one connection: no probe of the server before it.
            if (dialUp && !LineUp() && !DialUp()) return false;
            if (!Attach()) return false;
        }
        settings_.Unload();
        return true;
    }

private:
    bool Check(const ErrorInfo& error) {
        if (error) ShowErrorBox(ctx_, main_, error);
        return !error;
    }
    bool Read(const ComponentRef& object, const char* member, std::string& text) {
        ComponentResult result = object->Get(member);
        text = ComponentText(result.value);
        return Check(result.error);
    }
    std::string Host() const { return Trimmed(settings_.txtIPAddress.Text()); }
    void SetMainCaption(const char* caption) { SetWindowTextA(main_, caption); }

    // Errors are only noted here: true when a dial-up connection is known to be up.
    bool LineUp() {
        ComponentCreation engine = UseDialUpEngine(ctx_, objects_);
        ComponentResult connections = engine.object ? AsObject(engine.object->Call("Connections", {}))
                                                    : ComponentResult{{}, engine.error};
        return !connections.error && IsTrue(ObjectIn(connections)->Get("IsConnected").value);
    }

    // False when the run ends here: an error, or the user gave no user name or password.
    bool DialUp() {
        if (settings_.cbAccountNames.ListCount() == 0) return true;
        ComponentCreation engine = UseDialUpEngine(ctx_, objects_);
        if (!Check(engine.error)) return false;
        ComponentRef entry;
        std::string user, password;
        return ChosenEntry(engine.object, entry) && AskUserName(entry, user) && AskPassword(entry, password) &&
               AddConnection(engine.object, entry, user, password);
    }

    // The entry chosen in the settings; the first when none is.
    bool ChosenEntry(const ComponentRef& engine, ComponentRef& entry) {
        int32_t position = std::max(0, settings_.cbAccountNames.ListIndex());
        ComponentResult found = AsObject(engine->Call("PhoneEntries", {position}));
        if (!Check(found.error)) return false;
        entry = ObjectIn(found);
        return Check(engine->Call("SetOwnerIcon", {ComponentPicture{MainIcon()}}).error);
    }

    // The entry's user name, asked for when the entry has none.
    bool AskUserName(const ComponentRef& entry, std::string& user) {
        if (!Read(entry, "UserName", user)) return false;
        if (user != kNoUserName) return true;
        if (!Check(entry->Put("UserName", ctx_.prompts.InputBox(main_, "What is your user name?", "UserID", ""))) ||
            !Read(entry, "UserName", user))
            return false;
        if (user.empty()) SetMainCaption("No UserID");
        return !user.empty();
    }

    // The entry's password, asked for when the entry has none.
    bool AskPassword(const ComponentRef& entry, std::string& password) {
        if (!Read(entry, "Password", password)) return false;
        if (password != kNoPassword && !password.empty()) return true;
        if (!Check(entry->Put("Password", ctx_.prompts.PasswordBox(main_, "What is your password?", "Password"))) ||
            !Read(entry, "Password", password))
            return false;
        // The engine's own "no password" text is no password either.
        bool none = password == "Not Available" || password == kNoPassword || password.empty();
        if (none) SetMainCaption("No Password");
        return !none;
    }

    bool AddConnection(const ComponentRef& engine, const ComponentRef& entry, const std::string& user,
                       const std::string& password) {
        std::string name, phone, domain;
        if (!Read(entry, "EntryName", name) || !Read(entry, "PhoneNumber", phone) || !Read(entry, "Domain", domain))
            return false;
        ComponentResult connections = AsObject(engine->Call("Connections", {}));
        if (!Check(connections.error)) return false;
        ComponentResult dialled = ObjectIn(connections)->Call(
            "AddConnection", {name, phone, std::string(), user, password, domain, true, true});
        return Check(dialled.error);
    }

    bool Attach() {
        ComponentCreation remote = ctx_.components.Create(kRemoteClientProgId, Host());
        if (!Check(remote.error)) return false;
        objects_.remoteClient = remote.object;
        // Vantro's own client tells the window how the attachment goes; a client that
        // answers at once has no such member.
        objects_.remoteClient->Put("StatusWindow", static_cast<int32_t>(HandleToLong(main_)));
        ComponentResult id = objects_.localClient->Get("LocalId");
        return Check(id.error) && Check(objects_.remoteClient->Call("Attach", {id.value}).error);
    }

    HICON MainIcon() const {
        auto icon = reinterpret_cast<HICON>(SendMessageA(main_, WM_GETICON, ICON_BIG, 0));
        return icon ? icon : reinterpret_cast<HICON>(GetClassLongPtrA(main_, GCLP_HICON));
    }

    AppContext& ctx_;
    RemoteObjects& objects_;
    HWND main_;
    frmOLEConnection& settings_;
};

}  // namespace

ComponentCreation UseDialUpEngine(AppContext& context, RemoteObjects& objects) {
    if (objects.dialUpEngine) return {objects.dialUpEngine, {}};
    ComponentCreation engine = context.components.Create(kRasEngineProgId);
    objects.dialUpEngine = engine.object;
    return engine;
}

bool ConnectRemote(AppContext& context, RemoteObjects& objects, HWND mainWindow, frmOLEConnection& settings) {
    return Connecting(context, objects, mainWindow, settings).Run();
}

void ConnectRemote(AppContext& context, RemoteObjects& objects, HWND mainWindow) {
    frmOLEConnection settings(context, objects, mainWindow);
    settings.Create(mainWindow);
    ConnectRemote(context, objects, mainWindow, settings);
}

void ShowRemoteSettings(AppContext& context, RemoteObjects& objects, HWND mainWindow) {
    frmOLEConnection settings(context, objects, mainWindow);
    settings.ShowModal(mainWindow);
}

void ReleaseRemote(RemoteObjects& objects) {
    if (objects.remoteClient && !ComponentText(objects.remoteClient->Get("").value).empty()) {
        ComponentValue id = objects.localClient ? objects.localClient->Get("LocalId").value : ComponentValue{};
        objects.remoteClient->Call("Detach", {id});
    }
    objects.remoteClient.reset();
    objects.localClient.reset();
    objects.dialUpEngine.reset();
}
