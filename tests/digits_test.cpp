#include "engine/digits.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace idcheck {
namespace {

TEST(StripCharsTest, RemovesEveryCharacterOfTheSet) {
  struct Case {
    std::string_view set, text, expected;
  } kCases[] = {
      {SEPARATOR_CHARS, "12.345.678-Z", "12345678Z"},
      {SEPARATOR_CHARS, "A-58/818 501", "A58818501"},
      {SEPARATOR_CHARS, "", ""},
      {SEPARATOR_CHARS, "-/_,. ", ""},
      {SEPARATOR_CHARS, "a\xD1" "b\t", "a\xD1" "b\t"},
      {"", "1-2", "1-2"},
      {"x", "xxaxx", "a"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.text));
    EXPECT_EQ(StripChars(c.set, c.text), c.expected);
  }
}

TEST(KeepCharsTest, KeepsOnlyCharactersOfTheSet) {
  struct Case {
    std::string_view set, text, expected;
  } kCases[] = {
      {ALNUM_CHARS, "ES91 2100-0418.4502", "ES91210004184502"},
      {ALNUM_CHARS, "es91 ab", "es91ab"},
      {ALNUM_CHARS, "\xF1\xD1\xE1-\x92", ""},
      {ALNUM_CHARS, "", ""},
      {"", "abc", ""},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.text));
    EXPECT_EQ(KeepChars(c.set, c.text), c.expected);
  }
}

TEST(KeepCharsTest, AlnumSetHoldsExactlyLettersAndDigitsForEveryByte) {
  for (int b = 0; b < 256; ++b) {
    char c = static_cast<char>(b);
    bool alnum = (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9');
    SCOPED_TRACE(b);
    EXPECT_EQ(KeepChars(ALNUM_CHARS, std::string(1, c)).size(), alnum ? 1u : 0u);
    EXPECT_EQ(StripChars(ALNUM_CHARS, std::string(1, c)).size(), alnum ? 0u : 1u);
  }
}

TEST(TextToIntTest, FollowsTheLenientNumberRule) {
  struct Case {
    std::string_view text;
    std::int32_t expected;
  } kCases[] = {
      {"", 0},
      {"1234", 1234},
      {"-12", -12},
      {"1.234,56", 1234},
      {"12a3", 123},
      {"1-2", 12},
      {"--5", -5},
      {"5-", 5},
      {"abc", 0},
      {",5", 0},
      {"-", 0},
      {"0012", 12},
      {"2147483647", 2147483647},
      {"2147483648", std::numeric_limits<std::int32_t>::min()},
      {"-2147483648", std::numeric_limits<std::int32_t>::min()},
      {"4294967296", 0},
      {"4294967297", 1},
      {"99999999999", 1215752191},
      {" -5", 5},
      {"\xB9\xB2\xB3" "7", 7},  // superscript digits are not digits
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.text));
    EXPECT_EQ(TextToInt(c.text), c.expected);
  }
}

TEST(TextToIntTest, OnlyTheTenDigitBytesCount) {
  for (int b = 0; b < 256; ++b) {
    SCOPED_TRACE(b);
    std::string text = "1" + std::string(1, static_cast<char>(b)) + "2";
    std::int32_t expected = (b >= '0' && b <= '9') ? 100 + (b - '0') * 10 + 2 : (b == ',' ? 1 : 12);
    EXPECT_EQ(TextToInt(text), expected);
  }
}

TEST(TextToInt64Test, WrapsAtSixtyFourBits) {
  struct Case {
    std::string_view text;
    std::int64_t expected;
  } kCases[] = {
      {"99999999999", 99999999999},
      {"-99999999999", -99999999999},
      {"9223372036854775807", std::numeric_limits<std::int64_t>::max()},
      {"9223372036854775808", std::numeric_limits<std::int64_t>::min()},
      {"-9223372036854775808", std::numeric_limits<std::int64_t>::min()},
      {"18446744073709551616", 0},
      {"28.12,9", 2812},
      {"", 0},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.text));
    EXPECT_EQ(TextToInt64(c.text), c.expected);
  }
}

TEST(TextToIntTest, LongTextsWrapLikeTheSixtyFourBitReading) {
  // The 32-bit result is the low half of the 64-bit one for any digit run.
  std::string text;
  for (int i = 0; i < 60; ++i) {
    text.push_back(static_cast<char>('0' + (i * 7 + 3) % 10));
    SCOPED_TRACE(text);
    auto low = static_cast<std::uint32_t>(static_cast<std::uint64_t>(TextToInt64(text)));
    EXPECT_EQ(static_cast<std::uint32_t>(TextToInt(text)), low);
  }
}

TEST(IntToTextTest, GivesTheDecimalText) {
  struct Case {
    std::int32_t n;
    std::string_view expected;
  } kCases[] = {
      {0, "0"},
      {-7, "-7"},
      {7, "7"},
      {10, "10"},
      {2147483647, "2147483647"},
      {std::numeric_limits<std::int32_t>::min(), "-2147483648"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.n);
    EXPECT_EQ(IntToText(c.n), c.expected);
  }
}

TEST(IntToTextTest, RoundTripsThroughTextToInt) {
  for (std::int64_t n = std::numeric_limits<std::int32_t>::min();
       n <= std::numeric_limits<std::int32_t>::max(); n += 65537 * 3) {
    auto value = static_cast<std::int32_t>(n);
    ASSERT_EQ(TextToInt(IntToText(value)), value) << value;
    ASSERT_EQ(IntToText(value), std::to_string(value));
  }
}

TEST(PadLeftZerosTest, PadsOrCutsToTheRightmostCharacters) {
  struct Case {
    std::string_view text;
    int n;
    std::string expected;
  } kCases[] = {
      {"7", 2, "07"},
      {"123", 2, "23"},
      {"", 4, "0000"},
      {"12", 10, "0000000012"},
      {"1", 50, std::string(46, '0') + "1"},
      {"abc", 0, ""},
      {"abc", -3, ""},
      {"", 46, std::string(46, '0')},
      {"", 47, std::string(46, '0')},
      {"ab", 48, std::string(46, '0') + "ab"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.text) + " " + std::to_string(c.n));
    EXPECT_EQ(PadLeftZeros(c.text, c.n), c.expected);
  }
}

TEST(TruncDivModTest, RoundTowardZero) {
  struct Case {
    std::int32_t a, b, quotient, remainder;
  } kCases[] = {
      {-5, 11, 0, -5},
      {47, 23, 2, 1},
      {100, 11, 9, 1},
      {-100, 11, -9, -1},
      {100, -11, -9, 1},
      {-46, 23, -2, 0},
      {std::numeric_limits<std::int32_t>::min(), 23, -93368854, -6},
      {std::numeric_limits<std::int32_t>::max(), 23, 93368854, 5},
      // The one quotient that does not fit wraps; the remainder is 0.
      {std::numeric_limits<std::int32_t>::min(), -1, std::numeric_limits<std::int32_t>::min(), 0},
      // A zero divisor is never passed; it gives 0 instead of a fault.
      {5, 0, 0, 0},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::to_string(c.a) + " / " + std::to_string(c.b));
    EXPECT_EQ(TruncDiv(c.a, c.b), c.quotient);
    EXPECT_EQ(TruncMod(c.a, c.b), c.remainder);
  }
}

}  // namespace
}  // namespace idcheck
