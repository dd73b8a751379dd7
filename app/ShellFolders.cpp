#include "app/ShellFolders.h"

#include "platform/Win32.h"

#include <shlobj.h>

namespace corvatto {
namespace {

std::wstring WithTrailingSlash(std::wstring path)
{
    if (!path.empty() && path.back() != L'\\')
        path += L'\\';
    return path;
}

std::wstring ShellFolder(int csidl)
{
    wchar_t path[MAX_PATH] = L"";
    if (!SHGetSpecialFolderPathW(nullptr, path, csidl, FALSE))
        return {};
    return WithTrailingSlash(path);
}

// Asks with a buffer that grows until the answer fits; 0 from the system means failure.
template <typename Query>
std::wstring GrowingQuery(Query query)
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        UINT length = query(path.data(), static_cast<UINT>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return WithTrailingSlash(path);
        }
        path.resize(length + 1);
    }
}

} // namespace

std::wstring SpecialFolderPath(int kind)
{
    switch (static_cast<SpecialFolder>(kind == 0 ? 3 : kind)) {
    case SpecialFolder::Documents:
        return ShellFolder(CSIDL_PERSONAL);
    case SpecialFolder::Favourites:
        return ShellFolder(CSIDL_FAVORITES);
    case SpecialFolder::Desktop:
        return ShellFolder(CSIDL_DESKTOPDIRECTORY);
    case SpecialFolder::Fonts:
        return ShellFolder(CSIDL_FONTS);
    case SpecialFolder::StartMenu:
        return ShellFolder(CSIDL_STARTMENU);
    case SpecialFolder::Programs:
        return ShellFolder(CSIDL_PROGRAMS);
    case SpecialFolder::StartUp:
        return ShellFolder(CSIDL_STARTUP);
    case SpecialFolder::ApplicationData:
        return ShellFolder(CSIDL_APPDATA);
    case SpecialFolder::Windows:
        return GrowingQuery([](wchar_t* buffer, UINT size) { return GetWindowsDirectoryW(buffer, size); });
    case SpecialFolder::System:
        return GrowingQuery([](wchar_t* buffer, UINT size) { return GetSystemDirectoryW(buffer, size); });
    case SpecialFolder::Temporary:
        return GrowingQuery(
            [](wchar_t* buffer, UINT size) { return static_cast<UINT>(GetTempPathW(size, buffer)); });
    case SpecialFolder::InternetCache:
        return ShellFolder(CSIDL_INTERNET_CACHE);
    }
    return {};
}

} // namespace corvatto
