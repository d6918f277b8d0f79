#include "ui/Form.h"

#include <algorithm>

namespace ui {
namespace {

constexpr UINT kFirstControlId = 1000;

// The system's message font, at the given DPI.
HFONT CreateMessageFont(int dpi) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return nullptr;
    // The metrics come at the screen's DPI.
    metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, TwipsToPixelsY(1440));
    return CreateFontIndirectA(&metrics.lfMessageFont);
}

}  // namespace

TwipsRect Form::PlacementOf(const ControlSpec& spec) const {
    TwipsRect r{spec.left, spec.top, spec.width, spec.height};
    // Positions inside a frame are relative to the frame.
    for (const auto& container : table_) {
        if (spec.container && std::string(container.name) == spec.container) {
            r.left += container.left;
            r.top += container.top;
        }
    }
    return r;
}

// Derived forms call Unload() in their own destructor, while their controls and
// menu still exist; this is the last guard.
Form::~Form() {
    if (!hwnd()) return;
    SetMenu(hwnd(), nullptr);
    Destroy();
}

void Form::Bind(const std::string& name, Control& control) { bound_[name] = &control; }

void Form::OnMenu(const std::string& itemName, std::function<void()> handler) {
    if (menu_) menuHandlers_[menu_->Item(itemName).Id()] = std::move(handler);
}

bool Form::CreateForm(const Options& options, const std::vector<ControlSpec>& controls, Menu* menu,
                      HWND owner) {
    menu_ = menu;
    RECT px{CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};
    px.right = px.left + TwipsToPixelsX(options.widthTwips);
    px.bottom = px.top + TwipsToPixelsY(options.heightTwips);
    if (!CreateWindowOfClass(options.className, options.caption, options.style, options.exStyle,
                             RECT{0, 0, px.right - px.left, px.bottom - px.top}, owner,
                             menu ? menu->Bar() : nullptr, options.icon))
        return false;
    if (menu) menu->SetOwnerWindow(hwnd());
    dpi_ = WindowDpi(hwnd());
    font_.reset(CreateMessageFont(dpi_));
    table_ = controls;

    // Creation order is tab order.
    std::vector<const ControlSpec*> ordered;
    for (const auto& spec : table_) ordered.push_back(&spec);
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const ControlSpec* a, const ControlSpec* b) { return a->tabIndex < b->tabIndex; });
    UINT id = kFirstControlId;
    for (const ControlSpec* spec : ordered) {
        auto found = bound_.find(spec->name);
        if (found == bound_.end()) continue;
        found->second->SetDpi(dpi_);
        found->second->Create(hwnd(), id, spec->caption ? spec->caption : "", ToPixels(PlacementOf(*spec), dpi_),
                              static_cast<HFONT>(font_.get()));
        byId_[id++] = found->second;
    }
    return true;
}

std::string Form::Caption() const {
    char text[512] = "";
    if (hwnd()) GetWindowTextA(hwnd(), text, sizeof text);
    return text;
}

void Form::SetCaption(const std::string& caption) {
    if (hwnd()) SetWindowTextA(hwnd(), caption.c_str());
}

TwipsRect Form::Bounds() const {
    RECT r{};
    if (hwnd()) GetWindowRect(hwnd(), &r);
    return {PixelsToTwipsX(r.left, dpi_), PixelsToTwipsY(r.top, dpi_), PixelsToTwipsX(r.right - r.left, dpi_),
            PixelsToTwipsY(r.bottom - r.top, dpi_)};
}

