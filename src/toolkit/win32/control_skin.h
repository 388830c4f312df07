// The control skin: a flat drawing of the standard controls (push buttons,
// check boxes, radio buttons, group boxes, edit fields, drop-down combo boxes
// and up-down controls) of every window of the calling GUI thread, those that
// exist when it is switched on and those created later.
#pragma once

#include <cstdint>
#include <optional>

namespace tavmoor::toolkit::win32 {

// Schemes 1, 2 and 3 switch the skin on (or change its colours); any other
// number switches it off, and the controls get their normal drawing back.
// Present controls repaint. Returns false only when the skin could not be
// switched on (the thread's window-creation hook was refused).
bool setControlSkin(int scheme);

// The frame colour of a scheme, as a COLORREF (0x00BBGGRR); nothing for a
// number that switches the skin off.
std::optional<std::uint32_t> controlSkinFrameColour(int scheme);

} // namespace tavmoor::toolkit::win32
