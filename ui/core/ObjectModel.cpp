#include "ui/core/ObjectModel.h"

#include <cstdlib>
#include <cstring>

namespace corvatto::ui {

Field* NewObject(const OperationTable& table, std::size_t fieldCount)
{
    auto* object = static_cast<Field*>(std::calloc(fieldCount + 1, sizeof(Field)));
    if (object)
        object[0] = AsField(&table);
    return object;
}

void FreeObject(Field* object)
{
    std::free(object);
}

Field* DuplicateObject(const Field* object, std::size_t fieldCount)
{
    auto* copy = static_cast<Field*>(std::malloc((fieldCount + 1) * sizeof(Field)));
    if (copy)
        std::memcpy(copy, object, (fieldCount + 1) * sizeof(Field));
    return copy;
}

Field ReadField(Field handle, std::size_t index)
{
    Field* object = ObjectOf(handle);
    return object ? object[index] : 0;
}

void WriteField(Field handle, std::size_t index, Field value)
{
    if (Field* object = ObjectOf(handle))
        object[index] = value;
}

Field ClassOperation(Field handle, std::size_t slot)
{
    Field* object = ObjectOf(handle);
    if (!object || !object[0])
        return 0;
    return (*FieldAs<const OperationTable>(object[0]))[slot];
}

ObjectHolder::ObjectHolder(const OperationTable& table, std::size_t fieldCount)
{
    cell_.object = AsField(NewObject(table, fieldCount));
}

ObjectHolder::ObjectHolder(Field* object)
{
    cell_.object = AsField(object);
}

ObjectHolder::~ObjectHolder()
{
    if (!cell_.object)
        return;
    CallClassOperation(handle(), kReleaseSlot);
    FreeObject(object());
    cell_.object = 0;
}

} // namespace corvatto::ui
