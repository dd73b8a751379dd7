#pragma once

#include "ui/foundation/Callback.h"
#include "ui/foundation/Field.h"

#include <cstddef>
#include <initializer_list>
#include <type_traits>
#include <utility>
#include <vector>

namespace corvatto::ui {

// A class's table of operations, addressed by slot number. Each slot holds a callback (Callback.h) or 0.
// Slot 0 releases an object's members, slot 1 makes a copy.
class OperationTable {
public:
    OperationTable() = default;
    OperationTable(std::initializer_list<std::pair<std::size_t, Field>> slots) { Set(slots); }

    // A table that starts as a copy of a base class's table, with some slots replaced or added.
    OperationTable Derive(std::initializer_list<std::pair<std::size_t, Field>> slots) const
    {
        OperationTable derived = *this;
        derived.Set(slots);
        return derived;
    }

    Field operator[](std::size_t slot) const { return slot < slots_.size() ? slots_[slot] : 0; }
    std::size_t size() const { return slots_.size(); }

private:
    void Set(std::initializer_list<std::pair<std::size_t, Field>> slots)
    {
        for (const auto& [slot, routine] : slots) {
            if (slot >= slots_.size())
                slots_.resize(slot + 1, 0);
            slots_[slot] = routine;
        }
    }

    std::vector<Field> slots_;
};

inline constexpr std::size_t kReleaseSlot = 0;
inline constexpr std::size_t kCopySlot = 1;

// Every framework object is one zero-filled block of pointer-sized fields; field 0 holds the address of
// its class's operation table and the data fields are numbered from 1.
Field* NewObject(const OperationTable& table, std::size_t fieldCount);
void FreeObject(Field* object);
// A new block with the same table and the same field values (the copy operations then fix up what the
// copy must own or must not share).
Field* DuplicateObject(const Field* object, std::size_t fieldCount);

// A handle is the address of the cell that holds an object's address; 0 means none. Cells are aligned
// to 8 bytes, so that handle + 1 (an element's second timer) is never another handle.
struct alignas(8) ObjectCell {
    Field object = 0;
};

inline Field HandleOf(ObjectCell& cell)
{
    return AsField(&cell);
}

inline Field* ObjectOf(Field handle)
{
    return handle ? FieldAs<Field>(FieldAs<ObjectCell>(handle)->object) : nullptr;
}

// Field `index` of the object behind a handle; 0 through handle 0. Writing through 0 is ignored.
Field ReadField(Field handle, std::size_t index);
void WriteField(Field handle, std::size_t index, Field value);

template <typename Name>
    requires std::is_enum_v<Name>
Field ReadField(Field handle, Name index)
{
    return ReadField(handle, static_cast<std::size_t>(index));
}

template <typename Name>
    requires std::is_enum_v<Name>
void WriteField(Field handle, Name index, Field value)
{
    WriteField(handle, static_cast<std::size_t>(index), value);
}

// The callback in a slot of the object's class table; 0 for handle 0 or an empty slot.
Field ClassOperation(Field handle, std::size_t slot);

// Calls a slot's operation with the handle first and the given values after it; 0 when there is none.
template <typename... Values>
Field CallClassOperation(Field handle, std::size_t slot, Values... values)
{
    static_assert(sizeof...(Values) < Routine::kMaxValues, "the handle and at most nine values");
    Field routine = ClassOperation(handle, slot);
    return routine ? CallRoutine(routine, handle, static_cast<Field>(values)...) : 0;
}

// Owns one object and the cell that gives it its handle: the declared storage of an element or a host.
// It cannot move, since its handle is the cell's address. Destruction runs the class's release
// operation and frees the block.
class ObjectHolder {
public:
    ObjectHolder(const OperationTable& table, std::size_t fieldCount);
    // Takes over an object made elsewhere (a copy).
    explicit ObjectHolder(Field* object);
    ~ObjectHolder();
    ObjectHolder(const ObjectHolder&) = delete;
    ObjectHolder& operator=(const ObjectHolder&) = delete;

    Field handle() { return HandleOf(cell_); }
    Field* object() const { return FieldAs<Field>(cell_.object); }

private:
    ObjectCell cell_;
};

} // namespace corvatto::ui
