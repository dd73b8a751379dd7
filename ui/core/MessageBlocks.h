#pragma once

#include "ui/core/RectRecord.h"
#include "ui/foundation/Field.h"

#include <optional>

namespace corvatto::ui {

// The blocks that travel with framework messages by address: an event to deliver (HM_DELIVER) and an
// area to repaint (HM_INVALIDATE). The sender allocates a block and the receiving window procedure takes
// it, which releases it. A block is taken only if the framework allocated it and nobody has taken it
// yet, so a bogus or repeated address in a message is refused instead of read.
struct DeliverBlock {
    Field message;
    Field wparam;
    Field lparam;
};

Field NewDeliverBlock(Field message, Field wparam, Field lparam);
std::optional<DeliverBlock> TakeDeliverBlock(Field address);

Field NewAreaBlock(const RectRecord& area);
std::optional<RectRecord> TakeAreaBlock(Field address);

#if defined(__i386__)
static_assert(sizeof(DeliverBlock) == 12);
#endif

} // namespace corvatto::ui
