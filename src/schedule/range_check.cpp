// The range check made when the hour or the minute field loses the focus.
#include "layouts/gbk_texts.h"
#include "layouts/layouts.h"
#include "schedule/number_text.h"
#include "schedule/time_settings.h"

#include <string_view>

namespace tavmoor::schedule {
namespace {

constexpr double kHourBound = 24.0;
constexpr double kMinuteBound = 60.0;

// A value this far below its bound still counts as reaching it.
constexpr double kAllowance = 1e-7;

// The allowance is meant for decimal entries: 23.9999999 (1e-7 below 24) is
// out of range, 23.9999998 is not. In doubles 23.9999999 - 24 comes out as
// -1.00000001e-7, just beyond -1e-7, so writing the test as a difference
// would let it pass. Comparing the value itself against bound - allowance
// compares two roundings of the same decimal number instead, and this slack
// absorbs the last-bit difference either may have: it is over a hundred times
// the spacing of doubles near 60, yet a hundred thousand times smaller than
// the step between 7-decimal entries, so 23.9999998 stays in range.
constexpr double kRoundingSlack = 1e-12;

// The field's first characters are selected after the message, which selects
// the whole of any entry of up to three characters.
constexpr int kSelectedAfterError = 3;

void check(toolkit::Toolkit& toolkit, std::string_view field, double bound) {
    const auto& window = layouts::mainWindow();
    if (!outOfRange(textToNumber(toolkit.text(window, field)), bound)) {
        return;
    }
    // No title: the toolkit's default caption, no owner, task-modal.
    toolkit.messageBox(toolkit::Text{gbk::时间设置错误}, toolkit::box::iconError | toolkit::box::ok);
    toolkit.setFocus(window, field);
    toolkit.setSelectedLength(window, field, kSelectedAfterError);
}

} // namespace

bool outOfRange(double value, double bound) {
    return value >= bound - kAllowance - kRoundingSlack;
}

void checkHour(toolkit::Toolkit& toolkit) {
    check(toolkit, gbk::编辑框1, kHourBound);
}

void checkMinute(toolkit::Toolkit& toolkit) {
    check(toolkit, gbk::编辑框2, kMinuteBound);
}

} // namespace tavmoor::schedule
