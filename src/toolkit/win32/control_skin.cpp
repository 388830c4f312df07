// The control skin. A thread-local window-creation hook subclasses every new
// BUTTON, EDIT, COMBOBOX and up-down control of the thread; switching on also
// subclasses the ones that exist already. The subclass procedure paints push
// buttons, check boxes, radio buttons and group boxes itself, and draws flat
// frames over the default drawing of edit fields, combo boxes and up-down
// controls. Every message still reaches the control's own procedure, so
// clicks, check states and notifications work as before.
#include "toolkit/win32/control_skin.h"

#include "toolkit/win32/handle.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace tavmoor::toolkit::win32 {
namespace {

// ---------------------------------------------------------------- state --

void unhook(HHOOK hook) { UnhookWindowsHookEx(hook); }
using UniqueHook = Unique<HHOOK, unhook>;
using UniquePen = Unique<HPEN, freeGdiObject>;

struct Scheme {
    COLORREF frame = 0;
};

struct SkinState {
    std::optional<Scheme> scheme; // nothing: the skin is off
    UniqueHook creationHook;
};

// The skin belongs to the GUI thread that switched it on.
SkinState& skinState() {
    thread_local SkinState state;
    return state;
}

std::optional<Scheme> schemeFor(int number) {
    switch (number) {
    case 1: return Scheme{RGB(127, 157, 185)}; // blue-grey
    case 2: return Scheme{RGB(172, 172, 172)}; // grey
    case 3: return Scheme{RGB(198, 197, 215)}; // lavender grey
    default: return std::nullopt;
    }
}

// --------------------------------------------------------- GDI helpers --

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

COLORREF darker(COLORREF colour) {
    return RGB(GetRValue(colour) * 3 / 4, GetGValue(colour) * 3 / 4, GetBValue(colour) * 3 / 4);
}

COLORREF lighter(COLORREF colour) {
    const auto lift = [](int channel) { return channel + (255 - channel) / 3; };
    return RGB(lift(GetRValue(colour)), lift(GetGValue(colour)), lift(GetBValue(colour)));
}

RECT clientRect(HWND window) {
    RECT area{};
    GetClientRect(window, &area);
    return area;
}

DWORD styleOf(HWND window) { return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)); }

std::wstring textOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The parent's WM_CTLCOLOR* answer: it sets the text colour on the device
// context and returns the background brush, so the program's own colours
// apply to the skinned control as they do to the standard one.
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

// ---------------------------------------------------------------- text --

enum class Place { start, centre, end };

struct Alignment {
    Place horizontal = Place::start;
    Place vertical = Place::centre;
};

// BS_LEFT/BS_CENTER/BS_RIGHT and BS_TOP/BS_VCENTER/BS_BOTTOM, or the kind's
// own alignment where the style leaves it open.
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

UINT horizontalFormat(Place place) {
    switch (place) {
    case Place::start: return DT_LEFT;
    case Place::centre: return DT_CENTER;
    case Place::end: return DT_RIGHT;
    }
    return DT_LEFT;
}

struct LabelStyle {
    Alignment alignment;
    bool multiline = false;
    bool hidePrefix = false;
};

// Keyboard cues: Windows hides focus rectangles and mnemonic underlines until
// the keyboard is used, and the skin follows the control's UI state.
LRESULT uiStateOf(HWND control) { return SendMessageW(control, WM_QUERYUISTATE, 0, 0); }

LabelStyle labelStyleOf(HWND control, Alignment fallback) {
    const DWORD style = styleOf(control);
    return {alignmentOf(style, fallback), (style & BS_MULTILINE) != 0,
            (uiStateOf(control) & UISF_HIDEACCEL) != 0};
}

// Draws the text aligned within the area; returns where it went.
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

// --------------------------------------------------------- the controls --

enum class ControlClass : std::uintptr_t { none = 0, button = 1, edit = 2, comboBox = 3, upDown = 4 };

enum class ButtonLook { standard, push, check, radio, group };

