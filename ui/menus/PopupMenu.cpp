#include "ui/menus/PopupMenu.h"

#include "ui/foundation/WideText.h"

namespace corvatto::ui {

PopupMenu* PopupMenu::FromHandle(Field handle)
{
    return FieldAs<PopupMenu>(handle);
}

void PopupMenu::ReleaseMembers()
{
    items_ = {};
    width_ = 0;
    onShow_ = 0;
    onPaint_ = 0;
}

std::unique_ptr<PopupMenu> PopupMenu::Clone() const
{
    auto copy = std::make_unique<PopupMenu>();
    copy->items_ = items_;
    copy->width_ = width_;
    copy->onShow_ = onShow_;
    copy->onPaint_ = onPaint_;
    return copy;
}

void PopupMenu::AddItem(const Text& text, const ByteArray& icon, Field state, Field kind, Field postsCommand,
                        Field code, Argb textColor, Field textEffect, Argb effectColor, Argb highlightColor)
{
    items_.push_back(MenuItem{TextToWide(text), icon, state, kind, postsCommand, code, textColor, textEffect,
                              effectColor, highlightColor});
}

bool PopupMenu::RemoveItem(int index)
{
    if (!IsValidIndex(index))
        return false;
    items_.erase(items_.begin() + (index - 1));
    return true;
}

void PopupMenu::Clear()
{
    items_.clear();
}

Field PopupMenu::ItemState(int index, std::optional<Field> newState)
{
    MenuItem* item = ItemAt(index);
    if (!item)
        return 0;
    if (newState)
        item->state = *newState;
    return item->state;
}

Text PopupMenu::ItemText(int index, const std::optional<Text>& newText)
{
    MenuItem* item = ItemAt(index);
    if (!item)
        return {};
    if (newText)
        item->text = TextToWide(*newText);
    return WideToText(item->text);
}

ByteArray PopupMenu::ItemTextWide(int index, const std::optional<ByteArray>& newText)
{
    MenuItem* item = ItemAt(index);
    if (!item)
        return {};
    if (newText)
        item->text = *newText;
    return item->text;
}

ByteArray PopupMenu::ItemIcon(int index, const std::optional<ByteArray>& newIcon)
{
    MenuItem* item = ItemAt(index);
    if (!item)
        return {};
    if (newIcon)
        item->icon = *newIcon;
    return item->icon;
}

bool PopupMenu::IsValidIndex(int index) const
{
    return index >= 1 && index <= ItemCount();
}

void PopupMenu::SetWidth(Field width)
{
    width_ = width;
}

Field PopupMenu::MenuHandle() const
{
    return AsField(this);
}

void PopupMenu::SetOnShow(Field routine)
{
    onShow_ = routine;
}

void PopupMenu::SetOnPaint(Field routine)
{
    onPaint_ = routine;
}

MenuItem* PopupMenu::ItemAt(int index)
{
    return IsValidIndex(index) ? &items_[static_cast<std::size_t>(index - 1)] : nullptr;
}

} // namespace corvatto::ui
