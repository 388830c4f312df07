#include "schedule/number_text.h"
#include "schedule/time_settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <string>
#include <vector>

namespace tavmoor::schedule {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Full-width forms in GBK: ０ is A3 B0, so digit d is A3 (B0 + d).
const std::string kFullWidth24 = "\xA3\xB2\xA3\xB4";
const std::string kIdeographicSpace = "\xA1\xA1";

struct HalfWidthCase {
    std::string gbk;
    std::string expected;
};

TEST(HalfWidth, MapsFullWidthFormsAndKeepsOtherCharacters) {
    const std::vector<HalfWidthCase> cases{
        {"ab 1-+.", "ab 1-+."},
        {kFullWidth24, "24"},
        {"\xA3\xA1", "!"},                  // first full-width form
        {"\xA3\xFE", "~"},                  // last full-width form
        {"\xA3\xAE\xA3\xAB\xA3\xAD", ".+-"},
        {"\xA3\xC5\xA3\xE5", "Ee"},
        {kIdeographicSpace, " "},
        {"\xA1\xAB", "~"},                  // ～
        {"\xA1\xEE\xA1\xEF", "**"},
        {"\xB1\xE0\xBC\xAD", "\xB1\xE0\xBC\xAD"},  // 编辑: kept whole
        {"\xA3\xA0", "\xA3\xA0"},           // not a full-width form
        {"\xA1\xA2", "\xA1\xA2"},           // 、 kept whole
        {"\xB0" "1", "\xB0" "1"},           // a lead byte takes the next byte as its trail
        {"12\xB0", "12"},                   // a lead byte with nothing after it is dropped
        {std::string{"1\0" "2", 3}, "1"},   // the text ends at a zero byte
        {std::string{"\xB0\0" "5", 3}, ""}, // a lead byte before the zero is dropped
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.gbk);
        EXPECT_EQ(halfWidth(c.gbk), c.expected);
    }
}

struct NumberCase {
    std::string gbk;
    double expected;
};

TEST(TextToNumber, ReadsTheDecimalGrammar) {
    const std::vector<NumberCase> cases{
        {"12", 12},
        {"23.5", 23.5},
        {"-3", -3},
        {"+7", 7},
        {" \t\r\n\v\f12", 12},
        {kIdeographicSpace + "8", 8},
        {kFullWidth24, 24},
        {"\xA3\xB2\xA3\xAE\xA3\xB5", 2.5},   // ２．５
        {"\xA3\xAD\xA3\xB3", -3},            // －３
        {".5", 0.5},
        {"5.", 5},
        {"1e2", 100},
        {"1E2", 100},
        {"1.5d2", 150},
        {"1.5D-2", 0.015},
        {"2e+1", 20},
        {"000000000000000000000000012", 12},
        {"0." + std::string(300, '0') + "1e300", 0.1},
        // The number stops at the first character that does not fit.
        {"12abc", 12},
        {"12 34", 12},
        {"1.2.3", 1.2},
        {"1e", 1},
        {"1e+", 1},
        {"1dx", 1},
        {"7" + kIdeographicSpace, 7},
        // No number at all reads as 0.
        {"", 0},
        {"abc", 0},
        {".", 0},
        {"- 5", 0},
        {"+-5", 0},
        {"e5", 0},
        {"\xA1\xAB" "5", 0},                 // ～5
        // Not in the grammar: hexadecimal, infinity and NaN spellings.
        {"0x1A", 0},
        {"inf", 0},
        {"-infinity", 0},
        {"nan", 0},
        // Beyond the range of a double.
        {"1e999", kInfinity},
        {"-1e999", -kInfinity},
        {"1" + std::string(400, '0'), kInfinity},
        {"1e99999999999999999999999", kInfinity},
        {"1e-999", 0},
        {"0." + std::string(400, '0') + "1", 0},
        {"0e999999", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.gbk);
        EXPECT_DOUBLE_EQ(textToNumber(c.gbk), c.expected);
    }
}

struct IntegerCase {
    std::string gbk;
    int expected;
};

TEST(TextToInteger, ReadsSignAndDecimalDigits) {
    const std::vector<IntegerCase> cases{
        {"7", 7},
        {"07", 7},
        {"7.9", 7},
        {"+7", 7},
        {"-12", -12},
        {" 7", 7},
        {"\t\r\n7", 7},
        {kIdeographicSpace + "8", 8},
        {"\xA3\xB0\xA3\xB7", 7},             // ０７
        {"22abc", 22},
        {"1e3", 1},
        {"", 0},
        {"abc", 0},
        {"- 7", 0},
        {"0x1A", 0},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"2147483648", INT_MAX},
        {"-2147483649", INT_MIN},
        {"99999999999999999999999999", INT_MAX},
        {"-99999999999999999999999999", INT_MIN},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.gbk);
        EXPECT_EQ(textToInteger(c.gbk), c.expected);
    }
}

struct RangeCase {
    std::string gbk;
    double bound;
    bool rejected;
};

TEST(RangeCheck, FieldTextsAgainstTheirBounds) {
    const std::vector<RangeCase> cases{
        {"24", 24, true},
        {"24.0", 24, true},
        {"1e2", 24, true},
        {kFullWidth24, 24, true},
        {"23.9999999", 24, true},
        {"1e999", 24, true},
        {"23.9999998", 24, false},
        {"23.5", 24, false},
        {"23", 24, false},
        {"-3", 24, false},
        {"-1e999", 24, false},
        {"abc", 24, false},
        {"", 24, false},
        {"0x1A", 24, false},
        {"inf", 24, false},
        {"60", 60, true},
        {"59.9999999", 60, true},
        {"59.9999998", 60, false},
        {"59", 60, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.gbk);
        EXPECT_EQ(outOfRange(textToNumber(c.gbk), c.bound), c.rejected);
    }
}

TEST(RangeCheck, AllowanceIsOneTenMillionthBelowTheBound) {
    EXPECT_TRUE(outOfRange(24.0 - 1e-7, 24));
    EXPECT_FALSE(outOfRange(24.0 - 1.5e-7, 24));
    EXPECT_TRUE(outOfRange(60.0 - 1e-7, 60));
    EXPECT_FALSE(outOfRange(60.0 - 1.5e-7, 60));
}

} // namespace
} // namespace tavmoor::schedule
