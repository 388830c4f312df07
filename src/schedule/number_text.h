// Numbers read from the texts of the time fields. A field holds GBK bytes as
// the user typed them; the reading forgives full-width characters typed with
// a Chinese input method and stops at the first character that does not fit.
#pragma once

#include <string>
#include <string_view>

namespace tavmoor::schedule {

// The half-width pass: full-width forms of the printable ASCII characters
// (lead byte 0xA3) become their ASCII byte, the ideographic space becomes a
// space, "～" becomes "~" and the two "*"-like forms become "*". Every other
// double-byte character is copied unchanged. The text ends at its first zero
// byte, and a lead byte with no trail byte after it is dropped.
std::string halfWidth(std::string_view gbk);

// The text read as a decimal number after the half-width pass: leading white
// space, an optional sign, digits with an optional "." and fraction, and an
// optional exponent introduced by e, E, d or D. Reading stops at the first
// character that does not fit; no number gives 0. Hexadecimal, "inf" and
// "nan" are not numbers here and read as 0. A number too large for a double
// reads as infinity (with its sign); one too small reads as 0.
double textToNumber(std::string_view gbk);

// The text read as a decimal integer after the half-width pass: leading white
// space, an optional sign, decimal digits up to the first non-digit; no digits
// gives 0. A value beyond the range of int saturates at its nearest end.
int textToInteger(std::string_view gbk);

} // namespace tavmoor::schedule
