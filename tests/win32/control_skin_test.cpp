// The control skin on real windows: what ends up on screen, read back pixel
// by pixel, and that the skinned controls still behave as standard ones.
#include "toolkit/win32/control_skin.h"
#include "toolkit/win32/handle.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

namespace tavmoor::toolkit::win32 {
namespace {

constexpr COLORREF kScheme3Frame = RGB(198, 197, 215);
constexpr COLORREF kParentBackground = RGB(250, 240, 200);
constexpr COLORREF kParentText = RGB(0, 0, 128);
constexpr wchar_t kParentClass[] = L"TavmoorControlSkinTestWindow";

std::string rgbText(COLORREF colour) {
    char text[32];
    std::snprintf(text, sizeof text, "RGB(%u,%u,%u)", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return colour == CLR_INVALID ? std::string("invalid") : std::string(text);
}

// What the test window saw from its controls, and the colours it answers with.
struct ParentRecord {
    int clicks = 0;
    HWND lastClicked = nullptr;
    UniqueBrush background{CreateSolidBrush(kParentBackground)};
};

LRESULT CALLBACK parentProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* record = reinterpret_cast<ParentRecord*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (record && message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        ++record->clicks;
        record->lastClicked = reinterpret_cast<HWND>(lParam);
        return 0;
    }
    if (record && message == WM_CTLCOLORSTATIC) {
        SetTextColor(reinterpret_cast<HDC>(wParam), kParentText);
        SetBkColor(reinterpret_cast<HDC>(wParam), kParentBackground);
        return reinterpret_cast<LRESULT>(record->background.get());
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void registerParentClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = parentProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kParentClass;
    RegisterClassExW(&windowClass); // a second registration fails harmlessly
}

// The up-down class comes from comctl32, which the toolkit does not link.
// The module stays loaded for the whole process: its class must outlive
// every window made from it.
bool registerUpDownClass() {
    const HMODULE comctl = LoadLibraryW(L"comctl32.dll");
    if (!comctl) {
        return false;
    }
    using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto init = reinterpret_cast<InitFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(comctl, "InitCommonControlsEx")));
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_UPDOWN_CLASS};
    return init && init(&classes);
}

void pumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Pixels relative to the whole window (frame included) or to its client area.
COLORREF windowPixel(HWND window, int x, int y) {
    const HDC dc = GetWindowDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

COLORREF clientPixel(HWND window, int x, int y) {
    const HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

int halfHeight(HWND window) {
    RECT area{};
    GetWindowRect(window, &area);
    return (area.bottom - area.top) / 2;
}

// The outermost pixel at the middle of the left edge: the frame.
std::string leftFrame(HWND window) { return rgbText(windowPixel(window, 0, halfHeight(window))); }

int captionHeight(HWND control) {
    const HDC dc = GetDC(control);
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return metrics.tmHeight;
}

LONG_PTR procedureOf(HWND window) { return GetWindowLongPtrW(window, GWLP_WNDPROC); }

class ControlSkin : public testing::Test {
protected:
    void SetUp() override {
        registerParentClass();
        parent_.reset(CreateWindowExW(0, kParentClass, L"Control skin", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 40, 40,
                                      480, 340, nullptr, nullptr, GetModuleHandleW(nullptr), &record_));
        ASSERT_TRUE(parent_);
        ShowWindow(parent_.get(), SW_SHOWNORMAL);
        UpdateWindow(parent_.get());
        pumpMessages();
    }

    void TearDown() override { setControlSkin(0); }

    HWND add(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle, RECT place) {
        const HWND control = CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style,
                                             place.left, place.top, place.right, place.bottom, parent_.get(), nullptr,
                                             GetModuleHandleW(nullptr), nullptr);
        EXPECT_TRUE(control) << "cannot create a " << std::string(className, className + wcslen(className));
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        return control;
    }

    HWND addEdit(int top, DWORD style = 0) {
        return add(L"EDIT", L"12", ES_AUTOHSCROLL | style, WS_EX_CLIENTEDGE, {10, top, 120, 22});
    }

    void redraw() {
        RedrawWindow(parent_.get(), nullptr, nullptr,
                     RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        pumpMessages();
    }

    ParentRecord record_;
    UniqueWindow parent_;
};

TEST_F(ControlSkin, FramesEditFieldsPresentAndFutureInTheSchemeColour) {
    const HWND before = addEdit(10);
    ASSERT_TRUE(setControlSkin(3));
    const HWND after = addEdit(40);
    redraw();

    for (const HWND edit : {before, after}) {
        EXPECT_EQ(leftFrame(edit), rgbText(kScheme3Frame));
        // Inside the frame, the rest of the old 2-pixel edge shows the field's background.
        EXPECT_EQ(rgbText(windowPixel(edit, 1, halfHeight(edit))), rgbText(GetSysColor(COLOR_WINDOW)));
    }
}

TEST_F(ControlSkin, DisabledEditGetsAPlainGreyFrameUntilEnabled) {
    ASSERT_TRUE(setControlSkin(3));
    const HWND edit = addEdit(10, WS_DISABLED);
    redraw();
    EXPECT_EQ(leftFrame(edit), rgbText(GetSysColor(COLOR_BTNSHADOW)));
    EXPECT_NE(leftFrame(edit), rgbText(kScheme3Frame));

    EnableWindow(edit, TRUE);
    UpdateWindow(edit);
    pumpMessages();
    EXPECT_EQ(leftFrame(edit), rgbText(kScheme3Frame));
}

TEST_F(ControlSkin, PushButtonIsFlatAndDarkensItsFrameWhilePressed) {
    ASSERT_TRUE(setControlSkin(3));
    const HWND button = add(L"BUTTON", L"关机", BS_PUSHBUTTON | BS_MULTILINE, 0, {10, 10, 75, 25});
    redraw();
    EXPECT_EQ(leftFrame(button), rgbText(kScheme3Frame));
    EXPECT_EQ(rgbText(clientPixel(button, 2, 2)), rgbText(GetSysColor(COLOR_BTNFACE)));

    SendMessageW(button, BM_SETSTATE, TRUE, 0);
    const std::string pressed = leftFrame(button);
    EXPECT_NE(pressed, rgbText(kScheme3Frame));
    EXPECT_NE(pressed, rgbText(GetSysColor(COLOR_BTNFACE)));

    SendMessageW(button, BM_SETSTATE, FALSE, 0);
    EXPECT_EQ(leftFrame(button), rgbText(kScheme3Frame));
}

TEST_F(ControlSkin, CheckBoxStillTogglesAndReportsClicksWhileSkinned) {
    ASSERT_TRUE(setControlSkin(3));
    const HWND box = add(L"BUTTON", L"开机自动运行", BS_AUTOCHECKBOX | BS_MULTILINE, 0, {10, 10, 160, 20});
    redraw();

    SendMessageW(box, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(record_.clicks, 1);
    EXPECT_EQ(record_.lastClicked, box);

    SendMessageW(box, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(record_.clicks, 2);
}

TEST_F(ControlSkin, CheckBoxDrawsAFlatBoxOnTheParentsBackground) {
    ASSERT_TRUE(setControlSkin(3));
    const HWND box = add(L"BUTTON", L"开机自动运行", BS_AUTOCHECKBOX | BS_MULTILINE, 0, {10, 10, 160, 20});
    SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
    redraw();
    const int boxTop = (20 - 13) / 2;
    EXPECT_EQ(rgbText(clientPixel(box, 0, boxTop + 6)), rgbText(kScheme3Frame));
    EXPECT_EQ(rgbText(clientPixel(box, 6, boxTop)), rgbText(kScheme3Frame));
    EXPECT_EQ(rgbText(clientPixel(box, 159, 0)), rgbText(kParentBackground));
    // The tick's middle stroke passes through (5, 7) of the box.
    EXPECT_EQ(rgbText(clientPixel(box, 5, boxTop + 8)), rgbText(GetSysColor(COLOR_WINDOWTEXT)));
}

TEST_F(ControlSkin, GroupBoxFrameTakesTheSchemeColour) {
    const HWND group = add(L"BUTTON", L"设置", BS_GROUPBOX, 0, {10, 10, 170, 90});
    ASSERT_TRUE(setControlSkin(3));
    redraw();
    EXPECT_EQ(leftFrame(group), rgbText(kScheme3Frame));
    EXPECT_EQ(rgbText(clientPixel(group, 85, 89)), rgbText(kScheme3Frame));
    // The top line runs through the middle of the caption, which sits on the
    // parent's background from x = 8, with a little room before it.
    const int topLine = captionHeight(group) / 2;
    EXPECT_EQ(rgbText(clientPixel(group, 3, topLine)), rgbText(kScheme3Frame));
    EXPECT_EQ(rgbText(clientPixel(group, 7, topLine)), rgbText(kParentBackground));
}

TEST_F(ControlSkin, GroupBoxHoldingControlsPaintsItsInteriorAroundThem) {
    const HWND group = add(L"BUTTON", L"设置", BS_GROUPBOX, 0, {10, 10, 170, 90});
    const HWND inside = add(L"EDIT", L"22", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, {10, 30, 60, 22});
    SetParent(inside, group);
    ASSERT_TRUE(setControlSkin(3));
    redraw();
    EXPECT_EQ(rgbText(clientPixel(group, 120, 60)), rgbText(kParentBackground));
    EXPECT_EQ(rgbText(clientPixel(group, 40, 40)), rgbText(GetSysColor(COLOR_WINDOW)));
    EXPECT_EQ(leftFrame(inside), rgbText(kScheme3Frame));
}

TEST_F(ControlSkin, DropDownComboBoxAndUpDownGetAFrame) {
    ASSERT_TRUE(registerUpDownClass());
    ASSERT_TRUE(setControlSkin(3));
    const HWND combo = add(L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL, 0, {10, 10, 120, 120});
    const HWND upDown = add(L"msctls_updown32", L"", 0, 0, {140, 10, 18, 24});
    redraw();
    for (const HWND control : {combo, upDown}) {
        EXPECT_EQ(rgbText(clientPixel(control, 0, halfHeight(control))), rgbText(kScheme3Frame));
    }
}

TEST_F(ControlSkin, SwitchingOffRestoresTheNormalDrawing) {
    const HWND edit = addEdit(10);
    const HWND button = add(L"BUTTON", L"重启", BS_PUSHBUTTON, 0, {10, 40, 75, 25});
    const LONG_PTR editProcedure = procedureOf(edit);
    const LONG_PTR buttonProcedure = procedureOf(button);
    ASSERT_TRUE(setControlSkin(3));
    redraw();
    ASSERT_EQ(leftFrame(edit), rgbText(kScheme3Frame));
    ASSERT_EQ(leftFrame(button), rgbText(kScheme3Frame));

    EXPECT_TRUE(setControlSkin(0));
    redraw();
    EXPECT_NE(leftFrame(edit), rgbText(kScheme3Frame));
    EXPECT_NE(leftFrame(button), rgbText(kScheme3Frame));
    EXPECT_EQ(procedureOf(edit), editProcedure);
    EXPECT_EQ(procedureOf(button), buttonProcedure);

    const HWND later = addEdit(80);
    redraw();
    EXPECT_EQ(procedureOf(later), editProcedure);
    EXPECT_NE(leftFrame(later), rgbText(kScheme3Frame));
}

// A procedure put over the skinned edit by someone else, as a program would.
constexpr UINT kAskTheOuterProcedure = WM_APP + 7;
constexpr LRESULT kOuterAnswer = 4242;

LRESULT CALLBACK outerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kAskTheOuterProcedure) {
        return kOuterAnswer;
    }
    const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return CallWindowProcW(previous, window, message, wParam, lParam);
}

TEST_F(ControlSkin, ProcedureInstalledOverTheSkinSurvivesSwitchingOff) {
    ASSERT_TRUE(setControlSkin(3));
    const HWND edit = addEdit(10);
    SetWindowLongPtrW(edit, GWLP_USERDATA,
                      SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&outerProcedure)));

    EXPECT_TRUE(setControlSkin(0));
    redraw();
    EXPECT_EQ(SendMessageW(edit, kAskTheOuterProcedure, 0, 0), kOuterAnswer);
    SetWindowTextW(edit, L"30");
    wchar_t text[8]{};
    GetWindowTextW(edit, text, 8);
    EXPECT_STREQ(text, L"30");
    EXPECT_NE(leftFrame(edit), rgbText(kScheme3Frame));

    // And switched on again, the skin applies through the same chain.
    EXPECT_TRUE(setControlSkin(3));
    redraw();
    EXPECT_EQ(leftFrame(edit), rgbText(kScheme3Frame));
}

