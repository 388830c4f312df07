// Window icons from .ico file bytes, or from the executable's DEFAULT_ICON.
#pragma once

#include "toolkit/toolkit.h"
#include "toolkit/win32/handle.h"

#include <windows.h>

namespace tavmoor::toolkit::win32 {

// An icon of about `size` pixels from the image of the file that fits it best;
// empty when the bytes are no usable .ico file.
UniqueIcon iconFromIcoFile(Bytes file, int size);

// The executable's icon group resource DEFAULT_ICON at `size` pixels.
UniqueIcon defaultIcon(HINSTANCE instance, int size);

} // namespace tavmoor::toolkit::win32
