#pragma once
// Menus: the main menu, the pop-up menu and their items. A menu item is a
// component (found by name like any control) that holds its sub-items. Items
// a menu creates at run time are owned by their parent item and freed when
// deleted; items that are a form's members are only detached.
//
// A click runs OnClick only on an enabled item. Opening a submenu counts as a
// click on its item, so its OnClick can prepare the entries before they show.
#include "ui/Component.h"
#include "ui/Events.h"

#include <memory>
#include <vector>

namespace orvane::ui {

class TMenu;

class TMenuItem : public Component {
public:
    TMenuItem(Component* owner, std::string name);
    ~TMenuItem() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    // A separator is an item captioned "-".
    bool IsLine() const { return caption_ == "-"; }
    bool Checked() const { return checked_; }
    // Checking a radio item unchecks the other radio items of its group
    // (same parent, same GroupIndex).
    void SetChecked(bool checked);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool radio);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int group) { groupIndex_ = group; }
    ShortCut GetShortCut() const { return shortCut_; }
    void SetShortCut(ShortCut shortCut);

    TMenuItem* Parent() const { return parent_; }
    int Count() const { return static_cast<int>(items_.size()); }
    // Raises EListError for a bad index.
    TMenuItem& Item(int index) const;
    int IndexOf(const TMenuItem& item) const;
    const std::vector<TMenuItem*>& Items() const { return items_; }

    // Appends or inserts an item that lives elsewhere (a form's member).
    void Add(TMenuItem& item) { Insert(Count(), item); }
    void Insert(int index, TMenuItem& item);
    // Appends or inserts an item this one will own; returns it.
    TMenuItem& Add(std::unique_ptr<TMenuItem> item);
    TMenuItem& Insert(int index, std::unique_ptr<TMenuItem> item);
    // Removes an item: freed when this one owns it, detached otherwise.
    void Delete(int index);
    void Remove(TMenuItem& item);
    void Clear();

    // Runs OnClick when the item is enabled.
    void Click();
    void UserClicked();

    NotifyEvent OnClick;

    // The menu at the root of this item's tree, or none.
    TMenu* Menu() const;

private:
    friend class TMenu;
    void Changed(Prop prop);
    void DetachChild(TMenuItem& item);

    std::string caption_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    bool radioItem_ = false;
    int groupIndex_ = 0;
    ShortCut shortCut_ = 0;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr; // set on a menu's root item only
    std::vector<TMenuItem*> items_;
    std::vector<std::unique_ptr<TMenuItem>> owned_;
};

class TMenu : public Component {
public:
    ~TMenu() override;
    TMenuItem& Items() { return root_; }
    const TMenuItem& Items() const { return root_; }
    // Finds an enabled item with this shortcut and clicks it, after clicking
    // each submenu it lies in, from the top; true when an item took the key.
    bool IsShortCut(ShortCut shortCut);

protected:
    TMenu(Component& owner, std::string name);

private:
    friend class TMenuItem;
    void ItemChanged(Prop prop, TMenuItem& item) { Notify(Change{prop, nullptr, nullptr, &item}); }
    TMenuItem root_{nullptr, ""};
};

class TMainMenu : public TMenu {
public:
    TMainMenu(Component& owner, std::string name) : TMenu(owner, std::move(name)) {}
};

class TPopupMenu : public TMenu {
public:
    TPopupMenu(Component& owner, std::string name) : TMenu(owner, std::move(name)) {}
    // Raises OnPopup, then shows the menu at a screen point.
    void Popup(Point at);
    // The user asked for the menu (right click, menu key).
    void UserPopup(Point at);
    NotifyEvent OnPopup;
};

// A copy of an item for another menu: named after it with "Copy" appended,
// with its caption, check mark, enabled state, radio flag and group, tag and
// click handler, and its shortcut when asked. Sub-items are not copied.
std::unique_ptr<TMenuItem> CopyMenuItem(const TMenuItem& source, Component* owner, bool withShortCut);

} // namespace orvane::ui
