#include "toolkit/win32/label.h"

#include "toolkit/layout.h"
#include "toolkit/win32/colours.h"
#include "toolkit/win32/handle.h"
#include "toolkit/win32/text.h"

namespace tavmoor::toolkit::win32 {
namespace {

constexpr int kLayoutSlot = 0;
constexpr int kFontSlot = sizeof(LONG_PTR);

const ControlLayout* layoutOf(HWND hwnd) {
    return reinterpret_cast<const ControlLayout*>(GetWindowLongPtrW(hwnd, kLayoutSlot));
}

void paint(HWND hwnd) {
    PaintScope scope(hwnd);
    const ControlLayout* layout = layoutOf(hwnd);
    RECT area{};
    GetClientRect(hwnd, &area);

    const UniqueBrush background(CreateSolidBrush(
        layout ? colourOr(layout->backgroundColour, COLOR_BTNFACE) : GetSysColor(COLOR_BTNFACE)));
    FillRect(scope.dc(), &area, background.get());

    auto font = reinterpret_cast<HFONT>(GetWindowLongPtrW(hwnd, kFontSlot));
    const SelectGuard selectFont(scope.dc(), font ? font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(scope.dc(), TRANSPARENT);
    SetTextColor(scope.dc(), layout && layout->textColour ? toColorRef(*layout->textColour) : RGB(0, 0, 0));
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOCLIP;
    if (layout && layout->centred) {
        format |= DT_CENTER;
    }
    std::wstring text = windowText(hwnd);
    DrawTextW(scope.dc(), text.c_str(), static_cast<int>(text.size()), &area, format);
}

} // namespace

LRESULT CALLBACK labelProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE: {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, kLayoutSlot, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        break;
    }
    case WM_PAINT:
        paint(hwnd);
        return 0;
    case WM_ERASEBKGND:
        return 1; // WM_PAINT fills the whole label
    case WM_SETFONT:
        SetWindowLongPtrW(hwnd, kFontSlot, static_cast<LONG_PTR>(wParam));
        if (LOWORD(lParam) != 0) {
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    case WM_GETFONT:
        return GetWindowLongPtrW(hwnd, kFontSlot);
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return result;
    }
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace tavmoor::toolkit::win32
