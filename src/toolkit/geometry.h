// Plain decisions of the toolkit: where a window opens, the tab order, the
// identifiers of controls and menu commands, the parts of the executable path.
#pragma once

#include "toolkit/layout.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavmoor::toolkit {

struct Point {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(Point, Point) = default;
};

// The top-left corner that centres a window of the given outer size on a
// screen of the given size, in integer division.
Point centredPlace(int screenWidth, int screenHeight, int width, int height);

// Indices of the controls that take part in tabbing (tab-stop flag, visible,
// not disabled), sorted by tab index and, at equal index, by reverse layout order.
std::vector<std::size_t> tabOrder(std::span<const ControlLayout> controls);

// The control after (step +1) or before (step -1) `current` in `order`,
// wrapping around. With no current control, the first (or last) one.
std::optional<std::size_t> nextInTabOrder(std::span<const std::size_t> order,
                                          std::optional<std::size_t> current, int step);

// Control identifiers: the layout index plus one (0 is no control).
constexpr int controlId(std::size_t index) { return static_cast<int>(index) + 1; }
std::optional<std::size_t> controlIndex(int id, std::size_t controlCount);

// Menu command identifiers: 20000 plus the item's index among the window's
// menu items, the top-level menu counting as index 0.
constexpr int kFirstMenuCommand = 20000;
constexpr int menuCommandId(std::size_t index) { return kFirstMenuCommand + static_cast<int>(index); }
std::optional<std::size_t> menuItemIndex(int commandId, std::size_t itemCount);

// Index of the control or menu item with the given name or caption.
std::optional<std::size_t> findControl(std::span<const ControlLayout> controls, std::string_view name);
std::optional<std::size_t> findMenuItem(std::span<const MenuItemLayout> menu, std::string_view caption);

// The executable's full path split at its last backslash: the run directory
// (no trailing backslash) and the file name with its extension.
struct ExecutablePath {
    std::wstring directory;
    std::wstring fileName;
};
ExecutablePath splitExecutablePath(std::wstring_view fullPath);

} // namespace tavmoor::toolkit
