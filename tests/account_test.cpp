#include "engine/account.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/random_digits.h"

namespace idcheck {
namespace {

// Control digit of a ten-digit group by the textbook rule, written apart from
// the engine: weights are powers of two modulo 11, 11 - S mod 11, 10 -> 1, 11 -> 0.
char ReferenceDigit(const std::string& ten) {
  int sum = 0;
  int weight = 1;
  for (char c : ten) {
    sum += (c - '0') * weight;
    weight = weight * 2 % 11;
  }
  int d = 11 - sum % 11;
  return static_cast<char>('0' + (d == 11 ? 0 : d == 10 ? 1 : d));
}

std::string ReferenceControl(const std::string& bank, const std::string& branch,
                             const std::string& account) {
  return {ReferenceDigit("00" + bank + branch), ReferenceDigit(account)};
}

TEST(AccountControlDigitsTest, KnownAccounts) {
  struct Case {
    std::string_view bank, branch, account, expected;
  } kCases[] = {
      {"1234", "5678", "0123456789", "01"},  // S1 = 231, a multiple of 11
      {"1234", "5678", "1000000000", "01"},  // S2 = 1, d = 10
      {"9999", "9999", "9999999999", "50"},
      {"0000", "0000", "0000000000", "00"},
      {"2100", "0418", "0200051332", "45"},
      {"21", "4", "123", "02"},
      {"0021", "0004", "0000000123", "02"},
      {"", "", "", "00"},
      {"A000", "0000", "0000000000", "90"},  // A counts 17: S1 = 68, 68 mod 11 = 2
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.bank) + " " + std::string(c.branch) + " " + std::string(c.account));
    EXPECT_EQ(AccountControlDigits(c.bank, c.branch, c.account), c.expected);
  }
}

TEST(AccountControlDigitsTest, AgreesWithTheTextbookRule) {
  std::mt19937 rng(20261211);
  for (int i = 0; i < 200000; ++i) {
    std::string bank = RandomDigits(rng, 4), branch = RandomDigits(rng, 4);
    std::string account = RandomDigits(rng, 10);
    ASSERT_EQ(AccountControlDigits(bank, branch, account), ReferenceControl(bank, branch, account))
        << bank << " " << branch << " " << account;
  }
}

TEST(AccountControlDigitsTest, ShortPartsCountAsPaddedWithZeros) {
  std::mt19937 rng(7);
  for (int i = 0; i < 20000; ++i) {
    std::string bank = RandomDigits(rng, 1 + i % 4), branch = RandomDigits(rng, 1 + i / 4 % 4);
    std::string account = RandomDigits(rng, 1 + i % 10);
    std::string padded = AccountControlDigits(std::string(4 - bank.size(), '0') + bank,
                                              std::string(4 - branch.size(), '0') + branch,
                                              std::string(10 - account.size(), '0') + account);
    ASSERT_EQ(AccountControlDigits(bank, branch, account), padded)
        << bank << " " << branch << " " << account;
  }
}

TEST(AccountControlDigitsTest, AnyBytesGiveTwoCharactersWithoutFault) {
  for (int b = 0; b < 256; ++b) {
    std::string odd(1, static_cast<char>(b));
    SCOPED_TRACE(b);
    for (const std::string& part : {odd, odd + odd + odd + odd, std::string(10, odd[0])}) {
      EXPECT_EQ(AccountControlDigits(part, part, part).size(), 2u);
    }
  }
}

TEST(AccountControlDigitsTest, LettersStillGiveDigits) {
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    std::string part(1, letter);
    std::string result = AccountControlDigits(part + "234", "5678", part + "123456789");
    SCOPED_TRACE(part);
    EXPECT_TRUE(result[0] >= '0' && result[0] <= '9') << result;
    EXPECT_TRUE(result[1] >= '0' && result[1] <= '9') << result;
  }
}

}  // namespace
}  // namespace idcheck
