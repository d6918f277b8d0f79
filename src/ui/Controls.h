#pragma once
// Thin wrappers over the standard controls. Each keeps the state the program reads
// and writes (text, value, list position) even before its window exists, so code that
// only reads and writes controls runs without a window; once created, the window is
// the truth. Setting a check box or option button from code runs its Click handler
// when the state changes, as a user's click does.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/DateTime.h"
#include "ui/Twips.h"

namespace ui {

enum class ControlKind { Label, TextBox, Button, CheckBox, OptionButton, Frame, ComboBox,
                         ProgressBar, DatePicker, TimePicker, ListView, Picture };

// What a button does for the dialog keys: Enter presses the default button, Escape
// the cancel button.
enum class Role { None, Default, Cancel };

// One row of a form's control table: the whole declaration of a control.
struct ControlSpec {
    const char* name;
    ControlKind kind;
    const char* container;  // nullptr: the form; otherwise the name of a frame
    const char* caption;
    int left, top, width, height;  // twips, relative to the container
    int tabIndex;
    // Window styles beyond the kind's own (ES_MULTILINE, ES_PASSWORD, CBS_DROPDOWNLIST,
    // SS_CENTER...). A style that names another type of the same window class (a
    // drop-down list instead of a drop-down, centred instead of left text) replaces it.
    DWORD style = 0;
    Role role = Role::None;
};

class Control {
public:
    explicit Control(ControlKind kind) : kind_(kind) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind Kind() const { return kind_; }
    HWND hwnd() const { return hwnd_; }
    UINT Id() const { return id_; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void SetFocus();
    // Within the container, in twips.
    void Move(const TwipsRect& r);
    // Brings the control above its overlapping siblings (a frame that covers others).
    void ZOrder();
    // The DPI the control is laid out at; the form sets it when the window moves
    // to a monitor of another DPI.
    int Dpi() const { return dpi_; }
    void SetDpi(int dpi) { dpi_ = dpi; }

    // Made by the form from its control table; extraStyle as in ControlSpec.
    void Create(HWND parent, UINT id, const std::string& caption, const RECT& pixels, HFONT font,
                DWORD extraStyle = 0);
    // The form's window is going: keep the state, forget the handle.
    virtual void Detach() { hwnd_ = nullptr; }
    // Routed by the form: WM_COMMAND notification codes and WM_NOTIFY.
    virtual void OnCommand(WORD code) {}
    virtual LRESULT OnNotify(NMHDR* header) { return 0; }

    // Background colour for text boxes and labels; CLR_INVALID keeps the system's.
    COLORREF BackColor() const { return backColor_; }
    void SetBackColor(COLORREF color) { backColor_ = color; }

protected:
    virtual void AfterCreate(const std::string& caption) {}

    HWND hwnd_ = nullptr;

private:
    ControlKind kind_;
    UINT id_ = 0;
    bool enabled_ = true;
    bool visible_ = true;
    COLORREF backColor_ = CLR_INVALID;
    int dpi_ = 0;
};

class TextControl : public Control {
public:
    using Control::Control;
    std::string Text() const;
    void SetText(const std::string& text);
    std::function<void()> Change;  // the user or the program changed the text

