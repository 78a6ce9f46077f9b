// The menus of a form: its main menu as the window's menu bar, and its pop-up
// menus, each kept in step with the model item by item.
#include "core/Text.h"
#include "ui/Menus.h"
#include "ui/win32/Win32Ui.h"
#include "ui/win32/WindowPeer.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace orvane::ui::win32 {
namespace {

class MenuPeer;

// Every menu handle a peer shows, so that an opening menu finds its peer.
std::map<HMENU, MenuPeer*>& OpenMenus() {
    static std::map<HMENU, MenuPeer*> menus;
    return menus;
}

// One menu of the model shown as a menu handle. Each item with sub-items is
// a submenu; hidden items are left out. Tools find a named item's command
// identifier in the form's window property "OrvaneMenu:<name>".
class MenuPeer : public ControlPeer {
public:
    MenuPeer(Win32Ui& ui, TMenu& menu, HWND form, bool bar)
        : ui_(ui), menu_(menu), form_(form), bar_(bar), root_(bar ? CreateMenu() : CreatePopupMenu()) {
        if (!root_) return;
        List(menu.Items(), root_);
        Fill(menu.Items(), root_);
    }

    ~MenuPeer() override {
        for (const auto& [name, item] : named_)
            if (IsWindow(form_)) RemovePropA(form_, ("OrvaneMenu:" + item->Name()).c_str());
        named_.clear();
        ForgetCommands(menu_.Items());
        for (const auto& [handle, owner] : owners_) OpenMenus().erase(handle);
        if (bar_ && IsWindow(form_) && GetMenu(form_) == root_) SetMenu(form_, nullptr);
        if (root_ && IsMenu(root_)) DestroyMenu(root_);
    }
    MenuPeer(const MenuPeer&) = delete;
    MenuPeer& operator=(const MenuPeer&) = delete;

    HMENU Handle() const { return root_; }

    void Changed(const Change& change) override {
        if (!root_ || !change.menuItem) return;
        TMenuItem& item = *change.menuItem;
        switch (change.prop) {
        case Prop::MenuItemAdded:
            Added(item);
            break;
        case Prop::MenuItemRemoving:
            Removing(item);
            break;
        case Prop::MenuItemChanged:
            ItemChanged(item);
            break;
        default:
            break;
        }
    }

    // The command the user picks arrives as WM_COMMAND at the form.
    void PopupAt(Point at) override {
        if (!root_ || !IsWindow(form_)) return;
        // The menu closes on a click elsewhere only while its owner is in front.
        if (GetForegroundWindow() != form_) SetForegroundWindow(form_);
        TrackPopupMenu(root_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, form_, nullptr);
        PostMessageA(form_, WM_NULL, 0, 0);
    }

    // Opening a submenu counts as a click on its item, whose OnClick may
    // prepare the entries before they show.
    void Opening(HMENU handle) {
        auto owner = owners_.find(handle);
        if (owner == owners_.end() || !owner->second->Parent()) return;
        TMenuItem* item = owner->second;
        HMENU outer = opening_;
        opening_ = handle;
        item->UserClicked();
        opening_ = outer;
        // The handler's changes reached the menu one by one; show the
        // submenu afresh all the same, unless the handler took it away.
        auto still = menus_.find(item);
        if (still != menus_.end() && still->second == handle) Refill(*item);
    }

private:
    void List(TMenuItem& owner, HMENU handle) {
        menus_[&owner] = handle;
        owners_[handle] = &owner;
        entries_[handle].clear();
        OpenMenus()[handle] = this;
    }

    // Adds the shown sub-items of owner to its (empty) menu.
    void Fill(TMenuItem& owner, HMENU handle) {
        for (TMenuItem* child : owner.Items())
            if (child->Visible()) Insert(handle, static_cast<int>(entries_[handle].size()), *child);
    }

    void Refill(TMenuItem& owner) {
        HMENU handle = menus_[&owner];
        for (TMenuItem* entry : std::vector<TMenuItem*>(entries_[handle])) Unlist(*entry);
        while (GetMenuItemCount(handle) > 0) DeleteMenu(handle, 0, MF_BYPOSITION);
        entries_[handle].clear();
        Fill(owner, handle);
        Redraw(handle);
    }

