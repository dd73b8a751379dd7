#pragma once

#include <optional>
#include <string>

namespace corvatto {

struct ShortcutOptions {
    std::wstring arguments;
    std::optional<std::wstring> iconLocation; // a file, optionally followed by "," and an icon index
    int windowStyle = 0;
    std::wstring description;
    std::wstring hotkey; // as text, e.g. "CTRL+ALT+Q"
};

// Puts a shortcut named `name` (cut to its file name without extension when it holds a "\") on the
// desktop, starting `target`. Gives 1 only when the shortcut was saved; a failed call leaves an existing
// shortcut of that name as it was.
int CreateDesktopShortcut(std::wstring name, const std::wstring& target, const ShortcutOptions& options = {});

// The part of a path after its last "\", without its extension unless asked for.
std::wstring FileNameOfPath(const std::wstring& path, bool withExtension);

// The main window's shortcut button: a shortcut named "Quenlowe" to Quenlowe.exe in the run directory.
void CreateProgramShortcut();

} // namespace corvatto