    void Detach() override;

protected:
    void AfterCreate(const std::string& caption) override;
    std::string text_;
};

class Label : public TextControl {
public:
    Label() : TextControl(ControlKind::Label) {}
};

class TextBox : public TextControl {
public:
    TextBox() : TextControl(ControlKind::TextBox) {}
    // A locked box shows its text and lets it be selected and copied, not typed over.
    void SetLocked(bool locked);
    // The most characters the user can type; 0: no limit of ours.
    void SetMaxLength(int characters);
    void OnCommand(WORD code) override;
    std::function<void()> GotFocus;

protected:
    void AfterCreate(const std::string& caption) override;

private:
    bool locked_ = false;
    int maxLength_ = 0;
};

class Button : public TextControl {
public:
    Button() : TextControl(ControlKind::Button) {}
    void OnCommand(WORD code) override;
    std::function<void()> Click;
    // Drawn with the heavy border of the button that Enter presses; the form sets it.
    void SetDefaultLook(bool isDefault);
};

// A container: the controls of its rows are its child windows, so they move, hide
// and show with it. A caption draws it as a group box; without one, an etched edge.
class Frame : public TextControl {
public:
    Frame() : TextControl(ControlKind::Frame) {}
};

// An icon or a bitmap. The handle is borrowed: its owner keeps it alive.
class Picture : public Control {
public:
    Picture() : Control(ControlKind::Picture) {}
    void SetIcon(HICON icon);
    void SetBitmap(HBITMAP bitmap);

protected:
    void AfterCreate(const std::string& caption) override;

private:
    HICON icon_ = nullptr;
    HBITMAP bitmap_ = nullptr;
};

// Value 0 (clear) or 1 (ticked).
class CheckBox : public TextControl {
public:
    CheckBox() : TextControl(ControlKind::CheckBox) {}
    int Value() const { return value_; }
    void SetValue(int value);
    void OnCommand(WORD code) override;
    std::function<void()> Click;

protected:
    void AfterCreate(const std::string& caption) override;

private:
    int value_ = 0;
};

// One of a group: choosing it clears the others of the same container (the form
// makes the group from its table).
class OptionButton : public TextControl {
public:
    OptionButton() : TextControl(ControlKind::OptionButton) {}
    bool Value() const { return value_; }
    void SetValue(bool value);
    void OnCommand(WORD code) override;
    std::function<void()> Click;
    void SetGroup(std::vector<OptionButton*> group);
    void Detach() override;

protected:
    void AfterCreate(const std::string& caption) override;

private:
    void MarkTabStop();

    bool value_ = false;
    std::vector<OptionButton*> group_;
};

class ComboBox : public TextControl {
public:
    ComboBox() : TextControl(ControlKind::ComboBox) {}
    void Clear();
    void AddItem(const std::string& item);
    int ListCount() const { return static_cast<int>(items_.size()); }
    const std::string& List(int index) const { return items_.at(static_cast<size_t>(index)); }
    int ListIndex() const;  // -1 when no item is chosen
    void SetListIndex(int index);
    void OnCommand(WORD code) override;
    std::function<void()> Click;

protected:
    void AfterCreate(const std::string& caption) override;

private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
};

class ProgressBar : public Control {
public:
    ProgressBar() : Control(ControlKind::ProgressBar) {}
    int Value() const { return value_; }
    void SetValue(int value);
    void SetRange(int minimum, int maximum);

protected:
    void AfterCreate(const std::string& caption) override;

private:
    int value_ = 0;
    int min_ = 0;
    int max_ = 100;
};

// A date picker (DatePicker) or a time picker (TimePicker).
class DateTimePicker : public Control {
public:
    explicit DateTimePicker(ControlKind kind) : Control(kind) {}
    DateTime Value() const;
    void SetValue(const DateTime& value);
    LRESULT OnNotify(NMHDR* header) override;
    std::function<void()> Change;

protected:
    void AfterCreate(const std::string& caption) override;

private:
    DateTime value_;
};

// A report-style list view: a heading row and rows of text cells.
class ListView : public Control {
public:
    ListView() : Control(ControlKind::ListView) {}
    void SetColumns(const std::vector<std::string>& headings, const std::vector<int>& widthsTwips);
    void SetRows(const std::vector<std::vector<std::string>>& rows);
    // A list made with LVS_OWNERDATA holds no texts: it asks Cell for those it shows,
    // so a long list fills at once.
    void SetVirtualRows(int count, std::function<std::string(int row, int col)> cell);
    int SelectedIndex() const;  // -1 when none
    void Select(int index);
    LRESULT OnNotify(NMHDR* header) override;

    // The text colour of a row, or CLR_DEFAULT.
    std::function<COLORREF(int index)> RowTextColor;
    std::function<void(int index)> SelectionChanged;
    std::function<void(int index)> LeftClick;   // index -1: not on a row
    std::function<void(int index, POINT screen)> RightClick;
    std::function<void(int index)> DoubleClick;
    std::function<void()> EnterPressed;   // on a chosen row
    std::function<void()> DeletePressed;

protected:
    void AfterCreate(const std::string& caption) override;

private:
    LRESULT CustomDraw(NMLVCUSTOMDRAW* draw) const;

    int columnCount_ = 0;
    bool filling_ = false;
    std::function<std::string(int row, int col)> cell_;
};

// A control of the given kind, for the rows that code never touches.
std::unique_ptr<Control> MakeControl(ControlKind kind);

}  // namespace ui
