// The program's two windows, as the toolkit builds them.
#pragma once

#include "toolkit/layout.h"

#include <cstdint>
#include <span>

namespace tavmoor::layouts {

// The main window: clock, shutdown time fields, autostart box, power buttons.
const toolkit::WindowLayout& mainWindow();

// The reminder window: opened half a minute before the set time.
const toolkit::WindowLayout& reminderWindow();

// The program icon: the .ico file the main window carries, which is also the
// tray icon and the executable's DEFAULT_ICON.
std::span<const std::uint8_t> programIcon();

} // namespace tavmoor::layouts
