#include "schedule/time_settings.h"

#include "fakes/fake_services.h"
#include "fakes/fake_toolkit.h"
#include "layouts/gbk_texts.h"
#include "layouts/layouts.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace tavmoor::schedule {
namespace {

using fakes::call;
using testing::ElementsAre;
using testing::IsEmpty;

class TimeSettings : public testing::Test {
protected:
    TimeSettings() {
        toolkit.markLoaded(window);
        bindTimeSettings(toolkit, services);
    }

    std::string field(std::string_view name) { return toolkit.text(window, name); }
    void type(std::string_view name, const std::string& text) { toolkit.state(window).texts[std::string{name}] = text; }

    const toolkit::WindowLayout& window = layouts::mainWindow();
    fakes::FakeToolkit toolkit;
    fakes::FakeServices services;
};

// Loading.

struct LoadCase {
    std::string stored;
    std::string shown;
};

TEST_F(TimeSettings, LoadShowsTheStoredBytesUpToAZeroByte) {
    const std::vector<LoadCase> cases{
        {"07", "07"},
        {"12\r\n", "12\r\n"},
        {" 7 ", " 7 "},
        {"\xA3\xB2\xA3\xB4", "\xA3\xB2\xA3\xB4"},   // full-width ２４, as stored
        {std::string{"12\0" "34", 5}, "12"},
        {std::string{"\0" "12", 3}, ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        services.files["1.txt"] = c.stored;
        services.files["2.txt"] = c.stored;
        loadShutdownTime(toolkit, services);
        EXPECT_EQ(field(gbk::编辑框1), c.shown);
        EXPECT_EQ(field(gbk::编辑框2), c.shown);
    }
}

TEST_F(TimeSettings, LoadFillsTheHourFromOneAndTheMinuteFromTwo) {
    services.files["1.txt"] = "22";
    services.files["2.txt"] = "30";
    loadShutdownTime(toolkit, services);
    EXPECT_THAT(toolkit.calls, ElementsAre(call({"setText", gbk::编辑框1, "22"}),
                                           call({"setText", gbk::编辑框2, "30"})));
}

TEST_F(TimeSettings, MissingFilesGiveEmptyFields) {
    type(gbk::编辑框1, "9");
    type(gbk::编辑框2, "9");
    loadShutdownTime(toolkit, services);
    EXPECT_EQ(field(gbk::编辑框1), "");
    EXPECT_EQ(field(gbk::编辑框2), "");
}

// Saving.

TEST_F(TimeSettings, SaveStoresTheExactBytesOfBothFields) {
    type(gbk::编辑框1, "07");
    type(gbk::编辑框2, "\xA3\xB5 \r\n");
    toolkit.raiseClicked(window, gbk::按钮1);
    EXPECT_EQ(services.files["1.txt"], "07");
    EXPECT_EQ(services.files["2.txt"], "\xA3\xB5 \r\n");
}

TEST_F(TimeSettings, AnEmptyFieldIsSavedAsAnEmptyFileAndLoadsBackEmpty) {
    services.files["1.txt"] = "22";
    type(gbk::编辑框1, "");
    type(gbk::编辑框2, "30");
    toolkit.raiseClicked(window, gbk::按钮1);
    ASSERT_TRUE(services.files.contains("1.txt"));
    EXPECT_EQ(services.files["1.txt"], "");

    type(gbk::编辑框1, "x");
    loadShutdownTime(toolkit, services);
    EXPECT_EQ(field(gbk::编辑框1), "");
    EXPECT_EQ(field(gbk::编辑框2), "30");
}

TEST_F(TimeSettings, AFailedSaveIsSilentAndKeepsFieldsAndFiles) {
    services.files["1.txt"] = "22";
    services.files["2.txt"] = "30";
    services.failWrites = true;
    type(gbk::编辑框1, "23");
    type(gbk::编辑框2, "45");
    toolkit.raiseClicked(window, gbk::按钮1);
    EXPECT_THAT(toolkit.messageBoxes, IsEmpty());
    EXPECT_EQ(field(gbk::编辑框1), "23");
    EXPECT_EQ(field(gbk::编辑框2), "45");
    EXPECT_EQ(services.files["1.txt"], "22");
    EXPECT_EQ(services.files["2.txt"], "30");
}

// The range check.

struct CheckCase {
    std::string_view field;
    std::string text;
};

std::vector<std::string> rejection(std::string_view field) {
    return {call({"event lostFocus", field}),
            call({"messageBox", gbk::时间设置错误, "flags=0x10"}),
            call({"setFocus", field}),
            call({"setSelectedLength", field, "3"})};
}

TEST_F(TimeSettings, LeavingAFieldOutOfRangeShowsTheErrorThenSelectsTheEntry) {
    const std::vector<CheckCase> cases{
        {gbk::编辑框1, "24"},         {gbk::编辑框1, "24.0"}, {gbk::编辑框1, "1e2"},
        {gbk::编辑框1, "\xA3\xB2\xA3\xB4"}, {gbk::编辑框1, "23.9999999"}, {gbk::编辑框1, "59"},
        {gbk::编辑框2, "60"},         {gbk::编辑框2, "1e999"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        toolkit.calls.clear();
        type(c.field, c.text);
        toolkit.raiseLostFocus(window, c.field);
        EXPECT_EQ(toolkit.calls, rejection(c.field));
        EXPECT_EQ(toolkit.messageBoxes.back().title, std::nullopt);
        EXPECT_EQ(field(c.field), c.text);
        EXPECT_EQ(toolkit.state(window).focus, c.field);
    }
}

TEST_F(TimeSettings, LeavingAFieldInRangeDoesNothing) {
    const std::vector<CheckCase> cases{
        {gbk::编辑框1, "23.9999998"}, {gbk::编辑框1, "23.5"}, {gbk::编辑框1, "-3"},
        {gbk::编辑框1, "abc"},        {gbk::编辑框1, ""},     {gbk::编辑框1, "0x1A"},
        {gbk::编辑框2, "59"},         {gbk::编辑框2, "23.9999999"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        toolkit.calls.clear();
        type(c.field, c.text);
        toolkit.raiseLostFocus(window, c.field);
        EXPECT_THAT(toolkit.calls, ElementsAre(call({"event lostFocus", c.field})));
    }
    EXPECT_THAT(toolkit.messageBoxes, IsEmpty());
}

TEST_F(TimeSettings, ARejectedValueCanStillBeSaved) {
    type(gbk::编辑框1, "24");
    type(gbk::编辑框2, "75");
    toolkit.raiseLostFocus(window, gbk::编辑框1);
    toolkit.raiseLostFocus(window, gbk::编辑框2);
    toolkit.raiseClicked(window, gbk::按钮1);
    EXPECT_EQ(toolkit.messageBoxes.size(), 2u);
    EXPECT_EQ(services.files["1.txt"], "24");
    EXPECT_EQ(services.files["2.txt"], "75");
}

} // namespace
} // namespace tavmoor::schedule
