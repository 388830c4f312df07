// Controls inside group boxes, and the end of the program from a handler.
#include "toolkit_fixture.h"

#include "toolkit/geometry.h"

#include <gmock/gmock.h>

#include <array>
#include <cstdio>

namespace tavmoor::toolkit::win32 {
namespace {

using testing_support::ToolkitTest;

constexpr std::array kGrouped{
    ControlLayout{.kind = ControlKind::button, .name = "inner", .left = 10, .top = 16, .width = 60,
                  .height = 20, .text = "inner", .parent = "group", .tabStop = true},
    ControlLayout{.kind = ControlKind::editBox, .name = "field", .left = 80, .top = 16, .width = 60,
                  .height = 20, .parent = "group", .tabStop = true, .textColour = Rgb{0, 128, 0}},
    ControlLayout{.kind = ControlKind::groupBox, .name = "group", .left = 5, .top = 5, .width = 170,
                  .height = 60, .text = "group"},
};
const WindowLayout kGroupWindow{.title = "grouped", .width = 200, .height = 120, .visible = true,
                                .controls = kGrouped};

class Controls : public ToolkitTest {};

TEST_F(Controls, AControlInsideAGroupBoxRaisesItsEventsAndGetsItsColours) {
    int clicks = 0;
    int leaves = 0;
    ui->onClicked(kGroupWindow, "inner", [&] { ++clicks; });
    ui->onLostFocus(kGroupWindow, "field", [&] { ++leaves; });
    ASSERT_TRUE(ui->loadWindow(kGroupWindow, nullptr, false));
    const HWND window = ui->windowHandle(kGroupWindow);
    const HWND button = testing_support::controlHandle(window, controlId(0));
    const HWND field = testing_support::controlHandle(window, controlId(1));
    const HWND group = testing_support::controlHandle(window, controlId(2));
    ASSERT_EQ(GetParent(button), group);

    SendMessageW(button, BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);

    SetForegroundWindow(window);
    SetFocus(field);
    leaves = 0;
    SetFocus(button);
    EXPECT_EQ(leaves, 1);

    HDC dc = GetDC(field);
    SendMessageW(group, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(field));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 128, 0));
    ReleaseDC(field, dc);
}

// endProgram ends the process at once, with its code, from inside a handler:
// no close query and no destroyed event on the way.
TEST(EndProgramDeathTest, EndsTheProcessAtOnceWithItsCodeAndNoWindowEvents) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            Win32Toolkit ui(GetModuleHandleW(nullptr));
            ui.onCloseQuery(kGroupWindow, [] { std::fputs("close query\n", stderr); return true; });
            ui.onDestroyed(kGroupWindow, [] { std::fputs("destroyed\n", stderr); });
            ui.onClicked(kGroupWindow, "inner", [&ui] { ui.endProgram(3); });
            ui.loadWindow(kGroupWindow, nullptr, false);
            SendMessageW(testing_support::controlHandle(ui.windowHandle(kGroupWindow), controlId(0)), BM_CLICK, 0, 0);
            std::fputs("returned\n", stderr);
        },
        testing::ExitedWithCode(3), testing::IsEmpty());
}

} // namespace
} // namespace tavmoor::toolkit::win32
