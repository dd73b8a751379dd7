#pragma once

#include "ui/core/Colour.h"
#include "ui/foundation/Field.h"

namespace corvatto::ui {

// Values of MenuItem::state.
inline constexpr Field kItemPlain = 0;
inline constexpr Field kItemChecked = 4; // shows the built-in check mark instead of the icon
inline constexpr Field kItemDisabled = -1;

// Values of MenuItem::kind.
inline constexpr Field kCommandItem = 0;
inline constexpr Field kSeparatorItem = 1;
inline constexpr Field kSubmenuItem = 2;

inline constexpr Argb kDefaultItemTextColor = ToArgb(0x000000, 210);
inline constexpr Argb kDefaultItemHighlightColor = ToArgb(0xC68630, 230);

// One entry of a popup menu. The members are the record's fields 1 to 10, in that order.
struct MenuItem {
    ByteArray text; // UTF-16LE with its terminating zero; "&" marks the next character as the access key
    ByteArray icon; // an encoded image complete with its file signature; empty = no icon
    Field state = kItemPlain;
    Field kind = kCommandItem;
    Field postsCommand = 0; // 1: choosing sends WM_COMMAND with code to the owner; 0: code is a routine
    Field code = 0;         // command identifier, routine, or for a submenu item the submenu's MenuHandle
    Argb textColor = kDefaultItemTextColor;
    Field textEffect = 0; // halo behind the text: 0 none, 3 soft glow, 4 sharp outline
    Argb effectColor = 0;
    Argb highlightColor = kDefaultItemHighlightColor;
};

} // namespace corvatto::ui
