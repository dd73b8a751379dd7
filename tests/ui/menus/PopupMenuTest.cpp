#include "ui/menus/PopupMenu.h"

#include "tests/ui/menus/WideBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace corvatto::ui {
namespace {

using testing::WideBytes;

const ByteArray kIcon = {0x89, 'P', 'N', 'G', 1, 2, 3};

PopupMenu& FillThree(PopupMenu& menu)
{
    menu.AddItem("one");
    menu.AddItem("two", kIcon);
    menu.AddItem("three");
    return menu;
}

TEST(PopupMenuTest, NewMenuIsEmpty)
{
    PopupMenu menu;
    EXPECT_EQ(menu.ItemCount(), 0);
    EXPECT_FALSE(menu.IsValidIndex(1));
    EXPECT_FALSE(menu.RemoveItem(1));
    EXPECT_EQ(menu.Width(), 0);
    EXPECT_EQ(menu.OnShow(), 0);
    EXPECT_EQ(menu.OnPaint(), 0);
}

TEST(PopupMenuTest, AddItemWithOnlyATextTakesTheDefaults)
{
    PopupMenu menu;
    menu.AddItem("Open");

    ASSERT_EQ(menu.ItemCount(), 1);
    const MenuItem& item = menu.Items()[0];
    EXPECT_EQ(item.text, WideBytes(u"Open"));
    EXPECT_TRUE(item.icon.empty());
    EXPECT_EQ(item.state, 0);
    EXPECT_EQ(item.kind, 0);
    EXPECT_EQ(item.postsCommand, 0);
    EXPECT_EQ(item.code, 0);
    EXPECT_EQ(item.textColor, 0xD2000000u);
    EXPECT_EQ(item.textEffect, 0);
    EXPECT_EQ(item.effectColor, 0u);
    EXPECT_EQ(item.highlightColor, 0xE63086C6u);
}

TEST(PopupMenuTest, AddItemKeepsEveryGivenValueAndAppends)
{
    PopupMenu menu;
    menu.AddItem("first");
    menu.AddItem("second", kIcon, kItemChecked, kSubmenuItem, 1, 1234, 0x11223344, 3, 0x55667788, 0x99AABBCC);

    ASSERT_EQ(menu.ItemCount(), 2);
    const MenuItem& item = menu.Items()[1];
    EXPECT_EQ(item.text, WideBytes(u"second"));
    EXPECT_EQ(item.icon, kIcon);
    EXPECT_EQ(item.state, kItemChecked);
    EXPECT_EQ(item.kind, kSubmenuItem);
    EXPECT_EQ(item.postsCommand, 1);
    EXPECT_EQ(item.code, 1234);
    EXPECT_EQ(item.textColor, 0x11223344u);
    EXPECT_EQ(item.textEffect, 3);
    EXPECT_EQ(item.effectColor, 0x55667788u);
    EXPECT_EQ(item.highlightColor, 0x99AABBCCu);
}

TEST(PopupMenuTest, TextIsStoredAsUtf16AndReadBackAsAnsi)
{
    PopupMenu menu;
    menu.AddItem("old");

    EXPECT_EQ(menu.ItemText(1, Text("abc")), "abc");
    EXPECT_EQ(menu.ItemText(1), "abc");
    EXPECT_EQ(menu.ItemTextWide(1), WideBytes(u"abc"));

    EXPECT_EQ(menu.ItemTextWide(1, WideBytes(u"xy")), WideBytes(u"xy"));
    EXPECT_EQ(menu.ItemText(1), "xy");

    EXPECT_EQ(menu.ItemText(1, Text()), "");
    EXPECT_EQ(menu.ItemTextWide(1), WideBytes(u""));
}

TEST(PopupMenuTest, StateAndIconAreReadAndSet)
{
    PopupMenu menu;
    FillThree(menu);

    EXPECT_EQ(menu.ItemState(3, kItemDisabled), kItemDisabled);
    EXPECT_EQ(menu.ItemState(3), kItemDisabled);
    EXPECT_EQ(menu.ItemState(1), kItemPlain);

    EXPECT_EQ(menu.ItemIcon(2), kIcon);
    const ByteArray other = {1, 2};
    EXPECT_EQ(menu.ItemIcon(1, other), other);
    EXPECT_EQ(menu.Items()[0].icon, other);
    EXPECT_EQ(menu.ItemIcon(2, ByteArray()), ByteArray());
    EXPECT_TRUE(menu.Items()[1].icon.empty());
}

TEST(PopupMenuTest, InvalidIndexesChangeNothing)
{
    PopupMenu menu;
    FillThree(menu);

    for (int index : {-1, 0, 4, 1000}) {
        SCOPED_TRACE("index " + std::to_string(index));
        EXPECT_FALSE(menu.IsValidIndex(index));
        EXPECT_EQ(menu.ItemState(index, kItemChecked), 0);
        EXPECT_EQ(menu.ItemState(index), 0);
        EXPECT_EQ(menu.ItemText(index, Text("new")), "");
        EXPECT_EQ(menu.ItemTextWide(index, WideBytes(u"new")), ByteArray());
        EXPECT_EQ(menu.ItemIcon(index, kIcon), ByteArray());
        EXPECT_FALSE(menu.RemoveItem(index));
    }

    ASSERT_EQ(menu.ItemCount(), 3);
    EXPECT_EQ(menu.ItemText(1), "one");
    EXPECT_EQ(menu.ItemText(3), "three");
    for (const MenuItem& item : menu.Items())
        EXPECT_EQ(item.state, kItemPlain);
    EXPECT_TRUE(menu.Items()[0].icon.empty());
}

TEST(PopupMenuTest, RemovingAnItemMovesTheLaterOnesUp)
{
    PopupMenu menu;
    FillThree(menu);

    EXPECT_TRUE(menu.RemoveItem(2));
    ASSERT_EQ(menu.ItemCount(), 2);
    EXPECT_EQ(menu.ItemText(1), "one");
    EXPECT_EQ(menu.ItemText(2), "three");
    EXPECT_FALSE(menu.IsValidIndex(3));

    EXPECT_TRUE(menu.RemoveItem(2));
    EXPECT_TRUE(menu.RemoveItem(1));
    EXPECT_EQ(menu.ItemCount(), 0);
}

TEST(PopupMenuTest, CloneIsADeepCopy)
{
    PopupMenu menu;
    FillThree(menu);
    menu.SetWidth(120);
    menu.SetOnShow(0x1000);
    menu.SetOnPaint(0x2000);

    std::unique_ptr<PopupMenu> copy = menu.Clone();
    menu.ItemText(2, Text("changed"));
    menu.ItemIcon(2, ByteArray{7});
    menu.ItemState(2, kItemChecked);
    menu.RemoveItem(1);
    menu.SetWidth(0);

    ASSERT_EQ(copy->ItemCount(), 3);
    EXPECT_EQ(copy->ItemText(2), "two");
    EXPECT_EQ(copy->ItemIcon(2), kIcon);
    EXPECT_EQ(copy->ItemState(2), kItemPlain);
    EXPECT_EQ(copy->Width(), 120);
    EXPECT_EQ(copy->OnShow(), 0x1000);
    EXPECT_EQ(copy->OnPaint(), 0x2000);
    EXPECT_NE(copy->MenuHandle(), menu.MenuHandle());
}

TEST(PopupMenuTest, ClearKeepsTheSettingsAndReleaseMembersResetsThem)
{
    PopupMenu menu;
    FillThree(menu);
    menu.SetWidth(80);
    menu.SetOnShow(0x1000);
    menu.SetOnPaint(0x2000);

    menu.Clear();
    EXPECT_EQ(menu.ItemCount(), 0);
    EXPECT_EQ(menu.Width(), 80);

    FillThree(menu);
    menu.ReleaseMembers();
    EXPECT_EQ(menu.ItemCount(), 0);
    EXPECT_EQ(menu.Width(), 0);
    EXPECT_EQ(menu.OnShow(), 0);
    EXPECT_EQ(menu.OnPaint(), 0);
}

TEST(PopupMenuTest, ASubmenuItemFindsItsMenuByHandle)
{
    PopupMenu submenu;
    submenu.AddItem("inner");
    PopupMenu menu;
    menu.AddItem("More", {}, kItemPlain, kSubmenuItem, 0, submenu.MenuHandle());

    PopupMenu* found = PopupMenu::FromHandle(menu.Items()[0].code);
    ASSERT_EQ(found, &submenu);
    EXPECT_EQ(found->ItemText(1), "inner");
    EXPECT_EQ(PopupMenu::FromHandle(0), nullptr);
}

} // namespace
} // namespace corvatto::ui
