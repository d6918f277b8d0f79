#include "ui/Menu.h"

#include <stdexcept>
#include <utility>

namespace ui {
namespace {

// Below the forms' control ids and above IDOK and IDCANCEL.
constexpr UINT kFirstCommandId = 100;

}  // namespace

MenuItem::MenuItem(Menu& owner, const MenuSpec& spec, UINT id)
    : owner_(owner),
      name_(spec.name),
      parentName_(spec.parent ? spec.parent : ""),
      caption_(spec.caption),
      id_(id),
      separator_(caption_ == "-") {}

HMENU MenuItem::ParentHandle() const {
    return parentName_.empty() ? owner_.Bar() : owner_.Item(parentName_).SubMenu();
}

// The place among the siblings that are visible now, in table order.
int MenuItem::PositionInParent() const {
    int position = 0;
    for (const auto& item : owner_.items_) {
        if (item.get() == this) break;
        if (item->parentName_ == parentName_ && item->visible_) ++position;
    }
    return position;
}

void MenuItem::Insert() {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    if (separator_) {
        info.fMask = MIIM_FTYPE;
        info.fType = MFT_SEPARATOR;
    } else {
        info.fMask = MIIM_STRING | MIIM_ID | MIIM_STATE | (subMenu_ ? MIIM_SUBMENU : 0);
        info.dwTypeData = const_cast<char*>(caption_.c_str());
        info.wID = id_;
        info.hSubMenu = subMenu_;
        info.fState = (enabled_ ? MFS_ENABLED : MFS_DISABLED) | (checked_ ? MFS_CHECKED : MFS_UNCHECKED);
    }
    InsertMenuItemA(ParentHandle(), static_cast<UINT>(PositionInParent()), TRUE, &info);
}

void MenuItem::Remove() {
    // RemoveMenu keeps a submenu alive, so a hidden menu comes back whole.
    RemoveMenu(ParentHandle(), static_cast<UINT>(PositionInParent()), MF_BYPOSITION);
}

void MenuItem::SetVisible(bool visible) {
    if (visible == visible_) return;
    if (visible) {
        visible_ = true;
        Insert();
    } else {
        Remove();
        visible_ = false;
    }
    owner_.Redraw();
}

void MenuItem::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (visible_) {
        EnableMenuItem(ParentHandle(), static_cast<UINT>(PositionInParent()),
                       MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
        owner_.Redraw();
    }
}

void MenuItem::SetChecked(bool checked) {
    checked_ = checked;
    if (visible_)
        CheckMenuItem(ParentHandle(), static_cast<UINT>(PositionInParent()),
                      MF_BYPOSITION | (checked ? MF_CHECKED : MF_UNCHECKED));
}

Menu::Menu(const std::vector<MenuSpec>& table) : bar_(CreateMenu()) {
    UINT id = kFirstCommandId;
    for (const auto& spec : table) items_.push_back(std::unique_ptr<MenuItem>(new MenuItem(*this, spec, id++)));
    // Items that have children open a submenu.
    for (auto& item : items_) {
        for (const auto& child : items_) {
            if (child->parentName_ == item->name_) {
                item->subMenu_ = CreatePopupMenu();
                break;
            }
        }
    }
    for (auto& item : items_) item->Insert();
}

Menu::~Menu() {
    // Submenus of hidden items are no longer reached from the bar.
    for (auto& item : items_)
        if (!item->visible_ && item->subMenu_) DestroyMenu(item->subMenu_);
}

MenuItem& Menu::Item(const std::string& name) {
    for (auto& item : items_)
        if (item->name_ == name) return *item;
    throw std::out_of_range("no menu item " + name);
}

void Menu::On(const std::string& name, std::function<void()> handler) { Item(name).onClick_ = std::move(handler); }

bool Menu::Run(UINT id) const {
    for (const auto& item : items_) {
        if (item->id_ != id || !item->onClick_) continue;
        item->onClick_();
        return true;
    }
    return false;
}

UINT Menu::Track(const std::string& name, HWND owner, POINT screenPoint, UINT flags) {
    HMENU sub = Item(name).SubMenu();
    if (!sub) return 0;
    // Without this a context menu opened from a background window does not close
    // when the user clicks elsewhere.
    SetForegroundWindow(owner);
    UINT chosen = static_cast<UINT>(
        TrackPopupMenuEx(sub, flags | TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, owner, nullptr));
    PostMessageA(owner, WM_NULL, 0, 0);
    return chosen;
}

void Menu::PopUp(const std::string& name, HWND owner, POINT screenPoint) {
    Track(name, owner, screenPoint, TPM_LEFTALIGN);
}

void Menu::PopUpAndRun(const std::string& name, HWND owner, POINT screenPoint, UINT align) {
    Run(Track(name, owner, screenPoint, align | TPM_RETURNCMD | TPM_NONOTIFY));
}

void Menu::Redraw() const {
    if (ownerWindow_) DrawMenuBar(ownerWindow_);
}

}  // namespace ui