void Form::SetBounds(const TwipsRect& t) {
    if (!hwnd()) return;
    RECT px = ToPixels(t, dpi_);
    SetWindowPos(hwnd(), nullptr, px.left, px.top, px.right - px.left, px.bottom - px.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetSize(int widthTwips, int heightTwips) {
    if (!hwnd()) return;
    SetWindowPos(hwnd(), nullptr, 0, 0, TwipsToPixelsX(widthTwips, dpi_), TwipsToPixelsY(heightTwips, dpi_),
                 SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
}

void Form::Show() {
    if (!hwnd()) return;
    ShowWindow(hwnd(), IsIconic(hwnd()) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(hwnd());
}

void Form::Hide() {
    if (hwnd()) ShowWindow(hwnd(), SW_HIDE);
}

bool Form::Minimized() const { return hwnd() && IsIconic(hwnd()); }
bool Form::IsVisible() const { return hwnd() && IsWindowVisible(hwnd()); }
void Form::Minimize() {
    if (hwnd()) ShowWindow(hwnd(), SW_MINIMIZE);
}
void Form::Restore() {
    if (hwnd()) ShowWindow(hwnd(), SW_RESTORE);
}

void Form::ShowModal(HWND owner) {
    if (!hwnd()) return;
    bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled) EnableWindow(owner, FALSE);
    modal_ = true;
    Show();
    MSG msg;
    bool quit = false;
    while (modal_ && hwnd()) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            quit = got == 0;
            break;
        }
        if (!hwnd() || !IsDialogMessageA(hwnd(), &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    modal_ = false;
    if (ownerWasEnabled) {
        EnableWindow(owner, TRUE);
        SetActiveWindow(owner);
    }
    if (quit) PostQuitMessage(static_cast<int>(msg.wParam));
}

void Form::Unload() {
    modal_ = false;
    if (!hwnd()) return;
    SetMenu(hwnd(), nullptr);  // the menu belongs to its Menu object
    for (auto& [name, control] : bound_) control->Detach();
    Destroy();
}

void Form::RequestUnload(UnloadMode mode) {
    if (QueryUnload(mode)) return;
    Form_Unload();
    Unload();
}

// Moved to a monitor of another DPI: the same twips layout and font at the new DPI,
// in the window rectangle Windows suggests.
void Form::OnDpiChanged(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    font_.reset(CreateMessageFont(dpi_));
    for (const auto& spec : table_) {
        auto found = bound_.find(spec.name);
        if (found == bound_.end() || !found->second->hwnd()) continue;
        found->second->SetDpi(dpi_);
        found->second->Move(PlacementOf(spec));
        SendMessageA(found->second->hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
    }
    SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    Form_DpiChanged();
}

HBRUSH Form::BrushFor(COLORREF color) {
    auto& brush = brushes_[color];
    if (!brush) brush.reset(CreateSolidBrush(color));
    return static_cast<HBRUSH>(brush.get());
}

LRESULT Form::OnControlColor(HDC dc, HWND controlWindow) {
    auto it = byId_.find(static_cast<UINT>(GetDlgCtrlID(controlWindow)));
    if (it == byId_.end() || it->second->BackColor() == CLR_INVALID) return -1;
    SetBkColor(dc, it->second->BackColor());
    return reinterpret_cast<LRESULT>(BrushFor(it->second->BackColor()));
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        UINT id = LOWORD(wParam);
        if (lParam == 0) {  // a menu or an accelerator
            auto handler = menuHandlers_.find(id);
            if (handler != menuHandlers_.end() && handler->second) handler->second();
            return 0;
        }
        auto control = byId_.find(id);
        if (control != byId_.end()) control->second->OnCommand(HIWORD(wParam));
        return 0;
    }
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        auto control = byId_.find(static_cast<UINT>(header->idFrom));
        return control != byId_.end() ? control->second->OnNotify(header) : 0;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {
        LRESULT brush = OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        return brush != -1 ? brush : Default(message, wParam, lParam);
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) Form_Activate();
        return Default(message, wParam, lParam);
    case WM_SIZE:
        Form_Resize();
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) {
            RequestUnload(UnloadMode::ControlMenu);
            return 0;
        }
        return Default(message, wParam, lParam);
    case WM_CLOSE:
        RequestUnload(UnloadMode::Code);
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        if (wParam) RequestUnload(UnloadMode::AppWindows);
        return 0;
    }
    return Default(message, wParam, lParam);
}

}  // namespace ui
