// How the control skin paints each kind of control: push buttons, check
// boxes, radio buttons and group boxes entirely; edit fields, combo boxes and
// up-down controls as a flat frame over their default drawing.
#pragma once

#include <windows.h>

namespace tavmoor::toolkit::win32::skin {

struct Scheme {
    COLORREF frame = 0;
};

enum class ButtonLook { standard, push, check, radio, group };

// Picture buttons, owner-drawn ones and push-like check boxes keep their
// standard drawing.
ButtonLook lookOf(DWORD style);

// ---------------------------------------------------------------- buttons --

void paintPushButton(HWND button, HDC dc, const Scheme& scheme, bool hot);

// A check box or a radio button (look check or radio).
void paintCheckBox(HWND button, HDC dc, ButtonLook look, const Scheme& scheme);

void paintGroupBox(HWND group, HDC dc, const Scheme& scheme);

// ------------------------------------------------------- framed controls --

// An edit field's sunken 2-pixel client edge becomes a 1-pixel frame with the
// field's own background inside it; a disabled field gets a plain grey frame.
void paintEditEdge(HWND edit, const Scheme& scheme);

bool hasClientEdge(HWND window);

// A 1-pixel frame over the default drawing of combo boxes and up-down controls.
void frameClientArea(HWND control, HDC lent, const Scheme& scheme);

bool isDropDown(HWND comboBox);

} // namespace tavmoor::toolkit::win32::skin
