#pragma once
// A menu tree described by a table. Each item has Visible, Enabled and Checked; a
// hidden item leaves its HMENU and comes back at its own place when shown again.
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
    UINT id;              // command id; 0 for menus that open a submenu
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
    MenuItem(Menu& owner, const MenuSpec& spec);
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
};

class Menu {
public:
    explicit Menu(const std::vector<MenuSpec>& table);
    ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    HMENU Bar() const { return bar_.get(); }
    MenuItem& Item(const std::string& name);
    // The window whose menu bar must be redrawn after a change of a top-level item.
    void SetOwnerWindow(HWND hwnd) { ownerWindow_ = hwnd; }

    // Opens a submenu as a context menu at a screen point; returns at once after the
    // choice has been posted to the owner window as WM_COMMAND.
    void PopUp(const std::string& name, HWND owner, POINT screenPoint);

private:
    friend class MenuItem;
    void Redraw() const;

    UniqueHMenu bar_;
    HWND ownerWindow_ = nullptr;
    std::vector<std::unique_ptr<MenuItem>> items_;  // table order
};

}  // namespace ui
