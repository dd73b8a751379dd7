#include "platform/ShellLink.h"

#include "platform/ComApartment.h"
#include "platform/Win32.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

namespace corvatto {
namespace {

// Owns one COM interface pointer.
template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr()
    {
        if (pointer_)
            pointer_->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    Interface* operator->() const { return pointer_; }
    Interface** put() { return &pointer_; }
    void** put_void() { return reinterpret_cast<void**>(&pointer_); }
    explicit operator bool() const { return pointer_ != nullptr; }

private:
    Interface* pointer_ = nullptr;
};

bool CreateLinkObject(ComPtr<IShellLinkW>& link, ComPtr<IPersistFile>& file)
{
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.put_void())))
        return false;
    return SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.put_void()));
}

} // namespace

bool SaveShellLink(const std::wstring& path, const ShellLink& properties)
{
    ComApartment com;
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> file;
    if (!CreateLinkObject(link, file))
        return false;
    if (FAILED(link->SetPath(properties.target.c_str())))
        return false;
    // The remaining properties are best effort: a shortcut that starts its target is still worth saving.
    link->SetWorkingDirectory(properties.workingDirectory.c_str());
    link->SetIconLocation(properties.iconPath.c_str(), properties.iconIndex);
    link->SetShowCmd(properties.showCommand);
    link->SetDescription(properties.description.c_str());
    link->SetArguments(properties.arguments.c_str());
    link->SetHotkey(properties.hotkey);
    return SUCCEEDED(file->Save(path.c_str(), TRUE));
}

bool LoadShellLink(const std::wstring& path, ShellLink& properties)
{
    ComApartment com;
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> file;
    if (!CreateLinkObject(link, file) || FAILED(file->Load(path.c_str(), STGM_READ)))
        return false;
    wchar_t text[INFOTIPSIZE] = L"";
    auto read = [&](auto getter) {
        text[0] = L'\0';
        getter();
        return std::wstring(text);
    };
    properties.target = read([&] { link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH); });
    properties.workingDirectory = read([&] { link->GetWorkingDirectory(text, INFOTIPSIZE); });
    properties.arguments = read([&] { link->GetArguments(text, INFOTIPSIZE); });
    properties.description = read([&] { link->GetDescription(text, INFOTIPSIZE); });
    properties.iconPath = read([&] { link->GetIconLocation(text, INFOTIPSIZE, &properties.iconIndex); });
    link->GetShowCmd(&properties.showCommand);
    WORD hotkey = 0;
    link->GetHotkey(&hotkey);
    properties.hotkey = hotkey;
    return true;
}

} // namespace corvatto
