#include "ui/core/ElementRecord.h"

#include "ui/host/HostFields.h"

#include <cstring>

namespace corvatto::ui {

using enum ElementField;

Field HostOfWindow(HWND window)
{
    if (!window || !IsWindow(window))
        return 0;
    return AsField(GetPropW(window, kHostProperty));
}

RectRecord* CopyBounds(const RectRecord* bounds)
{
    return bounds ? new RectRecord(*bounds) : nullptr;
}

void FreeBounds(RectRecord* bounds)
{
    delete bounds;
}

RectRecord* BoundsField(Field element, ElementField field)
{
    return FieldAs<RectRecord>(ReadField(element, field));
}

void SetBoundsField(Field element, ElementField field, const RectRecord* bounds)
{
    if (!ObjectOf(element))
        return;
    FreeBounds(BoundsField(element, field));
    WriteField(element, field, AsField(CopyBounds(bounds)));
}

Text TextField(Field handle, std::size_t index)
{
    const char* text = FieldAs<const char>(ReadField(handle, index));
    return text ? Text(text) : Text();
}

void SetTextField(Field handle, std::size_t index, const Text& text)
{
    if (!ObjectOf(handle))
        return;
    ClearTextField(handle, index);
    char* copy = new char[text.size() + 1];
    std::memcpy(copy, text.c_str(), text.size() + 1);
    WriteField(handle, index, AsField(copy));
}

void ClearTextField(Field handle, std::size_t index)
{
    delete[] FieldAs<char>(ReadField(handle, index));
    WriteField(handle, index, 0);
}

SiblingList TopLevelList(Field host)
{
    return {host, static_cast<std::size_t>(HostField::firstElement), static_cast<std::size_t>(HostField::lastElement)};
}

SiblingList ChildList(Field parent)
{
    return {parent, static_cast<std::size_t>(FirstChild), static_cast<std::size_t>(LastChild)};
}

SiblingList ListOf(Field element)
{
    Field parent = ReadField(element, Parent);
    if (parent == 0 || parent == ReadField(element, Window))
        return TopLevelList(ReadField(element, Host));
    return ChildList(parent);
}

void LinkNewest(const SiblingList& list, Field element)
{
    Field old = ReadField(list.owner, list.newest);
    WriteField(list.owner, list.newest, element);
    if (old == 0)
        WriteField(list.owner, list.oldest, element);
    else
        WriteField(old, PrevSibling, element);
    WriteField(element, NextSibling, old);
    WriteField(element, PrevSibling, 0);
}

void LinkOldest(const SiblingList& list, Field element)
{
    Field old = ReadField(list.owner, list.oldest);
    WriteField(list.owner, list.oldest, element);
    if (old == 0)
        WriteField(list.owner, list.newest, element);
    else
        WriteField(old, NextSibling, element);
    WriteField(element, PrevSibling, old);
    WriteField(element, NextSibling, 0);
}

namespace {

bool IsInList(const SiblingList& list, Field element)
{
    for (Field e = ReadField(list.owner, list.oldest); e != 0; e = ReadField(e, PrevSibling)) {
        if (e == element)
            return true;
    }
    return false;
}

} // namespace

void Unlink(Field element)
{
    SiblingList list = ListOf(element);
    Field older = ReadField(element, NextSibling);
    Field newer = ReadField(element, PrevSibling);
    // An element that is not in the list it should be in has nothing to take out of it.
    if (IsInList(list, element)) {
        if (ReadField(list.owner, list.oldest) == element)
            WriteField(list.owner, list.oldest, newer);
        if (ReadField(list.owner, list.newest) == element)
            WriteField(list.owner, list.newest, older);
        WriteField(older, PrevSibling, newer);
        WriteField(newer, NextSibling, older);
    }
    WriteField(element, NextSibling, 0);
    WriteField(element, PrevSibling, 0);
}

bool LinkUnderParent(Field element, Field parent)
{
    if (parent == ReadField(element, Parent))
        return false;
    Unlink(element);
    Field window = ReadField(element, Window);
    if (parent == 0 || parent == window)
        LinkNewest(TopLevelList(ReadField(element, Host)), element);
    else
        LinkNewest(ChildList(parent), element);
    WriteField(element, Parent, parent);
    return true;
}

void Reorder(Field element, bool toTop)
{
    Unlink(element);
    if (toTop)
        LinkNewest(ListOf(element), element);
    else
        LinkOldest(ListOf(element), element);
}

} // namespace corvatto::ui
