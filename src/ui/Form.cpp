#include "ui/Form.h"

#include <algorithm>
#include <set>
#include <stdexcept>

#include "ui/MessageLoop.h"

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

[[noreturn]] void Fail(const std::string& form, const std::string& what) {
    throw std::logic_error("form " + form + ": " + what);
}

}  // namespace

Form::Form(Options options, std::vector<ControlSpec> table, Menu* menu)
    : options_(std::move(options)), table_(std::move(table)), menu_(menu) {}

// Bound controls may be gone already (they are members of the derived form): the
// window goes without a word to them, and no handler runs during its destruction.
Form::~Form() {
    if (!hwnd()) return;
    SetMenu(hwnd(), nullptr);  // the menu belongs to its Menu object
    Destroy();
}

HICON Form::KeepIcon(HICON icon) {
    icons_.emplace_back(icon);
    return icon;
}

void Form::Bind(const std::string& name, Control& control) {
    if (!bound_.emplace(name, &control).second) Fail(options_.className, "\"" + name + "\" is bound twice");
}

// Every row with its control (bound or made here), after checking the table against
// the bindings.
std::vector<Form::Entry> Form::CheckedEntries() {
    const std::string form = options_.className;
    std::set<std::string> rows, frames;
    for (const auto& spec : table_) {
        if (!rows.insert(spec.name).second) Fail(form, std::string("two rows named \"") + spec.name + "\"");
        if (spec.kind == ControlKind::Frame) frames.insert(spec.name);
    }
    for (const auto& [name, control] : bound_)
        if (!rows.count(name)) Fail(form, "\"" + name + "\" is bound but has no row");

    owned_.clear();
    std::vector<Entry> entries;
    for (const auto& spec : table_) {
        if (spec.container && !frames.count(spec.container))
            Fail(form, std::string("\"") + spec.name + "\" is in \"" + spec.container + "\", which is no frame");
        if (spec.role != Role::None && spec.kind != ControlKind::Button)
            Fail(form, std::string("\"") + spec.name + "\" has a button's role but is no button");
        Control* control = nullptr;
        if (auto found = bound_.find(spec.name); found != bound_.end()) {
            control = found->second;
            if (control->Kind() != spec.kind) Fail(form, std::string("\"") + spec.name + "\" is bound to another kind");
        } else {
            owned_.push_back(MakeControl(spec.kind));
            control = owned_.back().get();
        }
        entries.push_back({&spec, control});
    }
    return entries;
}

bool Form::Create(HWND owner) {
    if (hwnd()) return true;
    std::vector<Entry> entries = CheckedEntries();
    RECT px{0, 0, TwipsToPixelsX(options_.widthTwips), TwipsToPixelsY(options_.heightTwips)};
    if (!CreateWindowOfClass(options_.className, options_.caption, options_.style, options_.exStyle, px, owner,
                             menu_ ? menu_->Bar() : nullptr, options_.icon))
        return false;
    if (menu_) menu_->SetOwnerWindow(hwnd());
    dpi_ = WindowDpi(hwnd());
    font_.reset(CreateMessageFont(dpi_));
    CreateControls(std::move(entries));
    Form_Load();
    return hwnd() != nullptr;
}

// Creation order is tab order, within the form and within each frame; a frame takes
// its place by the first tab index inside it, and comes before its own controls.
void Form::CreateControls(std::vector<Entry> entries) {
    std::map<std::string, int> firstTab;
    for (const auto& e : entries) firstTab[e.spec->name] = e.spec->tabIndex;
    for (bool changed = true; changed;) {
        changed = false;
        for (const auto& e : entries) {
            if (!e.spec->container) continue;
            int& frameTab = firstTab[e.spec->container];
            if (firstTab[e.spec->name] < frameTab) {
                frameTab = firstTab[e.spec->name];
                changed = true;
            }
        }
    }
    std::stable_sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
        int ta = firstTab[a.spec->name], tb = firstTab[b.spec->name];
        if (ta != tb) return ta < tb;
        return a.spec->kind == ControlKind::Frame && b.spec->kind != ControlKind::Frame;
    });

    std::map<std::string, HWND> frameWindows;
    std::map<HWND, ControlKind> lastKindIn;  // per parent: a new option group starts after anything else
    UINT id = kFirstControlId;
    defaultButton_ = cancelButton_ = nullptr;
    entries_.clear();
    byId_.clear();
    for (const Entry& e : entries) {
        HWND parent = e.spec->container ? frameWindows.at(e.spec->container) : hwnd();
        DWORD style = e.spec->style;
        auto last = lastKindIn.find(parent);
        bool continuesGroup = e.spec->kind == ControlKind::OptionButton && last != lastKindIn.end() &&
                              last->second == ControlKind::OptionButton;
        if (!continuesGroup) style |= WS_GROUP;
        lastKindIn[parent] = e.spec->kind;

        e.control->SetDpi(dpi_);
        TwipsRect r{e.spec->left, e.spec->top, e.spec->width, e.spec->height};
        e.control->Create(parent, id, e.spec->caption ? e.spec->caption : "", ToPixels(r, dpi_),
                          static_cast<HFONT>(font_.get()), style);
        if (!e.control->hwnd()) Fail(options_.className, std::string("Windows refused \"") + e.spec->name + "\"");
        byId_[id++] = e.control;
        entries_.push_back(e);
        if (e.spec->kind == ControlKind::Frame) frameWindows[e.spec->name] = e.control->hwnd();
        if (e.spec->role == Role::Default) SetDefaultButton(static_cast<Button&>(*e.control));
        if (e.spec->role == Role::Cancel) cancelButton_ = static_cast<Button*>(e.control);
    }
    GroupOptionButtons(entries_);
}

