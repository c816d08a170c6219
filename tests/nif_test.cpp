#include "engine/nif.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <set>
#include <string>

namespace idcheck {
namespace {

TEST(NifLettersTest, TableHoldsTwentyThreeDistinctCapitals) {
  ASSERT_EQ(NIF_LETTERS.size(), 23u);
  std::set<char> letters(NIF_LETTERS.begin(), NIF_LETTERS.end());
  EXPECT_EQ(letters.size(), 23u);
  for (char absent : {'I', '\xD1', 'O', 'U'}) EXPECT_EQ(letters.count(absent), 0u);
}

TEST(NifLetterTest, GivesTheLetterOfTheTypedNumber) {
  struct Case {
    std::string_view text;
    char expected;
  } kCases[] = {
      {"12345678", 'Z'},
      {"1234567", 'L'},
      {"0", 'T'},
      {"00000000", 'T'},
      {"23", 'T'},
      {"22", 'E'},
      {"99999999", 'R'},
      {"1", 'R'},
      {"12", 'N'},
      {"12.345.678", 'Z'},
      {"12 345 678-A", 'Z'},
      {"12345678Z", 'Z'},
      {"1234,5678", 'S'},
      {"", 'T'},
      {"abc", 'T'},
      {"1.234.567", 'L'},
      {"12,34", 'N'},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.text));
    EXPECT_EQ(NifLetter(c.text), c.expected);
  }
}

TEST(NifLetterTest, NegativeNumbersTakeTheLetterOfTheirMagnitude) {
  struct Case {
    std::string_view text;
    char expected;
  } kCases[] = {
      {"-1", 'R'},
      {"-12345678", 'Z'},
      {"-23", 'T'},
      {"-22", 'E'},
      {"-2147483648", 'Y'},  // 2147483648 mod 23 = 6
      {"2147483648", 'Y'},   // wraps to the most negative value
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.text));
    EXPECT_EQ(NifLetter(c.text), c.expected);
  }
}

TEST(NifLetterFromNumberTest, AgreesWithTheRemainderTableOverTheWholeRange) {
  for (std::int64_t n = std::numeric_limits<std::int32_t>::min();
       n <= std::numeric_limits<std::int32_t>::max(); n += 9973) {
    std::int64_t magnitude = n < 0 ? -n : n;
    ASSERT_EQ(NifLetterFromNumber(static_cast<std::int32_t>(n)),
              NIF_LETTERS[static_cast<std::size_t>(magnitude % 23)])
        << n;
  }
  for (std::int32_t n : {std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()}) {
    std::int64_t magnitude = n < 0 ? -static_cast<std::int64_t>(n) : n;
    EXPECT_EQ(NifLetterFromNumber(n), NIF_LETTERS[static_cast<std::size_t>(magnitude % 23)]);
  }
}

}  // namespace
}  // namespace idcheck
