// The main window's start-up and its close-to-tray behaviour, against the
// toolkit double.
#include "fakes/fake_services.h"
#include "fakes/fake_toolkit.h"
#include "layouts/gbk_texts.h"
#include "layouts/layouts.h"
#include "shell/program.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavmoor {
namespace {

using fakes::call;
using layouts::mainWindow;
using testing::ElementsAre;

class Shell : public testing::Test {
protected:
    Shell() { shell::bindProgram(ui, services, state); }

    void start() {
        ASSERT_TRUE(ui.loadWindow(mainWindow(), nullptr, false));
    }

    fakes::FakeToolkit ui;
    fakes::FakeServices services;
    shell::ProgramState state;
};

TEST_F(Shell, TheCreatedHandlerRunsItsStepsInOrder) {
    services.files["1.txt"] = "22";
    services.files["2.txt"] = "30";
    state.reminderShown = true;

    start();

    std::vector<std::string> steps;
    for (const auto& line : ui.calls) {
        if (line.rfind("event", 0) != 0) {
            steps.push_back(line);
        }
    }
    EXPECT_THAT(steps, ElementsAre("loadWindow Tavmoor", "setControlSkin 3", "hookWindowProcedure Tavmoor",
                                   "setEnterMovesFocus Tavmoor 1", call({"setText", gbk::编辑框1, "22"}),
                                   call({"setText", gbk::编辑框2, "30"})));
    EXPECT_FALSE(state.reminderShown);
    EXPECT_FALSE(ui.visible(mainWindow())) << "the start-up never shows the main window";
}

TEST_F(Shell, ACloseIsTurnedIntoAMinimiseWhileTheSessionGoesOn) {
    start();
    ui.setVisible(mainWindow(), true);

    EXPECT_FALSE(ui.raiseCloseQuery(mainWindow()));

    EXPECT_EQ(ui.positionState(mainWindow()), toolkit::position::minimised);
    EXPECT_TRUE(ui.isLoaded(mainWindow()));
}

TEST_F(Shell, ACloseOfTheHiddenWindowIsRefusedAndShowsNothing) {
    start();

    EXPECT_FALSE(ui.raiseCloseQuery(mainWindow()));

    EXPECT_FALSE(ui.visible(mainWindow()));
    EXPECT_EQ(ui.positionState(mainWindow()), toolkit::position::normal);
}

TEST_F(Shell, TheEndOfSessionQueryMarksTheSessionBeforeTheCloseQueryRuns) {
    start();
    ui.raiseWindowMessage(mainWindow(), 0x0010); // WM_CLOSE: not the query
    EXPECT_EQ(state.sessionEnding, 0);

    ui.raiseWindowMessage(mainWindow(), toolkit::kWmQueryEndSession);

    EXPECT_EQ(state.sessionEnding, 1);
    EXPECT_TRUE(ui.raiseCloseQuery(mainWindow())) << "the close, or the end of the session, goes ahead";
    EXPECT_TRUE(ui.raiseCloseQuery(mainWindow())) << "the mark is never cleared";
}

} // namespace
} // namespace tavmoor
