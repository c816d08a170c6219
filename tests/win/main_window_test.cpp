// The main window driven as a user would: typing, pasting, keys and clicks,
// and reading back what the window shows.
#include <gtest/gtest.h>

#include <string>

#include "shell/resources/resource.h"
#include "tests/win/app_driver.h"
#include "tests/win/screen.h"

namespace wintest {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(app.Main(), nullptr) << "the main window did not open"; }

  // Blue check or red cross, as the indicator shows it on the screen once
  // the program has painted it.
  bool ShowsValid(int indicator) { return Shows(indicator, true); }
  bool ShowsInvalid(int indicator) { return Shows(indicator, false); }
  bool Shows(int indicator, bool valid) {
    for (int attempt = 0; attempt < 40; ++attempt) {
      HueCount hues = CountHues(CaptureWindow(app.Control(indicator)));
      if (valid ? hues.blue > 10 && hues.red == 0 : hues.red > 10 && hues.blue == 0) return true;
      Sleep(50);
    }
    return false;
  }

  // Closes a box that the program shows and returns its caption and texts.
  struct Box {
    std::wstring caption;
    std::wstring text;
  };
  Box CloseBox(HWND box) {
    Box seen{app.Text(box), L""};
    for (const std::wstring& text : app.StaticTexts(box)) {
      if (text.size() > seen.text.size()) seen.text = text;
    }
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    app.Settle();
    return seen;
  }

  RunningApp app;
};

