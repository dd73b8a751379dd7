#include "ui/foundation/FrameworkClass.h"

#include "ui/foundation/FrameworkGlobals.h"
#include "ui/foundation/WideText.h"

namespace corvatto::ui {
namespace {

constexpr WORD kModuleIconResource = 129;

LRESULT CALLBACK LeaveToDefault(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    return DefWindowProcW(window, message, wparam, lparam);
}

} // namespace

ATOM RegisterFrameworkClass(const FrameworkClassOptions& options)
{
    const HINSTANCE module = GetModuleHandleW(nullptr);
    const ByteArray name = TextToWide(options.name);

    WNDCLASSEXW windowClass{sizeof windowClass};
    windowClass.style = options.style;
    windowClass.lpfnWndProc = options.windowProc ? options.windowProc : LeaveToDefault;
    windowClass.hInstance = module;
    windowClass.hIcon = options.icon ? *options.icon : LoadIconW(module, MAKEINTRESOURCEW(kModuleIconResource));
    windowClass.hCursor = options.cursor.value_or(DefaultCursor());
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = reinterpret_cast<const wchar_t*>(name.data());
    return RegisterClassExW(&windowClass);
}

} // namespace corvatto::ui
