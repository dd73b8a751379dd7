// A stand-in skin engine for tests that refuses every skin.
#include "platform/Win32.h"

extern "C" __declspec(dllexport) int __stdcall SkinH_AttachRes(const void*, int, const char*, int, int, int)
{
    return 1;
}
