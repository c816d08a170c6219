#include "engine/social_security.h"

#include "engine/digits.h"

namespace idcheck {
namespace {

// A number without separators fits here; anything longer has no meaning.
constexpr std::size_t kMaxLength = 12;

struct Stripped {
  char text[kMaxLength];
  std::size_t length;  // kMaxLength + 1 when the number is longer than that
};

bool IsSeparator(char c) { return SEPARATOR_CHARS.find(c) != std::string_view::npos; }

// The number without separators, kept on the stack.
Stripped StrippedNumber(std::string_view number) {
  Stripped s{{}, 0};
  for (char c : number) {
    if (IsSeparator(c)) continue;
    if (s.length == kMaxLength) return Stripped{{}, kMaxLength + 1};
    s.text[s.length++] = c;
  }
  return s;
}

// province * F + serial, where the serial has serialLength characters from
// position 2 and F is 10 to the power serialLength. Province and serial are
// read by the lenient rule; with at most eight characters neither can wrap.
std::int64_t ProvinceAndSerial(std::string_view text, std::size_t serialLength) {
  std::int64_t factor = 1;
  for (std::size_t i = 0; i < serialLength; ++i) factor *= 10;
  return TextToInt64(text.substr(0, 2)) * factor + TextToInt64(text.substr(2, serialLength));
}

}  // namespace

int CheckSocialSecurity(std::string_view number) {
  Stripped s = StrippedNumber(number);
  if (s.length != 11 && s.length != 12) return 0;
  std::string_view text(s.text, s.length);
  std::int64_t n = ProvinceAndSerial(text, s.length - 4);
  std::int32_t given = TextToInt(text.substr(s.length - 2));
  return n % 97 == given ? 1 : 0;
}

std::string SocialSecurityControlDigits(std::string_view number) {
  Stripped s = StrippedNumber(number);
  if (s.length != 9 && s.length != 10) return "**";
  std::string_view text(s.text, s.length);
  std::int64_t n = ProvinceAndSerial(text, s.length - 2);
  return PadLeftZeros(IntToText(static_cast<std::int32_t>(n % 97)), 2);
}

}  // namespace idcheck
