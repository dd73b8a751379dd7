#pragma once

#include "ui/foundation/Field.h"

namespace corvatto::ui {

enum class CanvasFormat { Argb, PremultipliedArgb };

// Gives the element a new canvas of the given size (1 x 1 for an element without a canvas of its own),
// with anti-aliased drawing and grid-fitted anti-aliased text, releasing the old one.
void CreateCanvas(Field element, int width, int height, CanvasFormat format);
// Releases the canvas, its graphics and a transition snapshot.
void ReleaseCanvas(Field element);

} // namespace corvatto::ui
