#include "layouts/layouts.h"

#include "layouts/gbk_texts.h"

#include <array>

namespace tavmoor::layouts {
namespace {

using toolkit::ControlKind;
using toolkit::ControlLayout;
using toolkit::Rgb;

// The count label's "28" is where the countdown starts.
constexpr std::array kControls{
    ControlLayout{.kind = ControlKind::button, .name = gbk::按钮2, .left = 88, .top = 40,
                  .width = 75, .height = 25, .text = gbk::取消关机, .tabStop = true},
    ControlLayout{.kind = ControlKind::button, .name = gbk::按钮1, .left = 8, .top = 40,
                  .width = 75, .height = 25, .text = gbk::立即关机, .tabStop = true},
    ControlLayout{.kind = ControlKind::label, .name = gbk::标签2, .left = 8, .top = 8,
                  .width = 112, .height = 24, .text = gbk::请做好存档工作},
    ControlLayout{.kind = ControlKind::timer, .name = gbk::时钟1, .left = 88, .top = 16,
                  .width = 32, .height = 32, .visible = false},
    ControlLayout{.kind = ControlKind::label, .name = gbk::提醒关机, .left = 128, .top = 8,
                  .width = 40, .height = 24, .text = "28", .textColour = Rgb{255, 0, 0}},
};

} // namespace

const toolkit::WindowLayout& reminderWindow() {
    static const toolkit::WindowLayout layout{
        .title = gbk::提醒关机,
        .width = 175,
        .height = 108,
        .visible = true,
        .alwaysOnTop = true,
        .escCloses = true,
        .enterMovesFocus = false,
        .icon = {},
        .controls = kControls,
        .menu = {},
    };
    return layout;
}

} // namespace tavmoor::layouts
