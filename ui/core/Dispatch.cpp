#include "ui/core/Dispatch.h"

#include "platform/Win32.h"
#include "ui/core/ElementFields.h"
#include "ui/core/Messages.h"
#include "ui/core/ObjectModel.h"
#include "ui/foundation/Callback.h"
#include "ui/foundation/RawMemory.h"

#include <cstring>

namespace corvatto::ui {

using enum ElementField;

namespace {

// The block: one count field, then the entries.
std::size_t TableSize(std::size_t count)
{
    return sizeof(Field) + count * sizeof(HandlerEntry);
}

std::size_t CountOf(Field table)
{
    return table ? static_cast<std::size_t>(PeekInt(table)) : 0;
}

HandlerEntry* EntriesOf(Field table)
{
    return table ? FieldAs<HandlerEntry>(table + static_cast<Field>(sizeof(Field))) : nullptr;
}

bool Matches(const HandlerEntry& entry, Field message, Field wparam)
{
    return entry.message == message ||
           (entry.message == WM_LBUTTONDBLCLK && message == WM_LBUTTONDOWN && wparam == DBLCLICK_MARK);
}

} // namespace

Field SendEvent(Field element, Field message, Field wparam, Field lparam)
{
    Field routine = ClassOperation(element, kEventRoutineSlot);
    if (!routine)
        return 0;
    Field result = CallRoutine(routine, element, message, wparam, lparam);
    Field table = ReadField(element, HandlerTable);
    for (std::size_t i = 0; i < CountOf(table); ++i) {
        HandlerEntry entry = EntriesOf(table)[i];
        if (!Matches(entry, message, wparam))
            continue;
        if (Field parent = ReadField(element, Parent))
            CallRoutine(entry.callback, parent, element, message, wparam, lparam);
        else
            CallRoutine(entry.callback, element, message, wparam, lparam);
        break;
    }
    return result;
}

void AddHandlerEntry(Field element, Field message, Field callback)
{
    if (!ObjectOf(element))
        return;
    Field table = ReadField(element, HandlerTable);
    std::size_t count = CountOf(table);
    for (std::size_t i = 0; i < count; ++i) {
        if (EntriesOf(table)[i].message == message) {
            EntriesOf(table)[i].callback = callback;
            return;
        }
    }
    Field grown = AllocRaw(TableSize(count + 1));
    if (!grown)
        return;
    if (count)
        std::memcpy(EntriesOf(grown), EntriesOf(table), count * sizeof(HandlerEntry));
    EntriesOf(grown)[count] = {message, callback};
    PokeInt(grown, static_cast<Field>(count + 1));
    FreeRaw(table);
    WriteField(element, HandlerTable, grown);
}

std::size_t HandlerCount(Field element)
{
    return CountOf(ReadField(element, HandlerTable));
}

const HandlerEntry* HandlerEntries(Field element)
{
    return EntriesOf(ReadField(element, HandlerTable));
}

void FreeHandlerTable(Field element)
{
    FreeRaw(ReadField(element, HandlerTable));
    WriteField(element, HandlerTable, 0);
}

Field CopyHandlerTable(Field table)
{
    if (!table)
        return 0;
    std::size_t size = TableSize(CountOf(table));
    Field copy = AllocRaw(size);
    if (copy)
        std::memcpy(FieldAs<void>(copy), FieldAs<const void>(table), size);
    return copy;
}

} // namespace corvatto::ui
