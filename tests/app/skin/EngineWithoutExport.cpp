// A stand-in skin engine for tests that lacks the attach export.
#include "platform/Win32.h"

extern "C" __declspec(dllexport) int __stdcall SkinH_Detach()
{
    return 0;
}
