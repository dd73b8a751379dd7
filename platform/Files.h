#pragma once

#include <string>
#include <vector>

namespace corvatto {

// The folder of the running exe, without a trailing backslash.
std::wstring RunDirectory();

bool FileExists(const std::wstring& path);

// The names (no folder) of the files that match a wildcard pattern, in the order the system enumerates
// them; directories are skipped. A pattern that matches nothing gives an empty list.
std::vector<std::wstring> ListFiles(const std::wstring& pattern);

} // namespace corvatto
