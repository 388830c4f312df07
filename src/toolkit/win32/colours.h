// Layout colours as Windows colours.
#pragma once

#include "toolkit/layout.h"

#include <windows.h>

#include <optional>

namespace tavmoor::toolkit::win32 {

inline COLORREF toColorRef(Rgb colour) { return RGB(colour.red, colour.green, colour.blue); }

// The layout's colour, or the given system colour read now.
inline COLORREF colourOr(const std::optional<Rgb>& colour, int systemColour) {
    return colour ? toColorRef(*colour) : GetSysColor(systemColour);
}

} // namespace tavmoor::toolkit::win32
