// The program's two windows as the toolkit builds them: geometry, styles,
// fonts, colours, icons, texts, and the keyboard (Tab, Shift+Tab, Enter).
#include "toolkit_fixture.h"

#include "layouts/gbk_texts.h"
#include "layouts/layouts.h"
#include "toolkit/geometry.h"
#include "toolkit/win32/text.h"

#include <cstring>

namespace tavmoor::toolkit::win32 {
namespace {

using namespace std::chrono_literals;
using testing_support::ToolkitTest;
using layouts::mainWindow;
using layouts::reminderWindow;

HWND control(HWND window, const WindowLayout& layout, std::string_view name) {
    const auto index = findControl(layout.controls, name);
    return index ? testing_support::controlHandle(window, controlId(*index)) : nullptr;
}

RECT clientPlace(HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

LOGFONTW fontOf(HWND window) {
    LOGFONTW lf{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof(lf), &lf);
    return lf;
}

class Layouts : public ToolkitTest {
protected:
    HWND loadMain() {
        EXPECT_TRUE(ui->loadWindow(mainWindow(), nullptr, false));
        return ui->windowHandle(mainWindow());
    }
    // Shows and activates the main window, as the tray will.
    HWND showMain() {
        const HWND main = loadMain();
        ui->setVisible(mainWindow(), true);
        ui->setPositionState(mainWindow(), position::normal);
        SetForegroundWindow(main);
        pumpFor(100ms);
        return main;
    }
};

TEST_F(Layouts, TheMainWindowHasItsExactOuterSizeCentredAndOnlyACloseButton) {
    const HWND main = loadMain();
    RECT r{};
    GetWindowRect(main, &r);
    EXPECT_EQ(r.right - r.left, 197);
    EXPECT_EQ(r.bottom - r.top, 181);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 197) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 181) / 2);