// Picture buttons, owner-drawn ones and push-like check boxes keep their
// standard drawing.
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
    drawLabel(dc, textOf(button), textArea, labelStyleOf(button, {Place::centre, Place::centre}));
    drawFocus(dc, inset(area, 3), button);
}

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
    const std::wstring text = textOf(button);
    RECT written = drawLabel(dc, text, textAreaBeside(area, box, boxAtRight),
                             labelStyleOf(button, {Place::start, Place::centre}));
    if (!text.empty()) {
        InflateRect(&written, 1, 1);
        IntersectRect(&written, &written, &area);
        drawFocus(dc, written, button);
    }
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
    const std::wstring caption = textOf(group);
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

// An edit field's sunken 2-pixel client edge becomes a 1-pixel frame with the
// field's own background inside it; a disabled field gets a plain grey frame.
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

// A 1-pixel frame over the default drawing of combo boxes and up-down controls.
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

// ------------------------------------------------------- subclassing --

// The previous window procedure and the control's skin state (its class and
// whether the mouse is over it) live on the window itself.
constexpr wchar_t kPreviousProcedure[] = L"Tavmoor.ControlSkin.Procedure";
constexpr wchar_t kControlState[] = L"Tavmoor.ControlSkin.State";
constexpr std::uintptr_t kClassMask = 0x0f;
constexpr std::uintptr_t kHotFlag = 0x10;

LRESULT CALLBACK skinProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

WNDPROC previousProcedureOf(HWND window) {
    return reinterpret_cast<WNDPROC>(GetPropW(window, kPreviousProcedure));
}

bool isSubclassed(HWND window) { return previousProcedureOf(window) != nullptr; }

std::uintptr_t controlStateOf(HWND window) {
    return reinterpret_cast<std::uintptr_t>(GetPropW(window, kControlState));
}

ControlClass classOf(HWND window) { return static_cast<ControlClass>(controlStateOf(window) & kClassMask); }

bool isHot(HWND window) { return (controlStateOf(window) & kHotFlag) != 0; }

void setHot(HWND window, bool hot) {
    const std::uintptr_t state = (controlStateOf(window) & ~kHotFlag) | (hot ? kHotFlag : 0);
    SetPropW(window, kControlState, reinterpret_cast<HANDLE>(state));
}

bool sameClassName(std::wstring_view a, std::wstring_view b) {
    const auto lower = [](wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; };
    return std::ranges::equal(a, b, [&](wchar_t x, wchar_t y) { return lower(x) == lower(y); });
}

ControlClass skinnableClassOf(HWND window) {
    std::array<wchar_t, 64> name{};
    const int length = GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    const std::wstring_view className(name.data(), static_cast<std::size_t>(std::max(length, 0)));
    if (sameClassName(className, L"Button")) return ControlClass::button;
    if (sameClassName(className, L"Edit")) return ControlClass::edit;
    if (sameClassName(className, L"ComboBox")) return ControlClass::comboBox;
    if (sameClassName(className, L"msctls_updown32")) return ControlClass::upDown;
    return ControlClass::none;
}

void subclass(HWND window) {
    const ControlClass controlClass = skinnableClassOf(window);
    if (controlClass == ControlClass::none || isSubclassed(window)) {
        return;
    }
    if (!SetPropW(window, kControlState, reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(controlClass)))) {
        return;
    }
    const LONG_PTR previous =
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&skinProcedure));
    if (previous == 0 || !SetPropW(window, kPreviousProcedure, reinterpret_cast<HANDLE>(previous))) {
        if (previous != 0) {
            SetWindowLongPtrW(window, GWLP_WNDPROC, previous);
        }
        RemovePropW(window, kControlState);
    }
}

void forgetSubclass(HWND window) {
    RemovePropW(window, kPreviousProcedure);
    RemovePropW(window, kControlState);
}

// Gives the window its previous procedure back, but only while ours is the
// outermost one: someone who subclassed the control after us still calls us,
// and restoring the old procedure would silently cut them off. Our procedure
// then stays in their chain and passes everything through while the skin is
// off.
void unsubclass(HWND window) {
    const WNDPROC previous = previousProcedureOf(window);
    if (!previous) {
        return;
    }
    if (GetWindowLongPtrW(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&skinProcedure)) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        forgetSubclass(window);
    } else {
        setHot(window, false);
    }
}

