// The toolkit double keeps the orderings of the toolkit's contract that the
// handlers' tests rely on.
#include "fakes/fake_toolkit.h"

#include "layouts/gbk_texts.h"
#include "layouts/layouts.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavmoor::fakes {
namespace {

using testing::ElementsAre;

class FakeToolkitContract : public testing::Test {
protected:
    const toolkit::WindowLayout& main = layouts::mainWindow();
    const toolkit::WindowLayout& reminder = layouts::reminderWindow();
    FakeToolkit toolkit;
};

TEST_F(FakeToolkitContract, LoadingRaisesCreatedMovedSizeChangedThenShowsAsTheLayoutSays) {
    bool visibleInCreated = true;
    toolkit.onCreated(main, [&] { visibleInCreated = toolkit.visible(main); });
    EXPECT_TRUE(toolkit.loadWindow(main, nullptr, false));
    EXPECT_THAT(toolkit.calls, ElementsAre("loadWindow Tavmoor", "event created Tavmoor", "event moved Tavmoor",
                                           "event sizeChanged Tavmoor"));
    EXPECT_FALSE(visibleInCreated);
    EXPECT_EQ(toolkit.text(main, gbk::按钮1), gbk::保存关机时间);
    EXPECT_EQ(toolkit.state(main).timerPeriods[std::string{gbk::时钟1}], 1000);

    toolkit.calls.clear();
    EXPECT_TRUE(toolkit.loadWindow(main, nullptr, false));
    EXPECT_THAT(toolkit.calls, ElementsAre("loadWindow Tavmoor")); // no second instance
}

TEST_F(FakeToolkitContract, MinimisingAVisibleWindowRaisesSizeChangedInsideTheWrite) {
    toolkit.markLoaded(main);
    toolkit.onSizeChanged(main, [&] { toolkit.setVisible(main, false); });
    toolkit.setPositionState(main, toolkit::position::minimised);
    EXPECT_EQ(toolkit.positionState(main), toolkit::position::normal); // hidden: only recorded

    toolkit.setVisible(main, true);
    toolkit.calls.clear();
    toolkit.setPositionState(main, toolkit::position::minimised);
    EXPECT_THAT(toolkit.calls, ElementsAre("setPositionState Tavmoor 2", "event sizeChanged Tavmoor",
                                           "setVisible Tavmoor 0"));
    EXPECT_EQ(toolkit.positionState(main), toolkit::position::minimised);
}

TEST_F(FakeToolkitContract, AModalDialogDisablesTheMainWindowUntilItIsDestroyed) {
    toolkit.markLoaded(main);
    bool mainEnabledDuringModal = true;
    toolkit.duringModal[&reminder] = [&] {
        mainEnabledDuringModal = toolkit.state(main).enabled;
        toolkit.destroyWindow(main);
        toolkit.destroyWindow(reminder);
    };
    EXPECT_TRUE(toolkit.loadWindow(reminder, &main, true));
    EXPECT_FALSE(mainEnabledDuringModal);
    EXPECT_FALSE(toolkit.isLoaded(main));
    EXPECT_FALSE(toolkit.isLoaded(reminder));
    EXPECT_TRUE(toolkit.quitPosted);
}

TEST_F(FakeToolkitContract, UnloadedWindowsReadEmptyAndEndProgramThrows) {
    toolkit.setText(main, gbk::编辑框1, "22");
    EXPECT_EQ(toolkit.text(main, gbk::编辑框1), "");
    EXPECT_FALSE(toolkit.visible(main));
    EXPECT_TRUE(toolkit.raiseCloseQuery(main)); // no handler: the close goes ahead
    try {
        toolkit.endProgram(0);
        FAIL() << "endProgram returned";
    } catch (const ProgramEnded& ended) {
        EXPECT_EQ(ended.code, 0);
    }
}

} // namespace
} // namespace tavmoor::fakes
