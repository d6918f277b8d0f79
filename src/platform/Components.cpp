#include "platform/Components.h"

#include <oleauto.h>
#include <olectl.h>

#include "platform/UniqueHandle.h"

namespace {

struct DispatchTraits {
    using Handle = IDispatch*;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { h->Release(); }
};
using UniqueDispatch = UniqueHandle<DispatchTraits>;

struct BstrTraits {
    using Handle = BSTR;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { SysFreeString(h); }
};
using UniqueBstr = UniqueHandle<BstrTraits>;

// A VARIANT that clears itself.
struct Variant : VARIANT {
    Variant() { VariantInit(this); }
    ~Variant() { VariantClear(this); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
};

std::wstring Widen(const std::string& text) {
    int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string Narrow(const wchar_t* wide, size_t length) {
    int size = WideCharToMultiByte(CP_ACP, 0, wide, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, static_cast<int>(length), text.data(), size, nullptr, nullptr);
    return text;
}

std::string BstrText(BSTR text) { return text ? Narrow(text, SysStringLen(text)) : std::string(); }

ErrorInfo HResultError(HRESULT hr) { return {static_cast<DWORD>(hr), SystemMessageText(static_cast<DWORD>(hr))}; }

// The component's own account of a failed call, when it gave one.
ErrorInfo InvokeError(HRESULT hr, EXCEPINFO& exception) {
    if (hr != DISP_E_EXCEPTION) return HResultError(hr);
    if (exception.pfnDeferredFillIn) exception.pfnDeferredFillIn(&exception);
    UniqueBstr source(exception.bstrSource), description(exception.bstrDescription),
        help(exception.bstrHelpFile);
    ErrorInfo error = HResultError(exception.scode ? exception.scode : hr);
    if (description && SysStringLen(description.get()) > 0) error.description = BstrText(description.get());
    return error;
}

class DispatchObject final : public ComponentObject {
public:
    explicit DispatchObject(UniqueDispatch dispatch) : dispatch_(std::move(dispatch)) {}

    IDispatch* get() const { return dispatch_.get(); }

    ComponentResult Get(const std::string& member) override {
        return Invoke(member, DISPATCH_PROPERTYGET, {});
    }

    ErrorInfo Put(const std::string& member, const ComponentValue& value) override {
        return Invoke(member, DISPATCH_PROPERTYPUT, {value}).error;
    }

    // A method that returns a value may be a read-only property to the component.
    ComponentResult Call(const std::string& member, const std::vector<ComponentValue>& args) override {
        return Invoke(member, DISPATCH_METHOD | DISPATCH_PROPERTYGET, args);
    }

private:
    ComponentResult Invoke(const std::string& member, WORD flags, const std::vector<ComponentValue>& args);

    UniqueDispatch dispatch_;
};

ComponentValue FromVariant(VARIANT& v);
void ToVariant(const ComponentValue& value, VARIANT& v);

ComponentResult DispatchObject::Invoke(const std::string& member, WORD flags,
                                       const std::vector<ComponentValue>& args) {
    DISPID id = DISPID_VALUE;
    if (!member.empty()) {
        std::wstring name = Widen(member);
        LPOLESTR names[] = {name.data()};
        HRESULT hr = dispatch_.get()->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
        if (FAILED(hr)) return {{}, HResultError(hr)};
    }

    // IDispatch takes the arguments last first.
    std::vector<Variant> argv(args.size());
    for (size_t i = 0; i < args.size(); ++i) ToVariant(args[i], argv[args.size() - 1 - i]);
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS params{argv.data(), nullptr, static_cast<UINT>(argv.size()), 0};
    if (flags == DISPATCH_PROPERTYPUT) {
        params.rgdispidNamedArgs = &putId;
        params.cNamedArgs = 1;
    }

    Variant result;
    EXCEPINFO exception{};
    UINT badArg = 0;
    HRESULT hr = dispatch_.get()->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                                         flags == DISPATCH_PROPERTYPUT ? nullptr : &result,
                                         &exception, &badArg);
    if (FAILED(hr)) return {{}, InvokeError(hr, exception)};
    return {FromVariant(result), {}};
}

ComponentValue FromVariant(VARIANT& v) {
    switch (V_VT(&v)) {
    case VT_EMPTY:
    case VT_NULL: return {};
    case VT_BSTR: return BstrText(V_BSTR(&v));
    case VT_I4: return static_cast<int32_t>(V_I4(&v));
    case VT_BOOL: return V_BOOL(&v) != VARIANT_FALSE;
    case VT_DISPATCH: {
        IDispatch* dispatch = V_DISPATCH(&v);
        if (!dispatch) return {};
        dispatch->AddRef();
        return ComponentRef(std::make_shared<DispatchObject>(UniqueDispatch(dispatch)));
    }
    default: break;
    }
    // Other numbers and kinds: as a whole number when they are one, else as text.
    Variant converted;
    if (SUCCEEDED(VariantChangeType(&converted, &v, 0, VT_I4))) return static_cast<int32_t>(V_I4(&converted));
    if (SUCCEEDED(VariantChangeType(&converted, &v, 0, VT_BSTR))) return BstrText(V_BSTR(&converted));
    return {};
}

void ToVariant(const ComponentValue& value, VARIANT& v) {
    if (auto* text = std::get_if<std::string>(&value)) {
        std::wstring wide = Widen(*text);
        V_VT(&v) = VT_BSTR;
        V_BSTR(&v) = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    } else if (auto* number = std::get_if<int32_t>(&value)) {
        V_VT(&v) = VT_I4;
        V_I4(&v) = *number;
    } else if (auto* flag = std::get_if<bool>(&value)) {
        V_VT(&v) = VT_BOOL;
        V_BOOL(&v) = *flag ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (auto* picture = std::get_if<ComponentPicture>(&value)) {
        PICTDESC description{sizeof description, PICTYPE_ICON, {}};
        description.icon.hicon = picture->icon;
        IDispatch* dispatch = nullptr;
        if (picture->icon && SUCCEEDED(OleCreatePictureIndirect(&description, IID_IPictureDisp, FALSE,
                                                                reinterpret_cast<void**>(&dispatch)))) {
            V_VT(&v) = VT_DISPATCH;
            V_DISPATCH(&v) = dispatch;
        }
    } else if (auto* object = std::get_if<ComponentRef>(&value)) {
        // Only a real component can be handed to another; anything else goes as nothing.
        if (auto* dispatch = dynamic_cast<DispatchObject*>(object->get())) {
            V_VT(&v) = VT_DISPATCH;
            V_DISPATCH(&v) = dispatch->get();
            dispatch->get()->AddRef();
        }
    }
}

bool NotRegistered(HRESULT hr) { return hr == CO_E_CLASSSTRING || hr == REGDB_E_CLASSNOTREG || hr == REGDB_E_READREGDB; }

ComponentCreation CreateRegistered(const std::string& progId, const std::string& machine) {
    CLSID clsid{};
    HRESULT hr = CLSIDFromProgID(Widen(progId).c_str(), &clsid);
    if (FAILED(hr)) return {nullptr, HResultError(hr)};

    std::wstring host = Widen(machine);
    COSERVERINFO server{0, host.data(), nullptr, 0};
    MULTI_QI query{&IID_IDispatch, nullptr, S_OK};
    DWORD context = machine.empty() ? (CLSCTX_LOCAL_SERVER | CLSCTX_INPROC_SERVER) : CLSCTX_REMOTE_SERVER;
    hr = CoCreateInstanceEx(clsid, nullptr, context, machine.empty() ? nullptr : &server, 1, &query);
    UniqueDispatch dispatch(static_cast<IDispatch*>(query.pItf));
    if (FAILED(hr) || FAILED(query.hr)) return {nullptr, HResultError(FAILED(hr) ? hr : query.hr)};
    return {std::make_shared<DispatchObject>(std::move(dispatch)), {}};
}

}  // namespace

ComponentCreation ComComponents::Create(const std::string& progId, const std::string& machine) {
    ComponentCreation created = CreateRegistered(progId, machine);
    if (created.object || !NotRegistered(static_cast<HRESULT>(created.error.number))) return created;
    auto own = own_.find(progId);
    return own == own_.end() ? created : own->second(machine);
}

std::string ComponentText(const ComponentValue& value) {
    if (auto* text = std::get_if<std::string>(&value)) return *text;
    if (auto* number = std::get_if<int32_t>(&value)) return std::to_string(*number);
    if (auto* flag = std::get_if<bool>(&value)) return *flag ? "True" : "False";
    if (std::holds_alternative<ComponentRef>(value)) return "[object]";
    return {};
}
