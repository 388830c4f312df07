// Tavmoor.exe from outside: it starts hidden, stays in the background, turns
// closes into hiding, and lets the session end.
#include "running_tavmoor.h"

#include <gtest/gtest.h>

namespace tavmoor::blackbox {
namespace {
using namespace std::chrono_literals;

class Lifecycle : public testing::Test {
protected:
    TempFolder folder;
    RunningTavmoor tavmoor{folder.path()};
};

TEST_F(Lifecycle, StartsWithItsMainWindowHiddenCentredAndOfExactSize) {
    HWND main = tavmoor.mainWindow();
    ASSERT_NE(main, nullptr) << "no main window appeared";
    EXPECT_FALSE(IsWindowVisible(main));

    RECT r{};
    GetWindowRect(main, &r);
    EXPECT_EQ(r.right - r.left, 197);
    EXPECT_EQ(r.bottom - r.top, 181);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 197) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 181) / 2);

    const LONG style = GetWindowLongW(main, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_EQ(GetMenu(main), nullptr) << "the main window shows no menu bar";
}

TEST_F(Lifecycle, BuildsEveryControlOfTheMainWindow) {
    ASSERT_NE(tavmoor.mainWindow(), nullptr);
    for (const wchar_t* text : {L"重启", L"关机", L"：", L"保存关机时间", L"开机自动运行", L"定时关机", L"当前时间"}) {
        EXPECT_NE(tavmoor.child(text), nullptr) << "missing control with text " << testing::PrintToString(std::wstring(text));
    }
    int edits = 0;
    for (HWND child : tavmoor.children()) {
        edits += classOf(child) == L"Edit" ? 1 : 0;
    }
    EXPECT_EQ(edits, 2);
}

TEST_F(Lifecycle, KeepsRunningAndRefusesACloseWhileHidden) {
    HWND main = tavmoor.mainWindow();
    ASSERT_NE(main, nullptr);
    pause(1500ms);
    EXPECT_TRUE(tavmoor.running());

    SendMessageW(main, WM_CLOSE, 0, 0);
    pause(500ms);
    EXPECT_TRUE(tavmoor.running());
    EXPECT_TRUE(IsWindow(main));
    EXPECT_FALSE(IsWindowVisible(main)) << "a refused close changes nothing visible";
}

TEST_F(Lifecycle, AnswersTheEndOfSessionQueryAndThenLetsACloseEndIt) {
    HWND main = tavmoor.mainWindow();
    ASSERT_NE(main, nullptr);

    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 10000, &answer));
    EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));
    pause(300ms);
    EXPECT_TRUE(tavmoor.running()) << "the query alone does not end the program";

    // The session end was cancelled elsewhere: the next close really closes.
    SendMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(tavmoor.waitForExit(10s), std::optional<DWORD>(0));
}

TEST_F(Lifecycle, ACloseOfTheShownWindowMinimisesItInsteadOfEndingTheProgram) {
    HWND main = tavmoor.mainWindow();
    ASSERT_NE(main, nullptr);
    ShowWindow(main, SW_SHOWNORMAL);
    pause(300ms);
    ASSERT_TRUE(IsWindowVisible(main));

    SendMessageW(main, WM_CLOSE, 0, 0);
    pause(500ms);
    EXPECT_TRUE(tavmoor.running());
    EXPECT_TRUE(IsIconic(main) || !IsWindowVisible(main));
}

} // namespace
} // namespace tavmoor::blackbox
