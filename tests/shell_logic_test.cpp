#include "shell/shell_logic.h"

#include <gtest/gtest.h>

#include <string>

namespace idcheck {
namespace {

TEST(HelpTextTest, EachHelpButtonHasItsText) {
  struct Case {
    int buttonId;
    std::string expected;
  } kCases[] = {
      {1019, "Escriba el n\xFAmero N.I.F. o D.N.I\r\nA la derecha le aparecer\xE1 la letra del NIF"},
      {1020,
       "Escriba el n\xFAmero N.I.E. sin la X del principio\r\nA la derecha le aparecer\xE1 la letra "
       "del NIE\r\n\r\n"},
      {1021,
       "Escriba el CIF a comprobar\r\nSi es correcto aparecer\xE1 un bisel azul a la derecha y el tipo "
       "de entidad"},
      {1022,
       "Escriba los datos bancarios\r\nLe aparecer\xE1 el D\xEDgito de control a la derecha y debajo el "
       "nombre del banco y el n\xFAmero IBAN de la cuenta"},
      {1023,
       "Validaci\xF3n de un n\xFAmero de la Seguridad Social\r\nTiene dos opciones\r\n- Poner el "
       "n\xFAmero de la seguridad social entero y ver si es corecto\r\n- Poner el n\xFAmero sin el "
       "d\xEDgito de control para calcularlo"},
      {1029, "Escriba el IBAN a comprobar\r\nSi es correcto aparecer\xE1 un bisel azul."},
      {1015, ""},
      {1024, ""},
      {0, ""},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.buttonId);
    EXPECT_EQ(HelpText(c.buttonId), c.expected);
  }
}

TEST(HelpTextTest, SocialSecurityHelpHasFourLinesAndNieEndsWithAnEmptyLine) {
  std::string ss = HelpText(1023);
  int breaks = 0;
  for (std::size_t at = ss.find("\r\n"); at != std::string::npos; at = ss.find("\r\n", at + 2)) ++breaks;
  EXPECT_EQ(breaks, 3);
  std::string nie = HelpText(1020);
  EXPECT_EQ(nie.substr(nie.size() - 4), "\r\n\r\n");
}

TEST(TooLongTextTest, PutsTheMaximumInPlace) {
  EXPECT_EQ(TooLongText(34), "No introduzca m\xE1s de 34 caracteres.");
  EXPECT_EQ(TooLongText(8), "No introduzca m\xE1s de 8 caracteres.");
}

TEST(IsAboutCommandTest, IgnoresTheLowFourBits) {
  struct Case {
    unsigned command;
    bool about;
  } kCases[] = {{0x10, true},   {0x1F, true},   {0x11, true},   {0x20, false},
                {0x00, false},  {0xF060, false}, {0xF020, false}, {0xF010, false}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.command);
    EXPECT_EQ(IsAboutCommand(c.command), c.about);
  }
}

TEST(TogglePinTest, AlternatesBetweenTopmostAndNot) {
  PinChange on = TogglePin(false);
  EXPECT_TRUE(on.pinned);
  EXPECT_TRUE(on.topmost);
  PinChange off = TogglePin(on.pinned);
  EXPECT_FALSE(off.pinned);
  EXPECT_FALSE(off.topmost);
}

TEST(CentredIconOriginTest, RoundsOddDifferencesTowardZero) {
  struct Case {
    int width, height, cx, cy, x, y;
  } kCases[] = {
      {36, 36, 32, 32, 2, 2},
      {37, 37, 32, 32, 3, 3},
      {30, 30, 32, 32, 0, 0},   // (30 - 32 + 1) / 2 truncates to 0
      {29, 28, 32, 32, -1, -1},  // -2 / 2 and -3 / 2
      {160, 0, 32, 32, 64, -15},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
    Point p = CentredIconOrigin(c.width, c.height, c.cx, c.cy);
    EXPECT_EQ(p.x, c.x);
    EXPECT_EQ(p.y, c.y);
  }
}

TEST(AuthorMailLinkTest, IsAMailtoAddress) { EXPECT_EQ(AuthorMailLink(), "mailto:dev@example.org"); }

}  // namespace
}  // namespace idcheck
