#include "toolkit/geometry.h"

#include <algorithm>

namespace tavmoor::toolkit {

Point centredPlace(int screenWidth, int screenHeight, int width, int height) {
    return {(screenWidth - width) / 2, (screenHeight - height) / 2};
}

std::vector<std::size_t> tabOrder(std::span<const ControlLayout> controls) {
    std::vector<std::size_t> order;
    for (std::size_t i = controls.size(); i-- > 0;) {
        const auto& c = controls[i];
        if (c.tabStop && c.visible && !c.disabled) {
            order.push_back(i);
        }
    }
    // Stable: controls with equal tab index keep their reverse layout order.
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return controls[a].tabIndex < controls[b].tabIndex;
    });
    return order;
}

std::optional<std::size_t> nextInTabOrder(std::span<const std::size_t> order,
                                          std::optional<std::size_t> current, int step) {
    if (order.empty()) {
        return std::nullopt;
    }
    const auto found = current ? std::find(order.begin(), order.end(), *current) : order.end();
    if (found == order.end()) {
        return step >= 0 ? order.front() : order.back();
    }
    const auto size = static_cast<std::ptrdiff_t>(order.size());
    const auto at = found - order.begin();
    const auto next = ((at + (step >= 0 ? 1 : -1)) % size + size) % size;
    return order[static_cast<std::size_t>(next)];
}

std::optional<std::size_t> controlIndex(int id, std::size_t controlCount) {
    if (id < 1 || static_cast<std::size_t>(id) > controlCount) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(id - 1);
}

std::optional<std::size_t> menuItemIndex(int commandId, std::size_t itemCount) {
    if (commandId < kFirstMenuCommand || static_cast<std::size_t>(commandId - kFirstMenuCommand) >= itemCount) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(commandId - kFirstMenuCommand);
}

std::optional<std::size_t> findControl(std::span<const ControlLayout> controls, std::string_view name) {
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].name == name) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> findMenuItem(std::span<const MenuItemLayout> menu, std::string_view caption) {
    for (std::size_t i = 0; i < menu.size(); ++i) {
        if (menu[i].caption == caption && caption != "-") {
            return i;
        }
    }
    return std::nullopt;
}

ExecutablePath splitExecutablePath(std::wstring_view fullPath) {
    const auto slash = fullPath.rfind(L'\\');
    if (slash == std::wstring_view::npos) {
        return {std::wstring{}, std::wstring{fullPath}};
    }
    return {std::wstring{fullPath.substr(0, slash)}, std::wstring{fullPath.substr(slash + 1)}};
}

} // namespace tavmoor::toolkit
