#include "platform/Files.h"

#include "platform/UniqueResource.h"

namespace corvatto {

std::wstring RunDirectory()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring{} : path.substr(0, slash);
}

bool FileExists(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::wstring> ListFiles(const std::wstring& pattern)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW entry;
    UniqueFind find(FindFirstFileW(pattern.c_str(), &entry));
    if (!find)
        return names;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.emplace_back(entry.cFileName);
    } while (FindNextFileW(find.get(), &entry));
    return names;
}

} // namespace corvatto