TEST_F(MainWindowTest, OpensWithItsCaptionRedCrossesAndTheFocusInTheNifField) {
  EXPECT_EQ(app.Text(app.Main()), L"Cotarsis");
  for (int indicator : {IDC_CIF_MARK, IDC_SS_MARK, IDC_IBAN_MARK}) {
    SCOPED_TRACE(indicator);
    EXPECT_TRUE(ShowsInvalid(indicator));
  }
  EXPECT_EQ(app.Focus(), app.Control(IDC_NIF));
  LONG style = GetWindowLongW(app.Main(), GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(GetWindowLongW(app.Main(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(MainWindowTest, TypingShowsTheLettersAndDigitsOnlyFieldsRefuseLetters) {
  struct Case {
    int input;
    std::wstring typed, shown;
    int output;
    std::wstring result;
  } kCases[] = {
      {IDC_NIF, L"12a345b678", L"12345678", IDC_NIF_LETTER, L"Z"},
      {IDC_NIE, L"1234567", L"1234567", IDC_NIE_LETTER, L"L"},
      {IDC_SS_BASE, L"28x12345678", L"2812345678", IDC_SS_DC, L"40"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.typed);
    app.Type(c.input, c.typed);
    EXPECT_EQ(app.FieldText(c.input), c.shown);
    EXPECT_EQ(app.FieldText(c.output), c.result);
  }
  app.Type(IDC_NIF, L"9");  // a ninth character does not fit
  EXPECT_EQ(app.FieldText(IDC_NIF), L"12345678");
}

TEST_F(MainWindowTest, NifLetterFollowsEveryKeystroke) {
  const wchar_t* kLetters[] = {L"R", L"N", L"P", L"S", L"V", L"S", L"L", L"Z"};
  std::wstring number = L"12345678";
  for (std::size_t i = 0; i < number.size(); ++i) {
    app.Type(IDC_NIF, number.substr(i, 1));
    EXPECT_EQ(app.FieldText(IDC_NIF_LETTER), kLetters[i]) << number.substr(0, i + 1);
  }
  for (std::size_t i = 0; i < number.size(); ++i) app.Backspace(IDC_NIF);
  EXPECT_EQ(app.FieldText(IDC_NIF_LETTER), L"");
}

TEST_F(MainWindowTest, BankDataMovesTheFocusAndShowsNameControlDigitsAndIban) {
  app.Type(IDC_BANK, L"2100");
  EXPECT_EQ(app.Focus(), app.Control(IDC_BRANCH));
  EXPECT_EQ(app.FieldText(IDC_BANK_NAME), L"CAJA DE AH. Y PENSIONES DE BARCELONA");
  EXPECT_EQ(app.FieldText(IDC_ACCOUNT_DC), L"");
  app.Type(IDC_BRANCH, L"0418");
  EXPECT_EQ(app.Focus(), app.Control(IDC_ACCOUNT));
  app.Type(IDC_ACCOUNT, L"0200051332");
  EXPECT_EQ(app.FieldText(IDC_ACCOUNT_DC), L"45");
  EXPECT_EQ(app.FieldText(IDC_IBAN_OUT), L"ES91.2100.0418.4502.0005.1332");
  EXPECT_EQ(app.Focus(), app.Control(IDC_ACCOUNT));
  app.Backspace(IDC_ACCOUNT);
  EXPECT_EQ(app.FieldText(IDC_ACCOUNT_DC), L"45");
  EXPECT_EQ(app.FieldText(IDC_IBAN_OUT), L"ES91.2100.0418.4502.0005.1332");
}

TEST_F(MainWindowTest, BankNamesKeepTheirSpanishLetters) {
  app.Type(IDC_BANK, L"0029");
  EXPECT_EQ(app.FieldText(IDC_BANK_NAME), L"BANCO COMERCIAL ESPA\u00D1OL");
}

TEST_F(MainWindowTest, IbanIsCheckedAndGroupedWhenValid) {
  app.PasteOver(IDC_IBAN_IN, L"ES91 2100 0418 4502 0005 1332");
  EXPECT_EQ(app.FieldText(IDC_IBAN_IN), L"ES91.2100.0418.4502.0005.1332");
  EXPECT_TRUE(ShowsValid(IDC_IBAN_MARK));
  app.PostClick(IDC_IBAN_MARK);  // clicking the indicator changes nothing
  app.Settle();
  EXPECT_TRUE(ShowsValid(IDC_IBAN_MARK));
  // The caret stands at the end, so a further digit is added there.
  app.Type(IDC_IBAN_IN, L"7");
  EXPECT_EQ(app.FieldText(IDC_IBAN_IN), L"ES91.2100.0418.4502.0005.13327");
  EXPECT_TRUE(ShowsInvalid(IDC_IBAN_MARK));
}

TEST_F(MainWindowTest, TypedIbanTurnsCapitalAndValidOnItsLastKeystroke) {
  std::wstring iban = L"es9121000418450200051332";
  app.Type(IDC_IBAN_IN, iban.substr(0, iban.size() - 1));
  EXPECT_EQ(app.FieldText(IDC_IBAN_IN), L"ES912100041845020005133");
  EXPECT_TRUE(ShowsInvalid(IDC_IBAN_MARK));
  app.Type(IDC_IBAN_IN, L"2");
  EXPECT_EQ(app.FieldText(IDC_IBAN_IN), L"ES91.2100.0418.4502.0005.1332");
  EXPECT_TRUE(ShowsValid(IDC_IBAN_MARK));
}

TEST_F(MainWindowTest, GroupedLongIbanIsReportedTooLongOnTheNextRead) {
  app.PasteOver(IDC_IBAN_IN, L"MT84MALT011000012345MTLCAST001S");
  EXPECT_EQ(app.FieldText(IDC_IBAN_IN), L"MT84.MALT.0110.0001.2345.MTLC.AST0.01S");
  PostMessageW(app.Control(IDC_NIF), WM_KEYDOWN, VK_RETURN, 1);
  HWND box = app.WaitForOwnedWindow();
  ASSERT_NE(box, nullptr) << "no warning was shown";
  Box seen = CloseBox(box);
  EXPECT_EQ(seen.caption, L"Cotarsis");
  EXPECT_EQ(seen.text, L"No introduzca m\u00E1s de 34 caracteres.");
  EXPECT_EQ(app.Focus(), app.Control(IDC_IBAN_IN));
  LRESULT selection = SendMessageW(app.Control(IDC_IBAN_IN), EM_GETSEL, 0, 0);
  EXPECT_EQ(LOWORD(selection), 0);
  EXPECT_EQ(HIWORD(selection), 38);
  EXPECT_TRUE(IsWindow(app.Main()));
}

TEST_F(MainWindowTest, CifIsStrippedAndNamedWhenValid) {
  app.Type(IDC_CIF, L"b-28.12345");
  EXPECT_EQ(app.FieldText(IDC_CIF), L"B-28.12345");
  EXPECT_TRUE(ShowsInvalid(IDC_CIF_MARK));
  EXPECT_EQ(app.FieldText(IDC_CIF_INFO), L"");
  // The control digit of 2812345 is 3 (S = 27).
  app.Type(IDC_CIF, L"3");
  EXPECT_EQ(app.FieldText(IDC_CIF), L"B28123453");
  EXPECT_EQ(app.FieldText(IDC_CIF_INFO), L"Sociedad de Responsabiliad Limitada Madrid");
  EXPECT_TRUE(ShowsValid(IDC_CIF_MARK));
  app.Type(IDC_CIF, L"1");
  EXPECT_EQ(app.FieldText(IDC_CIF_INFO), L"");
  EXPECT_TRUE(ShowsInvalid(IDC_CIF_MARK));
}

TEST_F(MainWindowTest, NonResidentCifNamesZoneAndCountry) {
  app.PasteOver(IDC_CIF, L"N0110000G");
  EXPECT_EQ(app.FieldText(IDC_CIF_INFO), L"Entidades no residentes EUROPA, ESPA\u00D1A");
}

TEST_F(MainWindowTest, SocialSecurityNumberIsValidOnItsLastKeystroke) {
  std::wstring number = L"281234567840";
  app.Type(IDC_SS_FULL, number.substr(0, number.size() - 1));
  EXPECT_TRUE(ShowsInvalid(IDC_SS_MARK));
  app.Type(IDC_SS_FULL, L"0");
  EXPECT_TRUE(ShowsValid(IDC_SS_MARK));
  app.Backspace(IDC_SS_FULL);
  EXPECT_TRUE(ShowsInvalid(IDC_SS_MARK));
  app.PasteOver(IDC_SS_FULL, L"28-12345678-40");
  EXPECT_TRUE(ShowsValid(IDC_SS_MARK));
}

TEST_F(MainWindowTest, EnterRecalculatesShortBankDataAndKeepsTheWindowOpen) {
  app.PasteOver(IDC_BANK, L"21");
  app.PasteOver(IDC_BRANCH, L"4");
  app.PasteOver(IDC_ACCOUNT, L"2");
  EXPECT_EQ(app.FieldText(IDC_BANK_NAME), L"");
  app.Key(app.Control(IDC_ACCOUNT), VK_RETURN);
  EXPECT_EQ(app.FieldText(IDC_BANK_NAME), L"BANCO CONDAL");
  EXPECT_EQ(app.FieldText(IDC_IBAN_OUT).size(), 29u);
  EXPECT_EQ(app.FieldText(IDC_ACCOUNT_DC).size(), 2u);
  EXPECT_TRUE(IsWindow(app.Main()));
  EXPECT_FALSE(app.WaitForExit(300));
}

TEST_F(MainWindowTest, TabVisitsTheInputsInTemplateOrderAndWrapsAround) {
  const int kOrder[] = {IDC_NIF,    IDC_NIE,     IDC_CIF,     IDC_BANK,      IDC_BRANCH,
                        IDC_ACCOUNT, IDC_SS_FULL, IDC_BANNER, IDC_IBAN_OUT, IDC_BANK_NAME,
                        IDC_SS_BASE, IDC_IBAN_IN, IDC_NIF};
  ASSERT_EQ(app.Focus(), app.Control(kOrder[0]));
  for (std::size_t i = 1; i < sizeof kOrder / sizeof kOrder[0]; ++i) {
    app.Key(app.Focus(), VK_TAB);
    EXPECT_EQ(app.Focus(), app.Control(kOrder[i])) << "step " << i;
  }
}

TEST_F(MainWindowTest, PinTogglesTopmostAndItsFaceWithoutMovingTheWindow) {
  RECT before{}, after{};
  GetWindowRect(app.Main(), &before);
  // The pressed pin stands on a chequered ground with far more white than the side view.
  Sleep(200);
  int sideViewWhite = CountHues(CaptureWindow(app.Control(IDC_PUSHPIN))).white;
  app.Click(IDC_PUSHPIN);
  EXPECT_TRUE(GetWindowLongW(app.Main(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  GetWindowRect(app.Main(), &after);
  EXPECT_TRUE(EqualRect(&before, &after));
  Sleep(200);
  int pressedWhite = CountHues(CaptureWindow(app.Control(IDC_PUSHPIN))).white;
  EXPECT_GT(pressedWhite, sideViewWhite + 30);
  app.Click(IDC_PUSHPIN);
  EXPECT_FALSE(GetWindowLongW(app.Main(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  GetWindowRect(app.Main(), &after);
  EXPECT_TRUE(EqualRect(&before, &after));
  Sleep(200);
  EXPECT_LT(CountHues(CaptureWindow(app.Control(IDC_PUSHPIN))).white, pressedWhite - 30);
}

TEST_F(MainWindowTest, HelpButtonsShowTheirTexts) {
  struct Case {
    int button;
    std::wstring text;
  } kCases[] = {
      {IDC_HELP_NIF, L"Escriba el n\u00FAmero N.I.F. o D.N.I\r\nA la derecha le aparecer\u00E1 la letra del NIF"},
      {IDC_HELP_NIE,
       L"Escriba el n\u00FAmero N.I.E. sin la X del principio\r\nA la derecha le aparecer\u00E1 la "
       L"letra del NIE\r\n\r\n"},
      {IDC_HELP_CIF,
       L"Escriba el CIF a comprobar\r\nSi es correcto aparecer\u00E1 un bisel azul a la derecha y el "
       L"tipo de entidad"},
      {IDC_HELP_BANK,
       L"Escriba los datos bancarios\r\nLe aparecer\u00E1 el D\u00EDgito de control a la derecha y "
       L"debajo el nombre del banco y el n\u00FAmero IBAN de la cuenta"},
      {IDC_HELP_SS,
       L"Validaci\u00F3n de un n\u00FAmero de la Seguridad Social\r\nTiene dos opciones\r\n- Poner "
       L"el n\u00FAmero de la seguridad social entero y ver si es corecto\r\n- Poner el n\u00FAmero "
       L"sin el d\u00EDgito de control para calcularlo"},
      {IDC_HELP_IBAN, L"Escriba el IBAN a comprobar\r\nSi es correcto aparecer\u00E1 un bisel azul."},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.button);
    app.PostClick(c.button);
    HWND box = app.WaitForOwnedWindow();
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(IsWindowEnabled(app.Main()));
    Box seen = CloseBox(box);
    EXPECT_EQ(seen.caption, L"Cotarsis");
    EXPECT_EQ(seen.text, c.text);
    EXPECT_TRUE(IsWindowEnabled(app.Main()));
  }
}

TEST_F(MainWindowTest, AboutBoxOpensFromTheSystemMenuAndDisablesTheWindow) {
  for (int round = 0; round < 2; ++round) {
    // The low four bits of a system command are the system's own.
    PostMessageW(app.Main(), WM_SYSCOMMAND, IDM_ABOUTBOX | (round == 0 ? 0 : 0x3), 0);
    HWND about = app.WaitForOwnedWindow();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(app.Text(about), L"Acerca de Mirtalo");
    EXPECT_FALSE(IsWindowEnabled(app.Main()));
    std::vector<std::wstring> texts = app.StaticTexts(about);
    bool named = false;
    for (const std::wstring& text : texts) named = named || text == L"Mirtalo Ultrex Versi\u00F3n 1.1";
    EXPECT_TRUE(named);
    if (round == 0) {
      Sleep(300);  // kept for people to look at
      SaveBitmap(CaptureWindow(about), BesideTests(L"about_box.bmp"));
    }
    PostMessageW(about, WM_COMMAND, MAKEWPARAM(round == 0 ? IDOK : IDCANCEL, BN_CLICKED), 0);
    app.Settle();
    EXPECT_FALSE(IsWindow(about));
    EXPECT_TRUE(IsWindowEnabled(app.Main()));
  }
}

TEST_F(MainWindowTest, EscapeEndsTheProgram) {
  app.Key(app.Control(IDC_NIF), VK_ESCAPE);
  EXPECT_TRUE(app.WaitForExit(10000));
}

TEST_F(MainWindowTest, ExitButtonEndsTheProgram) {
  app.PostClick(IDC_EXIT);
  EXPECT_TRUE(app.WaitForExit(10000));
}

// Fills every group and keeps a picture of the window for people to look at.
TEST_F(MainWindowTest, ScreenshotWithEveryGroupFilled) {
  app.Type(IDC_NIF, L"12345678");
  app.Type(IDC_NIE, L"1234567");
  app.Type(IDC_CIF, L"A58818501");
  app.Type(IDC_BANK, L"2100");
  app.Type(IDC_BRANCH, L"0418");
  app.Type(IDC_ACCOUNT, L"0200051332");
  app.PasteOver(IDC_IBAN_IN, L"ES7620770024003102575766");
  app.Type(IDC_SS_FULL, L"281234567840");
  app.Type(IDC_SS_BASE, L"2812345678");
  EXPECT_TRUE(ShowsValid(IDC_CIF_MARK));
  EXPECT_TRUE(ShowsValid(IDC_SS_MARK));
  EXPECT_TRUE(ShowsValid(IDC_IBAN_MARK));
  Sleep(300);
  EXPECT_TRUE(SaveBitmap(CaptureWindow(app.Main()), BesideTests(L"main_window.bmp")));
}

}  // namespace
}  // namespace wintest
