#include "engine/iban.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/digits.h"
#include "tests/random_digits.h"

namespace idcheck {
namespace {

// ISO 7064 MOD 97-10 written apart from the engine: letters expanded to two
// digits, the whole number reduced with 64-bit steps of nine digits.
int ReferenceRemainder(const std::string& rearranged) {
  std::string digits;
  for (char c : rearranged) {
    if (c >= '0' && c <= '9') digits.push_back(c);
    if (c >= 'A' && c <= 'Z') digits += std::to_string(c - 'A' + 10);
  }
  long long r = 0;
  for (std::size_t at = 0; at < digits.size(); at += 9) {
    std::string chunk = digits.substr(at, 9);
    long long scale = 1;
    for (std::size_t i = 0; i < chunk.size(); ++i) scale *= 10;
    r = (r * scale + std::stoll(chunk)) % 97;
  }
  return static_cast<int>(r);
}

std::string WithoutDots(const std::string& text) { return StripChars(".", text); }

TEST(BuildSpanishIbanTest, BuildsTheDisplayForm) {
  struct Case {
    std::string_view bank, branch, account, expected;
  } kCases[] = {
      {"1234", "5678", "0123456789", "ES58.1234.5678.0101.2345.6789"},
      {"2100", "0418", "0200051332", "ES91.2100.0418.4502.0005.1332"},
      {"2077", "0024", "3102575766", "ES76.2077.0024.0031.0257.5766"},
      {"", "5678", "0123456789", ""},
      {"1234", "", "0123456789", ""},
      {"1234", "5678", "", ""},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.bank) + " " + std::string(c.branch) + " " + std::string(c.account));
    EXPECT_EQ(BuildSpanishIban(c.bank, c.branch, c.account), c.expected);
  }
}

TEST(BuildSpanishIbanTest, ShortPartsGiveTheIbanOfTheZeroPaddedAccount) {
  struct Case {
    std::string_view bank, branch, account;
  } kCases[] = {{"21", "4", "2"}, {"1", "1", "1"}, {"2100", "418", "200051332"}, {"9", "9999", "99"}};
  for (const Case& c : kCases) {
    std::string padded =
        BuildSpanishIban(PadLeftZeros(c.bank, 4), PadLeftZeros(c.branch, 4), PadLeftZeros(c.account, 10));
    std::string built = BuildSpanishIban(c.bank, c.branch, c.account);
    SCOPED_TRACE(built);
    EXPECT_EQ(built, padded);
    EXPECT_EQ(built.size(), 29u);
    EXPECT_EQ(CheckIban(WithoutDots(built)), 1);
  }
}

TEST(BuildSpanishIbanTest, EveryFullAccountGivesTheStandardIban) {
  std::mt19937 rng(1211);
  for (int i = 0; i < 100000; ++i) {
    std::string bank = RandomDigits(rng, 4), branch = RandomDigits(rng, 4);
    std::string account = RandomDigits(rng, 10);
    std::string iban = WithoutDots(BuildSpanishIban(bank, branch, account));
    ASSERT_EQ(iban.size(), 24u);
    ASSERT_EQ(iban.substr(0, 2), "ES");
    ASSERT_EQ(iban.substr(4, 8), bank + branch);
    ASSERT_EQ(iban.substr(14), account);
    ASSERT_EQ(ReferenceRemainder(iban.substr(4) + iban.substr(0, 4)), 1) << iban;
    ASSERT_EQ(CheckIban(iban), 1) << iban;
  }
}

TEST(BuildSpanishIbanTest, OddBytesInThePartsNeverBreakTheLayout) {
  for (int b = 0; b < 256; ++b) {
    std::string odd(1, static_cast<char>(b));
    std::string built = BuildSpanishIban(odd + "2", odd, "12" + odd + "4");
    SCOPED_TRACE(b);
    ASSERT_EQ(built.size(), 29u);
    EXPECT_EQ(built.substr(0, 2), "ES");
    EXPECT_TRUE(IsDigit(built[2]) && IsDigit(built[3])) << built;
  }
}

TEST(CheckIbanTest, Verdicts) {
  struct Case {
    std::string_view iban;
    int expected;
  } kCases[] = {
      {"ES5812345678010123456789", 1},
      {"ES9121000418450200051332", 1},
      {"es9121000418450200051332", 0},  // small letters add nothing
      {"GB82WEST12345698765432", 1},
      {"DE89370400440532013000", 1},
      {"GB82west12345698765432", 0},
      {"0000000054", 1},  // rearranged 0000540000 leaves 1
      {"000000054", 0},   // nine characters fail without test
      {"", 0},
      {"ES91-2100-0418-4502-0005-1332", 1},  // other characters add nothing
      {"ES91210004184502000513321", 0},
      {"ES9121000418450200051332" "ES9121000418450200051332", 0},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.iban));
    EXPECT_EQ(CheckIban(c.iban), c.expected);
  }
}

TEST(CheckIbanTest, ChangingAnyOneDigitOfAValidIbanFailsIt) {
  std::mt19937 rng(97);
  for (int i = 0; i < 2000; ++i) {
    std::string iban = WithoutDots(
        BuildSpanishIban(RandomDigits(rng, 4), RandomDigits(rng, 4), RandomDigits(rng, 10)));
    for (std::size_t at = 2; at < iban.size(); ++at) {
      for (char d = '0'; d <= '9'; ++d) {
        if (d == iban[at]) continue;
        std::string changed = iban;
        changed[at] = d;
        ASSERT_EQ(CheckIban(changed), 0) << changed;
      }
    }
  }
}

TEST(CheckIbanTest, AgreesWithTheReferenceOnRandomTexts) {
  std::mt19937 rng(3);
  std::uniform_int_distribution<int> byte(0, 255), length(0, 40);
  for (int i = 0; i < 100000; ++i) {
    std::string text;
    int n = length(rng);
    for (int k = 0; k < n; ++k) {
      int b = byte(rng);
      // Mostly digits and capitals, so that some texts pass.
      text.push_back(static_cast<char>(b < 200 ? '0' + b % 10 : b < 230 ? 'A' + b % 26 : b));
    }
    int expected = text.size() >= 10 && ReferenceRemainder(text.substr(4) + text.substr(0, 4)) == 1;
    ASSERT_EQ(CheckIban(text), expected) << text;
  }
}

}  // namespace
}  // namespace idcheck
