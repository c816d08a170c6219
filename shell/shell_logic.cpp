#include "shell/shell_logic.h"

namespace idcheck {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

struct HelpRow {
  int buttonId;
  std::string_view pieces[9];
};

// The help text of each help button, piece by piece.
constexpr HelpRow kHelpRows[] = {
    {1019, {"Escriba el n\xFAmero N.I.F. o D.N.I", kLineBreak, "A la derecha le aparecer\xE1 la letra del NIF"}},
    {1020,
     {"Escriba el n\xFAmero N.I.E. sin la X del principio", kLineBreak,
      "A la derecha le aparecer\xE1 la letra del NIE", kLineBreak, kLineBreak}},
    {1021,
     {"Escriba el CIF a comprobar", kLineBreak,
      "Si es correcto aparecer\xE1 un bisel azul a la derecha y el tipo de entidad"}},
    {1022,
     {"Escriba los datos bancarios", kLineBreak,
      "Le aparecer\xE1 el D\xEDgito de control a la derecha y debajo el nombre del banco y el "
      "n\xFAmero IBAN de la cuenta"}},
    {1023,
     {"Validaci\xF3n de un n\xFAmero de la Seguridad Social", kLineBreak, "Tiene dos opciones",
      kLineBreak, "- Poner el n\xFAmero de la seguridad social entero y ver si es corecto", kLineBreak,
      "- Poner el n\xFAmero sin el d\xEDgito de control para calcularlo"}},
    {1029, {"Escriba el IBAN a comprobar", kLineBreak, "Si es correcto aparecer\xE1 un bisel azul."}},
};

// Integer division that truncates toward zero, as C++ does.
int HalfTowardZero(int value) { return value / 2; }

}  // namespace

std::string HelpText(int buttonId) {
  std::string text;
  for (const HelpRow& row : kHelpRows) {
    if (row.buttonId != buttonId) continue;
    for (std::string_view piece : row.pieces) text.append(piece);
  }
  return text;
}

std::string TooLongText(int maxLength) {
  std::string text = "No introduzca m\xE1s de %1 caracteres.";
  text.replace(text.find("%1"), 2, std::to_string(maxLength));
  return text;
}

bool IsAboutCommand(unsigned command) { return (command & 0xFFF0u) == kAboutCommand; }

std::string AuthorMailLink() { return "mailto:" + std::string(kAuthorMail); }

PinChange TogglePin(bool pinned) { return PinChange{!pinned, !pinned}; }

Point CentredIconOrigin(int width, int height, int cx, int cy) {
  return Point{HalfTowardZero(width - cx + 1), HalfTowardZero(height - cy + 1)};
}

}  // namespace idcheck
