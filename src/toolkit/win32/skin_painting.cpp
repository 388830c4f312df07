#include "toolkit/win32/skin_painting.h"

#include "toolkit/win32/handle.h"
#include "toolkit/win32/skin_drawing.h"
#include "toolkit/win32/text.h"

#include <algorithm>
#include <array>
#include <string>

namespace tavmoor::toolkit::win32::skin {
namespace {

using UniquePen = Unique<HPEN, freeGdiObject>;

constexpr int kMarkBoxSize = 13;
constexpr int kMarkGap = 4;

void drawCheckMark(HDC dc, RECT box, COLORREF colour) {
    const UniquePen pen(CreatePen(PS_SOLID, 1, colour));
    const SelectGuard selected(dc, pen.get());
    // Three one-pixel strokes stacked make the classic 7 x 7 tick.
    for (int dy = 0; dy < 3; ++dy) {
        const std::array<POINT, 3> tick{{{box.left + 3, box.top + 5 + dy},
                                         {box.left + 5, box.top + 7 + dy},
                                         {box.left + 10, box.top + 2 + dy}}};
        Polyline(dc, tick.data(), static_cast<int>(tick.size()));
    }
}

void drawEllipse(HDC dc, RECT area, COLORREF outline, COLORREF inside) {
    const UniquePen pen(CreatePen(PS_SOLID, 1, outline));
    const UniqueBrush brush(CreateSolidBrush(inside));
    const SelectGuard penSelected(dc, pen.get());
    const SelectGuard brushSelected(dc, brush.get());
    Ellipse(dc, area.left, area.top, area.right, area.bottom);
}

struct MarkState {
    LRESULT check = BST_UNCHECKED;
    bool pressed = false;
    bool enabled = true;
};

void drawMarkBox(HDC dc, RECT box, ButtonLook look, const MarkState& state, const Scheme& scheme) {
    const COLORREF outline = state.pressed ? darker(scheme.frame) : scheme.frame;
    const COLORREF inside = GetSysColor(state.enabled && !state.pressed ? COLOR_WINDOW : COLOR_BTNFACE);
    const COLORREF mark = GetSysColor(state.enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
    if (look == ButtonLook::radio) {
        drawEllipse(dc, box, outline, inside);
        if (state.check == BST_CHECKED) {
            drawEllipse(dc, RECT{box.left + 4, box.top + 4, box.left + 9, box.top + 9}, mark, mark);
        }
        return;
    }
    fill(dc, box, inside);
    frame(dc, box, outline);
    if (state.check == BST_CHECKED) {
        drawCheckMark(dc, box, mark);
    } else if (state.check == BST_INDETERMINATE) {
        fill(dc, inset(box, 3), GetSysColor(COLOR_GRAYTEXT));
    }
}

// The 13 x 13 box at the left, vertically centred (at the right with BS_LEFTTEXT).
RECT markBoxIn(RECT area, bool atRight) {
    const LONG left = atRight ? area.right - kMarkBoxSize : area.left;
    const LONG top = area.top + (area.bottom - area.top - kMarkBoxSize) / 2;
    return RECT{left, top, left + kMarkBoxSize, top + kMarkBoxSize};
}

RECT textAreaBeside(RECT area, RECT box, bool boxAtRight) {
    if (boxAtRight) {
        area.right = box.left - kMarkGap;
    } else {
        area.left = box.right + kMarkGap;
    }
    return area;
}

// The frame runs through the middle of the caption. The band where the
// standard 2-pixel etched frame lay is cleared first, so none of it shows.
void drawGroupFrame(HDC dc, RECT area, int captionHeight, HBRUSH background, const Scheme& scheme) {
    RECT border = area;
    border.top += captionHeight / 2;
    RECT band = border;
    band.top = std::max(area.top, border.top - 1);
    for (int ring = 0; ring < 3; ++ring) {
        const RECT line = inset(band, ring);
        FrameRect(dc, &line, background);
    }
    frame(dc, border, scheme.frame);
}

// The caption 8 pixels in (or centred, or right-aligned, as the style says),
// on the parent's background, which breaks the frame's top line.
void drawGroupCaption(HWND group, HDC dc, RECT area, int captionHeight, HBRUSH background) {
    const std::wstring caption = windowText(group);
    if (caption.empty()) {
        return;
    }
    constexpr LONG kCaptionIndent = 8;
    constexpr LONG kCaptionPadding = 2;
    const Place place = alignmentOf(styleOf(group), {Place::start, Place::start}).horizontal;
    const UINT format = DT_SINGLELINE | DT_LEFT | ((uiStateOf(group) & UISF_HIDEACCEL) != 0 ? DT_HIDEPREFIX : 0u);
    const int length = static_cast<int>(caption.size());
    RECT measured = area;
    DrawTextW(dc, caption.c_str(), length, &measured, format | DT_CALCRECT);
    const LONG width = std::min(measured.right - measured.left, area.right - area.left - 2 * kCaptionIndent);
    RECT captionArea{};
    captionArea.left = placeWithin(area.left + kCaptionIndent, area.right - kCaptionIndent, width, place);
    captionArea.right = captionArea.left + width;
    captionArea.top = area.top;
    captionArea.bottom = area.top + captionHeight;
    RECT behind = captionArea;
    InflateRect(&behind, kCaptionPadding, 0);
    FillRect(dc, &behind, background);
    // No clipping: an overhanging last glyph falls on the padding.
    DrawTextW(dc, caption.c_str(), length, &captionArea, format | DT_NOCLIP);
}

// A group box that holds controls of its own is their container, and nothing
// else paints the space between them: the standard group box leaves its
// interior unpainted, which shows whatever was on screen before (black under
// Wine) when the window clips its children. The container's interior gets the
// parent's background, around the controls so they do not flicker.
void fillContainerInterior(HWND group, HDC dc, RECT area, HBRUSH background) {
    HWND child = GetWindow(group, GW_CHILD);
    if (!child) {
        return;
    }
    const SavedDcState clipping(dc);
    for (; child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child)) {
            RECT place{};
            GetWindowRect(child, &place);
            MapWindowPoints(nullptr, group, reinterpret_cast<POINT*>(&place), 2);
            ExcludeClipRect(dc, place.left, place.top, place.right, place.bottom);
        }
    }
    FillRect(dc, &area, background);
}

} // namespace