    const LONG style = GetWindowLongW(main, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN), WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_EQ(GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(GetMenu(main), nullptr) << "the only top-level menu is not visible";
    EXPECT_EQ(windowText(main), L"Tavmoor");
    EXPECT_FALSE(IsWindowVisible(main));
}

TEST_F(Layouts, ControlsStandWhereTheLayoutPutsThemWithTheirKindsStyles) {
    const HWND main = loadMain();
    struct Expected {
        std::string_view name;
        const wchar_t* className;
        RECT place;
    };
    const Expected table[] = {
        {gbk::按钮3, L"Button", {69, 122, 69 + 56, 122 + 20}},
        {gbk::按钮2, L"Button", {8, 122, 8 + 56, 122 + 20}},
        {gbk::标签1, L"TavmoorLabel", {80, 12, 80 + 16, 12 + 24}},
        {gbk::按钮1, L"Button", {104, 94, 104 + 80, 94 + 20}},
        {gbk::编辑框2, L"Edit", {120, 60, 120 + 48, 60 + 20}},
        {gbk::编辑框1, L"Edit", {24, 60, 24 + 48, 60 + 20}},
        {gbk::选择框_开机自动运行, L"Button", {8, 92, 8 + 96, 92 + 25}},
        {gbk::标签_当前时间, L"TavmoorLabel", {8, 13, 8 + 160, 13 + 20}},
        {gbk::分组框2, L"Button", {8, 46, 8 + 176, 46 + 40}},
        {gbk::分组框1, L"Button", {8, 5, 8 + 176, 5 + 35}},
    };
    for (const auto& expected : table) {
        SCOPED_TRACE(toGbk(toWide(expected.name)));
        const HWND child = control(main, mainWindow(), expected.name);
        ASSERT_NE(child, nullptr);
        wchar_t className[64]{};
        GetClassNameW(child, className, 64);
        EXPECT_STREQ(className, expected.className);
        const RECT place = clientPlace(child);
        EXPECT_EQ(place.left, expected.place.left);
        EXPECT_EQ(place.top, expected.place.top);
        EXPECT_EQ(place.right, expected.place.right);
        EXPECT_GE(place.bottom, expected.place.bottom); // a one-line edit may be made taller
        EXPECT_TRUE(IsWindowVisible(child) || !IsWindowVisible(main));
        EXPECT_NE(GetWindowLongW(child, GWL_STYLE) & WS_CLIPSIBLINGS, 0);
    }
    EXPECT_EQ(GetParent(control(main, mainWindow(), gbk::标签1)), control(main, mainWindow(), gbk::分组框2));
    EXPECT_EQ(GetParent(control(main, mainWindow(), gbk::标签_当前时间)), control(main, mainWindow(), gbk::分组框1));

    const LONG edit = GetWindowLongW(control(main, mainWindow(), gbk::编辑框1), GWL_STYLE);
    EXPECT_NE(edit & ES_CENTER, 0);
    EXPECT_NE(edit & ES_AUTOHSCROLL, 0);
    EXPECT_NE(edit & WS_TABSTOP, 0);
    EXPECT_NE(GetWindowLongW(control(main, mainWindow(), gbk::编辑框1), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    const LONG check = GetWindowLongW(control(main, mainWindow(), gbk::选择框_开机自动运行), GWL_STYLE);
    EXPECT_EQ(check & BS_TYPEMASK, BS_AUTOCHECKBOX);
    const LONG group = GetWindowLongW(control(main, mainWindow(), gbk::分组框1), GWL_STYLE);
    EXPECT_EQ(group & BS_TYPEMASK, BS_GROUPBOX);
    EXPECT_EQ(group & WS_TABSTOP, 0);
}

TEST_F(Layouts, ButtonsAndFieldsLieAboveTheGroupBoxesTheyOverlap) {
    const HWND main = loadMain();
    // Z order among the window's own children follows the layout order.
    std::vector<HWND> order;
    for (HWND child = GetWindow(GetWindow(main, GW_CHILD), GW_HWNDFIRST); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        order.push_back(child);
    }
    const auto at = [&](std::string_view name) {
        return std::find(order.begin(), order.end(), control(main, mainWindow(), name)) - order.begin();
    };
    EXPECT_LT(at(gbk::编辑框1), at(gbk::分组框2));
    EXPECT_LT(at(gbk::编辑框2), at(gbk::分组框2));
    EXPECT_LT(at(gbk::按钮3), at(gbk::按钮2));
    EXPECT_LT(at(gbk::分组框2), at(gbk::分组框1));
}

TEST_F(Layouts, FontsAreSongTi12WhereTheLayoutSaysSoAndTheDefaultGuiFontElsewhere) {
    const HWND main = loadMain();
    for (std::string_view name : {gbk::选择框_开机自动运行, gbk::标签_当前时间, gbk::分组框1, gbk::分组框2}) {
        const LOGFONTW lf = fontOf(control(main, mainWindow(), name));
        EXPECT_EQ(lf.lfHeight, -12);
        EXPECT_EQ(lf.lfWeight, FW_NORMAL);
        EXPECT_STREQ(lf.lfFaceName, L"\u5b8b\u4f53");
    }
    LOGFONTW gui{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(gui), &gui);
    for (std::string_view name : {gbk::编辑框1, gbk::按钮1, gbk::标签1}) {
        const LOGFONTW lf = fontOf(control(main, mainWindow(), name));
        EXPECT_EQ(lf.lfHeight, gui.lfHeight);
        EXPECT_STREQ(lf.lfFaceName, gui.lfFaceName);
    }
}

TEST_F(Layouts, TheFieldsAskForRedTextOnWhite) {
    const HWND main = loadMain();
    const HWND edit = control(main, mainWindow(), gbk::编辑框2);
    HDC dc = GetDC(edit);
    SetTextColor(dc, RGB(1, 2, 3));
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(main, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit)));
    EXPECT_EQ(GetTextColor(dc), RGB(255, 0, 0));
    EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
    LOGBRUSH lb{};
    GetObjectW(brush, sizeof(lb), &lb);
    EXPECT_EQ(lb.lbColor, RGB(255, 255, 255));

    const HWND check = control(main, mainWindow(), gbk::选择框_开机自动运行);
    SendMessageW(main, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(check));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
    EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_BTNFACE));
    ReleaseDC(edit, dc);
}

