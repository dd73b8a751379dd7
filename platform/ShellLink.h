#pragma once

#include <cstdint>
#include <string>

namespace corvatto {

// What a shortcut (.lnk) file says.
struct ShellLink {
    std::wstring target;
    std::wstring workingDirectory;
    std::wstring arguments;
    std::wstring description;
    std::wstring iconPath;
    int iconIndex = 0;
    int showCommand = 0;
    std::uint16_t hotkey = 0; // virtual key in the low byte, HOTKEYF_ modifiers in the high byte
};

// Writes the shortcut through the shell's link object, replacing a file of that name only once the new
// link is complete. False, with nothing written, when the shell refuses the target or the file.
bool SaveShellLink(const std::wstring& path, const ShellLink& link);

// Reads a shortcut file back; false when it cannot be loaded.
bool LoadShellLink(const std::wstring& path, ShellLink& link);

} // namespace corvatto
