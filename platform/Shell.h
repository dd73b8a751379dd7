#pragma once

#include "platform/Win32.h"

#include <string>

namespace corvatto {

// The system's folder browser with an edit box. Gives the chosen folder's full path, or an empty text
// when the user cancels or picks something that is not a file-system folder.
std::wstring BrowseForFolder(HWND owner, const std::wstring& title);

// Opens an address in the user's default browser; does not wait for it.
void OpenInBrowser(const std::wstring& address);

} // namespace corvatto
