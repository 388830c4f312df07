#include "layouts/layouts.h"

#include "layouts/gbk_texts.h"

#include <array>

namespace tavmoor::layouts {
namespace {

using toolkit::ControlKind;
using toolkit::ControlLayout;
using toolkit::Font;
using toolkit::MenuItemLayout;
using toolkit::Rgb;

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};

// Layout order: it decides the stacking (first on top) and, reversed, the tab order.
constexpr std::array kControls{
    ControlLayout{.kind = ControlKind::button, .name = gbk::按钮3, .left = 69, .top = 122,
                  .width = 56, .height = 20, .text = gbk::重启, .tabStop = true},
    ControlLayout{.kind = ControlKind::button, .name = gbk::按钮2, .left = 8, .top = 122,
                  .width = 56, .height = 20, .text = gbk::关机, .tabStop = true},
    ControlLayout{.kind = ControlKind::label, .name = gbk::标签1, .left = 80, .top = 12,
                  .width = 16, .height = 24, .text = gbk::全角冒号, .parent = gbk::分组框2},
    ControlLayout{.kind = ControlKind::button, .name = gbk::按钮1, .left = 104, .top = 94,
                  .width = 80, .height = 20, .text = gbk::保存关机时间, .tabStop = true},
    ControlLayout{.kind = ControlKind::editBox, .name = gbk::编辑框2, .left = 120, .top = 60,
                  .width = 48, .height = 20, .tabStop = true, .textColour = kRed, .centred = true},
    ControlLayout{.kind = ControlKind::editBox, .name = gbk::编辑框1, .left = 24, .top = 60,
                  .width = 48, .height = 20, .tabStop = true, .textColour = kRed, .centred = true},
    ControlLayout{.kind = ControlKind::checkBox, .name = gbk::选择框_开机自动运行, .left = 8, .top = 92,
                  .width = 96, .height = 25, .text = gbk::开机自动运行, .tabStop = true,
                  .font = Font::songTi12},
    ControlLayout{.kind = ControlKind::label, .name = gbk::标签_当前时间, .left = 8, .top = 13,
                  .width = 160, .height = 20, .parent = gbk::分组框1, .textColour = kBlue,
                  .centred = true, .font = Font::songTi12},
    ControlLayout{.kind = ControlKind::timer, .name = gbk::时钟1, .left = 144, .top = 16,
                  .width = 26, .height = 26, .visible = false, .period = 1000},
    ControlLayout{.kind = ControlKind::groupBox, .name = gbk::分组框2, .left = 8, .top = 46,
                  .width = 176, .height = 40, .text = gbk::定时关机, .font = Font::songTi12},
    ControlLayout{.kind = ControlKind::groupBox, .name = gbk::分组框1, .left = 8, .top = 5,
                  .width = 176, .height = 35, .text = gbk::当前时间, .font = Font::songTi12},
};

// The only top-level menu is not visible, so the window has no menu bar; it
// serves as the tray icon's pop-up menu.
constexpr std::array kMenu{
    MenuItemLayout{.caption = gbk::托盘菜单, .level = 0, .visible = false},
    MenuItemLayout{.caption = gbk::显示隐藏窗口, .level = 1},
    MenuItemLayout{.caption = "-", .level = 1},
    MenuItemLayout{.caption = gbk::开机自动运行, .level = 1},
    MenuItemLayout{.caption = "-", .level = 1},
    MenuItemLayout{.caption = gbk::退出, .level = 1},
};

} // namespace

const toolkit::WindowLayout& mainWindow() {
    static const toolkit::WindowLayout layout{
        .title = "Tavmoor",
        .width = 197,
        .height = 181,
        .visible = false,
        .alwaysOnTop = false,
        .escCloses = true,
        .enterMovesFocus = false,
        .icon = programIcon(),
        .controls = kControls,
        .menu = kMenu,
    };
    return layout;
}

} // namespace tavmoor::layouts
