#include "app/DesktopShortcut.h"

#include "app/HotkeyText.h"
#include "app/ShellFolders.h"
#include "platform/Files.h"
#include "platform/ShellLink.h"
#include "platform/Win32.h"

#include <shlwapi.h>

#include <cwchar>
#include <cwctype>

namespace corvatto {
namespace {

constexpr wchar_t kLinkExtension[] = L".lnk";

bool EndsWithIgnoringCase(const std::wstring& text, const std::wstring& ending)
{
    return text.size() >= ending.size() &&
           _wcsicmp(text.c_str() + text.size() - ending.size(), ending.c_str()) == 0;
}

// The target's folder with a trailing "\"; nothing for a target that names no folder.
std::optional<std::wstring> WorkingDirectoryOf(const std::wstring& target)
{
    size_t slash = target.rfind(L'\\');
    if (slash == std::wstring::npos)
        return std::nullopt;
    return target.substr(0, slash + 1);
}

// "file" or "file,index".
void SplitIconLocation(const std::wstring& location, ShellLink& link)
{
    link.iconPath = location;
    link.iconIndex = 0;
    size_t comma = location.rfind(L',');
    if (comma == std::wstring::npos || comma + 1 == location.size())
        return;
    wchar_t* end = nullptr;
    long index = std::wcstol(location.c_str() + comma + 1, &end, 10);
    if (*end != L'\0')
        return;
    link.iconPath = location.substr(0, comma);
    link.iconIndex = static_cast<int>(index);
}

} // namespace

std::wstring FileNameOfPath(const std::wstring& path, bool withExtension)
{
    std::wstring name = PathFindFileNameW(path.c_str());
    if (!withExtension)
        name.erase(PathFindExtensionW(name.c_str()) - name.c_str());
    return name;
}

int CreateDesktopShortcut(std::wstring name, const std::wstring& target, const ShortcutOptions& options)
{
    if (name.find(L'\\') != std::wstring::npos)
        name = FileNameOfPath(name, false);
    std::optional<std::wstring> workingDirectory = WorkingDirectoryOf(target);
    std::wstring desktop = SpecialFolderPath(static_cast<int>(SpecialFolder::Desktop));
    if (name.empty() || !workingDirectory || desktop.empty())
        return 0;
    std::wstring path = desktop + name;
    if (!EndsWithIgnoringCase(name, kLinkExtension))
        path += kLinkExtension;

    ShellLink link;
    link.target = target;
    link.workingDirectory = *workingDirectory;
    if (options.iconLocation) {
        SplitIconLocation(*options.iconLocation, link);
    } else if (*PathFindExtensionW(target.c_str()) != L'\0') {
        link.iconPath = target;
    } else {
        link.iconPath = L"SHELL32.dll";
        link.iconIndex = 4;
    }
    link.showCommand = options.windowStyle;
    link.description = options.description;
    link.arguments = options.arguments;
    link.hotkey = ParseHotkeyText(options.hotkey);
    return SaveShellLink(path, link) ? 1 : 0;
}

void CreateProgramShortcut()
{
    std::wstring target = RunDirectory() + L"\\Quenlowe.exe";
    ShortcutOptions options;
    options.iconLocation = target;
    CreateDesktopShortcut(L"Quenlowe", target, options);
}

} // namespace corvatto
