#include "ui/Controls.h"

#include <commctrl.h>

#include "ui/FrameWindow.h"

namespace ui {
namespace {

struct WindowClassOf {
    const char* className;
    DWORD style;
    DWORD exStyle;
    DWORD typeMask;  // the bits that choose the type within the class
};

WindowClassOf ClassFor(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label: return {"STATIC", SS_LEFT, 0, SS_TYPEMASK};
    case ControlKind::TextBox: return {"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 0};
    case ControlKind::Button: return {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, BS_TYPEMASK};
    case ControlKind::CheckBox: return {"BUTTON", BS_CHECKBOX | WS_TABSTOP, 0, BS_TYPEMASK};
    case ControlKind::OptionButton: return {"BUTTON", BS_RADIOBUTTON | WS_TABSTOP, 0, BS_TYPEMASK};
    case ControlKind::Frame: return {FrameClassName(), 0, WS_EX_CONTROLPARENT, 0};
    case ControlKind::ComboBox:
        return {"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0, 0x3};
    case ControlKind::ProgressBar: return {PROGRESS_CLASSA, 0, 0, 0};
    case ControlKind::DatePicker: return {DATETIMEPICK_CLASSA, DTS_SHORTDATEFORMAT | WS_TABSTOP, 0, 0};
    case ControlKind::TimePicker: return {DATETIMEPICK_CLASSA, DTS_TIMEFORMAT | WS_TABSTOP, 0, 0};
    case ControlKind::ListView:
        return {WC_LISTVIEWA, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP, WS_EX_CLIENTEDGE, 0};
    case ControlKind::Picture: return {"STATIC", SS_ICON | SS_REALSIZEIMAGE, 0, SS_TYPEMASK};
    }
    return {"STATIC", 0, 0, 0};
}

DWORD MergeStyles(const WindowClassOf& wc, DWORD extra) {
    DWORD base = wc.style;
    if (wc.typeMask && (extra & wc.typeMask)) base &= ~wc.typeMask;
    return base | extra;
}

SYSTEMTIME ToSystemTime(const DateTime& t) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(t.year);
    st.wMonth = static_cast<WORD>(t.month);
    st.wDay = static_cast<WORD>(t.day);
    st.wHour = static_cast<WORD>(t.hour);
    st.wMinute = static_cast<WORD>(t.minute);
    st.wSecond = static_cast<WORD>(t.second);
    return st;
}

}  // namespace

void Control::Create(HWND parent, UINT id, const std::string& caption, const RECT& px, HFONT font,
                     DWORD extraStyle) {
    if (kind_ == ControlKind::Frame) RegisterFrameClass();
    WindowClassOf wc = ClassFor(kind_);
    // Siblings may overlap (frames over frames): each paints only what it shows.
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | MergeStyles(wc, extraStyle) | (visible_ ? WS_VISIBLE : 0) |
                  (enabled_ ? 0 : WS_DISABLED);
    id_ = id;
    hwnd_ = CreateWindowExA(wc.exStyle, wc.className, caption.c_str(), style, px.left, px.top,
                            px.right - px.left, px.bottom - px.top, parent,
                            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                            GetModuleHandleA(nullptr), nullptr);
    if (hwnd_ && font) SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (hwnd_) AfterCreate(caption);
}

void Control::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (hwnd_) EnableWindow(hwnd_, enabled);
}