    void Describe(const TMenuItem& item, HMENU handle, MENUITEMINFOA& info, std::string& text) const {
        info = MENUITEMINFOA{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE;
        info.fState = (item.Checked() ? MFS_CHECKED : MFS_UNCHECKED) | (item.Enabled() ? MFS_ENABLED : MFS_GRAYED);
        if (item.IsLine()) {
            info.fType = MFT_SEPARATOR;
            return;
        }
        info.fType = MFT_STRING | (item.RadioItem() ? MFT_RADIOCHECK : 0);
        text = item.Caption();
        const std::string shortCut = ShortCutToText(item.GetShortCut());
        // A translated caption may carry its own shortcut text after a tab, in
        // the language's words; the key's English name would show twice.
        if (!shortCut.empty() && !(bar_ && handle == root_) && text.find('\t') == std::string::npos)
            text += "\t" + shortCut;
        info.fMask |= MIIM_STRING;
        info.dwTypeData = text.data();
        info.cch = static_cast<UINT>(text.size());
    }

    void Insert(HMENU handle, int position, TMenuItem& item) {
        std::string text;
        MENUITEMINFOA info;
        Describe(item, handle, info, text);
        info.fMask |= MIIM_ID;
        info.wID = ui_.CommandFor(item);
        if (item.Count() > 0) {
            HMENU sub = CreatePopupMenu();
            List(item, sub);
            Fill(item, sub);
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = sub;
        }
        InsertMenuItemA(handle, static_cast<UINT>(position), TRUE, &info);
        auto& entries = entries_[handle];
        entries.insert(entries.begin() + position, &item);
        if (!item.Name().empty()) {
            SetPropA(form_, ("OrvaneMenu:" + item.Name()).c_str(),
                     reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(info.wID)));
            named_[UpperCase(item.Name())] = &item;
        }
    }

    // Forgets an entry and its submenus (the caller deletes it from its menu,
    // which destroys the submenus).
    void Unlist(TMenuItem& item) {
        auto named = named_.find(UpperCase(item.Name()));
        if (named != named_.end() && named->second == &item) {
            RemovePropA(form_, ("OrvaneMenu:" + item.Name()).c_str());
            named_.erase(named);
        }
        UnlistSubmenu(item);
    }

    void UnlistSubmenu(TMenuItem& item) {
        auto sub = menus_.find(&item);
        if (sub == menus_.end()) return;
        HMENU handle = sub->second;
        for (TMenuItem* entry : std::vector<TMenuItem*>(entries_[handle])) Unlist(*entry);
        entries_.erase(handle);
        owners_.erase(handle);
        OpenMenus().erase(handle);
        menus_.erase(sub);
    }

    void Delete(HMENU handle, int position) {
        auto& entries = entries_[handle];
        Unlist(*entries[static_cast<std::size_t>(position)]);
        DeleteMenu(handle, static_cast<UINT>(position), MF_BYPOSITION);
        entries.erase(entries.begin() + position);
    }

    int PositionOf(HMENU handle, const TMenuItem& item) const {
        auto found = entries_.find(handle);
        if (found == entries_.end()) return -1;
        auto it = std::find(found->second.begin(), found->second.end(), &item);
        return it == found->second.end() ? -1 : static_cast<int>(it - found->second.begin());
    }

    // Where an item goes among the entries shown: after its shown elder siblings.
    int PlaceFor(HMENU handle, const TMenuItem& item) const {
        int position = 0;
        for (const TMenuItem* sibling : item.Parent()->Items()) {
            if (sibling == &item) break;
            if (PositionOf(handle, *sibling) >= 0) ++position;
        }
        return position;
    }

    // The menu showing an item (none when it lies in a hidden branch).
    HMENU MenuOf(const TMenuItem& item) const {
        if (!item.Parent()) return nullptr;
        auto found = menus_.find(item.Parent());
        return found == menus_.end() ? nullptr : found->second;
    }

    void Added(TMenuItem& item) {
        TMenuItem& parent = *item.Parent();
        if (auto shown = menus_.find(&parent); shown != menus_.end()) {
            if (item.Visible()) Insert(shown->second, PlaceFor(shown->second, item), item);
            Redraw(shown->second);
            return;
        }
        // The parent was a plain entry: it becomes a submenu.
        HMENU outer = MenuOf(parent);
        const int position = outer ? PositionOf(outer, parent) : -1;
        if (position < 0) return;
        HMENU sub = CreatePopupMenu();
        List(parent, sub);
        Fill(parent, sub);
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_SUBMENU;
        info.hSubMenu = sub;
        SetMenuItemInfoA(outer, static_cast<UINT>(position), TRUE, &info);
        Redraw(outer);
    }

