#pragma once
// A menu tree described by a table. The row names an item once: its command id comes
// from its place in the table, and code binds a handler to it by that name. Each item
// has Visible, Enabled and Checked; a hidden item leaves its HMENU and comes back at its
// own place when shown again.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/UniqueHandle.h"

namespace ui {

struct MenuSpec {
    const char* name;     // mnuFile, mnuNew, ...
    const char* parent;   // nullptr: an item of the menu bar
    const char* caption;  // "-" is a separator
};

class Menu;

class MenuItem {
public:
    const std::string& Name() const { return name_; }
    UINT Id() const { return id_; }
    std::string Caption() const { return caption_; }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

    // The submenu of an item that opens one (a top-level menu such as mnuFile).
    HMENU SubMenu() const { return subMenu_; }

private:
    friend class Menu;
    MenuItem(Menu& owner, const MenuSpec& spec, UINT id);
    void Insert();
    void Remove();
    HMENU ParentHandle() const;
    int PositionInParent() const;

    Menu& owner_;
    std::string name_;
    std::string parentName_;
    std::string caption_;
    UINT id_;
    HMENU subMenu_ = nullptr;
    bool separator_;
    bool visible_ = true;
    bool enabled_ = true;
    bool checked_ = false;
    std::function<void()> onClick_;
};

class Menu {
public:
    explicit Menu(const std::vector<MenuSpec>& table);
    ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    HMENU Bar() const { return bar_.get(); }
    MenuItem& Item(const std::string& name);
    // Binds the handler of an item's command; an unknown name throws.
    void On(const std::string& name, std::function<void()> handler);
    // Runs the handler of a command id; false when no item of this menu has a handler for it.
    bool Run(UINT id) const;
    // The window whose menu bar must be redrawn after a change of a top-level item.
    void SetOwnerWindow(HWND hwnd) { ownerWindow_ = hwnd; }

    // Opens a submenu as a context menu at a screen point; returns at once after the
    // choice has been posted to the owner window as WM_COMMAND (its form runs it). For
    // a control's notification, which must return before the command changes the control.
    void PopUp(const std::string& name, HWND owner, POINT screenPoint);
    // Opens a submenu at a screen point and runs the chosen item's handler before it
    // returns. `align` is a TPM_ alignment.
    void PopUpAndRun(const std::string& name, HWND owner, POINT screenPoint, UINT align);

private:
    friend class MenuItem;
    void Redraw() const;
    UINT Track(const std::string& name, HWND owner, POINT screenPoint, UINT flags);

    UniqueHMenu bar_;
    HWND ownerWindow_ = nullptr;
    std::vector<std::unique_ptr<MenuItem>> items_;  // table order
};

}  // namespace ui
