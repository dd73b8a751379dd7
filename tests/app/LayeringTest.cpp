#include "app/Layering.h"
#include "platform/UniqueResource.h"

#include <gtest/gtest.h>

namespace corvatto {
namespace {

struct LayeringCase {
    const char* name;
    int alpha;
    COLORREF colourKey;
    bool clickThrough;
    DWORD expectedExStyle;
    DWORD expectedFlags;
    BYTE expectedAlpha;
};

TEST(Layering, SetsStyleAndAttributes)
{
    constexpr DWORD kInitialExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    const LayeringCase cases[] = {
        {"AlphaOnlyReplacesExStyle", 230, 0, false, WS_EX_LAYERED, LWA_ALPHA, 230},
        {"AlphaUsesLowByte", 0x1E6, 0, false, WS_EX_LAYERED, LWA_ALPHA, 0xE6},
        {"KeyWithZeroAlpha", 0, RGB(0, 255, 0), false, WS_EX_LAYERED, LWA_COLORKEY, 0},
        {"KeyWithAlpha", 128, RGB(0, 255, 0), false, WS_EX_LAYERED, LWA_COLORKEY | LWA_ALPHA, 128},
        {"ClickThroughKeepsExStyle", 200, 0, true,
         kInitialExStyle | WS_EX_TRANSPARENT | WS_EX_LAYERED, LWA_ALPHA, 200},
    };
    for (const LayeringCase& row : cases) {
        SCOPED_TRACE(row.name);
        UniqueWindow window(CreateWindowExW(kInitialExStyle, L"STATIC", L"", WS_POPUP, 0, 0, 50, 20, nullptr,
                                            nullptr, GetModuleHandleW(nullptr), nullptr));
        ASSERT_TRUE(window);
        ApplyLayering(window.get(), row.alpha, row.colourKey, row.clickThrough);

        EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(window.get(), GWL_EXSTYLE)) & ~WS_EX_TOPMOST,
                  row.expectedExStyle & ~WS_EX_TOPMOST);
        COLORREF key = 0;
        BYTE alpha = 0;
        DWORD flags = 0;
        ASSERT_TRUE(GetLayeredWindowAttributes(window.get(), &key, &alpha, &flags));
        EXPECT_EQ(flags, row.expectedFlags);
        if (flags & LWA_ALPHA) {
            EXPECT_EQ(alpha, row.expectedAlpha);
        }
        if (flags & LWA_COLORKEY) {
            EXPECT_EQ(key, row.colourKey);
        }
    }
}

} // namespace
} // namespace corvatto
