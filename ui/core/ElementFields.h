#pragma once

#include "ui/foundation/Field.h"

#include <cstddef>

namespace corvatto::ui {

// The numbered fields every element object starts with. Element classes append their own after
// kElementFieldCount.
enum class ElementField : std::size_t {
    Window = 1,         // the native window of the element's host
    Handle = 2,         // the element's own handle; 0 while uncreated
    Parent = 3,         // parent element; 0 for a top-level element
    Visible = 4,        // painting, hit-testing and clicking need exactly 1
    Disabled = 5,       // never hit, drawn dimmed, cannot keep the focus
    Focusable = 6,      // takes the focus when pressed; a Tab stop
    AutoRedraw = 7,     // finishing a canvas repaint brings it to the screen
    Cursor = 8,         // cursor over the element; 0 = the host's
    HandlerTable = 9,   // the element's user handlers; 0 = none
    Bounds = 10,        // RectRecord*, owned
    TipText = 11,       // char*, owned
    Tag = 12,           // char*, owned; never interpreted
    ClassId = 13,       // class code given at creation
    FirstChild = 14,    // oldest child: the paint walk starts here
    LastChild = 15,     // newest child: the hit-test walk starts here
    NextSibling = 16,   // the next older sibling
    PrevSibling = 17,   // the next newer sibling
    TransitionStep = 18,
    Canvas = 19,             // GpBitmap*, owned
    CanvasGraphics = 20,     // GpGraphics* on the canvas, owned
    Host = 21,               // the host's handle
    Alpha = 22,              // 0..255
    TransitionImage = 23,    // GpBitmap* of the previous canvas while a transition runs, owned
    TransitionInterval = 24, // milliseconds per transition step; 0 = no transitions
    Spare = 25,
    PrevBounds = 26,         // RectRecord*, owned: the bounds before the last move
    TransitionSteps = 27,
    TransitionKind = 28,     // 0 cross-fade, 1 slide down, 2 slide up, 3 slide right, 4 slide left
};

inline constexpr std::size_t kElementFieldCount = 28;

// Class codes with a meaning to the framework.
inline constexpr Field kClassSkippedByTabId = 1;
inline constexpr Field kClassWithoutCanvasId = 21;

} // namespace corvatto::ui
