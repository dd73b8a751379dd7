#include "platform/Shell.h"

#include "platform/ComApartment.h"

#include <memory>
#include <shellapi.h>
#include <shlobj.h>

namespace corvatto {
namespace {

struct ItemListDeleter {
    void operator()(ITEMIDLIST* list) const { CoTaskMemFree(list); }
};

} // namespace

std::wstring BrowseForFolder(HWND owner, const std::wstring& title)
{
    ComApartment com;
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX;
    std::unique_ptr<ITEMIDLIST, ItemListDeleter> chosen(SHBrowseForFolderW(&info));
    if (!chosen)
        return {};
    // Long paths do not fit MAX_PATH; the extended call takes a larger buffer.
    std::wstring path(32768, L'\0');
    if (!SHGetPathFromIDListEx(chosen.get(), path.data(), static_cast<DWORD>(path.size()), GPFIDL_DEFAULT))
        return {};
    path.resize(wcslen(path.c_str()));
    return path;
}

void OpenInBrowser(const std::wstring& address)
{
    ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

} // namespace corvatto
