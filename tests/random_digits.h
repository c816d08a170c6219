// Random decimal texts for the property tests.
#ifndef COTARSIS_TESTS_RANDOM_DIGITS_H
#define COTARSIS_TESTS_RANDOM_DIGITS_H

#include <random>
#include <string>

namespace idcheck {

inline std::string RandomDigits(std::mt19937& rng, int length) {
  std::uniform_int_distribution<int> digit(0, 9);
  std::string text;
  for (int i = 0; i < length; ++i) text.push_back(static_cast<char>('0' + digit(rng)));
  return text;
}

}  // namespace idcheck

#endif
