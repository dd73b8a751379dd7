#include "app/SkinEngine.h"

#include "app/Application.h"
#include "app/ShellFolders.h"
#include "platform/Files.h"
#include "platform/Win32.h"

namespace corvatto {

extern const unsigned char kVoiceBarSkin[];
extern const std::size_t kVoiceBarSkinSize;

namespace {

constexpr wchar_t kEngineFile[] = L"SkinH_EL.dll";

using AttachRes = int(__stdcall*)(const void* skin, int size, const char* password, int a, int b, int c);

std::wstring Trimmed(const std::wstring& text)
{
    size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos)
        return {};
    return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

// A 32-bit engine built with the stdcall convention may export only its decorated names.
AttachRes FindAttachRes(HMODULE engine)
{
    const char* names[] = {
        "SkinH_AttachRes",
#if defined(__i386__)
        "SkinH_AttachRes@24",
        "_SkinH_AttachRes@24",
#endif
    };
    for (const char* name : names) {
        if (FARPROC address = GetProcAddress(engine, name))
            return reinterpret_cast<AttachRes>(reinterpret_cast<void*>(address));
    }
    return nullptr;
}

} // namespace

std::span<const std::uint8_t> VoiceBarSkin()
{
    return {kVoiceBarSkin, kVoiceBarSkinSize};
}

std::wstring SystemDirectoryWithSlash()
{
    return SpecialFolderPath(static_cast<int>(SpecialFolder::System));
}

std::wstring FindSkinEngine(const std::wstring& candidate, const std::wstring& runDirectory,
                            const std::wstring& systemDirectoryWithSlash)
{
    std::wstring path = Trimmed(candidate);
    if (!path.empty() && FileExists(path))
        return path;
    if (std::wstring inRunDirectory = runDirectory + L"\\" + kEngineFile; FileExists(inRunDirectory))
        path = inRunDirectory;
    if (std::wstring inSystem = systemDirectoryWithSlash + kEngineFile;
        !systemDirectoryWithSlash.empty() && FileExists(inSystem)) {
        path = inSystem;
    }
    return path;
}

void LocateSkinEngine(const std::wstring& candidate)
{
    App().skinEnginePath = FindSkinEngine(candidate, RunDirectory(), SystemDirectoryWithSlash());
}

int AttachSkin(std::span<const std::uint8_t> skin, const char* password, int a, int b, int c)
{
    const std::wstring& path = App().skinEnginePath;
    if (path.empty() || !FileExists(path))
        return 0;
    // Never freed: once attached, the engine works inside the program's windows until the process ends.
    HMODULE engine = LoadLibraryW(path.c_str());
    if (!engine)
        return 0;
    AttachRes attach = FindAttachRes(engine);
    if (!attach)
        return 0;
    return attach(skin.data(), static_cast<int>(skin.size()), password, a, b, c) == 0 ? 1 : 0;
}

void SkinVoiceBar()
{
    std::wstring inRunDirectory = RunDirectory() + L"\\" + kEngineFile;
    if (!FileExists(inRunDirectory))
        return;
    LocateSkinEngine(inRunDirectory);
    AttachSkin(VoiceBarSkin(), nullptr, 0, 0, 0);
}

} // namespace corvatto
