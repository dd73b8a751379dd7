#pragma once

#include "ui/foundation/Field.h"

namespace corvatto::ui {

// The framework's own messages: element events (EV_) delivered through SendEvent, and host-window
// messages (HM_) that any code may send to an attached window.
inline constexpr Field EV_FOCUS_GAINED = 10240;
inline constexpr Field EV_FOCUS_LOST = 10241;
inline constexpr Field EV_MOUSE_ENTER = 10242;
inline constexpr Field EV_MOUSE_LEAVE = 10243;
inline constexpr Field EV_CLICK = 10244;
inline constexpr Field EV_RESIZED = 10245;
inline constexpr Field EV_HIDDEN = 10246;
inline constexpr Field EV_SHOWN = 10247;
inline constexpr Field EV_DRAW_TRANSITION = 10248;
inline constexpr Field EV_QUERY_PRESS = 10250;
inline constexpr Field HM_SET_ACCESS_KEY = 10251;
inline constexpr Field HM_PRESENT = 10253;
inline constexpr Field EV_QUERY_DIM = 10254;
inline constexpr Field HM_INVALIDATE = 10256;
inline constexpr Field HM_BOUNDS_CHANGED = 10257;
inline constexpr Field HM_DELIVER = 10258;
inline constexpr Field EV_QUERY_FOCUS = 10260;
inline constexpr Field EV_ALPHA_CHANGED = 10261;
inline constexpr Field EV_DRAW_BEGIN = 10262;
inline constexpr Field EV_TRANSITION_START = 10263;
inline constexpr Field EV_TRANSITION_END = 10264;

// Standard messages as elements receive them.
inline constexpr Field EV_CREATE = 1;
inline constexpr Field EV_DESTROY = 2;
inline constexpr Field EV_PAINT = 15;
inline constexpr Field EV_TIMER = 275;

// wparam of a left press that the host made from a double click.
inline constexpr Field DBLCLICK_MARK = 10086;

// What an event routine or message hook returns to leave the event to the default handling.
inline constexpr Field kNotHandled = -1;

} // namespace corvatto::ui
