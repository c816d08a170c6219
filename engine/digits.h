// Digit-string helpers shared by every check: separator removal, the lenient
// number rule and zero padding. Texts are bytes in code page 1252.
#ifndef COTARSIS_ENGINE_DIGITS_H
#define COTARSIS_ENGINE_DIGITS_H

#include <cstdint>
#include <string>
#include <string_view>

namespace idcheck {

// Characters removed from CIF and Social Security numbers before they are checked.
inline constexpr std::string_view SEPARATOR_CHARS = "-/_,. ";

// The only characters kept from a typed IBAN.
inline constexpr std::string_view ALNUM_CHARS =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

// True for the bytes '0' to '9' only.
constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The text without any character that occurs in set.
std::string StripChars(std::string_view set, std::string_view text);

// The text with only the characters that occur in set.
std::string KeepChars(std::string_view set, std::string_view text);

// The lenient number rule: digits accumulate from the left, a comma ends the
// number, every other character is passed over, a leading '-' negates, and the
// arithmetic wraps around modulo 2^32.
std::int32_t TextToInt(std::string_view text);

// The same rule with 64-bit wrap-around.
std::int64_t TextToInt64(std::string_view text);

// Decimal text of n, exact over the whole range.
std::string IntToText(std::int32_t n);

// The rightmost n characters of 46 zeros followed by text.
std::string PadLeftZeros(std::string_view text, int n);

// Quotient rounded toward zero. A zero divisor gives 0, and the one quotient
// that does not fit (the most negative value by -1) wraps to itself.
std::int32_t TruncDiv(std::int32_t a, std::int32_t b);

// a - b * TruncDiv(a, b): the remainder with the sign of the dividend.
// A zero divisor gives 0.
std::int32_t TruncMod(std::int32_t a, std::int32_t b);

}  // namespace idcheck

#endif
