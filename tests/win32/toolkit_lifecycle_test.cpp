// The toolkit's lifecycle on real windows: the order of events at load,
// deferred destruction, the end of the message loop, modal dialogs and the
// answers to WM_CLOSE and WM_QUERYENDSESSION.
#include "toolkit_fixture.h"

#include <array>

namespace tavmoor::toolkit::win32 {
namespace {

using namespace std::chrono_literals;
using testing_support::ToolkitTest;

constexpr std::array kTickingControls{
    ControlLayout{.kind = ControlKind::timer, .name = "clock", .visible = false, .period = 30},
    ControlLayout{.kind = ControlKind::button, .name = "ok", .left = 8, .top = 8, .width = 60,
                  .height = 20, .text = "OK", .tabStop = true},
};

const WindowLayout kHost{.title = "host", .width = 200, .height = 150, .visible = false,
                         .escCloses = true, .controls = kTickingControls};
const WindowLayout kShown{.title = "shown", .width = 180, .height = 120, .visible = true,
                          .escCloses = true, .controls = kTickingControls};
constexpr std::array kDialogControls{
    ControlLayout{.kind = ControlKind::timer, .name = "clock", .visible = false, .period = 0},
};
const WindowLayout kDialog{.title = "dialog", .width = 150, .height = 100, .visible = true,
                           .alwaysOnTop = true, .escCloses = true, .controls = kDialogControls};

class Lifecycle : public ToolkitTest {};

TEST_F(Lifecycle, LoadRaisesCreatedMovedAndSizeChangedInOrderBeforeShowing) {
    ui->onCreated(kShown, [&] {
        events.push_back(IsWindowVisible(ui->windowHandle(kShown)) ? "created visible" : "created");
    });
    ui->onMoved(kShown, [&] { events.push_back("moved"); });
    ui->onSizeChanged(kShown, [&] { events.push_back("size changed"); });

    ASSERT_TRUE(ui->loadWindow(kShown, nullptr, false));

    // Showing the window may size and move it once more; the load's own three come first.
    ASSERT_GE(events.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(events.begin(), events.begin() + 3),
              (std::vector<std::string>{"created", "moved", "size changed"}));
    EXPECT_TRUE(IsWindowVisible(ui->windowHandle(kShown))) << "its layout marks it visible";
}

TEST_F(Lifecycle, AWindowWhoseLayoutIsNotVisibleStaysHidden) {
    ASSERT_TRUE(ui->loadWindow(kHost, nullptr, false));
    EXPECT_TRUE(ui->isLoaded(kHost));
    EXPECT_FALSE(ui->visible(kHost));
}

TEST_F(Lifecycle, LoadingALoadedWindowMakesNoSecondOneAndRaisesNoCreated) {
    int created = 0;
    ui->onCreated(kHost, [&] { ++created; });
    ASSERT_TRUE(ui->loadWindow(kHost, nullptr, false));
    const HWND first = ui->windowHandle(kHost);

    EXPECT_TRUE(ui->loadWindow(kHost, nullptr, false));

    EXPECT_EQ(created, 1);
    EXPECT_EQ(ui->windowHandle(kHost), first);
}

TEST_F(Lifecycle, LoadingAMinimisedLoadedWindowRestoresIt) {
    ASSERT_TRUE(ui->loadWindow(kShown, nullptr, false));
    ui->setPositionState(kShown, position::minimised);
    ASSERT_EQ(ui->positionState(kShown), position::minimised);

    ui->loadWindow(kShown, nullptr, false);

    EXPECT_EQ(ui->positionState(kShown), position::normal);
    EXPECT_TRUE(ui->visible(kShown));
}

TEST_F(Lifecycle, DestroyIsDeferredUntilItsRequestIsHandled) {
    ui->onDestroyed(kHost, [&] { events.push_back("destroyed"); });
    ASSERT_TRUE(ui->loadWindow(kHost, nullptr, false));
    const HWND handle = ui->windowHandle(kHost);

    ui->destroyWindow(kHost);

    EXPECT_TRUE(IsWindow(handle)) << "the window still exists right after destroyWindow";
    EXPECT_TRUE(ui->isLoaded(kHost));
    EXPECT_TRUE(events.empty());
    ASSERT_TRUE(pumpUntil([&] { return !IsWindow(handle); }));
    EXPECT_FALSE(ui->isLoaded(kHost));
    EXPECT_EQ(events, std::vector<std::string>{"destroyed"});
}

TEST_F(Lifecycle, AnUnloadedWindowCanBeLoadedAgainFreshFromItsLayout) {
    int created = 0;
    ui->onCreated(kHost, [&] { ++created; });
    ASSERT_TRUE(ui->loadWindow(kHost, nullptr, false));
    ui->setText(kHost, "ok", "changed");
    ui->destroyWindow(kHost);
    ASSERT_TRUE(pumpUntil([&] { return !ui->isLoaded(kHost); }));

    ASSERT_TRUE(ui->loadWindow(kHost, nullptr, false));

    EXPECT_EQ(created, 2);
    EXPECT_EQ(ui->text(kHost, "ok"), "OK");
}

TEST_F(Lifecycle, TheLoopEndsWithCodeZeroOnlyWhenTheLastWindowIsGone) {
    ASSERT_TRUE(ui->loadWindow(kHost, nullptr, false));
    ASSERT_TRUE(ui->loadWindow(kShown, nullptr, false));
    int ticks = 0;
    ui->onTick(kHost, "clock", [&] {
        ++ticks;
        if (ticks == 1) {
            ui->destroyWindow(kShown);
        } else if (ticks == 5) {
            EXPECT_TRUE(ui->isLoaded(kHost)) << "one window is left: the loop goes on";
            ui->destroyWindow(kHost);
        }
    });
    // Bound the test: a loop that never ends would be a failure, not a hang.
    const UINT_PTR watchdog = SetTimer(nullptr, 0, 10000, [](HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(99); });

    const int code = ui->run();

    KillTimer(nullptr, watchdog);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(ticks, 5);
}

TEST_F(Lifecycle, TheLoopDoesNotStartWithoutALoadedWindow) {
    EXPECT_EQ(ui->run(), 0);
}

TEST_F(Lifecycle, NoQuitBeforeTheMainLoopHasStarted) {
    ASSERT_TRUE(ui->loadWindow(kHost, nullptr, false));
    ui->destroyWindow(kHost);
    ASSERT_TRUE(pumpUntil([&] { return !ui->isLoaded(kHost); }));
    pumpFor(50ms);
    EXPECT_FALSE(quitSeen);
}

TEST_F(Lifecycle, AModalDialogDisablesTheOtherWindowsWhileOtherTimersTick) {
    ASSERT_TRUE(ui->loadWindow(kHost, nullptr, false));
    const HWND host = ui->windowHandle(kHost);
    int hostTicks = 0;
    int hostTicksWhileModal = 0;
    bool hostDisabledWhileModal = false;
    bool dialogOwned = false;
    ui->onTick(kHost, "clock", [&] { ++hostTicks; });
    ui->onCreated(kDialog, [&] { ui->setTimerPeriod(kDialog, "clock", 40); });
    int dialogTicks = 0;
    ui->onTick(kDialog, "clock", [&] {
        if (++dialogTicks == 6) {
            hostDisabledWhileModal = !IsWindowEnabled(host);
            hostTicksWhileModal = hostTicks;
            const HWND dialog = ui->windowHandle(kDialog);
            dialogOwned = GetWindow(dialog, GW_OWNER) != nullptr && GetWindow(dialog, GW_OWNER) != host;
            ui->setTimerPeriod(kDialog, "clock", 0);
            ui->destroyWindow(kDialog);
        }
    });

    const bool loaded = ui->loadWindow(kDialog, &kHost, true);

    EXPECT_TRUE(loaded);
    EXPECT_FALSE(ui->isLoaded(kDialog)) << "loadWindow returns only once the dialog is unloaded";
    EXPECT_EQ(dialogTicks, 6);
    EXPECT_TRUE(hostDisabledWhileModal);
    EXPECT_GT(hostTicksWhileModal, 0) << "the other window's timer ticks inside the nested loop";
    EXPECT_TRUE(dialogOwned) << "a dialog has no owner among the program's windows, and no taskbar button";
    EXPECT_TRUE(IsWindowEnabled(host)) << "its earlier enabled state comes back";
}

TEST_F(Lifecycle, AModalDialogGivesBackADisabledWindowItsDisabledState) {
    ASSERT_TRUE(ui->loadWindow(kHost, nullptr, false));
    const HWND host = ui->windowHandle(kHost);
    EnableWindow(host, FALSE);
    ui->onCreated(kDialog, [&] { ui->destroyWindow(kDialog); });

    ui->loadWindow(kDialog, nullptr, true);

    EXPECT_FALSE(IsWindowEnabled(host));
}

TEST_F(Lifecycle, ClosingAModalDialogEndsItsLoopAndEnablesTheOthers) {
    ASSERT_TRUE(ui->loadWindow(kHost, nullptr, false));
    const HWND host = ui->windowHandle(kHost);
    ui->onCreated(kDialog, [&] { PostMessageW(ui->windowHandle(kDialog), WM_CLOSE, 0, 0); });

    ui->loadWindow(kDialog, nullptr, true);

    EXPECT_FALSE(ui->isLoaded(kDialog));
    EXPECT_TRUE(IsWindowEnabled(host));
}

TEST_F(Lifecycle, AQuitInsideAModalLoopEndsItAndReachesTheOuterLoop) {
    ASSERT_TRUE(ui->loadWindow(kHost, nullptr, false));
    ui->onCreated(kDialog, [] { PostQuitMessage(7); });

    ui->loadWindow(kDialog, nullptr, true);

    EXPECT_TRUE(ui->isLoaded(kDialog)) << "the loop ended on WM_QUIT, not on unload";
    MSG message{};
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "WM_QUIT is left for the outer loop";
    EXPECT_EQ(message.wParam, 7u);
}

TEST_F(Lifecycle, DestroyingTheOuterWindowInsideAModalLoopEndsTheProgramCleanly) {
    // The shape of a cancel from a reminder: the window whose handler opened
    // the dialog is destroyed first, then the dialog; the handler resumes
    // after both are gone, and the loop then ends with code 0.
    ASSERT_TRUE(ui->loadWindow(kHost, nullptr, false));
    bool opened = false;
    bool hostLoadedAfterModal = true;
    ui->onTick(kHost, "clock", [&] {
        if (opened) {
            return;
        }
        opened = true;
        ui->loadWindow(kDialog, &kHost, true);
        hostLoadedAfterModal = ui->isLoaded(kHost);
    });
    ui->onCreated(kDialog, [&] {
        ui->loadWindow(kHost, nullptr, false);
        ui->destroyWindow(kHost);
        ui->destroyWindow(kDialog);
    });
    const UINT_PTR watchdog = SetTimer(nullptr, 0, 10000, [](HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(99); });

    const int code = ui->run();

    KillTimer(nullptr, watchdog);
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(hostLoadedAfterModal);
    EXPECT_FALSE(ui->isLoaded(kHost));
    EXPECT_FALSE(ui->isLoaded(kDialog));
}

TEST_F(Lifecycle, ACloseRefusedByItsHandlerLeavesTheWindowAlone) {
    int queries = 0;
    ui->onCloseQuery(kHost, [&] { ++queries; return false; });
    ASSERT_TRUE(ui->loadWindow(kHost, nullptr, false));
    const HWND handle = ui->windowHandle(kHost);

    SendMessageW(handle, WM_CLOSE, 0, 0);

    EXPECT_EQ(queries, 1);
    EXPECT_TRUE(IsWindow(handle));
    EXPECT_FALSE(IsWindowVisible(handle));
}

TEST_F(Lifecycle, ACloseAllowedOrUnansweredDestroysTheWindow) {
    for (const bool withHandler : {false, true}) {
        SCOPED_TRACE(withHandler ? "handler answers true" : "no handler");
        if (withHandler) {
            ui->onCloseQuery(kHost, [] { return true; });
        }
        ASSERT_TRUE(ui->loadWindow(kHost, nullptr, false));
        const HWND handle = ui->windowHandle(kHost);
        SendMessageW(handle, WM_CLOSE, 0, 0);
        EXPECT_FALSE(IsWindow(handle));
        EXPECT_FALSE(ui->isLoaded(kHost));
    }
}

TEST_F(Lifecycle, TheEndOfSessionQueryIsAnsweredFromTheCloseQuery) {
    ASSERT_TRUE(ui->loadWindow(kHost, nullptr, false));
    const HWND handle = ui->windowHandle(kHost);
    EXPECT_EQ(SendMessageW(handle, WM_QUERYENDSESSION, 0, 0), TRUE) << "no handler";

    ui->onCloseQuery(kHost, [] { return false; });
    EXPECT_EQ(SendMessageW(handle, WM_QUERYENDSESSION, 0, 0), FALSE);

    ui->onCloseQuery(kHost, [] { return true; });
    EXPECT_EQ(SendMessageW(handle, WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_TRUE(IsWindow(handle)) << "the query closes nothing";
    SendMessageW(handle, WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(IsWindow(handle)) << "nor does WM_ENDSESSION";
}

TEST_F(Lifecycle, AHookSeesEveryMessageBeforeTheWindowAndSwallowsNone) {
    ASSERT_TRUE(ui->loadWindow(kHost, nullptr, false));
    const HWND handle = ui->windowHandle(kHost);
    bool sessionEnding = false;
    ui->hookWindowProcedure(kHost, [&](unsigned message) {
        if (message == kWmQueryEndSession) {
            sessionEnding = true;
        }
    });
    ui->onCloseQuery(kHost, [&] { return sessionEnding; });

    SendMessageW(handle, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(handle)) << "closes are refused before the session ends";
    EXPECT_EQ(SendMessageW(handle, WM_QUERYENDSESSION, 0, 0), TRUE)
        << "the hook marks the session before the close query runs";
    EXPECT_EQ(SendMessageW(handle, WM_GETTEXTLENGTH, 0, 0), 4) << "other messages still reach the window";

    SendMessageW(handle, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(handle));
}

TEST_F(Lifecycle, EscapeSendsACloseWhereverTheFocusIs) {
    int queries = 0;
    ui->onCloseQuery(kShown, [&] { ++queries; return false; });
    ASSERT_TRUE(ui->loadWindow(kShown, nullptr, false));
    const HWND button = testing_support::controlHandle(ui->windowHandle(kShown), 2);
    ASSERT_NE(button, nullptr);

    pressKey(button, VK_ESCAPE);
    pressKey(ui->windowHandle(kShown), VK_ESCAPE);

    EXPECT_EQ(queries, 2);
}

TEST_F(Lifecycle, ADestroyedWindowsTimerStops) {
    int ticks = 0;
    ui->onTick(kHost, "clock", [&] { ++ticks; });
    ASSERT_TRUE(ui->loadWindow(kHost, nullptr, false));
    ui->destroyWindow(kHost);
    ASSERT_TRUE(pumpUntil([&] { return !ui->isLoaded(kHost); }));
    const int atDestruction = ticks;
    pumpFor(150ms);
    EXPECT_EQ(ticks, atDestruction);
}

TEST_F(Lifecycle, ATimerPeriodCanBeStoppedAndRestarted) {
    int ticks = 0;
    ui->onTick(kHost, "clock", [&] { ++ticks; });
    ASSERT_TRUE(ui->loadWindow(kHost, nullptr, false));
    ASSERT_TRUE(pumpUntil([&] { return ticks >= 2; })) << "a layout period above 0 starts at creation";

    ui->setTimerPeriod(kHost, "clock", 0);
    const int stoppedAt = ticks;
    pumpFor(150ms);
    EXPECT_EQ(ticks, stoppedAt);

    ui->setTimerPeriod(kHost, "clock", 20);
    EXPECT_TRUE(pumpUntil([&] { return ticks >= stoppedAt + 2; }));
}

} // namespace
} // namespace tavmoor::toolkit::win32
