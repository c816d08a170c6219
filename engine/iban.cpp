#include "engine/iban.h"

#include "engine/account.h"
#include "engine/digits.h"
#include "engine/text_parts.h"

namespace idcheck {
namespace {

// D = bank (4) + branch (4) + control digits (2) + account (10) + "142800",
// where 14 and 28 stand for E and S and "00" holds the check digits' place.
constexpr std::size_t kDigitStringLength = 26;
constexpr std::string_view kSpainSuffix = "142800";

// "ES", the check digits and five groups of four digits, each after a ".".
constexpr std::size_t kDisplayLength = 29;

// Remainder modulo 97 in 0..96, whatever the sign of the value.
std::int32_t Mod97(std::int32_t value) {
  std::int32_t r = value % 97;
  return r < 0 ? r + 97 : r;
}

// D modulo 97, read in chunks of four digits and a last chunk of two; each
// chunk's value as the lenient number rule reads it.
std::int32_t DigitStringRemainder(std::string_view d) {
  std::int32_t r = Mod97(TextToInt(d.substr(0, 4)));
  for (std::size_t at = 4; at < 24; at += 4) r = Mod97(r * 10000 + TextToInt(d.substr(at, 4)));
  return Mod97(r * 100 + TextToInt(d.substr(24, 2)));
}

// The rearranged IBAN read as one long decimal number, reduced modulo 97 only
// when the running value grows large: a digit stands for itself, a capital
// for its two-digit value (A = 10), and anything else adds nothing.
class Mod97Reader {
 public:
  void Add(char c) {
    if (IsDigit(c)) {
      Push(1, static_cast<unsigned>(c - '0'));
    } else if (c >= 'A' && c <= 'Z') {
      Push(2, static_cast<unsigned>(c - 'A' + 10));
    }
  }
  unsigned Remainder() const { return static_cast<unsigned>(m_value % 97u); }

 private:
  static constexpr std::uint64_t kReduceAbove = 100000000000000000u;  // 10^17
  void Push(int digits, unsigned value) {
    m_value = m_value * (digits == 1 ? 10u : 100u) + value;
    if (m_value >= kReduceAbove) m_value %= 97u;
  }
  std::uint64_t m_value = 0;
};

// Writes the part padded on the left with zeros to width characters, or its
// last width characters, as PadLeftZeros does for the widths used here.
char* CopyPadded(char* out, std::string_view part, std::size_t width) {
  std::string_view tail = LastChars(part, width);
  for (std::size_t i = tail.size(); i < width; ++i) *out++ = '0';
  for (char c : tail) *out++ = c;
  return out;
}

}  // namespace

std::string BuildSpanishIban(std::string_view bank, std::string_view branch,
                             std::string_view account) {
  if (bank.empty() || branch.empty() || account.empty()) return std::string();
  // Each part is padded to its full width, so D always has its 26 characters
  // and the result is the IBAN of the zero-padded account.
  char digits[kDigitStringLength];
  char* end = CopyPadded(digits, bank, 4);
  end = CopyPadded(end, branch, 4);
  end = CopyPadded(end, AccountControlDigits(bank, branch, account), 2);
  end = CopyPadded(end, account, 10);
  CopyPadded(end, kSpainSuffix, kSpainSuffix.size());
  std::string_view d(digits, kDigitStringLength);
  // The check digits, 98 - r, lie between 02 and 98.
  std::int32_t check = 98 - DigitStringRemainder(d);
  char display[kDisplayLength] = {'E', 'S', static_cast<char>('0' + check / 10),
                                  static_cast<char>('0' + check % 10)};
  char* out = display + 4;
  for (std::size_t at = 0; at < kDigitStringLength - kSpainSuffix.size(); at += 4) {
    *out++ = '.';
    out = CopyPadded(out, d.substr(at, 4), 4);
  }
  return std::string(display, kDisplayLength);
}

int CheckIban(std::string_view iban) {
  if (iban.size() < 10) return 0;
  // The first four characters move to the end.
  Mod97Reader reader;
  for (char c : iban.substr(4)) reader.Add(c);
  for (char c : iban.substr(0, 4)) reader.Add(c);
  return reader.Remainder() == 1 ? 1 : 0;
}

}  // namespace idcheck
