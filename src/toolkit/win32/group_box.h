// A group box that holds controls passes their notifications on to its window.
#pragma once

#include <windows.h>

namespace tavmoor::toolkit::win32 {

// A control placed in a group box is the group box's child, so its
// WM_COMMAND and WM_CTLCOLOR* messages reach the group box, whose BUTTON
// procedure drops them. From this call on they go on to the top-level window,
// where the toolkit raises the control's events and answers its colours.
void forwardChildNotifications(HWND groupBox);

} // namespace tavmoor::toolkit::win32
