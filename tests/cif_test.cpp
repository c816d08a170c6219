#include "engine/cif.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/random_digits.h"

namespace idcheck {
namespace {

TEST(CheckCifTest, Verdicts) {
  struct Case {
    std::string_view cif;
    int expected;
  } kCases[] = {
      {"B12345674", 1},   // S = 26, c = 4, B needs the digit
      {"B1234567D", 0},
      {"Q1234567D", 1},   // Q needs the letter
      {"Q12345674", 0},
      {"C12345674", 1},   // C takes either
      {"C1234567D", 1},
      {"A10000040", 1},   // S = 10, c = 0
      {"C1000004J", 1},
      {"N1000004J", 1},
      {"N10000040", 0},
      {"B-1234567-4", 1},
      {"B.1234567.4", 1},
      {"B 1234567 4", 1},
      {"B/12_34,567.4", 1},
      {"b12345674", 1},
      {"q1234567D", 1},
      {"Q1234567d", 0},   // the control letter must be a capital
      {"B1234567", 0},
      {"B123456740", 0},
      {"B12A45674", 0},
      {"123456783", 1},
      {"12345678C", 1},
      {"X12345674", 1},
      {"", 0},
      {"B12345675", 0},
      {"P1234567D", 1},
      {"S1234567D", 1},
      {"s12345674", 0},
      {"e12345674", 1},
      {"H1234567D", 0},
      {"B12345\xB9" "74", 0},  // a superscript one is not a digit
      {"B1234567\xB4", 0},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.cif));
    EXPECT_EQ(CheckCif(c.cif), c.expected);
  }
}

// The control value by the usual description: add the digits in even places,
// add the digits of twice each digit in odd places, take ten minus the last digit.
int ReferenceControl(const std::string& digits) {
  int sum = 0;
  for (int i = 0; i < 7; ++i) {
    int d = digits[i] - '0';
    if (i % 2 == 0) {
      int twice = 2 * d;
      sum += twice > 9 ? twice - 9 : twice;
    } else {
      sum += d;
    }
  }
  return (10 - sum % 10) % 10;
}

TEST(CheckCifTest, AcceptsExactlyTheRightControlForEveryFirstCharacter) {
  std::mt19937 rng(11);
  const std::string controls = "0123456789ABCDEFGHIJabcdXZ*";
  for (int first = 0; first < 256; ++first) {
    std::string digits = RandomDigits(rng, 7);
    int c = ReferenceControl(digits);
    char controlDigit = static_cast<char>('0' + c);
    char controlLetter = "JABCDEFGHI"[c];
    std::string head = std::string(1, static_cast<char>(first)) + digits;
    bool letterOnly = std::string("NnPpQqSs").find(static_cast<char>(first)) != std::string::npos;
    bool digitOnly = std::string("AaBbEeHh").find(static_cast<char>(first)) != std::string::npos;
    bool separator = std::string("-/_,. ").find(static_cast<char>(first)) != std::string::npos;
    for (char control : controls) {
      int expected = 0;
      if (!separator && control == controlDigit && !letterOnly) expected = 1;
      if (!separator && control == controlLetter && !digitOnly) expected = 1;
      SCOPED_TRACE(head + control);
      EXPECT_EQ(CheckCif(head + control), expected);
    }
  }
}

TEST(CheckCifTest, LongTextsOfSeparatorsAndBytesAreRejectedWithoutFault) {
  EXPECT_EQ(CheckCif(std::string(1000, '-') + "B12345674" + std::string(1000, ' ')), 1);
  EXPECT_EQ(CheckCif(std::string(1000, '7')), 0);
  for (int b = 0; b < 256; ++b) {
    std::string text(9, static_cast<char>(b));
    EXPECT_EQ(CheckCif(text), b >= '0' && b <= '9' && ReferenceControl(text.substr(1, 7)) == b - '0')
        << b;
  }
}

TEST(CifEntityTypeTest, NamesTheEntityOfTheFirstLetter) {
  struct Case {
    char first;
    std::string_view expected;
  } kCases[] = {
      {'A', "Sociedad An\xF3nima"},
      {'a', "Sociedad An\xF3nima"},
      {'B', "Sociedad de Responsabiliad Limitada"},
      {'b', "Sociedad de Responsabiliad Limitada"},
      {'C', "Sociedad Colectiva"},
      {'D', "Sociedad Comanditaria"},
      {'E', "Comunidad de Bienes"},
      {'F', "Sociedad Cooperativa"},
      {'G', "Asociaci\xF3n u otro tipo no definido"},
      {'H', "Comunidades de Propietarios"},
      {'N', "Entidades no residentes"},
      {'n', "Entidades no residentes"},
      {'P', "Corporaci\xF3n Local"},
      {'Q', "Organismo Aut\xF3nomo"},
      {'S', "Organo de la Administraci\xF3n"},
      {'X', "Extrangero Ver NIE"},
      {'x', "Extrangero Ver NIE"},
      {'J', "Error en primera letra"},
      {'R', "Error en primera letra"},
      {'W', "Error en primera letra"},
      {'1', "Error en primera letra"},
      {' ', "Error en primera letra"},
      {'\xD1', "Error en primera letra"},
      {'\xE1', "Error en primera letra"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.first);
    EXPECT_EQ(CifEntityType(c.first), c.expected);
  }
}

TEST(CifEntityTypeTest, ThirteenLettersHaveATextOfTheirOwn) {
  int named = 0;
  for (int b = 0; b < 256; ++b) {
    if (CifEntityType(static_cast<char>(b)) != "Error en primera letra") ++named;
  }
  EXPECT_EQ(named, 26);  // 13 capitals and their small letters
}

}  // namespace
}  // namespace idcheck
