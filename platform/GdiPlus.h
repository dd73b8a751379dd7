#pragma once

// GDI+ for the framework: the flat API (Gdiplus::DllExports::Gdip...) and its types. The headers use
// min and max, which the rest of the program keeps out of the global namespace.
#include "platform/Win32.h"

#include <objidl.h>

#include <algorithm>

namespace Gdiplus {
using std::max;
using std::min;
} // namespace Gdiplus

#include <gdiplus.h>
