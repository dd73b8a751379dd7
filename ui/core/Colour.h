#pragma once

#include <cstdint>
#include <optional>

namespace corvatto::ui {

// A GDI+ colour, 0xAARRGGBB.
using Argb = std::uint32_t;
// A colour as the application and the element classes give it, 0x00BBGGRR (red in the low byte).
using ColourRef = std::uint32_t;

// Swaps red and blue into ARGB order and takes the given alpha. A missing alpha and alpha 255 both come
// out as 254: the framework never produces a fully opaque colour through this routine, and its colour
// values (0xFE...) are written with that in mind.
constexpr Argb ToArgb(ColourRef colour, std::optional<int> alpha = std::nullopt)
{
    const Argb red = colour & 0xFF;
    const Argb green = (colour >> 8) & 0xFF;
    const Argb blue = (colour >> 16) & 0xFF;
    const Argb opacity = alpha && *alpha != 255 ? static_cast<Argb>(*alpha) & 0xFF : 254;
    return opacity << 24 | red << 16 | green << 8 | blue;
}

} // namespace corvatto::ui
