#pragma once

#include "ui/foundation/Field.h"

#include <cstddef>

namespace corvatto::ui {

// Slots of an element class's operation table that shared code calls by number.
inline constexpr std::size_t kTransitionTickSlot = 37;
inline constexpr std::size_t kPaintBeginSlot = 38;
inline constexpr std::size_t kPaintEndSlot = 39;
inline constexpr std::size_t kEventRoutineSlot = 40;

// An element's user handlers: a count, then (message, callback) entries; each message at most once.
struct HandlerEntry {
    Field message;
    Field callback;
};

#if defined(__i386__)
static_assert(sizeof(HandlerEntry) == 8);
#endif

// The one way an event reaches an element: its class's event routine first, then the first matching
// handler: an entry for the message, or a 515 (double click) entry for a press marked as a double click.
// A handler of a top-level element gets (element, message, wparam, lparam); one of a child gets the
// parent first. Returns the event routine's result; 0 for handle 0 or a class without event routine.
Field SendEvent(Field element, Field message, Field wparam, Field lparam);

// The handler table of an element: adds an entry or replaces the callback of the message's entry.
void AddHandlerEntry(Field element, Field message, Field callback);
std::size_t HandlerCount(Field element);
const HandlerEntry* HandlerEntries(Field element);
void FreeHandlerTable(Field element);
// A copy of the table block for a copied element; 0 when there is none.
Field CopyHandlerTable(Field table);

} // namespace corvatto::ui