ButtonLook lookOf(DWORD style) {
    if ((style & (BS_BITMAP | BS_ICON)) != 0) {
        return ButtonLook::standard;
    }
    const bool pushLike = (style & BS_PUSHLIKE) != 0;
    switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON: return ButtonLook::push;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE: return pushLike ? ButtonLook::standard : ButtonLook::check;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return pushLike ? ButtonLook::standard : ButtonLook::radio;
    case BS_GROUPBOX: return ButtonLook::group;
    default: return ButtonLook::standard;
    }
}

// ---------------------------------------------------------------- buttons --

void paintPushButton(HWND button, HDC dc, const Scheme& scheme, bool hot) {
    const RECT area = clientRect(button);
    const LRESULT state = SendMessageW(button, BM_GETSTATE, 0, 0);
    const bool pressed = (state & BST_PUSHED) != 0;
    const bool enabled = IsWindowEnabled(button) != FALSE;
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    fill(dc, area, hot && enabled && !pressed ? lighter(face) : face);
    frame(dc, area, pressed ? darker(scheme.frame) : scheme.frame);

    const FontScope font(dc, button);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    RECT textArea = inset(area, 3);
    if (pressed) {
        OffsetRect(&textArea, 1, 1);
    }
    drawLabel(dc, windowText(button), textArea, labelStyleOf(button, {Place::centre, Place::centre}));
    drawFocus(dc, inset(area, 3), button);
}

void paintCheckBox(HWND button, HDC dc, ButtonLook look, const Scheme& scheme) {
    const RECT area = clientRect(button);
    const FontScope font(dc, button);
    FillRect(dc, &area, askParentForColours(button, dc, WM_CTLCOLORSTATIC));
    const COLORREF parentTextColour = GetTextColor(dc);

    const LRESULT state = SendMessageW(button, BM_GETSTATE, 0, 0);
    const bool enabled = IsWindowEnabled(button) != FALSE;
    const bool boxAtRight = (styleOf(button) & BS_LEFTTEXT) != 0;
    const RECT box = markBoxIn(area, boxAtRight);
    drawMarkBox(dc, box, look, {state & (BST_CHECKED | BST_INDETERMINATE), (state & BST_PUSHED) != 0, enabled},
                scheme);

    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, enabled ? parentTextColour : GetSysColor(COLOR_GRAYTEXT));
    const std::wstring text = windowText(button);
    RECT written = drawLabel(dc, text, textAreaBeside(area, box, boxAtRight),
                             labelStyleOf(button, {Place::start, Place::centre}));
    if (!text.empty()) {
        InflateRect(&written, 1, 1);
        IntersectRect(&written, &written, &area);
        drawFocus(dc, written, button);
    }
}

void paintGroupBox(HWND group, HDC dc, const Scheme& scheme) {
    const RECT area = clientRect(group);
    const FontScope font(dc, group);
    const HBRUSH background = askParentForColours(group, dc, WM_CTLCOLORSTATIC);
    fillContainerInterior(group, dc, area, background);
    SetBkMode(dc, TRANSPARENT);
    if (!IsWindowEnabled(group)) {
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    }
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    drawGroupFrame(dc, area, metrics.tmHeight, background, scheme);
    drawGroupCaption(group, dc, area, metrics.tmHeight, background);
}

// ------------------------------------------------------- framed controls --

void paintEditEdge(HWND edit, const Scheme& scheme) {
    const WindowDc dc(edit, WindowDc::Area::whole);
    if (!dc.get()) {
        return;
    }
    RECT outer{};
    GetWindowRect(edit, &outer);
    OffsetRect(&outer, -outer.left, -outer.top);
    const DWORD style = styleOf(edit);
    if ((style & WS_BORDER) != 0) {
        InflateRect(&outer, -GetSystemMetrics(SM_CXBORDER), -GetSystemMetrics(SM_CYBORDER));
    }
    const bool enabled = IsWindowEnabled(edit) != FALSE;
    const bool editable = enabled && (style & ES_READONLY) == 0;
    const HBRUSH background = askParentForColours(edit, dc.get(), editable ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC);
    frame(dc.get(), outer, enabled ? scheme.frame : GetSysColor(COLOR_BTNSHADOW));
    const int edge = GetSystemMetrics(SM_CXEDGE);
    for (int ring = 1; ring < edge; ++ring) {
        const RECT line = inset(outer, ring);
        FrameRect(dc.get(), &line, background);
    }
}

bool hasClientEdge(HWND window) {
    return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
}

void frameClientArea(HWND control, HDC lent, const Scheme& scheme) {
    if (lent) {
        frame(lent, clientRect(control), scheme.frame);
        return;
    }
    const WindowDc dc(control, WindowDc::Area::client);
    if (dc.get()) {
        frame(dc.get(), clientRect(control), scheme.frame);
    }
}

bool isDropDown(HWND comboBox) {
    const DWORD type = styleOf(comboBox) & 0x3u;
    return type == CBS_DROPDOWN || type == CBS_DROPDOWNLIST;
}

} // namespace tavmoor::toolkit::win32::skin
