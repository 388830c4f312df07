// Building a window's controls from its layout, and their properties.
#include "toolkit/win32/colours.h"
#include "toolkit/win32/group_box.h"
#include "toolkit/win32/text.h"
#include "toolkit/win32/win32_toolkit.h"
#include "toolkit/win32/window.h"
#include "toolkit/win32/window_classes.h"

#include <iterator>
#include <map>
#include <string>

namespace tavmoor::toolkit::win32 {
namespace {

constexpr wchar_t kSongTi[] = L"\u5b8b\u4f53"; // 宋体
constexpr wchar_t kTallestGlyph[] = L"\u5434"; // 吴: the height a one-line edit box needs

struct ClassAndStyle {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

ClassAndStyle classAndStyle(const ControlLayout& c) {
    switch (c.kind) {
    case ControlKind::editBox:
        return {L"EDIT", static_cast<DWORD>(ES_AUTOHSCROLL | (c.centred ? ES_CENTER : ES_LEFT)),
                WS_EX_CLIENTEDGE};
    case ControlKind::button:
        return {L"BUTTON", BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER, 0};
    case ControlKind::checkBox:
        return {L"BUTTON", BS_AUTOCHECKBOX | BS_MULTILINE | BS_LEFT | BS_VCENTER, 0};
    case ControlKind::groupBox:
        return {L"BUTTON", BS_GROUPBOX | BS_LEFT, 0};
    case ControlKind::label:
        return {kLabelClass, 0, 0};
    case ControlKind::timer:
        break;
    }
    return {kTimerClass, 0, 0};
}

// A one-line edit box lower than its font's text plus its edges is made that tall.
void ensureEditHeight(HWND edit, HFONT font, const ControlLayout& c) {
    HDC dc = GetDC(edit);
    SIZE glyph{};
    {
        const SelectGuard select(dc, font);
        GetTextExtentPoint32W(dc, kTallestGlyph, 1, &glyph);
    }
    ReleaseDC(edit, dc);
    const int needed = glyph.cy + 2 * GetSystemMetrics(SM_CYEDGE);
    if (c.height < needed) {
        SetWindowPos(edit, nullptr, 0, 0, c.width, needed, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

} // namespace

HFONT Window::fontFor(Font font) {
    if (font == Font::songTi12) {
        if (!songTi12_) {
            LOGFONTW lf{};
            lf.lfHeight = -12;
            lf.lfWeight = FW_NORMAL;
            lf.lfCharSet = DEFAULT_CHARSET;
            lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
            lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
            lf.lfQuality = PROOF_QUALITY;
            lf.lfPitchAndFamily = DEFAULT_PITCH;
            std::char_traits<wchar_t>::copy(lf.lfFaceName, kSongTi, std::size(kSongTi));
            songTi12_.reset(CreateFontIndirectW(&lf));
        }
        if (songTi12_) {
            return songTi12_.get();
        }
    }
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void Window::createControls() {
    controls_.resize(layout_.controls.size());
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        createControl(i);
    }
    placeInGroupBoxes();
    stackControls();
    showControls();
}

void Window::createControl(std::size_t index) {
    const ControlLayout& c = layout_.controls[index];
    Control& control = controls_[index];
    control.layout = &c;
    control.writtenGbk = std::string{c.text};
    control.writtenWide = toWide(c.text);

    auto [className, style, exStyle] = classAndStyle(c);
    style |= WS_CHILD | WS_CLIPSIBLINGS; // created hidden; shown once stacked
    if (c.tabStop) {
        style |= WS_TABSTOP;
    }
    if (c.disabled) {
        style |= WS_DISABLED;
    }
    const void* param = c.kind == ControlKind::label ? &c : nullptr;
    control.handle = CreateWindowExW(exStyle, className, control.writtenWide.c_str(), style, c.left, c.top,
                                     c.width, c.height, hwnd_,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(index))),
                                     toolkit_.instance(), const_cast<void*>(param));
    if (control.handle == nullptr) {
        return;
    }
    if (c.kind == ControlKind::timer) {
        if (c.period > 0) {
            SetTimer(control.handle, kTimerId, static_cast<UINT>(c.period), nullptr);
        }
        return;
    }
    const HFONT font = fontFor(c.font);
    SendMessageW(control.handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (c.kind == ControlKind::editBox) {
        control.background.reset(CreateSolidBrush(c.backgroundColour ? toColorRef(*c.backgroundColour)
                                                                     : RGB(255, 255, 255)));
        SendMessageW(control.handle, EM_LIMITTEXT, 0, 0);
        SendMessageW(control.handle, EM_SETSEL, 0, 0);
        SendMessageW(control.handle, EM_SCROLLCARET, 0, 0);
        ensureEditHeight(control.handle, font, c);
    } else if (c.backgroundColour) {
        control.background.reset(CreateSolidBrush(toColorRef(*c.backgroundColour)));
    }
    if (c.kind == ControlKind::checkBox) {
        SendMessageW(control.handle, BM_SETCHECK, BST_UNCHECKED, 0);
    }
}

// A control placed in a group box is a child window of that group box; its
// place was given relative to the group box, which SetParent keeps.
void Window::placeInGroupBoxes() {
    for (auto& control : controls_) {
        if (control.handle == nullptr || control.layout->parent.empty()) {
            continue;
        }
        if (Control* group = this->control(control.layout->parent)) {
            SetParent(control.handle, group->handle);
            forwardChildNotifications(group->handle);
        }
    }
}

// Among controls with the same parent, each lies directly below the one
// before it in layout order, the first on top.
void Window::stackControls() {
    std::map<HWND, HWND> lastByParent;
    for (const auto& control : controls_) {
        if (control.handle == nullptr) {
            continue;
        }
        HWND parent = GetParent(control.handle);
        const auto last = lastByParent.find(parent);
        const HWND after = last == lastByParent.end() ? HWND_TOP : last->second;
        SetWindowPos(control.handle, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        lastByParent[parent] = control.handle;
    }
}

void Window::showControls() {
    for (const auto& control : controls_) {
        if (control.handle != nullptr && control.layout->visible) {
            ShowWindow(control.handle, SW_SHOWNA);
        }
    }
}

Control* Window::control(std::string_view name) {
    for (auto& control : controls_) {
        if (control.layout->name == name && control.handle != nullptr) {
            return &control;
        }
    }
    return nullptr;
}

void Window::setText(Control& control, const std::string& gbk) {
    control.writtenGbk = gbk;
    control.writtenWide = toWide(gbk);
    SetWindowTextW(control.handle, control.writtenWide.c_str());
}

std::string Window::text(const Control& control) const {
    const std::wstring shown = windowText(control.handle);
    return shown == control.writtenWide ? control.writtenGbk : toGbk(shown);
}

LRESULT Window::onControlColour(HDC dc, HWND handle, UINT message) {
    const auto index = controlIndex(GetDlgCtrlID(handle), controls_.size());
    if (!index || controls_[*index].handle != handle) {
        return DefWindowProcW(hwnd_, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(handle));
    }
    const Control& control = controls_[*index];
    const ControlLayout& c = *control.layout;
    SetTextColor(dc, c.textColour ? toColorRef(*c.textColour) : RGB(0, 0, 0));
    if (control.background) {
        const Rgb white{255, 255, 255};
        SetBkColor(dc, toColorRef(c.backgroundColour.value_or(white)));
        return reinterpret_cast<LRESULT>(control.background.get());
    }
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

} // namespace tavmoor::toolkit::win32
