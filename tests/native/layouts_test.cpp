#include "layouts/gbk_texts.h"
#include "layouts/layouts.h"

#include <gtest/gtest.h>

namespace tavmoor {
namespace {

TEST(Layouts, MainWindowSettings) {
    const auto& w = layouts::mainWindow();
    EXPECT_EQ(w.title, "Tavmoor");
    EXPECT_EQ(w.width, 197);
    EXPECT_EQ(w.height, 181);
    EXPECT_FALSE(w.visible);
    EXPECT_TRUE(w.escCloses);
    EXPECT_FALSE(w.enterMovesFocus);
    EXPECT_EQ(w.icon.size(), 99678u);
}

TEST(Layouts, ReminderWindowSettings) {
    const auto& w = layouts::reminderWindow();
    EXPECT_EQ(w.title, gbk::提醒关机);
    EXPECT_EQ(w.width, 175);
    EXPECT_EQ(w.height, 108);
    EXPECT_TRUE(w.visible);
    EXPECT_TRUE(w.alwaysOnTop);
    EXPECT_TRUE(w.escCloses);
    EXPECT_TRUE(w.icon.empty()) << "it takes the executable's icon";
    EXPECT_TRUE(w.menu.empty());
}

TEST(Layouts, EveryControlNameIsUniqueWithinItsWindowAndGroupBoxParentsExist) {
    for (const auto* window : {&layouts::mainWindow(), &layouts::reminderWindow()}) {
        for (std::size_t i = 0; i < window->controls.size(); ++i) {
            const auto& c = window->controls[i];
            for (std::size_t j = i + 1; j < window->controls.size(); ++j) {
                EXPECT_NE(c.name, window->controls[j].name);
            }
            if (!c.parent.empty()) {
                bool found = false;
                for (const auto& other : window->controls) {
                    found = found || (other.name == c.parent && other.kind == toolkit::ControlKind::groupBox);
                }
                EXPECT_TRUE(found);
            }
        }
    }
}

TEST(Layouts, TheCountdownStartsFromTheLabelText) {
    for (const auto& c : layouts::reminderWindow().controls) {
        if (c.name == gbk::提醒关机) {
            EXPECT_EQ(c.text, "28");
            EXPECT_EQ(c.font, toolkit::Font::defaultGui);
            EXPECT_FALSE(c.centred);
        }
        if (c.kind == toolkit::ControlKind::timer) {
            EXPECT_EQ(c.period, 0) << "the reminder's timer starts stopped";
        }
    }
}

TEST(Layouts, TheTrayMenuIsHiddenAtTopLevelWithFiveItems) {
    const auto& menu = layouts::mainWindow().menu;
    ASSERT_EQ(menu.size(), 6u);
    EXPECT_EQ(menu[0].caption, gbk::托盘菜单);
    EXPECT_FALSE(menu[0].visible);
    const std::string_view items[] = {gbk::显示隐藏窗口, "-", gbk::开机自动运行, "-", gbk::退出};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(menu[i + 1].caption, items[i]);
        EXPECT_EQ(menu[i + 1].level, 1);
        EXPECT_TRUE(menu[i + 1].visible && menu[i + 1].enabled && !menu[i + 1].checked);
    }
}

} // namespace
} // namespace tavmoor