void Form::GroupOptionButtons(const std::vector<Entry>& created) {
    std::map<std::string, std::vector<OptionButton*>> groups;  // by container
    for (const auto& e : created)
        if (e.spec->kind == ControlKind::OptionButton)
            groups[e.spec->container ? e.spec->container : ""].push_back(static_cast<OptionButton*>(e.control));
    for (auto& [container, group] : groups)
        for (OptionButton* option : group) option->SetGroup(group);
}

std::vector<Control*> Form::ControlsInTabOrder() const {
    std::vector<Entry> sorted = entries_;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Entry& a, const Entry& b) { return a.spec->tabIndex < b.spec->tabIndex; });
    std::vector<Control*> controls;
    for (const Entry& e : sorted) controls.push_back(e.control);
    return controls;
}

bool Form::TabByIndex(bool backwards) {
    if (!options_.tabByIndex || !hwnd()) return false;
    std::vector<Control*> order = ControlsInTabOrder();
    if (backwards) std::reverse(order.begin(), order.end());
    HWND focus = GetFocus();
    // The focus is on a control, or inside one (a combo box's edit); frames only hold them.
    auto current = std::find_if(order.begin(), order.end(), [&](Control* c) {
        return c->hwnd() && (c->hwnd() == focus || (c->Kind() != ControlKind::Frame && IsChild(c->hwnd(), focus)));
    });
    size_t start = current == order.end() ? order.size() - 1 : static_cast<size_t>(current - order.begin());
    for (size_t step = 1; step <= order.size(); ++step) {
        HWND next = order[(start + step) % order.size()]->hwnd();
        if (next && IsWindowVisible(next) && IsWindowEnabled(next) && (GetWindowLongPtrA(next, GWL_STYLE) & WS_TABSTOP)) {
            SendMessageA(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
            return true;
        }
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

TwipsRect Form::ClientTwips() const {
    RECT client{};
    if (hwnd()) GetClientRect(hwnd(), &client);
    return {0, 0, PixelsToTwipsX(client.right, dpi_), PixelsToTwipsY(client.bottom, dpi_)};
}

void Form::CentreOnMonitorOf(HWND reference) {
    if (!hwnd()) return;
    HMONITOR monitor = reference ? MonitorFromWindow(reference, MONITOR_DEFAULTTONEAREST)
                                 : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(monitor, &info)) return;
    RECT window;
    GetWindowRect(hwnd(), &window);
    const RECT& work = info.rcWork;
    int width = window.right - window.left, height = window.bottom - window.top;
    SetWindowPos(hwnd(), nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::Show() {
    if (!Create()) return;
    ShowWindow(hwnd(), IsIconic(hwnd()) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(hwnd());
    // A dialog opens with the focus on its first control.
    if (options_.dialogKeys && !IsChild(hwnd(), GetFocus()))
        if (HWND first = GetNextDlgTabItem(hwnd(), nullptr, FALSE)) SetFocus(first);
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
    if (!hwnd()) {
        if (!Create(owner)) return;
        CentreOnMonitorOf(owner);
    }
    if (!hwnd()) return;  // Form_Load unloaded it
    bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled) EnableWindow(owner, FALSE);
    modal_ = modalLoop_ = true;
    Show();
    MSG msg{};
    bool quit = false;
    while (modal_ && hwnd()) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            quit = got == 0;
            break;
        }
        DispatchWithDialogKeys(msg);
    }
    modal_ = modalLoop_ = false;
    // Enabled before the modal window goes, or Windows activates another program.
    if (ownerWasEnabled) EnableWindow(owner, TRUE);
    DestroyWindowNow();
    if (quit) PostQuitMessage(static_cast<int>(msg.wParam));
}

void Form::Unload() {
    if (!hwnd()) return;
    if (modalLoop_) {
        modal_ = false;  // ShowModal destroys it once the owner is enabled, however often asked
        return;
    }
    DestroyWindowNow();
}

void Form::DestroyWindowNow() {
    if (!hwnd()) return;
    Form_Unload();
    if (!hwnd()) return;
    SetMenu(hwnd(), nullptr);
    for (auto& [name, control] : bound_) control->Detach();
    entries_.clear();
    byId_.clear();
    defaultButton_ = cancelButton_ = nullptr;
    savedFocus_ = nullptr;
    Destroy();
    owned_.clear();
}

void Form::RequestUnload(UnloadMode mode) {
    if (QueryUnload(mode)) return;
    Unload();
}

void Form::SetDefaultButton(Button& button) {
    if (defaultButton_ && defaultButton_ != &button) defaultButton_->SetDefaultLook(false);
    defaultButton_ = &button;
    button.SetDefaultLook(true);
}

// A button the user could press: shown (its frames too) and enabled.
bool Form::IsAvailable(const Button* button) {
    return button && button->hwnd() && IsWindowVisible(button->hwnd()) && IsWindowEnabled(button->hwnd());
}

void Form::PressIfAvailable(Button* button) {
    if (IsAvailable(button)) button->OnCommand(BN_CLICKED);
}

void Form::ChooseFocusedOption() {
    auto control = byId_.find(static_cast<UINT>(GetDlgCtrlID(GetFocus())));
    if (control == byId_.end() || control->second->Kind() != ControlKind::OptionButton) return;
    if (!IsChild(hwnd(), GetFocus())) return;
    static_cast<OptionButton*>(control->second)->SetValue(true);
}

void Form::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT id = LOWORD(wParam);
    if (auto control = byId_.find(id); control != byId_.end()) {
        control->second->OnCommand(HIWORD(wParam));
        return;
    }
    // The dialog keys arrive as IDOK and IDCANCEL when no control answers them. Escape
    // presses the cancel button; with none to press it closes the form as its close box does.
    if (id == IDCANCEL && options_.dialogKeys) {
        if (IsAvailable(cancelButton_))
            cancelButton_->OnCommand(BN_CLICKED);
        else
            RequestUnload(UnloadMode::ControlMenu);
        return;
    }
    if (id == IDOK && options_.dialogKeys) {
        PressIfAvailable(defaultButton_);
        return;
    }
    if (lParam == 0 && menu_) menu_->Run(id);  // a menu or an accelerator
}

// Moved to a monitor of another DPI: the same twips layout and font at the new DPI,
// in the window rectangle Windows suggests.
void Form::OnDpiChanged(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    font_.reset(CreateMessageFont(dpi_));
    for (const auto& e : entries_) {
        if (!e.control->hwnd()) continue;
        e.control->SetDpi(dpi_);
        e.control->Move({e.spec->left, e.spec->top, e.spec->width, e.spec->height});
        SendMessageA(e.control->hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
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
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        return 0;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        auto control = byId_.find(static_cast<UINT>(header->idFrom));
        return control != byId_.end() ? control->second->OnNotify(header) : 0;
    }
    case DM_GETDEFID:
        // A default button out of sight (in a hidden frame) does not answer Enter.
        return IsAvailable(defaultButton_) ? MAKELRESULT(defaultButton_->Id(), DC_HASDEFID) : 0;
    case DM_SETDEFID:
        for (const auto& e : entries_)
            if (e.control->Id() == wParam && e.spec->kind == ControlKind::Button)
                SetDefaultButton(static_cast<Button&>(*e.control));
        return TRUE;
    case WM_NEXTDLGCTL: {
        // Tab and Shift+Tab, as a dialog box moves them.
        HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                     : GetNextDlgTabItem(hwnd(), GetFocus(), wParam != 0);
        if (target) {
            SetFocus(target);
            if (SendMessageA(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageA(target, EM_SETSEL, 0, -1);
        }
        return 0;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {
        LRESULT brush = OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        return brush != -1 ? brush : Default(message, wParam, lParam);
    }
    case WM_ACTIVATE: {
        // A dialog gets back the control that had the focus when it was left.
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (options_.dialogKeys && IsChild(hwnd(), GetFocus())) savedFocus_ = GetFocus();
            return Default(message, wParam, lParam);
        }
        LRESULT result = Default(message, wParam, lParam);
        if (options_.dialogKeys && savedFocus_ && IsWindow(savedFocus_) && IsChild(hwnd(), savedFocus_))
            SetFocus(savedFocus_);
        Form_Activate();
        return result;
    }
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
