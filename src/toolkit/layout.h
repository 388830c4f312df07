// Window layouts as plain data: what the toolkit builds a window from.
// Places and sizes are pixels; texts are GBK bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace tavmoor::toolkit {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

enum class ControlKind { editBox, button, checkBox, groupBox, label, timer };

// The default GUI font (DEFAULT_GUI_FONT), or 宋体 with a 12-pixel character height.
enum class Font { defaultGui, songTi12 };

struct ControlLayout {
    ControlKind kind = ControlKind::label;
    std::string_view name;   // GBK, unique within its window
    int left = 0;            // relative to the parent's client area
    int top = 0;
    int width = 0;
    int height = 0;
    std::string_view text;   // GBK
    std::string_view parent; // name of the group box it sits in; empty: the window
    bool visible = true;
    bool disabled = false;
    bool tabStop = false;
    int tabIndex = 0;
    std::optional<Rgb> textColour;        // none: black
    std::optional<Rgb> backgroundColour;  // none: the kind's default (white edit, else button face)
    bool centred = false;
    Font font = Font::defaultGui;
    int period = 0;          // timers only, in ms; above 0 starts the timer at creation
};

struct MenuItemLayout {
    std::string_view caption; // "-" is a separator
    int level = 0;            // 0: top-level menu; 1: item of the menu before it
    bool visible = true;
    bool enabled = true;
    bool checked = false;
};

struct WindowLayout {
    std::string_view title;   // GBK
    int width = 0;            // outer size, frame and title bar included
    int height = 0;
    bool visible = true;      // shown when loaded
    bool alwaysOnTop = false;
    bool escCloses = false;
    bool enterMovesFocus = false;
    std::span<const std::uint8_t> icon; // an .ico file; empty: the executable's DEFAULT_ICON
    std::span<const ControlLayout> controls;   // layout order
    std::span<const MenuItemLayout> menu;      // layout order
};

} // namespace tavmoor::toolkit