void repaint(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE); }

// ------------------------------------------------------------ messages --

struct Call {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    WNDPROC previous;

    LRESULT forward() const { return CallWindowProcW(previous, window, message, wParam, lParam); }
    HDC lentDc() const { return reinterpret_cast<HDC>(wParam); }
};

// Whether the skin still applies after the control's own processing, which
// may have destroyed it (a click handler) or switched the skin off.
bool stillSkinned(HWND window) {
    return IsWindow(window) && isSubclassed(window) && skinState().scheme.has_value();
}

void paintButton(HWND button, HDC dc, ButtonLook look, const Scheme& scheme) {
    switch (look) {
    case ButtonLook::push: paintPushButton(button, dc, scheme, isHot(button)); break;
    case ButtonLook::check:
    case ButtonLook::radio: paintCheckBox(button, dc, look, scheme); break;
    case ButtonLook::group: paintGroupBox(button, dc, scheme); break;
    case ButtonLook::standard: break;
    }
}

void paintButtonFor(const Call& call, ButtonLook look, const Scheme& scheme) {
    if (call.lentDc()) {
        const SavedDcState saved(call.lentDc());
        paintButton(call.window, call.lentDc(), look, scheme);
        return;
    }
    const PaintScope paint(call.window);
    paintButton(call.window, paint.dc(), look, scheme);
}

// BUTTON draws at once, outside WM_PAINT, when its state changes; after these
// messages the skin repaints so that its drawing is what stays on screen.
bool buttonDrawsOnIt(UINT message) {
    switch (message) {
    case BM_SETSTATE:
    case BM_SETCHECK:
    case BM_SETSTYLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_SETFONT:
    case WM_UPDATEUISTATE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CAPTURECHANGED: return true;
    default: return false;
    }
}

void repaintNow(HWND window) {
    if (stillSkinned(window)) {
        InvalidateRect(window, nullptr, FALSE);
        UpdateWindow(window);
    }
}

// Hover: the face lightens while the mouse is over a push button; one
// TrackMouseEvent per entry brings the WM_MOUSELEAVE that ends it.
LRESULT followMouse(const Call& call, ButtonLook look) {
    const LRESULT stateBefore = SendMessageW(call.window, BM_GETSTATE, 0, 0);
    const LRESULT result = call.forward();
    if (!stillSkinned(call.window)) {
        return result;
    }
    bool changed = SendMessageW(call.window, BM_GETSTATE, 0, 0) != stateBefore;
    if (look == ButtonLook::push && !isHot(call.window)) {
        TRACKMOUSEEVENT tracking{sizeof(TRACKMOUSEEVENT), TME_LEAVE, call.window, 0};
        if (TrackMouseEvent(&tracking)) {
            setHot(call.window, true);
            changed = true;
        }
    }
    if (changed) {
        repaintNow(call.window);
    }
    return result;
}

LRESULT buttonMessage(const Call& call, const Scheme& scheme) {
    const ButtonLook look = lookOf(styleOf(call.window));
    if (look == ButtonLook::standard) {
        return call.forward();
    }
    switch (call.message) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
        paintButtonFor(call, look, scheme);
        return 0;
    case WM_MOUSEMOVE:
        return followMouse(call, look);
    case WM_MOUSELEAVE: {
        setHot(call.window, false);
        const LRESULT result = call.forward();
        repaintNow(call.window);
        return result;
    }
    default:
        break;
    }
    const LRESULT result = call.forward();
    if (buttonDrawsOnIt(call.message)) {
        repaintNow(call.window);
    }
    return result;
}

