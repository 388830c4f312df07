#include "toolkit/win32/skin_drawing.h"

#include "toolkit/win32/handle.h"

#include <algorithm>

namespace tavmoor::toolkit::win32::skin {
namespace {

UINT horizontalFormat(Place place) {
    switch (place) {
    case Place::start: return DT_LEFT;
    case Place::centre: return DT_CENTER;
    case Place::end: return DT_RIGHT;
    }
    return DT_LEFT;
}

} // namespace

// ------------------------------------------------------ areas and colours --

void fill(HDC dc, RECT area, COLORREF colour) {
    const UniqueBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &area, brush.get());
}

void frame(HDC dc, RECT area, COLORREF colour) {
    const UniqueBrush brush(CreateSolidBrush(colour));
    FrameRect(dc, &area, brush.get());
}

RECT inset(RECT area, int by) {
    InflateRect(&area, -by, -by);
    return area;
}

RECT clientRect(HWND window) {
    RECT area{};
    GetClientRect(window, &area);
    return area;
}

COLORREF darker(COLORREF colour) {
    return RGB(GetRValue(colour) * 3 / 4, GetGValue(colour) * 3 / 4, GetBValue(colour) * 3 / 4);
}

COLORREF lighter(COLORREF colour) {
    const auto lift = [](int channel) { return channel + (255 - channel) / 3; };
    return RGB(lift(GetRValue(colour)), lift(GetGValue(colour)), lift(GetBValue(colour)));
}

DWORD styleOf(HWND window) { return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)); }

HBRUSH askParentForColours(HWND control, HDC dc, UINT message) {
    const HWND parent = GetParent(control);
    const auto dcParameter = reinterpret_cast<WPARAM>(dc);
    const auto controlParameter = reinterpret_cast<LPARAM>(control);
    HBRUSH brush = nullptr;
    if (parent) {
        brush = reinterpret_cast<HBRUSH>(SendMessageW(parent, message, dcParameter, controlParameter));
    }
    if (!brush) {
        brush = reinterpret_cast<HBRUSH>(
            DefWindowProcW(parent ? parent : control, message, dcParameter, controlParameter));
    }
    return brush;
}

// ----------------------------------------------------------------- text --

Alignment alignmentOf(DWORD style, Alignment fallback) {
    Alignment alignment = fallback;
    switch (style & BS_CENTER) {
    case BS_LEFT: alignment.horizontal = Place::start; break;
    case BS_RIGHT: alignment.horizontal = Place::end; break;
    case BS_CENTER: alignment.horizontal = Place::centre; break;
    default: break;
    }
    switch (style & BS_VCENTER) {
    case BS_TOP: alignment.vertical = Place::start; break;
    case BS_BOTTOM: alignment.vertical = Place::end; break;
    case BS_VCENTER: alignment.vertical = Place::centre; break;
    default: break;
    }
    return alignment;
}

LONG placeWithin(LONG begin, LONG end, LONG length, Place place) {
    switch (place) {
    case Place::start: return begin;
    case Place::centre: return begin + (end - begin - length) / 2;
    case Place::end: return end - length;
    }
    return begin;
}

LRESULT uiStateOf(HWND control) { return SendMessageW(control, WM_QUERYUISTATE, 0, 0); }

LabelStyle labelStyleOf(HWND control, Alignment fallback) {
    const DWORD style = styleOf(control);
    return {alignmentOf(style, fallback), (style & BS_MULTILINE) != 0,
            (uiStateOf(control) & UISF_HIDEACCEL) != 0};
}

RECT drawLabel(HDC dc, const std::wstring& text, RECT area, const LabelStyle& style) {
    if (text.empty()) {
        return RECT{area.left, area.top, area.left, area.top};
    }
    const UINT format = horizontalFormat(style.alignment.horizontal) |
                        (style.multiline ? DT_WORDBREAK : DT_SINGLELINE) |
                        (style.hidePrefix ? DT_HIDEPREFIX : 0u);
    const int length = static_cast<int>(text.size());
    RECT measured = area;
    DrawTextW(dc, text.c_str(), length, &measured, format | DT_CALCRECT);
    const LONG width = std::min(measured.right - measured.left, area.right - area.left);
    const LONG height = measured.bottom - measured.top;
    // DrawText aligns horizontally within the whole width, so that a glyph
    // overhanging its advance (an italic or a final "f") is not cut off.
    RECT lines{area.left, placeWithin(area.top, area.bottom, height, style.alignment.vertical), area.right, 0};
    lines.bottom = lines.top + height;
    DrawTextW(dc, text.c_str(), length, &lines, format);
    const LONG left = placeWithin(area.left, area.right, width, style.alignment.horizontal);
    return RECT{left, lines.top, left + width, lines.bottom};
}

void drawFocus(HDC dc, RECT area, HWND control) {
    if (GetFocus() == control && (uiStateOf(control) & UISF_HIDEFOCUS) == 0) {
        DrawFocusRect(dc, &area);
    }
}

} // namespace tavmoor::toolkit::win32::skin
