// Looks at the program's windows from another process, the way a tester would with a spy tool, and
// prints what it sees as JSON: every top-level form window with its geometry, styles, layering and
// controls. "post-click HWND ID" clicks a button by message; "cursor-sample" shows a system pointer shape.
#include "platform/Win32.h"

#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Utf8(const std::wstring& text)
{
    if (text.empty())
        return {};
    int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                     nullptr);
    std::string out(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), length, nullptr,
                        nullptr);
    return out;
}

std::string Json(const std::wstring& text)
{
    std::string out(1, '"');
    for (char c : Utf8(text)) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

std::wstring WindowText(HWND window)
{
    wchar_t text[1024] = L"";
    SendMessageTimeoutW(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        nullptr);
    return text;
}

std::wstring ClassName(HWND window)
{
    wchar_t name[256] = L"";
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return name;
}

std::string Rect(const RECT& r)
{
    std::ostringstream out;
    out << '[' << r.left << ',' << r.top << ',' << r.right - r.left << ',' << r.bottom - r.top << ']';
    return out.str();
}

std::uintptr_t Handle(HWND window)
{
    return reinterpret_cast<std::uintptr_t>(window);
}

std::string ComboItems(HWND combo)
{
    std::ostringstream out;
    out << '[';
    LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t item[1024] = L"";
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
        out << (i ? "," : "") << Json(item);
    }
    out << ']';
    return out.str();
}

std::string Control(HWND control, HWND parent)
{
    RECT r;
    GetWindowRect(control, &r);
    RECT screen = r;
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    std::wstring className = ClassName(control);
    std::ostringstream out;
    out << "{\"hwnd\":" << Handle(control) << ",\"id\":" << GetDlgCtrlID(control) << ",\"class\":" << Json(className)
        << ",\"text\":" << Json(WindowText(control)) << ",\"rect\":" << Rect(r) << ",\"screen\":" << Rect(screen)
        << ",\"style\":" << GetWindowLongW(control, GWL_STYLE);
    if (_wcsicmp(className.c_str(), L"ComboBox") == 0) {
        RECT dropped{};
        SendMessageW(control, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
        out << ",\"items\":" << ComboItems(control) << ",\"selection\":" << SendMessageW(control, CB_GETCURSEL, 0, 0)
            << ",\"itemHeight\":" << SendMessageW(control, CB_GETITEMHEIGHT, 0, 0) << ",\"dropped\":" << Rect(dropped);
    }
    out << '}';
    return out.str();
}

std::string TopLevel(HWND window)
{
    RECT r, client;
    GetWindowRect(window, &r);
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    std::ostringstream out;
    out << "{\"hwnd\":" << Handle(window) << ",\"class\":" << Json(ClassName(window))
        << ",\"title\":" << Json(WindowText(window)) << ",\"visible\":" << (IsWindowVisible(window) ? "true" : "false")
        << ",\"rect\":" << Rect(r) << ",\"client\":[" << origin.x << ',' << origin.y << ',' << client.right << ','
        << client.bottom << "],\"style\":" << GetWindowLongW(window, GWL_STYLE)
        << ",\"exStyle\":" << GetWindowLongW(window, GWL_EXSTYLE);
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    if (GetLayeredWindowAttributes(window, &key, &alpha, &flags))
        out << ",\"layered\":{\"alpha\":" << int{alpha} << ",\"key\":" << key << ",\"flags\":" << flags << '}';
    out << ",\"controls\":[";
    bool first = true;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        out << (first ? "" : ",") << Control(child, window);
        first = false;
    }
    out << "]}";
    return out.str();
}

BOOL CALLBACK CollectFormWindow(HWND window, LPARAM windows)
{
    if (ClassName(window) == L"Corvatto_Form")
        reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

int List()
{
    std::vector<HWND> windows;
    EnumWindows(CollectFormWindow, reinterpret_cast<LPARAM>(&windows));
    std::ostringstream out;
    out << '[';
    for (size_t i = 0; i < windows.size(); ++i)
        out << (i ? "," : "") << TopLevel(windows[i]);
    out << ']';
    std::puts(out.str().c_str());
    return 0;
}

int PostClick(HWND window, int id)
{
    return PostMessageW(GetDlgItem(window, id), BM_CLICK, 0, 0) ? 0 : 1;
}

// Shows a small window with one of the system's pointer shapes for a while, so that a test can take the
// shape's picture from the display and compare the program's pointer with it.
int ShowCursorSample(const std::wstring& name, int x, int y, DWORD milliseconds)
{
    LPCWSTR shape = name == L"hand" ? IDC_HAND : name == L"ibeam" ? IDC_IBEAM : IDC_ARROW;
    WNDCLASSEXW windowClass{sizeof windowClass};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, shape);
    windowClass.lpszClassName = L"CursorSample";
    RegisterClassExW(&windowClass);
    HWND window = CreateWindowExW(WS_EX_TOPMOST, L"CursorSample", L"", WS_POPUP | WS_VISIBLE, x, y, 40, 40, nullptr,
                                  nullptr, windowClass.hInstance, nullptr);
    if (!window)
        return 1;
    const DWORD end = GetTickCount() + milliseconds;
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        Sleep(10);
    }
    DestroyWindow(window);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    std::wstring command = argc > 1 ? argv[1] : L"list";
    if (command == L"list")
        return List();
    if (command == L"post-click" && argc == 4)
        return PostClick(reinterpret_cast<HWND>(std::wcstoull(argv[2], nullptr, 10)), std::wcstol(argv[3], nullptr, 10));
    if (command == L"cursor-sample" && argc == 6) {
        return ShowCursorSample(argv[2], std::wcstol(argv[3], nullptr, 10), std::wcstol(argv[4], nullptr, 10),
                                std::wcstoul(argv[5], nullptr, 10));
    }
    std::fputs("usage: window_inspector [list | post-click HWND ID | cursor-sample NAME X Y MILLISECONDS]\n", stderr);
    return 2;
}
