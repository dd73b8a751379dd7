#pragma once

#include "ui/foundation/Field.h"

namespace corvatto::ui {

inline constexpr int kImageStripWidth = 729;
inline constexpr int kImageStripHeight = 20;

// The caption buttons' artwork: eight glyphs in cells of three states (normal, hot, pressed), a 729 x 20
// RGBA PNG. The program carries it without the PNG's 8-byte signature, so it is loaded with the
// signature prepended.
const ByteArray& ImageStripPngWithoutSignature();

} // namespace corvatto::ui
