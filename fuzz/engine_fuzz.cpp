// Feeds arbitrary bytes to every engine function and lookup, and checks the
// few facts that hold for any input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/account.h"
#include "engine/cif.h"
#include "engine/digits.h"
#include "engine/iban.h"
#include "engine/nif.h"
#include "engine/social_security.h"
#include "tables/banks.h"
#include "tables/places.h"

namespace {

using namespace idcheck;

void Require(bool fact) {
  if (!fact) std::abort();
}

// Splits the input into three parts at the first two bytes' positions.
struct Parts {
  std::string_view a, b, c;
};

Parts SplitInThree(std::string_view text) {
  std::size_t first = text.empty() ? 0 : static_cast<unsigned char>(text[0]) % (text.size() + 1);
  std::size_t second = text.size() < 2 ? 0 : static_cast<unsigned char>(text[1]) % (text.size() + 1);
  if (first > second) std::swap(first, second);
  return {text.substr(0, first), text.substr(first, second - first), text.substr(second)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);

  std::string stripped = StripChars(SEPARATOR_CHARS, text);
  std::string kept = KeepChars(ALNUM_CHARS, text);
  Require(stripped.size() <= text.size() && kept.size() <= text.size());
  std::int32_t n = TextToInt(text);
  std::int64_t n64 = TextToInt64(text);
  Require(static_cast<std::uint32_t>(n) == static_cast<std::uint32_t>(static_cast<std::uint64_t>(n64)));
  Require(TextToInt(IntToText(n)) == n);
  Require(PadLeftZeros(text, 10).size() == 10);
  Require(TruncMod(n, 23) == n - 23 * TruncDiv(n, 23));
  Require(TruncMod(n, 11) == n - 11 * TruncDiv(n, 11));
  Require(NIF_LETTERS.find(NifLetter(text)) != std::string_view::npos);

  Parts parts = SplitInThree(text);
  Require(AccountControlDigits(parts.a, parts.b, parts.c).size() == 2);
  std::string iban = BuildSpanishIban(parts.a, parts.b, parts.c);
  Require(iban.empty() || iban.size() == 29);
  int ibanVerdict = CheckIban(text);
  Require(ibanVerdict == 0 || ibanVerdict == 1);
  if (!iban.empty() && parts.a.size() <= 4 && parts.b.size() <= 4 && parts.c.size() <= 10 &&
      KeepChars("0123456789", std::string(parts.a) + std::string(parts.b) + std::string(parts.c)).size() ==
          parts.a.size() + parts.b.size() + parts.c.size()) {
    Require(CheckIban(StripChars(".", iban)) == 1);
  }

  int cif = CheckCif(text);
  Require(cif == 0 || cif == 1);
  Require(!CifEntityType(text.empty() ? '\0' : text[0]).empty());
  int ss = CheckSocialSecurity(text);
  Require(ss == 0 || ss == 1);
  Require(SocialSecurityControlDigits(text).size() == 2);

  BankEntityName(n);
  ProvinceName(text);
  Require(!CountryZoneText(text).empty());
  return 0;
}
