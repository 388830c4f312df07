// Win32 menus built from a window's menu items.
#pragma once

#include "toolkit/layout.h"
#include "toolkit/win32/handle.h"

#include <span>
#include <vector>

namespace tavmoor::toolkit::win32 {

// The menu bar: every visible top-level menu with its visible items; empty
// when no top-level menu is visible.
UniqueMenu buildMenuBar(std::span<const MenuItemLayout> menu, const std::vector<bool>& checks);

// A popup menu of the items under the top-level menu at `topIndex`.
UniqueMenu buildPopupMenu(std::span<const MenuItemLayout> menu, std::size_t topIndex,
                          const std::vector<bool>& checks);

} // namespace tavmoor::toolkit::win32
