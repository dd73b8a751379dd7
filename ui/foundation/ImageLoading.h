#pragma once

#include "platform/GdiPlusResource.h"
#include "platform/UniqueResource.h"
#include "ui/foundation/Field.h"

namespace corvatto::ui {

// Loads an image (any format GDI+ reads) from bytes; prependSignature puts the 8-byte PNG signature in
// front of them first. Empty, unreadable or corrupt bytes give no image.
//
// Given both outMemory and outStream, the image is returned as loaded, with all its frames, and reads
// its data from the memory through the stream as long as it lives: on success the caller receives both
// and must keep them until the image is disposed of (declaring them before the image does that).
// Otherwise the result is a single-frame 32-bit premultiplied ARGB copy that needs nothing else.
// The outputs are written only on success.
UniqueGpImage LoadImageFromBytes(const ByteArray& data, bool prependSignature,
                                 UniqueGlobalMemory* outMemory = nullptr, UniqueStream* outStream = nullptr);

} // namespace corvatto::ui
