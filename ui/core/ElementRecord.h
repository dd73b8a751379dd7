#pragma once

#include "platform/Win32.h"
#include "ui/core/ElementFields.h"
#include "ui/core/ObjectModel.h"
#include "ui/core/RectRecord.h"
#include "ui/foundation/Field.h"

namespace corvatto::ui {

// The window property through which any code holding a window finds its host.
inline constexpr wchar_t kHostProperty[] = L"Corvatto_Wnd_Control";

Field HostOfWindow(HWND window);

// A new copy of a bounds record, owned by the caller (free it with FreeBounds).
RectRecord* CopyBounds(const RectRecord* bounds);
void FreeBounds(RectRecord* bounds);

// The bounds an element's field holds; nullptr when it has none.
RectRecord* BoundsField(Field element, ElementField field = ElementField::Bounds);
// Replaces the record a bounds field owns with a copy of `bounds` (or with none).
void SetBoundsField(Field element, ElementField field, const RectRecord* bounds);

// Texts held in a field are owned by the record; assigning frees the old text.
Text TextField(Field handle, std::size_t index);
void SetTextField(Field handle, std::size_t index, const Text& text);
void ClearTextField(Field handle, std::size_t index);

template <typename Name>
    requires std::is_enum_v<Name>
Text TextField(Field handle, Name index)
{
    return TextField(handle, static_cast<std::size_t>(index));
}

template <typename Name>
    requires std::is_enum_v<Name>
void SetTextField(Field handle, Name index, const Text& text)
{
    SetTextField(handle, static_cast<std::size_t>(index), text);
}

template <typename Name>
    requires std::is_enum_v<Name>
void ClearTextField(Field handle, Name index)
{
    ClearTextField(handle, static_cast<std::size_t>(index));
}

// One sibling list: the host's top-level elements or an element's children. Newer elements are higher:
// NextSibling leads from newer to older, PrevSibling from older to newer.
struct SiblingList {
    Field owner;         // the host or the parent element
    std::size_t oldest;  // the owner's field holding the oldest end
    std::size_t newest;  // the owner's field holding the newest end
};

SiblingList TopLevelList(Field host);
SiblingList ChildList(Field parent);
// The list an element belongs in: its host's when its parent is 0 or its own window.
SiblingList ListOf(Field element);

void LinkNewest(const SiblingList& list, Field element);
void LinkOldest(const SiblingList& list, Field element);
void Unlink(Field element);
// Moves the element under a new parent (0 or its window: the top level). False when nothing changed.
bool LinkUnderParent(Field element, Field parent);
// Unlinks and links again at the top (newest) or the bottom (oldest) of the same list.
void Reorder(Field element, bool toTop);

} // namespace corvatto::ui
