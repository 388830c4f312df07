#include "schedule/number_text.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace tavmoor::schedule {
namespace {

constexpr unsigned char kFirstDoubleByte = 0x80;
constexpr unsigned char kSymbolLead = 0xA1;
constexpr unsigned char kFullWidthLead = 0xA3;
constexpr unsigned char kIdeographicSpace = 0xA1;  // after kSymbolLead
constexpr unsigned char kWaveDash = 0xAB;          // "～", after kSymbolLead
constexpr unsigned char kStarOutline = 0xEE;       // after kSymbolLead
constexpr unsigned char kStarFilled = 0xEF;        // after kSymbolLead
constexpr unsigned char kFirstFullWidthTrail = 0xA1;
constexpr unsigned char kLastFullWidthTrail = 0xFE;

// The single byte a double-byte character reads as, or 0 when it is kept whole.
char halfWidthOf(unsigned char lead, unsigned char trail) {
    if (lead == kFullWidthLead && trail >= kFirstFullWidthTrail && trail <= kLastFullWidthTrail) {
        return static_cast<char>(trail & 0x7F);
    }
    if (lead == kSymbolLead) {
        switch (trail) {
        case kIdeographicSpace: return ' ';
        case kWaveDash: return '~';
        case kStarOutline:
        case kStarFilled: return '*';
        default: break;
        }
    }
    return 0;
}

// Saturates long exponents and integers well beyond anything a double or an
// int can hold, so that no digit string can overflow the accumulator.
constexpr std::int64_t kSaturation = std::int64_t{1} << 40;

std::int64_t appendDigit(std::int64_t value, char digit) {
    const std::int64_t next = value * 10 + (digit - '0');
    return next > kSaturation ? kSaturation : next;
}

// Reads a half-width text from left to right, one part of the number at a time.
class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    void skipWhiteSpace() {
        while (pos_ < text_.size() && isWhiteSpace(text_[pos_])) {
            ++pos_;
        }
    }

    // True for "-"; consumes an optional sign.
    bool takeNegativeSign() {
        if (take('-')) {
            return true;
        }
        take('+');
        return false;
    }

    bool take(char wanted) {
        if (pos_ < text_.size() && text_[pos_] == wanted) {
            ++pos_;
            return true;
        }
        return false;
    }

    std::string_view takeDigits() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
            ++pos_;
        }
        return text_.substr(start, pos_ - start);
    }

    bool takeExponentMark() {
        return take('e') || take('E') || take('d') || take('D');
    }

    std::size_t position() const { return pos_; }
    void rewind(std::size_t position) { pos_ = position; }

private:
    static bool isWhiteSpace(char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

// An optional exponent: a mark, an optional sign and at least one digit.
// Without a digit the mark is not part of the number and nothing is consumed.
std::int64_t takeExponent(Scanner& in) {
    const std::size_t start = in.position();
    if (!in.takeExponentMark()) {
        return 0;
    }
    const bool negative = in.takeNegativeSign();
    const std::string_view digits = in.takeDigits();
    if (digits.empty()) {
        in.rewind(start);
        return 0;
    }
    std::int64_t exponent = 0;
    for (const char digit : digits) {
        exponent = appendDigit(exponent, digit);
    }
    return negative ? -exponent : exponent;
}

// The decimal order of whole.fraction: the power of ten just above its first
// significant digit. Only its sign is used, to tell overflow from underflow.
std::int64_t orderOf(std::string_view whole, std::string_view fraction) {
    const std::size_t firstWhole = whole.find_first_not_of('0');
    if (firstWhole != std::string_view::npos) {
        return static_cast<std::int64_t>(whole.size() - firstWhole);
    }
    const std::size_t firstFraction = fraction.find_first_not_of('0');
    return firstFraction == std::string_view::npos ? 0 : -static_cast<std::int64_t>(firstFraction);
}

// Converts the accepted parts with std::from_chars, which ignores the locale
// and reads exactly the plain decimal form built here.
double toDouble(std::string_view whole, std::string_view fraction, std::int64_t exponent) {
    std::string plain = whole.empty() ? std::string{"0"} : std::string{whole};
    if (!fraction.empty()) {
        plain += '.';
        plain += fraction;
    }
    plain += 'e';
    plain += std::to_string(exponent);

    double value = 0.0;
    const std::errc error = std::from_chars(plain.data(), plain.data() + plain.size(), value).ec;
    if (error == std::errc::result_out_of_range) {
        const bool overflow = orderOf(whole, fraction) + exponent > 0;
        return overflow ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return error == std::errc{} ? value : 0.0;
}

} // namespace

std::string halfWidth(std::string_view gbk) {
    std::string result;
    result.reserve(gbk.size());
    for (std::size_t i = 0; i < gbk.size() && gbk[i] != '\0'; ++i) {
        const auto lead = static_cast<unsigned char>(gbk[i]);
        if (lead < kFirstDoubleByte) {
            result += gbk[i];
            continue;
        }
        if (i + 1 == gbk.size() || gbk[i + 1] == '\0') {
            break;
        }
        const auto trail = static_cast<unsigned char>(gbk[++i]);
        if (const char single = halfWidthOf(lead, trail); single != 0) {
            result += single;
        } else {
            result += static_cast<char>(lead);
            result += static_cast<char>(trail);
        }
    }
    return result;
}

double textToNumber(std::string_view gbk) {
    const std::string text = halfWidth(gbk);
    Scanner in{text};
    in.skipWhiteSpace();
    const bool negative = in.takeNegativeSign();
    const std::string_view whole = in.takeDigits();
    const std::string_view fraction = in.take('.') ? in.takeDigits() : std::string_view{};
    if (whole.empty() && fraction.empty()) {
        return 0.0;
    }
    const double value = toDouble(whole, fraction, takeExponent(in));
    return negative ? -value : value;
}

int textToInteger(std::string_view gbk) {
    const std::string text = halfWidth(gbk);
    Scanner in{text};
    in.skipWhiteSpace();
    const bool negative = in.takeNegativeSign();
    std::int64_t magnitude = 0;
    for (const char digit : in.takeDigits()) {
        magnitude = appendDigit(magnitude, digit);
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int>::max()) {
        return std::numeric_limits<int>::max();
    }
    if (value < std::numeric_limits<int>::min()) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(value);
}

} // namespace tavmoor::schedule
