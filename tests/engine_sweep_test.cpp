// Every engine function and lookup on every byte value and on texts of 0 to
// 100 characters: each text lies in a heap buffer of exactly its own length,
// so that a read beyond it is caught under AddressSanitizer.
#include <gtest/gtest.h>

#include <memory>
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

namespace idcheck {
namespace {

// Exercises every function on one text and checks what holds for any text.
void ExerciseAll(std::string_view text) {
  EXPECT_LE(StripChars(SEPARATOR_CHARS, text).size(), text.size());
  EXPECT_LE(KeepChars(ALNUM_CHARS, text).size(), text.size());
  EXPECT_EQ(TextToInt(IntToText(TextToInt(text))), TextToInt(text));
  EXPECT_EQ(static_cast<std::uint32_t>(TextToInt(text)),
            static_cast<std::uint32_t>(static_cast<std::uint64_t>(TextToInt64(text))));
  EXPECT_EQ(PadLeftZeros(text, 4).size(), 4u);
  EXPECT_NE(NIF_LETTERS.find(NifLetter(text)), std::string_view::npos);
  EXPECT_EQ(AccountControlDigits(text, text, text).size(), 2u);
  std::string iban = BuildSpanishIban(text, text, text);
  EXPECT_EQ(iban.size(), text.empty() ? 0u : 29u);
  EXPECT_LE(CheckIban(text), 1);
  EXPECT_LE(CheckCif(text), 1);
  EXPECT_FALSE(CifEntityType(text.empty() ? ' ' : text.front()).empty());
  EXPECT_LE(CheckSocialSecurity(text), 1);
  EXPECT_EQ(SocialSecurityControlDigits(text).size(), 2u);
  BankEntityName(TextToInt(text));
  ProvinceName(text);
  EXPECT_FALSE(CountryZoneText(text).empty());
}

TEST(EngineSweepTest, EveryByteAtEveryLengthUpToAHundred) {
  for (int byte = 0; byte < 256; ++byte) {
    SCOPED_TRACE(byte);
    for (std::size_t length = 0; length <= 100; ++length) {
      auto buffer = std::make_unique<char[]>(length == 0 ? 1 : length);
      for (std::size_t i = 0; i < length; ++i) {
        // The byte alone, and the byte among digits, which reach further into the checks.
        buffer[i] = (length % 2 == 0 || i % 3 == 0) ? static_cast<char>(byte) : static_cast<char>('0' + i % 10);
      }
      ExerciseAll(std::string_view(buffer.get(), length));
      if (HasFailure()) return;
    }
  }
}

}  // namespace
}  // namespace idcheck
