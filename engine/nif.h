// Check letter of a NIF (DNI) number, and of a NIE typed without its leading X.
#ifndef COTARSIS_ENGINE_NIF_H
#define COTARSIS_ENGINE_NIF_H

#include <cstdint>
#include <string_view>

namespace idcheck {

// The letter for remainder r is NIF_LETTERS[r].
inline constexpr std::string_view NIF_LETTERS = "TRWAGMYFPDXBNJZSQVHLCKE";

// Letter of the number read from text by TextToInt.
char NifLetter(std::string_view text);

// Letter of n; a negative number gets the letter of its magnitude.
char NifLetterFromNumber(std::int32_t n);

}  // namespace idcheck

#endif