    void Removing(TMenuItem& item) {
        if (HMENU handle = MenuOf(item)) {
            const int position = PositionOf(handle, item);
            if (position >= 0) Delete(handle, position);
            TMenuItem& parent = *item.Parent();
            // A submenu losing its last item becomes a plain entry again,
            // unless it is opening: its handler may be filling it afresh.
            if (parent.Count() == 1 && parent.Parent() && handle != opening_) {
                HMENU outer = MenuOf(parent);
                const int at = outer ? PositionOf(outer, parent) : -1;
                if (at >= 0) {
                    UnlistSubmenu(parent);
                    MENUITEMINFOA info{};
                    info.cbSize = sizeof(info);
                    info.fMask = MIIM_SUBMENU;
                    info.hSubMenu = nullptr;
                    SetMenuItemInfoA(outer, static_cast<UINT>(at), TRUE, &info);
                    DestroyMenu(handle);
                    handle = outer;
                }
            }
            Redraw(handle);
        }
        ForgetCommands(item);
        ui_.ForgetCommand(item);
    }

    void ItemChanged(TMenuItem& item) {
        HMENU handle = MenuOf(item);
        if (!handle) return;
        const int position = PositionOf(handle, item);
        if (item.Visible() && position < 0) {
            Insert(handle, PlaceFor(handle, item), item);
        } else if (!item.Visible() && position >= 0) {
            Delete(handle, position);
        } else if (position >= 0) {
            MENUITEMINFOA now{};
            now.cbSize = sizeof(now);
            now.fMask = MIIM_FTYPE;
            GetMenuItemInfoA(handle, static_cast<UINT>(position), TRUE, &now);
            if (((now.fType & MFT_SEPARATOR) != 0) != item.IsLine()) {
                // Between a line and a text: a new entry.
                Delete(handle, position);
                Insert(handle, position, item);
            } else {
                std::string text;
                MENUITEMINFOA info;
                Describe(item, handle, info, text);
                SetMenuItemInfoA(handle, static_cast<UINT>(position), TRUE, &info);
            }
        }
        Redraw(handle);
    }

    void ForgetCommands(TMenuItem& parent) {
        for (TMenuItem* child : parent.Items()) {
            ForgetCommands(*child);
            ui_.ForgetCommand(*child);
        }
    }

    void Redraw(HMENU handle) {
        if (bar_ && handle == root_ && IsWindow(form_)) DrawMenuBar(form_);
    }

    Win32Ui& ui_;
    TMenu& menu_;
    HWND form_;
    bool bar_;
    HMENU root_;
    HMENU opening_ = nullptr;
    std::map<const TMenuItem*, HMENU> menus_;            // the menu listing each item's sub-items
    std::map<HMENU, TMenuItem*> owners_;                 // and the other way round
    std::map<HMENU, std::vector<TMenuItem*>> entries_;   // the items each menu shows, in order
    std::map<std::string, TMenuItem*> named_;            // window properties set, by lower-case name
};

} // namespace

void MakeMenuPeers(Win32Ui& ui, TForm& form) {
    auto* formPeer = dynamic_cast<WindowPeer*>(form.Peer());
    HWND window = formPeer ? formPeer->Handle() : nullptr;
    if (!window) return;
    if (TMainMenu* main = form.Menu()) {
        main->SetPeer(nullptr);
        auto peer = std::make_unique<MenuPeer>(ui, *main, window, true);
        SetMenu(window, peer->Handle());
        main->SetPeer(std::move(peer));
        // The bar takes room from the window: the client area keeps the form's size.
        formPeer->Changed(Change{Prop::Bounds});
    }
    for (Component* component : form.Components())
        if (auto* popup = dynamic_cast<TPopupMenu*>(component)) {
            popup->SetPeer(nullptr);
            popup->SetPeer(std::make_unique<MenuPeer>(ui, *popup, window, false));
        }
}

void MenuOpening(HMENU menu) {
    auto found = OpenMenus().find(menu);
    if (found != OpenMenus().end()) found->second->Opening(menu);
}

} // namespace orvane::ui::win32
