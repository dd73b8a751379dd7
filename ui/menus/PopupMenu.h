#pragma once

#include "ui/core/Colour.h"
#include "ui/foundation/Field.h"
#include "ui/menus/MenuItem.h"

#include <memory>
#include <optional>
#include <vector>

namespace corvatto::ui {

// Slot numbers of the popup menu's operations. Slots 2 (ShowAsSubmenu) and 3 (Popup) belong to the
// menu window.
enum class PopupMenuSlot : int {
    ReleaseMembers = 0,
    Clone = 1,
    AddItem = 4,
    RemoveItem = 5,
    Clear = 6,
    ItemState = 7,
    ItemText = 8,
    ItemTextWide = 9,
    ItemIcon = 10,
    IsValidIndex = 11,
    SetWidth = 12,
    MenuHandle = 13,
    SetOnShow = 14,
    SetOnPaint = 15,
};

// The description of a menu: its items and three settings; it holds no window. Its fields are, in
// order: 1 items, 2 width, 3 onShow, 4 onPaint. Items are numbered from 1.
//
// The menu's handle is the address of the object itself, so the object never moves: it can be neither
// copied nor moved, and Clone makes a new object.
class PopupMenu {
public:
    PopupMenu() = default;
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    // The menu behind a handle; nullptr for 0.
    static PopupMenu* FromHandle(Field handle);

    // Slot 0: empties the menu and resets its settings to 0.
    void ReleaseMembers();
    // Slot 1: a deep copy with its own items and byte blocks.
    std::unique_ptr<PopupMenu> Clone() const;

    // Slot 4. The text is ANSI and is stored as UTF-16; every value is copied.
    void AddItem(const Text& text, const ByteArray& icon = {}, Field state = kItemPlain, Field kind = kCommandItem,
                 Field postsCommand = 0, Field code = 0, Argb textColor = kDefaultItemTextColor,
                 Field textEffect = 0, Argb effectColor = 0, Argb highlightColor = kDefaultItemHighlightColor);
    // Slot 5: false, and nothing changes, for an invalid index.
    bool RemoveItem(int index);
    // Slot 6.
    void Clear();

    // Slots 7 to 10 set the field when a new value is given and return the current value either way; an
    // invalid index changes nothing and yields 0 or an empty value.
    Field ItemState(int index, std::optional<Field> newState = std::nullopt);
    Text ItemText(int index, const std::optional<Text>& newText = std::nullopt);
    ByteArray ItemTextWide(int index, const std::optional<ByteArray>& newText = std::nullopt);
    ByteArray ItemIcon(int index, const std::optional<ByteArray>& newIcon = std::nullopt);

    // Slot 11: 1 <= index <= ItemCount().
    bool IsValidIndex(int index) const;

    // Slot 12. 0 = automatic width; the menu window raises 1 to 49 to 50.
    void SetWidth(Field width);
    // Slot 13: what a submenu item of another menu stores as its code.
    Field MenuHandle() const;
    // Slot 14: called as (menu window, 1 for a popup or 0 for a submenu) before the window is shown.
    void SetOnShow(Field routine);
    // Slot 15: paints the menu window's background as (window, graphics, width, height).
    void SetOnPaint(Field routine);

    // What the menu window reads when it shows the menu.
    const std::vector<MenuItem>& Items() const { return items_; }
    int ItemCount() const { return static_cast<int>(items_.size()); }
    Field Width() const { return width_; }
    Field OnShow() const { return onShow_; }
    Field OnPaint() const { return onPaint_; }

private:
    MenuItem* ItemAt(int index);

    std::vector<MenuItem> items_;
    Field width_ = 0;
    Field onShow_ = 0;
    Field onPaint_ = 0;
};

} // namespace corvatto::ui
