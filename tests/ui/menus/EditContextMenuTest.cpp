#include "ui/menus/EditContextMenu.h"

#include "tests/ui/menus/WideBytes.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace corvatto::ui {
namespace {

using testing::WideBytes;

struct ExpectedEntry {
    std::u16string_view text;
    Field kind;
    Field postsCommand;
    Field code;
};

TEST(EditContextMenuTest, HasCutCopyPasteSeparatorAndSelectAllInOrder)
{
    const ExpectedEntry expected[] = {
        {u"剪切(&T)", kCommandItem, 1, 88},
        {u"复制(&C)", kCommandItem, 1, 67},
        {u"粘贴(&P)", kCommandItem, 1, 86},
        {u"", kSeparatorItem, 0, 0},
        {u"全部选择(&A)", kCommandItem, 1, 65},
    };

    PopupMenu menu;
    FillEditContextMenu(menu);

    ASSERT_EQ(menu.ItemCount(), 5);
    for (int index = 1; index <= 5; ++index) {
        SCOPED_TRACE("item " + std::to_string(index));
        const ExpectedEntry& entry = expected[index - 1];
        const MenuItem& item = menu.Items()[static_cast<std::size_t>(index - 1)];
        EXPECT_EQ(menu.ItemTextWide(index), WideBytes(entry.text));
        EXPECT_EQ(item.kind, entry.kind);
        EXPECT_EQ(item.postsCommand, entry.postsCommand);
        EXPECT_EQ(item.code, entry.code);
        EXPECT_EQ(item.state, kItemPlain);
        EXPECT_TRUE(item.icon.empty());
        EXPECT_EQ(item.textColor, kDefaultItemTextColor);
        EXPECT_EQ(item.textEffect, 0);
        EXPECT_EQ(item.effectColor, 0u);
        EXPECT_EQ(item.highlightColor, kDefaultItemHighlightColor);
    }
    EXPECT_EQ(menu.ItemText(4), "");
}

} // namespace
} // namespace corvatto::ui
