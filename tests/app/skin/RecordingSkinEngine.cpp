// A stand-in skin engine for tests: records every call, with the address it was loaded from, in a file
// next to itself ("<dll>.calls"), and accepts the skin.
#include "platform/Win32.h"

#include <cstdint>
#include <cstdio>
#include <cwchar>

namespace {

HMODULE self;

std::uint32_t Crc32(const unsigned char* data, int size)
{
    std::uint32_t crc = 0xFFFFFFFF;
    for (int i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        self = instance;
    return TRUE;
}

extern "C" __declspec(dllexport) int __stdcall SkinH_AttachRes(const void* skin, int size, const char* password,
                                                                int a, int b, int c)
{
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(self, path, MAX_PATH);
    wchar_t log[MAX_PATH + 8];
    std::swprintf(log, MAX_PATH + 8, L"%ls.calls", path);
    if (FILE* file = _wfopen(log, L"ab")) {
        std::uint32_t crc = skin && size > 0 ? Crc32(static_cast<const unsigned char*>(skin), size) : 0;
        std::fprintf(file, "size=%d crc=%08x password=%s a=%d b=%d c=%d path=%ls\n", size,
                     static_cast<unsigned>(crc), password ? password : "(null)", a, b, c, path);
        std::fclose(file);
    }
    return 0;
}
