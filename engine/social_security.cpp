#include "engine/social_security.h"

#include "engine/digits.h"
#include "engine/text_parts.h"

namespace idcheck {
namespace {

// The longest number without separators that any length rule takes.
constexpr std::size_t kMaxLength = 12;

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
  StrippedText<kMaxLength> stripped(number);
  if (stripped.size() != 11 && stripped.size() != 12) return 0;
  std::string_view text = stripped.view();
  std::int64_t n = ProvinceAndSerial(text, text.size() - 4);
  std::int32_t given = TextToInt(LastChars(text, 2));
  return n % 97 == given ? 1 : 0;
}

std::string SocialSecurityControlDigits(std::string_view number) {
  StrippedText<kMaxLength> stripped(number);
  if (stripped.size() != 9 && stripped.size() != 10) return "**";
  std::string_view text = stripped.view();
  std::int64_t n = ProvinceAndSerial(text, text.size() - 2);
  return PadLeftZeros(IntToText(static_cast<std::int32_t>(n % 97)), 2);
}

}  // namespace idcheck
