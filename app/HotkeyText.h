#pragma once

#include <cstdint>
#include <string>

namespace corvatto {

// A shortcut's hot key written as text, such as "CTRL+ALT+F" or "SHIFT+F9": modifiers (ALT, CTRL, SHIFT,
// EXT) joined by "+" before one key (a letter, a digit or F1 to F24). Case does not matter. Gives the
// link's hot-key word (key in the low byte, modifier flags in the high byte), or 0 for an empty or
// unreadable text.
std::uint16_t ParseHotkeyText(const std::wstring& text);

} // namespace corvatto
