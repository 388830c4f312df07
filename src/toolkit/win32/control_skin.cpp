// The control skin. A thread-local window-creation hook subclasses every new
// BUTTON, EDIT, COMBOBOX and up-down control of the thread; switching on also
// subclasses the ones that exist already. The subclass procedure paints push
// buttons, check boxes, radio buttons and group boxes itself, and draws flat
// frames over the default drawing of edit fields, combo boxes and up-down
// controls. Every message still reaches the control's own procedure, so
// clicks, check states and notifications work as before.
#include "toolkit/win32/control_skin.h"

#include "toolkit/win32/handle.h"
#include "toolkit/win32/skin_drawing.h"
#include "toolkit/win32/skin_painting.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace tavmoor::toolkit::win32 {
namespace {

using namespace skin;

// ---------------------------------------------------------------- state --

void unhook(HHOOK hook) { UnhookWindowsHookEx(hook); }
using UniqueHook = Unique<HHOOK, unhook>;

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

// ------------------------------------------------------- subclassing --

enum class ControlClass : std::uintptr_t { none = 0, button = 1, edit = 2, comboBox = 3, upDown = 4 };

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
