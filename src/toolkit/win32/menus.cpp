#include "toolkit/win32/menus.h"

#include "toolkit/geometry.h"
#include "toolkit/win32/text.h"

namespace tavmoor::toolkit::win32 {
namespace {

void appendItem(HMENU popup, const MenuItemLayout& item, std::size_t index, bool checked) {
    if (item.caption == "-") {
        AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
        return;
    }
    if (!item.visible) {
        return;
    }
    UINT flags = MF_STRING;
    if (checked) {
        flags |= MF_CHECKED;
    }
    if (!item.enabled) {
        flags |= MF_GRAYED;
    }
    AppendMenuW(popup, flags, static_cast<UINT_PTR>(menuCommandId(index)), toWide(item.caption).c_str());
}

} // namespace

UniqueMenu buildPopupMenu(std::span<const MenuItemLayout> menu, std::size_t topIndex,
                          const std::vector<bool>& checks) {
    UniqueMenu popup(CreatePopupMenu());
    for (std::size_t i = topIndex + 1; i < menu.size() && menu[i].level > 0; ++i) {
        appendItem(popup.get(), menu[i], i, i < checks.size() && checks[i]);
    }
    return popup;
}

UniqueMenu buildMenuBar(std::span<const MenuItemLayout> menu, const std::vector<bool>& checks) {
    UniqueMenu bar;
    for (std::size_t i = 0; i < menu.size(); ++i) {
        if (menu[i].level != 0 || !menu[i].visible) {
            continue;
        }
        if (!bar) {
            bar.reset(CreateMenu());
        }
        UniqueMenu popup = buildPopupMenu(menu, i, checks);
        // The bar owns the popup from here on.
        AppendMenuW(bar.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(popup.release()),
                    toWide(menu[i].caption).c_str());
    }
    return bar;
}

} // namespace tavmoor::toolkit::win32