LRESULT editMessage(const Call& call, const Scheme& scheme) {
    const LRESULT result = call.forward();
    switch (call.message) {
    case WM_NCPAINT:
        if (stillSkinned(call.window) && hasClientEdge(call.window)) {
            paintEditEdge(call.window, scheme);
        }
        break;
    case WM_ENABLE:
    case WM_STYLECHANGED:
        // The edge shows the enabled state, and the edit repaints only its client area.
        if (stillSkinned(call.window)) {
            RedrawWindow(call.window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        }
        break;
    default:
        break;
    }
    return result;
}

// Combo boxes and up-down controls redraw parts of themselves at once on
// these; the frame is drawn again after them.
bool framedControlDrawsOnIt(UINT message) {
    switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
    case WM_KEYDOWN:
    case CB_SHOWDROPDOWN:
    case CB_SETCURSEL: return true;
    default: return false;
    }
}

LRESULT framedControlMessage(const Call& call, const Scheme& scheme) {
    const LRESULT result = call.forward();
    if (!stillSkinned(call.window) || (classOf(call.window) == ControlClass::comboBox && !isDropDown(call.window))) {
        return result;
    }
    if (call.message == WM_PAINT || call.message == WM_PRINTCLIENT) {
        frameClientArea(call.window, call.lentDc(), scheme);
    } else if (framedControlDrawsOnIt(call.message)) {
        frameClientArea(call.window, nullptr, scheme);
    }
    return result;
}

LRESULT CALLBACK skinProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const Call call{window, message, wParam, lParam, previousProcedureOf(window)};
    if (!call.previous) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        forgetSubclass(window);
        return call.forward();
    }
    const std::optional<Scheme> scheme = skinState().scheme;
    if (!scheme) {
        return call.forward();
    }
    switch (classOf(window)) {
    case ControlClass::button: return buttonMessage(call, *scheme);
    case ControlClass::edit: return editMessage(call, *scheme);
    case ControlClass::comboBox:
    case ControlClass::upDown: return framedControlMessage(call, *scheme);
    case ControlClass::none: break;
    }
    return call.forward();
}

// ------------------------------------------------------ switching on/off --

// Future windows: subclassed as they are created. HCBT_CREATEWND comes once
// the window exists, before it receives WM_NCCREATE.
LRESULT CALLBACK creationHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        subclass(reinterpret_cast<HWND>(wParam));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

using WindowVisitor = std::function<void(HWND)>;

BOOL CALLBACK visitChild(HWND window, LPARAM visitor) {
    DWORD process = 0;
    if (GetWindowThreadProcessId(window, &process) == GetCurrentThreadId()) {
        (*reinterpret_cast<const WindowVisitor*>(visitor))(window);
    }
    return TRUE;
}

BOOL CALLBACK visitTopLevel(HWND window, LPARAM visitor) {
    (*reinterpret_cast<const WindowVisitor*>(visitor))(window);
    EnumChildWindows(window, visitChild, visitor);
    return TRUE;
}

// Every window of the calling thread, top-level windows and all their descendants.
void forEachWindowOfThread(const WindowVisitor& visitor) {
    EnumThreadWindows(GetCurrentThreadId(), visitTopLevel, reinterpret_cast<LPARAM>(&visitor));
}

bool switchOn(const Scheme& scheme) {
    SkinState& state = skinState();
    if (!state.creationHook) {
        state.creationHook.reset(SetWindowsHookExW(WH_CBT, creationHook, nullptr, GetCurrentThreadId()));
        if (!state.creationHook) {
            return false;
        }
    }
    state.scheme = scheme;
    forEachWindowOfThread([](HWND window) {
        subclass(window);
        if (isSubclassed(window)) {
            repaint(window);
        }
    });
    return true;
}

bool switchOff() {
    SkinState& state = skinState();
    state.creationHook.reset();
    state.scheme.reset();
    forEachWindowOfThread([](HWND window) {
        if (isSubclassed(window)) {
            unsubclass(window);
            repaint(window);
        }
    });
    return true;
}

} // namespace

bool setControlSkin(int scheme) {
    const std::optional<Scheme> chosen = schemeFor(scheme);
    return chosen ? switchOn(*chosen) : switchOff();
}

std::optional<std::uint32_t> controlSkinFrameColour(int scheme) {
    const std::optional<Scheme> chosen = schemeFor(scheme);
    if (!chosen) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(chosen->frame);
}

} // namespace tavmoor::toolkit::win32
