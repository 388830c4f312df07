// What the control skin draws with: device-context scopes, shades of a
// colour, the parent's colours, and labels placed as the BUTTON styles say.
#pragma once

#include <windows.h>

#include <string>

namespace tavmoor::toolkit::win32::skin {

// ------------------------------------------------------- device contexts --

// GetDC or GetWindowDC for a scope.
class WindowDc {
public:
    enum class Area { client, whole };
    WindowDc(HWND window, Area area)
        : window_(window), dc_(area == Area::whole ? GetWindowDC(window) : GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_) {
            ReleaseDC(window_, dc_);
        }
    }
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Keeps a device context we were lent (WM_PAINT or WM_PRINTCLIENT with a DC)
// as we found it.
class SavedDcState {
public:
    explicit SavedDcState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    SavedDcState(const SavedDcState&) = delete;
    SavedDcState& operator=(const SavedDcState&) = delete;
    ~SavedDcState() {
        if (saved_ != 0) {
            RestoreDC(dc_, saved_);
        }
    }

private:
    HDC dc_;
    int saved_;
};

// Selects the control's font (WM_GETFONT) for a scope; a control without one
// keeps the device context's default, the system font, as the control does.
// (Not a SelectGuard: with no font there is nothing to select or restore.)
class FontScope {
public:
    FontScope(HDC dc, HWND control)
        : dc_(dc), font_(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0))),
          previous_(font_ ? SelectObject(dc, font_) : nullptr) {}
    FontScope(const FontScope&) = delete;
    FontScope& operator=(const FontScope&) = delete;
    ~FontScope() {
        if (font_) {
            SelectObject(dc_, previous_);
        }
    }

private:
    HDC dc_;
    HFONT font_;
    HGDIOBJ previous_;
};

// ------------------------------------------------------ areas and colours --

void fill(HDC dc, RECT area, COLORREF colour);
void frame(HDC dc, RECT area, COLORREF colour);
RECT inset(RECT area, int by);
RECT clientRect(HWND window);

COLORREF darker(COLORREF colour);
COLORREF lighter(COLORREF colour);

DWORD styleOf(HWND window);

// The parent's WM_CTLCOLOR* answer: it sets the text colour on the device
// context and returns the background brush, so the program's own colours
// apply to the skinned control as they do to the standard one.
HBRUSH askParentForColours(HWND control, HDC dc, UINT message);

// ----------------------------------------------------------------- text --

enum class Place { start, centre, end };

struct Alignment {
    Place horizontal = Place::start;
    Place vertical = Place::centre;
};

// BS_LEFT/BS_CENTER/BS_RIGHT and BS_TOP/BS_VCENTER/BS_BOTTOM, or the kind's
// own alignment where the style leaves it open.
Alignment alignmentOf(DWORD style, Alignment fallback);

// Where a run of the given length starts between begin and end.
LONG placeWithin(LONG begin, LONG end, LONG length, Place place);

struct LabelStyle {
    Alignment alignment;
    bool multiline = false;
    bool hidePrefix = false;
};

// Keyboard cues: Windows hides focus rectangles and mnemonic underlines until
// the keyboard is used, and the skin follows the control's UI state.
LRESULT uiStateOf(HWND control);

LabelStyle labelStyleOf(HWND control, Alignment fallback);

// Draws the text aligned within the area; returns where it went.
RECT drawLabel(HDC dc, const std::wstring& text, RECT area, const LabelStyle& style);

void drawFocus(HDC dc, RECT area, HWND control);

} // namespace tavmoor::toolkit::win32::skin
