#pragma once

namespace corvatto::ui {

// A rectangle in the host window's client coordinates: x, y, width, height as single-precision floats.
// Element bounds are absolute, not relative to the parent.
struct RectRecord {
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
};

static_assert(sizeof(RectRecord) == 16);

} // namespace corvatto::ui
