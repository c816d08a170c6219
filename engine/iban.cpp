#include "engine/iban.h"

#include "engine/account.h"
#include "engine/digits.h"

namespace idcheck {
namespace {

// D = bank (4) + branch (4) + control digits (2) + account (10) + "142800",
// where 14 and 28 stand for E and S and "00" holds the check digits' place.
constexpr std::size_t kDigitStringLength = 26;
constexpr std::string_view kSpainSuffix = "142800";

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

// Feeds the decimal digits of one IBAN character into the running remainder:
// a digit stands for itself, a capital for its two-digit value (A = 10), and
// anything else adds nothing.
int AddIbanChar(int r, char c) {
  if (IsDigit(c)) return (r * 10 + (c - '0')) % 97;
  if (c >= 'A' && c <= 'Z') {
    int value = c - 'A' + 10;
    r = (r * 10 + value / 10) % 97;
    return (r * 10 + value % 10) % 97;
  }
  return r;
}

}  // namespace

std::string BuildSpanishIban(std::string_view bank, std::string_view branch,
                             std::string_view account) {
  if (bank.empty() || branch.empty() || account.empty()) return std::string();
  // Each part is padded to its full width, so D always has its 26 characters
  // and the result is the IBAN of the zero-padded account.
  std::string d = PadLeftZeros(bank, 4) + PadLeftZeros(branch, 4) +
                  AccountControlDigits(bank, branch, account) + PadLeftZeros(account, 10) +
                  std::string(kSpainSuffix);
  std::string result = "ES" + PadLeftZeros(IntToText(98 - DigitStringRemainder(d)), 2);
  result.reserve(29);
  for (std::size_t at = 0; at < kDigitStringLength - kSpainSuffix.size(); at += 4) {
    result.push_back('.');
    result.append(d, at, 4);
  }
  return result;
}

int CheckIban(std::string_view iban) {
  if (iban.size() < 10) return 0;
  // The first four characters move to the end.
  int r = 0;
  for (char c : iban.substr(4)) r = AddIbanChar(r, c);
  for (char c : iban.substr(0, 4)) r = AddIbanChar(r, c);
  return r == 1 ? 1 : 0;
}

}  // namespace idcheck
