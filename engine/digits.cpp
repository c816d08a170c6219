#include "engine/digits.h"

#include <limits>

namespace idcheck {
namespace {

// Membership of every byte value in a set, one bit a byte, built once per
// call so that long sets cost one lookup per character of the text.
class ByteSet {
 public:
  explicit ByteSet(std::string_view set) {
    for (char c : set) {
      unsigned byte = static_cast<unsigned char>(c);
      m_aWords[byte / 64] |= std::uint64_t{1} << (byte % 64);
    }
  }
  bool Contains(char c) const {
    unsigned byte = static_cast<unsigned char>(c);
    return (m_aWords[byte / 64] >> (byte % 64)) & 1u;
  }

 private:
  std::uint64_t m_aWords[4] = {};
};

// The characters of text whose membership in set equals keep, in their order.
std::string Filtered(std::string_view set, std::string_view text, bool keep) {
  ByteSet members(set);
  std::string result(text.size(), '\0');
  std::size_t length = 0;
  for (char c : text) {
    if (members.Contains(c) == keep) result[length++] = c;
  }
  result.resize(length);
  return result;
}

// Reads an unsigned value modulo 2^N by the lenient number rule; the caller
// applies the sign. Unsigned arithmetic makes the wrap-around well defined.
template <typename Unsigned>
Unsigned LenientMagnitude(std::string_view text) {
  Unsigned value = 0;
  for (char c : text) {
    if (c == ',') break;
    if (IsDigit(c)) value = static_cast<Unsigned>(value * 10u + static_cast<Unsigned>(c - '0'));
  }
  return value;
}

// Two's complement reading of an unsigned value, without relying on
// implementation-defined narrowing.
template <typename Signed, typename Unsigned>
Signed AsSigned(Unsigned value) {
  constexpr Unsigned kMaxSigned = static_cast<Unsigned>(std::numeric_limits<Signed>::max());
  if (value <= kMaxSigned) return static_cast<Signed>(value);
  return static_cast<Signed>(value - kMaxSigned - 1u) + std::numeric_limits<Signed>::min();
}

template <typename Signed, typename Unsigned>
Signed LenientNumber(std::string_view text) {
  Unsigned magnitude = LenientMagnitude<Unsigned>(text);
  bool negative = !text.empty() && text.front() == '-';
  return AsSigned<Signed>(negative ? static_cast<Unsigned>(0u - magnitude) : magnitude);
}

}  // namespace

std::string StripChars(std::string_view set, std::string_view text) {
  return Filtered(set, text, false);
}

std::string KeepChars(std::string_view set, std::string_view text) {
  return Filtered(set, text, true);
}

std::int32_t TextToInt(std::string_view text) {
  return LenientNumber<std::int32_t, std::uint32_t>(text);
}

std::int64_t TextToInt64(std::string_view text) {
  return LenientNumber<std::int64_t, std::uint64_t>(text);
}

std::string IntToText(std::int32_t n) {
  // The magnitude as unsigned, so that the most negative value has one.
  std::uint32_t magnitude = n < 0 ? 0u - static_cast<std::uint32_t>(n) : static_cast<std::uint32_t>(n);
  char digits[12];
  int length = 0;
  do {
    digits[length++] = static_cast<char>('0' + magnitude % 10u);
    magnitude /= 10u;
  } while (magnitude != 0);
  std::string result;
  if (n < 0) result.push_back('-');
  while (length > 0) result.push_back(digits[--length]);
  return result;
}

std::string PadLeftZeros(std::string_view text, int n) {
  constexpr std::size_t kPad = 46;
  if (n <= 0) return std::string();
  std::size_t wanted = static_cast<std::size_t>(n);
  std::size_t padded = kPad + text.size();
  if (wanted >= padded) return std::string(kPad, '0').append(text);
  if (wanted <= text.size()) return std::string(text.substr(text.size() - wanted));
  return std::string(wanted - text.size(), '0').append(text);
}

std::int32_t TruncDiv(std::int32_t a, std::int32_t b) {
  if (b == 0) return 0;
  if (b == -1) return AsSigned<std::int32_t>(0u - static_cast<std::uint32_t>(a));
  return a / b;
}

std::int32_t TruncMod(std::int32_t a, std::int32_t b) {
  if (b == 0 || b == -1) return 0;
  return a % b;
}

}  // namespace idcheck