void Control::SetVisible(bool visible) {
    visible_ = visible;
    if (hwnd_) ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

void Control::SetFocus() {
    if (hwnd_) ::SetFocus(hwnd_);
}

void Control::Move(const TwipsRect& r) {
    if (!hwnd_) return;
    RECT px = ToPixels(r, dpi_);
    MoveWindow(hwnd_, px.left, px.top, px.right - px.left, px.bottom - px.top, TRUE);
}

void Control::ZOrder() {
    if (hwnd_) SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

std::string TextControl::Text() const {
    if (!hwnd_) return text_;
    int length = GetWindowTextLengthA(hwnd_);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(hwnd_, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

void TextControl::SetText(const std::string& text) {
    text_ = text;
    if (hwnd_) SetWindowTextA(hwnd_, text.c_str());
}

void TextControl::Detach() {
    text_ = Text();
    hwnd_ = nullptr;
}

void TextControl::AfterCreate(const std::string& caption) {
    if (!text_.empty() || caption.empty()) SetWindowTextA(hwnd_, text_.c_str());
    else text_ = caption;
}

void TextBox::SetLocked(bool locked) {
    locked_ = locked;
    if (hwnd_) SendMessageA(hwnd_, EM_SETREADONLY, locked, 0);
}

void TextBox::SetMaxLength(int characters) {
    maxLength_ = characters;
    if (hwnd_) SendMessageA(hwnd_, EM_LIMITTEXT, static_cast<WPARAM>(characters), 0);
}

void TextBox::AfterCreate(const std::string& caption) {
    TextControl::AfterCreate(caption);
    if (locked_) SendMessageA(hwnd_, EM_SETREADONLY, TRUE, 0);
    if (maxLength_) SendMessageA(hwnd_, EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TextBox::OnCommand(WORD code) {
    if (code == EN_CHANGE && Change) Change();
    if (code == EN_SETFOCUS && GotFocus) GotFocus();
}

void Button::OnCommand(WORD code) {
    if (code == BN_CLICKED && Click) Click();
}

void Button::SetDefaultLook(bool isDefault) {
    if (hwnd_) SendMessageA(hwnd_, BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void Picture::SetIcon(HICON icon) {
    icon_ = icon;
    bitmap_ = nullptr;
    if (hwnd_) AfterCreate("");
}

void Picture::SetBitmap(HBITMAP bitmap) {
    bitmap_ = bitmap;
    icon_ = nullptr;
    if (hwnd_) AfterCreate("");
}

void Picture::AfterCreate(const std::string&) {
    LONG_PTR style = GetWindowLongPtrA(hwnd_, GWL_STYLE) & ~static_cast<LONG_PTR>(SS_TYPEMASK);
    SetWindowLongPtrA(hwnd_, GWL_STYLE, style | (bitmap_ ? SS_BITMAP : SS_ICON));
    if (bitmap_) SendMessageA(hwnd_, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap_));
    else SendMessageA(hwnd_, STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon_));
}

void CheckBox::SetValue(int value) {
    value = value ? 1 : 0;
    if (value == value_) return;
    value_ = value;
    if (hwnd_) SendMessageA(hwnd_, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
    if (Click) Click();
}

void CheckBox::OnCommand(WORD code) {
    if (code == BN_CLICKED) SetValue(value_ ? 0 : 1);
}

void CheckBox::AfterCreate(const std::string& caption) {
    TextControl::AfterCreate(caption);
    SendMessageA(hwnd_, BM_SETCHECK, value_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void OptionButton::SetValue(bool value) {
    if (value == value_) return;
    value_ = value;
    if (hwnd_) SendMessageA(hwnd_, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
    if (value) {
        for (OptionButton* other : group_)
            if (other != this) other->SetValue(false);
        MarkTabStop();
        if (Click) Click();
    }
}

void OptionButton::SetGroup(std::vector<OptionButton*> group) {
    group_ = std::move(group);
    MarkTabStop();
}

// Tab reaches a group at its chosen button (the first while none is chosen); the
// arrow keys move within it.
void OptionButton::MarkTabStop() {
    OptionButton* stop = nullptr;
    for (OptionButton* option : group_)
        if (option->value_) stop = option;
    if (!stop && !group_.empty()) stop = group_.front();
    for (OptionButton* option : group_) {
        if (!option->hwnd_) continue;
        LONG_PTR style = GetWindowLongPtrA(option->hwnd_, GWL_STYLE);
        style = option == stop ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
        SetWindowLongPtrA(option->hwnd_, GWL_STYLE, style);
    }
}

void OptionButton::OnCommand(WORD code) {
    if (code == BN_CLICKED) SetValue(true);
}

void OptionButton::Detach() {
    TextControl::Detach();
    group_.clear();  // the form makes the group again when it creates the window
}

void OptionButton::AfterCreate(const std::string& caption) {
    TextControl::AfterCreate(caption);
    SendMessageA(hwnd_, BM_SETCHECK, value_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void ComboBox::Clear() {
    items_.clear();
    listIndex_ = -1;
    if (hwnd_) SendMessageA(hwnd_, CB_RESETCONTENT, 0, 0);
}

void ComboBox::AddItem(const std::string& item) {
    items_.push_back(item);
    if (hwnd_) SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

int ComboBox::ListIndex() const {
    if (!hwnd_) return listIndex_;
    return static_cast<int>(SendMessageA(hwnd_, CB_GETCURSEL, 0, 0));
}

void ComboBox::SetListIndex(int index) {
    listIndex_ = (index >= 0 && index < ListCount()) ? index : -1;
    if (listIndex_ >= 0) text_ = items_[static_cast<size_t>(listIndex_)];
    if (hwnd_) SendMessageA(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(listIndex_), 0);
    if (Click) Click();
}

void ComboBox::OnCommand(WORD code) {
    if (code == CBN_SELCHANGE) {
        listIndex_ = ListIndex();
        if (Click) Click();
    }
    if (code == CBN_EDITCHANGE && Change) Change();
}

void ComboBox::AfterCreate(const std::string& caption) {
    for (const auto& item : items_)
        SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    if (listIndex_ >= 0) SendMessageA(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(listIndex_), 0);
    else TextControl::AfterCreate(caption);
}

void ProgressBar::SetValue(int value) {
    value_ = value;
    if (hwnd_) SendMessageA(hwnd_, PBM_SETPOS, static_cast<WPARAM>(value), 0);
}

void ProgressBar::SetRange(int minimum, int maximum) {
    min_ = minimum;
    max_ = maximum;
    if (hwnd_) SendMessageA(hwnd_, PBM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
}

void ProgressBar::AfterCreate(const std::string&) {
    SendMessageA(hwnd_, PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
    SendMessageA(hwnd_, PBM_SETPOS, static_cast<WPARAM>(value_), 0);
}

DateTime DateTimePicker::Value() const {
    if (!hwnd_) return value_;
    SYSTEMTIME st{};
    if (SendMessageA(hwnd_, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)) != GDT_VALID) return value_;
    return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, 0};
}

void DateTimePicker::SetValue(const DateTime& value) {
    value_ = value;
    if (hwnd_) {
        SYSTEMTIME st = ToSystemTime(value);
        SendMessageA(hwnd_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
    }
}

LRESULT DateTimePicker::OnNotify(NMHDR* header) {
    if (header->code == DTN_DATETIMECHANGE) {
        value_ = Value();
        if (Change) Change();
    }
    return 0;
}

void DateTimePicker::AfterCreate(const std::string&) {
    if (value_.year > 1900) SetValue(value_);
}

void ListView::AfterCreate(const std::string&) {
    ListView_SetExtendedListViewStyle(hwnd_, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
}

void ListView::SetColumns(const std::vector<std::string>& headings, const std::vector<int>& widthsTwips) {
    if (!hwnd_) return;
    while (columnCount_ > 0) ListView_DeleteColumn(hwnd_, --columnCount_);
    for (size_t i = 0; i < headings.size(); ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<char*>(headings[i].c_str());
        column.cx = i < widthsTwips.size() ? TwipsToPixelsX(widthsTwips[i], Dpi()) : 100;
        SendMessageA(hwnd_, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
        ++columnCount_;
    }
}

void ListView::SetRows(const std::vector<std::vector<std::string>>& rows) {
    if (!hwnd_) return;
    filling_ = true;
    SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(hwnd_);
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < rows[r].size() && static_cast<int>(c) < columnCount_; ++c) {
            LVITEMA item{};
            item.mask = LVIF_TEXT;
            item.iItem = static_cast<int>(r);
            item.iSubItem = static_cast<int>(c);
            item.pszText = const_cast<char*>(rows[r][c].c_str());
            SendMessageA(hwnd_, c == 0 ? LVM_INSERTITEMA : LVM_SETITEMTEXTA, c == 0 ? 0 : r,
                         reinterpret_cast<LPARAM>(&item));
        }
    }
    SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
    filling_ = false;
}

void ListView::SetVirtualRows(int count, std::function<std::string(int row, int col)> cell) {
    cell_ = std::move(cell);
    if (!hwnd_) return;
    filling_ = true;
    ListView_SetItemCountEx(hwnd_, count, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
    filling_ = false;
}

LRESULT ListView::CustomDraw(NMLVCUSTOMDRAW* draw) const {
    if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
        COLORREF color = RowTextColor(static_cast<int>(draw->nmcd.dwItemSpec));
        if (color != CLR_DEFAULT) draw->clrText = color;
    }
    return CDRF_DODEFAULT;
}

int ListView::SelectedIndex() const {
    if (!hwnd_) return -1;
    return ListView_GetNextItem(hwnd_, -1, LVNI_SELECTED);
}

void ListView::Select(int index) {
    if (!hwnd_) return;
    filling_ = true;
    ListView_SetItemState(hwnd_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (index >= 0) {
        ListView_SetItemState(hwnd_, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        ListView_EnsureVisible(hwnd_, index, FALSE);
    }
    filling_ = false;
}

LRESULT ListView::OnNotify(NMHDR* header) {
    switch (header->code) {
    case LVN_ITEMCHANGED: {
        auto* change = reinterpret_cast<NMLISTVIEW*>(header);
        bool nowSelected = (change->uNewState & LVIS_SELECTED) && !(change->uOldState & LVIS_SELECTED);
        if (nowSelected && !filling_ && SelectionChanged) SelectionChanged(change->iItem);
        break;
    }
    case NM_CLICK:
        if (LeftClick) LeftClick(reinterpret_cast<NMITEMACTIVATE*>(header)->iItem);
        break;
    case NM_RCLICK:
        if (RightClick) {
            POINT p;
            GetCursorPos(&p);
            RightClick(reinterpret_cast<NMITEMACTIVATE*>(header)->iItem, p);
        }
        break;
    case NM_DBLCLK:
        if (DoubleClick) DoubleClick(reinterpret_cast<NMITEMACTIVATE*>(header)->iItem);
        break;
    case NM_CUSTOMDRAW:
        return RowTextColor ? CustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(header)) : CDRF_DODEFAULT;
    case LVN_GETDISPINFOA: {
        LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(header)->item;
        if (cell_ && (item.mask & LVIF_TEXT) && item.cchTextMax > 0)
            lstrcpynA(item.pszText, cell_(item.iItem, item.iSubItem).c_str(), item.cchTextMax);
        break;
    }
    // Enter comes as NM_RETURN alone; its key-down notice is not used, or it would act twice.
    case NM_RETURN:
        if (EnterPressed) EnterPressed();
        break;
    case LVN_KEYDOWN:
        if (reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey == VK_DELETE && DeletePressed) DeletePressed();
        break;
    }
    return 0;
}

std::unique_ptr<Control> MakeControl(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label: return std::make_unique<Label>();
    case ControlKind::TextBox: return std::make_unique<TextBox>();
    case ControlKind::Button: return std::make_unique<Button>();
    case ControlKind::CheckBox: return std::make_unique<CheckBox>();
    case ControlKind::OptionButton: return std::make_unique<OptionButton>();
    case ControlKind::Frame: return std::make_unique<Frame>();
    case ControlKind::ComboBox: return std::make_unique<ComboBox>();
    case ControlKind::ProgressBar: return std::make_unique<ProgressBar>();
    case ControlKind::DatePicker:
    case ControlKind::TimePicker: return std::make_unique<DateTimePicker>(kind);
    case ControlKind::ListView: return std::make_unique<ListView>();
    case ControlKind::Picture: return std::make_unique<Picture>();
    }
    return nullptr;
}

}  // namespace ui
