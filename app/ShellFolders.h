#pragma once

#include <string>

namespace corvatto {

enum class SpecialFolder {
    Documents = 1,
    Favourites = 2,
    Desktop = 3,
    Fonts = 4,
    StartMenu = 5,
    Programs = 6,
    StartUp = 7,
    ApplicationData = 8,
    Windows = 9,
    System = 10,
    Temporary = 11,
    InternetCache = 12,
};

// The folder's path ending in "\", or an empty text for an unknown kind or when the system cannot say.
// Kind 0 means the desktop.
std::wstring SpecialFolderPath(int kind = 0);

} // namespace corvatto
