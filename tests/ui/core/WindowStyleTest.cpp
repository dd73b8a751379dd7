#include "ui/core/WindowStyle.h"

#include "platform/UniqueResource.h"

#include <gtest/gtest.h>

namespace corvatto::ui {
namespace {

// Style writes that reach the test window: SetWindowLongW sends WM_STYLECHANGED for every write.
int g_styleWrites = 0;

LRESULT CALLBACK CountingWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_STYLECHANGED)
        ++g_styleWrites;
    return DefWindowProcW(window, message, wparam, lparam);
}

UniqueWindow MakeWindow(DWORD style, DWORD exStyle)
{
    static const ATOM windowClass = [] {
        WNDCLASSEXW wc{sizeof wc};
        wc.lpfnWndProc = CountingWindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"CorvattoStyleProbe";
        return RegisterClassExW(&wc);
    }();
    UniqueWindow window(CreateWindowExW(exStyle, MAKEINTATOM(windowClass), L"", style, 0, 0, 20, 20, nullptr,
                                        nullptr, GetModuleHandleW(nullptr), nullptr));
    g_styleWrites = 0;
    return window;
}

DWORD StyleOf(HWND window, bool extended)
{
    return static_cast<DWORD>(GetWindowLongW(window, extended ? GWL_EXSTYLE : GWL_STYLE));
}

TEST(WindowStyleTest, TheProbeSeesAWriteThatChangesNothing)
{
    UniqueWindow window = MakeWindow(WS_POPUP, WS_EX_TOOLWINDOW);
    ASSERT_TRUE(window);
    SetWindowLongW(window.get(), GWL_EXSTYLE, GetWindowLongW(window.get(), GWL_EXSTYLE));
    EXPECT_EQ(g_styleWrites, 1);
}

TEST(WindowStyleTest, WritesOnlyWhenTheRoutineChangesTheStyle)
{
    enum class Operation { Add, Remove };
    struct Case {
        const char* name;
        bool extended;
        DWORD initial; // besides WS_POPUP or WS_EX_TOOLWINDOW
        Operation operation;
        DWORD bits;
        int expectedWrites;
        DWORD expected;
    };
    constexpr DWORD kA = WS_EX_ACCEPTFILES;
    constexpr DWORD kT = WS_EX_TRANSPARENT;
    const Case cases[] = {
        {"add a missing bit", true, 0, Operation::Add, kA, 1, kA},
        {"add bits already set", true, kA | kT, Operation::Add, kA | kT, 0, kA | kT},
        {"add bits of which one is set", true, kA, Operation::Add, kA | kT, 0, kA},
        {"remove a set bit", true, kA | kT, Operation::Remove, kA, 1, kT},
        {"remove bits none of which is set", true, kT, Operation::Remove, kA | WS_EX_LAYERED, 0, kT},
        {"remove bits of which one is set", true, kA, Operation::Remove, kA | kT, 1, 0},
        {"add to the style", false, 0, Operation::Add, WS_MINIMIZEBOX, 1, WS_MINIMIZEBOX},
        {"add to the style again", false, WS_MINIMIZEBOX, Operation::Add, WS_MINIMIZEBOX, 0, WS_MINIMIZEBOX},
        {"remove from the style", false, WS_MINIMIZEBOX | WS_MAXIMIZEBOX, Operation::Remove, WS_MAXIMIZEBOX, 1,
         WS_MINIMIZEBOX},
        {"remove a missing bit from the style", false, 0, Operation::Remove, WS_MAXIMIZEBOX, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DWORD base = c.extended ? DWORD{WS_EX_TOOLWINDOW} : DWORD{WS_POPUP};
        UniqueWindow window =
            c.extended ? MakeWindow(WS_POPUP, base | c.initial) : MakeWindow(base | c.initial, WS_EX_TOOLWINDOW);
        ASSERT_TRUE(window);
        const DWORD tested = c.initial | c.bits;
        const DWORD untouchedBefore = StyleOf(window.get(), c.extended) & ~tested;
        const DWORD otherBefore = StyleOf(window.get(), !c.extended);

        if (c.operation == Operation::Add)
            AddWindowStyle(window.get(), c.bits, c.extended);
        else
            RemoveWindowStyle(window.get(), c.bits, c.extended);

        EXPECT_EQ(g_styleWrites, c.expectedWrites);
        EXPECT_EQ(StyleOf(window.get(), c.extended) & tested, c.expected);
        EXPECT_EQ(StyleOf(window.get(), c.extended) & ~tested, untouchedBefore);
        EXPECT_EQ(StyleOf(window.get(), !c.extended), otherBefore);
    }
}

TEST(WindowStyleTest, HasWindowStyleTestsForAnyOfTheBitsWithoutWriting)
{
    UniqueWindow window = MakeWindow(WS_POPUP | WS_MINIMIZEBOX, WS_EX_TOOLWINDOW | WS_EX_ACCEPTFILES);
    ASSERT_TRUE(window);

    EXPECT_TRUE(HasWindowStyle(window.get(), WS_EX_ACCEPTFILES, true));
    EXPECT_TRUE(HasWindowStyle(window.get(), WS_EX_ACCEPTFILES | WS_EX_LAYERED, true));
    EXPECT_FALSE(HasWindowStyle(window.get(), WS_EX_LAYERED | WS_EX_TRANSPARENT, true));
    EXPECT_FALSE(HasWindowStyle(window.get(), WS_MINIMIZEBOX, true)) << "read the style instead of the extended style";
    EXPECT_TRUE(HasWindowStyle(window.get(), WS_MINIMIZEBOX | WS_MAXIMIZEBOX, false));
    EXPECT_FALSE(HasWindowStyle(window.get(), WS_MAXIMIZEBOX, false));
    EXPECT_EQ(g_styleWrites, 0);
}

} // namespace
} // namespace corvatto::ui
