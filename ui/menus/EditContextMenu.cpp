#include "ui/menus/EditContextMenu.h"

#include <cstring>
#include <string_view>

namespace corvatto::ui {
namespace {

ByteArray WideBytes(std::u16string_view text)
{
    ByteArray bytes((text.size() + 1) * sizeof(char16_t), 0);
    std::memcpy(bytes.data(), text.data(), text.size() * sizeof(char16_t));
    return bytes;
}

void AddEntry(PopupMenu& menu, std::u16string_view text, Field kind, Field postsCommand, Field code)
{
    menu.AddItem({}, {}, kItemPlain, kind, postsCommand, code);
    // The texts go in as UTF-16, so they read the same under any ANSI code page.
    menu.ItemTextWide(menu.ItemCount(), WideBytes(text));
}

} // namespace

void FillEditContextMenu(PopupMenu& menu)
{
    AddEntry(menu, u"剪切(&T)", kCommandItem, 1, 'X');
    AddEntry(menu, u"复制(&C)", kCommandItem, 1, 'C');
    AddEntry(menu, u"粘贴(&P)", kCommandItem, 1, 'V');
    AddEntry(menu, u"", kSeparatorItem, 0, 0);
    AddEntry(menu, u"全部选择(&A)", kCommandItem, 1, 'A');
}

} // namespace corvatto::ui
