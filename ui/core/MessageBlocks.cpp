#include "ui/core/MessageBlocks.h"

#include "ui/foundation/RawMemory.h"

#include <cstring>
#include <mutex>
#include <unordered_map>

namespace corvatto::ui {
namespace {

enum class BlockKind { Deliver, Area };

// Blocks are made on any thread and taken on the window's thread.
struct OutstandingBlocks {
    std::mutex mutex;
    std::unordered_map<Field, BlockKind> blocks;
};

OutstandingBlocks& Outstanding()
{
    static OutstandingBlocks outstanding;
    return outstanding;
}

template <typename Block>
Field NewBlock(const Block& contents, BlockKind kind)
{
    Field address = AllocRaw(sizeof(Block));
    if (!address)
        return 0;
    std::memcpy(FieldAs<void>(address), &contents, sizeof(Block));
    std::lock_guard lock(Outstanding().mutex);
    Outstanding().blocks.emplace(address, kind);
    return address;
}

template <typename Block>
std::optional<Block> TakeBlock(Field address, BlockKind kind)
{
    {
        std::lock_guard lock(Outstanding().mutex);
        auto found = Outstanding().blocks.find(address);
        if (found == Outstanding().blocks.end() || found->second != kind)
            return std::nullopt;
        Outstanding().blocks.erase(found);
    }
    Block contents;
    std::memcpy(&contents, FieldAs<const void>(address), sizeof(Block));
    FreeRaw(address);
    return contents;
}

} // namespace

Field NewDeliverBlock(Field message, Field wparam, Field lparam)
{
    return NewBlock(DeliverBlock{message, wparam, lparam}, BlockKind::Deliver);
}

std::optional<DeliverBlock> TakeDeliverBlock(Field address)
{
    return TakeBlock<DeliverBlock>(address, BlockKind::Deliver);
}

Field NewAreaBlock(const RectRecord& area)
{
    return NewBlock(area, BlockKind::Area);
}

std::optional<RectRecord> TakeAreaBlock(Field address)
{
    return TakeBlock<RectRecord>(address, BlockKind::Area);
}

} // namespace corvatto::ui
