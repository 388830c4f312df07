// The toolkit's plain decisions: placement, tab order, identifiers, path split.
#include "layouts/gbk_texts.h"
#include "layouts/layouts.h"
#include "toolkit/geometry.h"

#include <gtest/gtest.h>

#include <array>

namespace tavmoor::toolkit {
namespace {

TEST(Geometry, CentringUsesIntegerDivisionOfThePrimaryScreen) {
    EXPECT_EQ(centredPlace(1024, 768, 197, 181), (Point{413, 293}));
    EXPECT_EQ(centredPlace(1920, 1080, 175, 108), (Point{872, 486}));
    EXPECT_EQ(centredPlace(1366, 768, 197, 181), (Point{584, 293}));
    EXPECT_EQ(centredPlace(100, 100, 197, 181), (Point{-48, -40})) << "a window larger than the screen";
}

std::vector<std::string_view> names(const WindowLayout& layout) {
    std::vector<std::string_view> result;
    for (const std::size_t index : tabOrder(layout.controls)) {
        result.push_back(layout.controls[index].name);
    }
    return result;
}

TEST(Geometry, TheTabOrderOfBothWindowsIsTheReverseOfTheirLayoutOrder) {
    EXPECT_EQ(names(layouts::mainWindow()),
              (std::vector<std::string_view>{gbk::选择框_开机自动运行, gbk::编辑框1, gbk::编辑框2, gbk::按钮1,
                                             gbk::按钮2, gbk::按钮3}));
    EXPECT_EQ(names(layouts::reminderWindow()), (std::vector<std::string_view>{gbk::按钮1, gbk::按钮2}));
}

TEST(Geometry, TabIndexComesFirstAndOnlyVisibleEnabledTabStopsTakePart) {
    constexpr std::array controls{
        ControlLayout{.name = "a", .tabStop = true, .tabIndex = 2},
        ControlLayout{.name = "b", .tabStop = true, .tabIndex = 1},
        ControlLayout{.name = "c", .tabStop = true, .tabIndex = 1},
        ControlLayout{.name = "hidden", .visible = false, .tabStop = true},
        ControlLayout{.name = "disabled", .disabled = true, .tabStop = true},
        ControlLayout{.name = "no stop"},
    };
    const WindowLayout layout{.controls = controls};
    EXPECT_EQ(names(layout), (std::vector<std::string_view>{"c", "b", "a"}));
}

TEST(Geometry, TabbingWrapsAroundBothWays) {
    const std::vector<std::size_t> order{6, 5, 4};
    EXPECT_EQ(nextInTabOrder(order, 6, 1), 5u);
    EXPECT_EQ(nextInTabOrder(order, 4, 1), 6u);
    EXPECT_EQ(nextInTabOrder(order, 6, -1), 4u);
    EXPECT_EQ(nextInTabOrder(order, std::nullopt, 1), 6u) << "no focus yet: the first";
    EXPECT_EQ(nextInTabOrder(order, 9, -1), 4u) << "focus elsewhere, backwards: the last";
    EXPECT_EQ(nextInTabOrder({}, 1, 1), std::nullopt);
}

TEST(Geometry, MenuCommandsAreNumberedFrom20000WithTheTopLevelMenuAsZero) {
    const auto& menu = layouts::mainWindow().menu;
    EXPECT_EQ(menuCommandId(*findMenuItem(menu, gbk::托盘菜单)), 20000);
    EXPECT_EQ(menuCommandId(*findMenuItem(menu, gbk::显示隐藏窗口)), 20001);
    EXPECT_EQ(menuCommandId(*findMenuItem(menu, gbk::开机自动运行)), 20003);
    EXPECT_EQ(menuCommandId(*findMenuItem(menu, gbk::退出)), 20005);
    EXPECT_EQ(findMenuItem(menu, "-"), std::nullopt) << "separators have no caption to name them by";
    EXPECT_EQ(menuItemIndex(20005, menu.size()), 5u);
    EXPECT_EQ(menuItemIndex(20006, menu.size()), std::nullopt);
    EXPECT_EQ(menuItemIndex(19999, menu.size()), std::nullopt);
}

TEST(Geometry, ControlIdentifiersRoundTrip) {
    EXPECT_EQ(controlIndex(controlId(0), 3), 0u);
    EXPECT_EQ(controlIndex(controlId(2), 3), 2u);
    EXPECT_EQ(controlIndex(0, 3), std::nullopt);
    EXPECT_EQ(controlIndex(4, 3), std::nullopt);
    EXPECT_EQ(controlIndex(-1, 3), std::nullopt);
}

TEST(Geometry, TheExecutablePathSplitsAtItsLastBackslash) {
    struct Case {
        const wchar_t* path;
        const wchar_t* directory;
        const wchar_t* name;
    };
    const Case cases[] = {
        {L"D:\\Tools\\x.exe", L"D:\\Tools", L"x.exe"},
        {L"C:\\x.exe", L"C:", L"x.exe"},
        {L"C:\\Program Files\\定时 关机\\Tavmoor.exe", L"C:\\Program Files\\定时 关机", L"Tavmoor.exe"},
        {L"\\\\server\\share\\Tavmoor.exe", L"\\\\server\\share", L"Tavmoor.exe"},
        {L"Tavmoor.exe", L"", L"Tavmoor.exe"},
    };
    for (const auto& c : cases) {
        const auto split = splitExecutablePath(c.path);
        EXPECT_EQ(split.directory, c.directory);
        EXPECT_EQ(split.fileName, c.name);
    }
}

} // namespace
} // namespace tavmoor::toolkit
