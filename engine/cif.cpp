#include "engine/cif.h"

#include "engine/digits.h"
#include "engine/text_parts.h"

namespace idcheck {
namespace {

constexpr std::size_t kCifLength = 9;

struct EntityRow {
  char letter;
  std::string_view text;
};

// The kind of entity for each first letter of a CIF.
constexpr EntityRow kEntityTypes[] = {
    {'A', "Sociedad An\xF3nima"},
    {'B', "Sociedad de Responsabiliad Limitada"},
    {'C', "Sociedad Colectiva"},
    {'D', "Sociedad Comanditaria"},
    {'E', "Comunidad de Bienes"},
    {'F', "Sociedad Cooperativa"},
    {'G', "Asociaci\xF3n u otro tipo no definido"},
    {'H', "Comunidades de Propietarios"},
    {'N', "Entidades no residentes"},
    {'P', "Corporaci\xF3n Local"},
    {'Q', "Organismo Aut\xF3nomo"},
    {'S', "Organo de la Administraci\xF3n"},
    {'X', "Extrangero Ver NIE"},
};
constexpr std::string_view kUnknownEntity = "Error en primera letra";

// Letters whose CIF must end in the control letter, and those that must end
// in the control digit; any other first character accepts either.
constexpr std::string_view kLetterControlOnly = "NnPpQqSs";
constexpr std::string_view kDigitControlOnly = "AaBbEeHh";

// Twice the digit, its two decimal digits added.
int DoubledDigitSum(int d) { return (2 * d) / 10 + (2 * d) % 10; }

// The control value 0..9 of the seven digits at positions 1 to 7.
int ControlValue(std::string_view cif) {
  int sum = 0;
  for (int i = 1; i <= 7; ++i) {
    int d = cif[i] - '0';
    sum += (i % 2 == 0) ? d : DoubledDigitSum(d);
  }
  return sum % 10 == 0 ? 0 : 10 - sum % 10;
}

// "J" for 0, otherwise the letter whose code is 64 + c.
char ControlLetter(int c) { return c == 0 ? 'J' : static_cast<char>('@' + c); }

bool Contains(std::string_view set, char c) { return set.find(c) != std::string_view::npos; }

}  // namespace

int CheckCif(std::string_view cif) {
  StrippedText<kCifLength> stripped(cif);
  if (stripped.size() != kCifLength) return 0;
  std::string_view text = stripped.view();
  for (int i = 1; i <= 7; ++i) {
    if (!IsDigit(text[i])) return 0;
  }
  int c = ControlValue(text);
  char first = text[0];
  char control = text[8];
  if (!Contains(kLetterControlOnly, first) && control == static_cast<char>('0' + c)) return 1;
  if (Contains(kDigitControlOnly, first)) return 0;
  return control == ControlLetter(c) ? 1 : 0;
}

std::string CifEntityType(char first) {
  char letter = (first >= 'a' && first <= 'z') ? static_cast<char>(first - 'a' + 'A') : first;
  for (const EntityRow& row : kEntityTypes) {
    if (row.letter == letter) return std::string(row.text);
  }
  return std::string(kUnknownEntity);
}

}  // namespace idcheck
