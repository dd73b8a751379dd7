#include "platform/UniqueResource.h"
#include "tests/ui/foundation/StartedFramework.h"
#include "ui/foundation/FrameworkClass.h"
#include "ui/foundation/FrameworkGlobals.h"
#include "ui/menus/MenuItem.h"

#include <string>
#include <vector>

namespace corvatto::ui {
namespace {

using FrameworkInitTest = testing::StartedFramework;

TEST_F(FrameworkInitTest, InitialisationSetsTheGlobalsAndFillsTheMenu)
{
    EXPECT_NE(Globals().gdiplusToken, 0u);
    EXPECT_EQ(OsMajorVersion(), LOBYTE(LOWORD(GetVersion())));
    EXPECT_NE(DefaultFont(), nullptr);
    EXPECT_EQ(DefaultCursor(), LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_NE(SharedImageStrip(), nullptr);
    ASSERT_EQ(menu_.ItemCount(), 5);
    EXPECT_EQ(menu_.Items()[3].kind, kSeparatorItem);
}

TEST_F(FrameworkInitTest, TheDefaultCursorIsAHandleOrASystemCursor)
{
    const HCURSOR cross = LoadCursorW(nullptr, IDC_CROSS);
    SetDefaultCursor(reinterpret_cast<Field>(IDC_HAND), false);
    EXPECT_EQ(DefaultCursor(), LoadCursorW(nullptr, IDC_HAND));
    SetDefaultCursor(reinterpret_cast<Field>(cross), true);
    EXPECT_EQ(DefaultCursor(), cross);
}

LRESULT CALLBACK AnswerUserMessages(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    return message == WM_USER ? 42 : DefWindowProcW(window, message, wparam, lparam);
}

struct ClassCase {
    std::wstring name;
    UINT style;
    HICON icon;
    HCURSOR cursor;
    LRESULT userMessageResult; // what the class's window procedure answers to WM_USER
};

TEST_F(FrameworkInitTest, TheClassIsRegisteredWithTheGivenOrDefaultValues)
{
    const HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
    const HCURSOR cross = LoadCursorW(nullptr, IDC_CROSS);
    ASSERT_NE(RegisterFrameworkClass({"Corvatto_Test", CS_HREDRAW, icon, cross, AnswerUserMessages}), 0);

    const std::vector<ClassCase> cases = {
        {L"Corvatto_UI", CS_DBLCLKS, nullptr, LoadCursorW(nullptr, IDC_ARROW), 0},
        {L"Corvatto_Test", CS_HREDRAW, icon, cross, 42},
    };
    const HINSTANCE module = GetModuleHandleW(nullptr);
    for (const ClassCase& c : cases) {
        WNDCLASSEXW info{sizeof info};
        ASSERT_TRUE(GetClassInfoExW(module, c.name.c_str(), &info));
        EXPECT_EQ(info.style, c.style);
        EXPECT_EQ(info.hIcon, c.icon);
        EXPECT_EQ(info.hCursor, c.cursor);
        EXPECT_EQ(info.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        EXPECT_EQ(info.cbClsExtra, 0);
        EXPECT_EQ(info.cbWndExtra, 0);
        EXPECT_EQ(info.lpszMenuName, nullptr);

        const UniqueWindow window(CreateWindowExW(0, c.name.c_str(), L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                                  module, nullptr));
        ASSERT_TRUE(window);
        EXPECT_EQ(SendMessageW(window.get(), WM_USER, 0, 0), c.userMessageResult);
        SetWindowTextW(window.get(), L"left to the default");
        wchar_t title[32] = {};
        GetWindowTextW(window.get(), title, 32);
        EXPECT_STREQ(title, L"left to the default");
    }
    UnregisterClassW(L"Corvatto_Test", module);
}

} // namespace
} // namespace corvatto::ui