TEST(ControlSkinColours, SchemeThreeIsLavenderGreyAndTheSchemesDiffer) {
    EXPECT_EQ(controlSkinFrameColour(3), kScheme3Frame);
    ASSERT_TRUE(controlSkinFrameColour(1) && controlSkinFrameColour(2));
    EXPECT_NE(controlSkinFrameColour(1), controlSkinFrameColour(2));
    EXPECT_NE(controlSkinFrameColour(1), kScheme3Frame);
    EXPECT_NE(controlSkinFrameColour(2), kScheme3Frame);
}

class ControlSkinScheme : public ControlSkin, public testing::WithParamInterface<int> {};

TEST_P(ControlSkinScheme, ChangingTheSchemeRecoloursPresentControls) {
    const HWND edit = addEdit(10);
    ASSERT_TRUE(setControlSkin(3));
    EXPECT_TRUE(setControlSkin(GetParam()));
    redraw();
    EXPECT_EQ(leftFrame(edit), rgbText(*controlSkinFrameColour(GetParam())));
}

INSTANTIATE_TEST_SUITE_P(ControlSkinEachScheme, ControlSkinScheme, testing::Values(1, 2, 3));

class ControlSkinOff : public ControlSkin, public testing::WithParamInterface<int> {};

TEST_P(ControlSkinOff, AnyOtherNumberSwitchesTheSkinOff) {
    const HWND edit = addEdit(10);
    ASSERT_TRUE(setControlSkin(3));
    EXPECT_FALSE(controlSkinFrameColour(GetParam()));
    EXPECT_TRUE(setControlSkin(GetParam()));
    redraw();
    EXPECT_NE(leftFrame(edit), rgbText(kScheme3Frame));
}

INSTANTIATE_TEST_SUITE_P(ControlSkinOtherNumbers, ControlSkinOff, testing::Values(0, 4, -1, 100));

} // namespace
} // namespace tavmoor::toolkit::win32