TEST_F(Layouts, LabelsPaintTheirColourAndKeepTheirTextAsWindowText) {
    const HWND main = showMain();
    const HWND clock = control(main, mainWindow(), gbk::标签_当前时间);
    ui->setText(mainWindow(), gbk::标签_当前时间, "2014 4 20 8888");
    UpdateWindow(main);
    RedrawWindow(clock, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_FALSE(windowText(clock).empty()) << "screen readers and tests read a label's text";
    // The label's background is the button face; its text is blue.
    HDC dc = GetDC(clock);
    EXPECT_EQ(GetPixel(dc, 1, 1), GetSysColor(COLOR_BTNFACE));
    bool blue = false;
    for (int x = 0; x < 160 && !blue; ++x) {
        for (int y = 0; y < 20 && !blue; ++y) {
            blue = GetPixel(dc, x, y) == RGB(0, 0, 255);
        }
    }
    ReleaseDC(clock, dc);
    EXPECT_TRUE(blue);
}

TEST_F(Layouts, TextsComeBackAsTheGbkBytesThatWereWritten) {
    loadMain();
    for (const std::string& text : {std::string("07"), std::string("12\r\n"), std::string(gbk::时间设置错误),
                                   std::string("\x81\x30"), std::string("")}) {
        ui->setText(mainWindow(), gbk::编辑框1, text);
        EXPECT_EQ(ui->text(mainWindow(), gbk::编辑框1), text);
    }
    EXPECT_EQ(ui->text(mainWindow(), gbk::按钮1), gbk::保存关机时间);
}

TEST_F(Layouts, TheMainWindowCarriesTheProgramIconAndTheReminderTheExecutables) {
    const HWND main = loadMain();
    EXPECT_NE(SendMessageW(main, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageW(main, WM_GETICON, ICON_SMALL, 0), 0);
    EXPECT_EQ(ui->icon(mainWindow()).size(), 99678u);

    ui->onCreated(reminderWindow(), [&] {
        const HWND reminder = ui->windowHandle(reminderWindow());
        EXPECT_NE(SendMessageW(reminder, WM_GETICON, ICON_BIG, 0), 0);
        EXPECT_NE(SendMessageW(reminder, WM_GETICON, ICON_SMALL, 0), 0);
        ui->destroyWindow(reminderWindow());
    });
    ui->loadWindow(reminderWindow(), &mainWindow(), true);
}

TEST_F(Layouts, TheReminderOpensCentredOnTopWithItsControlsAndTheFirstButtonFocused) {
    loadMain();
    RECT place{};
    bool topmost = false;
    bool shown = false;
    std::wstring count;
    HWND focused = nullptr;
    HWND first = nullptr;
    ui->onCreated(reminderWindow(), [&] {
        SetTimer(ui->windowHandle(reminderWindow()), 77, 200, [](HWND window, UINT, UINT_PTR id, DWORD) {
            KillTimer(window, id);
            PostMessageW(window, WM_CLOSE, 0, 0);
        });
    });
    ui->onSizeChanged(reminderWindow(), [&] {
        const HWND reminder = ui->windowHandle(reminderWindow());
        GetWindowRect(reminder, &place);
        topmost = (GetWindowLongW(reminder, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        count = windowText(control(reminder, reminderWindow(), gbk::提醒关机));
        first = control(reminder, reminderWindow(), gbk::按钮1);
    });
    // Sample the focus once the window is up.
    ui->onTick(mainWindow(), gbk::时钟1, [&] {
        if (ui->isLoaded(reminderWindow())) {
            shown = IsWindowVisible(ui->windowHandle(reminderWindow()));
            focused = GetFocus();
        }
    });
    ui->setTimerPeriod(mainWindow(), gbk::时钟1, 50);

    ui->loadWindow(reminderWindow(), &mainWindow(), true);

    EXPECT_EQ(place.right - place.left, 175);
    EXPECT_EQ(place.bottom - place.top, 108);
    EXPECT_EQ(place.left, (GetSystemMetrics(SM_CXSCREEN) - 175) / 2);
    EXPECT_EQ(place.top, (GetSystemMetrics(SM_CYSCREEN) - 108) / 2);
    EXPECT_TRUE(topmost);
    EXPECT_TRUE(shown);
    EXPECT_EQ(count, L"28");
    EXPECT_EQ(focused, first) << "立即关机 has the focus when the reminder opens";
    EXPECT_FALSE(ui->isLoaded(reminderWindow())) << "its close box closes it";
}

class Keyboard : public Layouts {
protected:
    std::vector<std::string> walk(HWND main, int presses, bool shift) {
        std::vector<std::string> names;
        for (int i = 0; i < presses; ++i) {
            pressKey(GetFocus() ? GetFocus() : main, VK_TAB, shift);
            names.push_back(nameOf(GetFocus()));
        }
        return names;
    }
    std::string nameOf(HWND focus) {
        const HWND main = ui->windowHandle(mainWindow());
        for (const auto& c : mainWindow().controls) {
            if (control(main, mainWindow(), c.name) == focus) {
                return std::string(c.name);
            }
        }
        return "?";
    }
};

TEST_F(Keyboard, TheFirstActivationFocusesTheCheckBox) {
    showMain();
    EXPECT_EQ(nameOf(GetFocus()), gbk::选择框_开机自动运行);
}

TEST_F(Keyboard, TabGoesInReverseLayoutOrderAndWrapsShiftTabGoesBack) {
    const HWND main = showMain();
    ui->setFocus(mainWindow(), gbk::选择框_开机自动运行);
    const std::vector<std::string> forward{std::string(gbk::编辑框1), std::string(gbk::编辑框2),
                                           std::string(gbk::按钮1),   std::string(gbk::按钮2),
                                           std::string(gbk::按钮3),   std::string(gbk::选择框_开机自动运行)};
    EXPECT_EQ(walk(main, 6, false), forward);

    const std::vector<std::string> backward{std::string(gbk::按钮3), std::string(gbk::按钮2),
                                            std::string(gbk::按钮1), std::string(gbk::编辑框2),
                                            std::string(gbk::编辑框1), std::string(gbk::选择框_开机自动运行)};
    EXPECT_EQ(walk(main, 6, true), backward);
}

TEST_F(Keyboard, EnterMovesTheFocusOnOnlyOnceSwitchedOnAndRunsTheLostFocusCheck) {
    const HWND main = showMain();
    int hourChecks = 0;
    int saves = 0;
    ui->onLostFocus(mainWindow(), gbk::编辑框1, [&] { ++hourChecks; });
    ui->onClicked(mainWindow(), gbk::按钮1, [&] { ++saves; });
    ui->setFocus(mainWindow(), gbk::编辑框1);

    pressKey(GetFocus(), VK_RETURN);
    EXPECT_EQ(nameOf(GetFocus()), gbk::编辑框1) << "off by default: Enter does nothing";

    ui->setEnterMovesFocus(mainWindow(), true);
    pressKey(GetFocus(), VK_RETURN);
    EXPECT_EQ(nameOf(GetFocus()), gbk::编辑框2);
    EXPECT_EQ(hourChecks, 1);

    pressKey(GetFocus(), VK_RETURN);
    ASSERT_EQ(nameOf(GetFocus()), gbk::按钮1);
    pressKey(GetFocus(), VK_RETURN);
    EXPECT_EQ(nameOf(GetFocus()), gbk::按钮2) << "Enter on a button moves on";
    EXPECT_EQ(saves, 0) << "Enter never clicks a button of the main window";
    (void)main;
}

TEST_F(Keyboard, TheFocusComesBackToItsControlWhenTheWindowIsActivatedAgain) {
    const HWND main = showMain();
    ui->setFocus(mainWindow(), gbk::按钮1);
    const HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                       nullptr, nullptr, nullptr);
    SetActiveWindow(other);
    pumpFor(50ms);
    SetActiveWindow(main);
    pumpFor(50ms);
    EXPECT_EQ(nameOf(GetFocus()), gbk::按钮1);
    DestroyWindow(other);
}

TEST_F(Keyboard, ClickingTheCheckBoxTogglesItBeforeItsHandlerRuns) {
    showMain();
    bool seen = false;
    ui->onClicked(mainWindow(), gbk::选择框_开机自动运行, [&] { seen = ui->checked(mainWindow(), gbk::选择框_开机自动运行); });
    const HWND box = control(ui->windowHandle(mainWindow()), mainWindow(), gbk::选择框_开机自动运行);
    SendMessageW(box, BM_CLICK, 0, 0);
    EXPECT_TRUE(seen);
    ui->setChecked(mainWindow(), gbk::选择框_开机自动运行, false);
    EXPECT_FALSE(ui->checked(mainWindow(), gbk::选择框_开机自动运行));
}

TEST_F(Keyboard, ASelectionRunsFromTheStartForTheGivenLength) {
    showMain();
    ui->setText(mainWindow(), gbk::编辑框1, "12345");
    ui->setFocus(mainWindow(), gbk::编辑框1);
    SendMessageW(control(ui->windowHandle(mainWindow()), mainWindow(), gbk::编辑框1), EM_SETSEL, 0, 0);
    ui->setSelectedLength(mainWindow(), gbk::编辑框1, 3);
    DWORD start = 99;
    DWORD end = 99;
    SendMessageW(control(ui->windowHandle(mainWindow()), mainWindow(), gbk::编辑框1), EM_GETSEL,
                 reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 3u);
}

TEST_F(Keyboard, PositionStateWritesActOnlyWhileVisible) {
    loadMain();
    ui->setPositionState(mainWindow(), position::minimised);
    EXPECT_EQ(ui->positionState(mainWindow()), position::normal) << "a hidden window only records it";
    EXPECT_FALSE(ui->visible(mainWindow()));

    ui->setVisible(mainWindow(), true);
    ui->setPositionState(mainWindow(), 7); // clamped to maximised
    EXPECT_EQ(ui->positionState(mainWindow()), position::maximised);
    ui->setPositionState(mainWindow(), position::normal);
    EXPECT_EQ(ui->positionState(mainWindow()), position::normal);
    ui->setPositionState(mainWindow(), position::minimised);
    EXPECT_EQ(ui->positionState(mainWindow()), position::minimised);
    ui->setVisible(mainWindow(), false);
    ui->setVisible(mainWindow(), true);
    EXPECT_EQ(ui->positionState(mainWindow()), position::minimised) << "a minimised window stays minimised when shown";
    ui->setPositionState(mainWindow(), position::normal);
    EXPECT_EQ(ui->positionState(mainWindow()), position::normal);
    SetWindowPos(ui->windowHandle(mainWindow()), nullptr, 5, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ui->setPositionState(mainWindow(), position::centred);
    RECT r{};
    GetWindowRect(ui->windowHandle(mainWindow()), &r);
    EXPECT_EQ(ui->positionState(mainWindow()), position::normal);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 197) / 2);
}

TEST_F(Keyboard, AMinimiseRunsTheSizeChangedHandlerInsideTheWrite) {
    loadMain();
    ui->setVisible(mainWindow(), true);
    bool inside = false;
    bool writing = false;
    ui->onSizeChanged(mainWindow(), [&] { inside = writing && ui->positionState(mainWindow()) == position::minimised; });
    writing = true;
    ui->setPositionState(mainWindow(), position::minimised);
    writing = false;
    EXPECT_TRUE(inside);
}

} // namespace
} // namespace tavmoor::toolkit::win32
