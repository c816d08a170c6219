#include "engine/social_security.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/random_digits.h"

namespace idcheck {
namespace {

TEST(CheckSocialSecurityTest, Verdicts) {
  struct Case {
    std::string_view number;
    int expected;
  } kCases[] = {
      {"281234567840", 1},
      {"28123456742", 1},
      {"280123456785", 1},
      {"280123456742", 0},
      {"281234573601", 1},
      {"28-12345678-40", 1},
      {"28 12345678 40", 1},
      {"28/1234567/42", 1},
      {"2812345678", 0},
      {"2812345673500", 0},
      {"281234567841", 0},
      {"", 0},
      {"28123456784O", 0},
      {"0000000000000", 0},
      {"00000000000", 1},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.number));
    EXPECT_EQ(CheckSocialSecurity(c.number), c.expected);
  }
}

TEST(SocialSecurityControlDigitsTest, ComputesOrGivesStars) {
  struct Case {
    std::string_view number, expected;
  } kCases[] = {
      {"2812345678", "40"},
      {"281234567", "42"},
      {"2801234567", "85"},
      {"2812345736", "01"},
      {"28-12345678", "40"},
      {"28123456", "**"},
      {"28123456789", "**"},
      {"", "**"},
      {"000000000", "00"},
      {std::string_view("28-123-456-789-000-111"), "**"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.number));
    EXPECT_EQ(SocialSecurityControlDigits(c.number), c.expected);
  }
}

TEST(SocialSecurityTest, ComputedDigitsMakeEveryNumberValid) {
  std::mt19937 rng(28);
  for (int i = 0; i < 50000; ++i) {
    std::string number = RandomDigits(rng, 9 + i % 2);
    long long n = std::stoll(number);
    std::string control = SocialSecurityControlDigits(number);
    ASSERT_EQ(std::stoi(control), n % 97) << number;
    ASSERT_EQ(CheckSocialSecurity(number + control), 1) << number;
    std::string wrong = control == "00" ? "01" : "00";
    ASSERT_EQ(CheckSocialSecurity(number + wrong), 0) << number;
  }
}

TEST(SocialSecurityTest, AnyBytesGiveAnAnswerWithoutFault) {
  for (int b = 0; b < 256; ++b) {
    for (int length : {0, 9, 10, 11, 12, 14, 100}) {
      std::string text(static_cast<std::size_t>(length), static_cast<char>(b));
      std::string control = SocialSecurityControlDigits(text);
      EXPECT_EQ(control.size(), 2u);
      int verdict = CheckSocialSecurity(text);
      EXPECT_TRUE(verdict == 0 || verdict == 1);
    }
  }
}

}  // namespace
}  // namespace idcheck
