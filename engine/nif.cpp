#include "engine/nif.h"

#include "engine/digits.h"

namespace idcheck {

char NifLetter(std::string_view text) { return NifLetterFromNumber(TextToInt(text)); }

char NifLetterFromNumber(std::int32_t n) {
  // The remainder lies between -22 and 22; a negative number takes the letter
  // of its magnitude, so the table is never read outside its 23 entries.
  std::int32_t r = TruncMod(n, 23);
  return NIF_LETTERS[static_cast<std::size_t>(r < 0 ? -r : r)];
}

}  // namespace idcheck
