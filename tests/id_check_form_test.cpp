// The form driven as a user drives the main window: keystrokes, pastes,
// deletions and the Enter key on a window whose edit controls report every
// change synchronously.
#include "form/id_check_form.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/iban.h"
#include "tests/fake_form_window.h"

namespace idcheck {
namespace {

using Field = FieldId;

constexpr const char* CAIXA = "CAJA DE AH. Y PENSIONES DE BARCELONA";
constexpr const char* SRL = "Sociedad de Responsabiliad Limitada";
constexpr const char* NON_RESIDENT = "Entidades no residentes";

// Valid IBANs of 24, 28, 29, 30 and 34 characters.
constexpr const char* SPANISH_IBAN = "ES9121000418450200051332";
constexpr const char* SPANISH_IBAN_GROUPED = "ES91.2100.0418.4502.0005.1332";
constexpr const char* IBAN_28 = "FR19307418529630741852963074";
constexpr const char* IBAN_29 = "FR613074185296307418529630741";
constexpr const char* IBAN_30 = "FR9830741852963074185296307418";
constexpr const char* IBAN_30_GROUPED = "FR98.3074.1852.9630.7418.5296.3074.18";
constexpr const char* IBAN_34 = "FR66307418529630741852963074185296";

std::string Printable(FieldId field) { return std::to_string(static_cast<int>(field)); }

bool IsInput(FieldId field) {
  for (const FieldRow& row : FORM_FIELDS) {
    if (row.field == field) return row.isInput;
  }
  return false;
}

// A window with its form, opened as the program opens it.
struct FormSession {
  FormSession() : form(window) {
    window.Connect(form);
    form.Start();
    window.ForgetCalls();
  }
  FakeFormWindow window;
  IdCheckForm form;
};

// How a text reaches an input field.
enum class Entry { Typed, Pasted, Written };

void Put(FakeFormWindow& window, Field field, Entry entry, const std::string& text) {
  switch (entry) {
    case Entry::Typed: window.TypeInto(field, text); break;
    case Entry::Pasted: window.PasteInto(field, text); break;
    case Entry::Written: window.SetFieldText(field, text); break;  // no limit applies
  }
}

class IdCheckFormTest : public ::testing::Test {
 protected:
  FormSession session;
  FakeFormWindow& window = session.window;
  IdCheckForm& form = session.form;

  void ExpectNoCalls() {
    EXPECT_TRUE(window.TextWrites().empty());
    EXPECT_TRUE(window.IndicatorChanges().empty());
    EXPECT_TRUE(window.FocusMoves().empty());
    EXPECT_TRUE(window.Warnings().empty());
  }
};

// ---------------------------------------------------------------------------
// Field table and exchange

TEST(IdCheckFormStartTest, ShowsEveryFieldEmptyAndLimitsThemInExchangeOrder) {
  FakeFormWindow window;
  IdCheckForm form(window);
  window.Connect(form);
  form.Start();

  const std::vector<std::pair<Field, int>> expected = {
      {Field::BankInput, 4},           {Field::AccountInput, 10},
      {Field::CifInput, 11},           {Field::AccountControlOutput, 2},
      {Field::NieInput, 8},            {Field::NieLetterOutput, 1},
      {Field::NifInput, 8},            {Field::NifLetterOutput, 1},
      {Field::SocialSecurityInput, 14}, {Field::BranchInput, 4},
      {Field::SocialSecurityBaseInput, 11}, {Field::IbanInput, 34}};
  ASSERT_EQ(window.Limits().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(window.Limits()[i].field, expected[i].first) << i;
    EXPECT_EQ(window.Limits()[i].maxLength, expected[i].second) << i;
  }
  for (Field unlimited : {Field::CifInfoOutput, Field::SocialSecurityControlOutput,
                          Field::IbanOutput, Field::BankNameOutput}) {
    EXPECT_EQ(FieldMaxLength(unlimited), NO_MAXIMUM);
    EXPECT_EQ(window.LimitOf(unlimited), -1);
  }
  EXPECT_TRUE(window.TextWrites().empty());
  for (const FieldRow& row : FORM_FIELDS) EXPECT_EQ(window.Text(row.field), "");
}

TEST_F(IdCheckFormTest, FieldsTakeNoMoreThanTheirMaximum) {
  struct Case {
    Field field;
    Entry entry;
    const char* input;
    const char* shown;
  } const kCases[] = {
      {Field::NifInput, Entry::Typed, "123456789", "12345678"},
      {Field::NieInput, Entry::Typed, "123456789", "12345678"},
      {Field::AccountInput, Entry::Typed, "12345678901", "1234567890"},
      {Field::NifInput, Entry::Pasted, "123456789", "12345678"},
      {Field::CifInput, Entry::Pasted, "B-28.123.45-3", "B-28.123.45"},
      {Field::SocialSecurityInput, Entry::Pasted, "28-12345678-401", "28-12345678-40"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.input);
    FormSession s;
    Put(s.window, c.field, c.entry, c.input);
    EXPECT_EQ(s.window.Text(c.field), c.shown);
  }
}

TEST_F(IdCheckFormTest, WriteWithNothingChangedTouchesNoTextButLimitsAgain) {
  window.TypeInto(Field::NifInput, "123");
  window.TypeInto(Field::BankInput, "2100");
  window.PasteInto(Field::IbanInput, SPANISH_IBAN);
  ASSERT_TRUE(form.ReadFields());
  window.ForgetCalls();

  form.WriteFields();

  EXPECT_TRUE(window.TextWrites().empty());
  EXPECT_EQ(window.Limits().size(), 12u);
}

// The window holds texts that differ from the stored ones in every field up to
// the IBAN, which is one character too long, and in the bank name after it.
TEST_F(IdCheckFormTest, ReadStopsAtTheFirstFieldLongerThanItsMaximum) {
  window.TypeInto(Field::BankInput, "21");
  window.TypeInto(Field::NifInput, "123");
  window.TypeInto(Field::SocialSecurityBaseInput, "28");
  window.PasteInto(Field::CifInput, "B281");
  window.SetFieldText(Field::IbanInput, std::string(35, '7'));
  window.SetFieldText(Field::BankNameOutput, "NOT READ");
  window.ForgetCalls();

  EXPECT_FALSE(form.ReadFields());
  ASSERT_EQ(window.Warnings().size(), 1u);
  EXPECT_EQ(window.Warnings()[0].field, Field::IbanInput);
  EXPECT_EQ(window.Warnings()[0].maxLength, 34);
  EXPECT_EQ(window.Focus(), Field::IbanInput);
  EXPECT_EQ(window.SelectionStart(Field::IbanInput), 0u);
  EXPECT_EQ(window.SelectionEnd(Field::IbanInput), 35u);

  // Writing back shows which stored texts the read replaced: all but the last.
  form.WriteFields();
  ASSERT_EQ(window.TextWrites().size(), 1u);
  EXPECT_EQ(window.TextWrites()[0], Field::BankNameOutput);
  EXPECT_EQ(window.Text(Field::BankNameOutput), "");
  EXPECT_EQ(window.Text(Field::IbanInput), std::string(35, '7'));
  EXPECT_EQ(window.Text(Field::NifInput), "123");
}

TEST_F(IdCheckFormTest, ChangeOfAResultFieldDoesNothing) {
  window.TypeInto(Field::NifInput, "12345678");
  window.TypeInto(Field::BankInput, "2100");
  window.TypeInto(Field::SocialSecurityBaseInput, "2812345678");
  window.TypeInto(Field::CifInput, "B28123453");
  window.ForgetCalls();

  for (const FieldRow& row : FORM_FIELDS) {
    if (!row.isInput) form.OnFieldChanged(row.field);
  }
  ExpectNoCalls();
}

TEST_F(IdCheckFormTest, ChangeReportedDuringAnExchangeIsIgnored) {
  window.TypeInto(Field::NifInput, "123");
  window.SetFieldText(Field::NifLetterOutput, "?");
  window.beforeRead = [this](Field field) {
    if (field == Field::BankInput) form.OnFieldChanged(Field::NifInput);
  };

  EXPECT_TRUE(form.ReadFields());
  EXPECT_EQ(window.Text(Field::NifLetterOutput), "?");

  window.beforeRead = nullptr;
  form.OnFieldChanged(Field::NifInput);
  EXPECT_EQ(window.Text(Field::NifLetterOutput), "P");
}

TEST_F(IdCheckFormTest, FailedReadEndsTheExchangeToo) {
  window.TypeInto(Field::NieInput, "123");
  window.SetFieldText(Field::IbanInput, std::string(40, '1'));
  window.SetFieldText(Field::NieLetterOutput, "?");

  EXPECT_FALSE(form.ReadFields());
  form.OnFieldChanged(Field::NieInput);
  EXPECT_EQ(window.Text(Field::NieLetterOutput), "P");
}

// ---------------------------------------------------------------------------
// NIF and NIE

TEST_F(IdCheckFormTest, NifLetterFollowsEveryKeystroke) {
  const std::string digits = "12345678";
  const std::string letters = "RNPSVSLZ";
  window.Click(Field::NifInput);
  for (std::size_t i = 0; i < digits.size(); ++i) {
    window.Type(digits.substr(i, 1));
    EXPECT_EQ(window.Text(Field::NifLetterOutput), letters.substr(i, 1)) << digits.substr(0, i + 1);
  }
  window.Backspace();
  EXPECT_EQ(window.Text(Field::NifLetterOutput), "L");
}

TEST_F(IdCheckFormTest, LetterOfWhatIsTypedOrPastedAndEmptyWhenCleared) {
  struct Case {
    Field number;
    Field letter;
    Entry entry;
    const char* input;
    const char* shown;
  } const kCases[] = {
      {Field::NifInput, Field::NifLetterOutput, Entry::Typed, "12345678", "Z"},
      {Field::NieInput, Field::NieLetterOutput, Entry::Typed, "1234567", "L"},
      {Field::NifInput, Field::NifLetterOutput, Entry::Typed, "00000000", "T"},
      {Field::NifInput, Field::NifLetterOutput, Entry::Written, "1.234.567", "L"},
      // Nine characters: the paste stops at the field's eight, "1.234.56".
      {Field::NifInput, Field::NifLetterOutput, Entry::Pasted, "1.234.567", "S"},
      {Field::NifInput, Field::NifLetterOutput, Entry::Pasted, "12,34", "N"},
      {Field::NifInput, Field::NifLetterOutput, Entry::Pasted, "abc", "T"},
      {Field::NieInput, Field::NieLetterOutput, Entry::Pasted, "12 345-6", "S"},
      {Field::NieInput, Field::NieLetterOutput, Entry::Typed, "x1y2", "N"},  // letters refused
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.input);
    FormSession s;
    Put(s.window, c.number, c.entry, c.input);
    EXPECT_EQ(s.window.Text(c.letter), c.shown);
    s.window.Clear(c.number);
    EXPECT_EQ(s.window.Text(c.letter), "");
    EXPECT_TRUE(s.window.IndicatorChanges().empty());
  }
}

// ---------------------------------------------------------------------------
// Bank data

TEST_F(IdCheckFormTest, FourthDigitOfTheBankMovesOnAndShowsOnlyTheName) {
  window.TypeInto(Field::BankInput, "210");
  EXPECT_TRUE(window.FocusMoves().empty());
  EXPECT_EQ(window.Text(Field::BankNameOutput), "");

  window.Type("0");

  EXPECT_EQ(window.FocusMoves(), std::vector<Field>{Field::BranchInput});
  EXPECT_EQ(window.TextWrites(), std::vector<Field>{Field::BankNameOutput});
  EXPECT_EQ(window.Text(Field::BankNameOutput), CAIXA);
  EXPECT_EQ(window.SelectionStart(Field::BankInput), 4u);  // the caret stays put
}

TEST_F(IdCheckFormTest, BankBranchAndAccountTypedOneAfterTheOther) {
  window.TypeInto(Field::BankInput, "2100");
  window.Type("0418");
  EXPECT_EQ(window.Focus(), Field::AccountInput);
  EXPECT_EQ(window.Text(Field::BranchInput), "0418");
  EXPECT_EQ(window.Text(Field::BankNameOutput), CAIXA);
  EXPECT_EQ(window.Text(Field::AccountControlOutput), "");
  EXPECT_EQ(window.Text(Field::IbanOutput), "");

  window.Type("0200051332");
  EXPECT_EQ(window.Text(Field::AccountControlOutput), "45");
  EXPECT_EQ(window.Text(Field::IbanOutput), SPANISH_IBAN_GROUPED);
  EXPECT_EQ(window.Text(Field::BankNameOutput), CAIXA);
  EXPECT_EQ(window.Focus(), Field::AccountInput);
  EXPECT_EQ(window.FocusMoves(), (std::vector<Field>{Field::BranchInput, Field::AccountInput}));

  window.ForgetCalls();
  window.Backspace();
  EXPECT_EQ(window.Text(Field::AccountInput), "020005133");
  ExpectNoCalls();
  EXPECT_EQ(window.Text(Field::AccountControlOutput), "45");
}

TEST_F(IdCheckFormTest, IncompleteBranchChangesNothingUntilItsFourthDigit) {
  window.TypeInto(Field::BankInput, "2100");
  window.TypeInto(Field::AccountInput, "0200051332");
  EXPECT_EQ(window.Text(Field::AccountControlOutput), "");
  window.ForgetCalls();

  window.TypeInto(Field::BranchInput, "04");
  ExpectNoCalls();
  window.Type("18");
  EXPECT_EQ(window.Text(Field::AccountControlOutput), "45");
  EXPECT_EQ(window.Text(Field::IbanOutput), SPANISH_IBAN_GROUPED);
  EXPECT_EQ(window.Focus(), Field::AccountInput);  // even though it holds text
}

TEST_F(IdCheckFormTest, CompletedFieldShowsTheGroupFromWhatIsThere) {
  struct Case {
    const char* name;
    std::vector<std::pair<Field, const char*>> typed;
    const char* control;
    const char* bankName;
    std::string iban;
  } const kCases[] = {
      {"unknown bank", {{Field::BankInput, "9999"}}, "", "NO DISPONIBLE", ""},
      {"branch without bank", {{Field::BranchInput, "0418"}}, "", "NO DISPONIBLE", ""},
      {"account without bank",
       {{Field::BranchInput, "04"}, {Field::AccountInput, "0200051332"}},
       "",
       "NO DISPONIBLE",
       ""},
      {"short bank and branch",
       {{Field::BankInput, "21"}, {Field::BranchInput, "4"}, {Field::AccountInput, "0000000002"}},
       "01",
       "BANCO CONDAL",
       BuildSpanishIban("21", "4", "0000000002")},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    FormSession s;
    for (const auto& [field, text] : c.typed) s.window.TypeInto(field, text);
    EXPECT_EQ(s.window.Text(Field::AccountControlOutput), c.control);
    EXPECT_EQ(s.window.Text(Field::BankNameOutput), c.bankName);
    EXPECT_EQ(s.window.Text(Field::IbanOutput), c.iban);
  }
}

// ---------------------------------------------------------------------------
// IBAN check

TEST_F(IdCheckFormTest, IbanVerdictFollowsEveryKeystrokeAndValidTextIsGrouped) {
  const std::string iban = SPANISH_IBAN;
  window.Click(Field::IbanInput);
  for (std::size_t i = 0; i + 1 < iban.size(); ++i) {
    window.Type(iban.substr(i, 1));
    ASSERT_EQ(window.Indicator(IndicatorId::IbanIndicator), Mark::InvalidMark) << i;
    ASSERT_EQ(window.Text(Field::IbanInput), iban.substr(0, i + 1));
  }
  EXPECT_TRUE(window.TextWrites().empty());

  window.Type(iban.substr(iban.size() - 1));

  EXPECT_EQ(window.Indicator(IndicatorId::IbanIndicator), Mark::ValidMark);
  EXPECT_EQ(window.Text(Field::IbanInput), SPANISH_IBAN_GROUPED);
  EXPECT_EQ(window.TextWrites(), std::vector<Field>{Field::IbanInput});
  EXPECT_TRUE(window.Warnings().empty());

  window.Click(Field::IbanInput);
  window.Type("5");
  EXPECT_EQ(window.Indicator(IndicatorId::IbanIndicator), Mark::InvalidMark);
  EXPECT_EQ(window.Text(Field::IbanInput), std::string(SPANISH_IBAN_GROUPED) + "5");
}

TEST_F(IdCheckFormTest, PastedIbanIsCheckedWithoutItsSeparators) {
  struct Case {
    const char* pasted;
    const char* shown;
    Mark mark;
  } const kCases[] = {
      {"ES91 2100 0418 4502 0005 1332", SPANISH_IBAN_GROUPED, Mark::ValidMark},
      {"es91-2100-0418-4502-0005-1332", SPANISH_IBAN_GROUPED, Mark::ValidMark},
      {"ES91 2100 0418 4502 0005 1333", "ES91 2100 0418 4502 0005 1333", Mark::InvalidMark},
      {"0000000054", "0000.0000.54", Mark::ValidMark},
      {"000000054", "000000054", Mark::InvalidMark},
      {"00.00.00.00.54", "0000.0000.54", Mark::ValidMark},
      {IBAN_28, "FR19.3074.1852.9630.7418.5296.3074", Mark::ValidMark},
      {"\xC9S91 2100 0418 4502 0005 1332", "\xC9S91 2100 0418 4502 0005 1332", Mark::InvalidMark},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.pasted);
    FormSession s;
    s.window.PasteInto(Field::IbanInput, c.pasted);
    EXPECT_EQ(s.window.Text(Field::IbanInput), c.shown);
    EXPECT_EQ(s.window.Indicator(IndicatorId::IbanIndicator), c.mark);
    for (Field written : s.window.TextWrites()) EXPECT_EQ(written, Field::IbanInput);
    EXPECT_TRUE(s.window.Warnings().empty());
  }
}

TEST_F(IdCheckFormTest, EmptiedIbanIsInvalid) {
  window.PasteInto(Field::IbanInput, SPANISH_IBAN);
  ASSERT_EQ(window.Indicator(IndicatorId::IbanIndicator), Mark::ValidMark);
  window.Clear(Field::IbanInput);
  EXPECT_EQ(window.Indicator(IndicatorId::IbanIndicator), Mark::InvalidMark);
}

// A grouped IBAN of 29 characters or more is longer than the field's maximum:
// the next exchange warns about it, whichever handler runs it.
TEST_F(IdCheckFormTest, GroupedLongIbanIsReportedByTheNextExchange) {
  window.PasteInto(Field::IbanInput, IBAN_30);
  EXPECT_EQ(window.Text(Field::IbanInput), IBAN_30_GROUPED);
  EXPECT_EQ(window.Indicator(IndicatorId::IbanIndicator), Mark::ValidMark);
  EXPECT_TRUE(window.Warnings().empty());  // its own rewrite is not re-checked

  window.TypeInto(Field::BankInput, "2100");

  ASSERT_EQ(window.Warnings().size(), 1u);
  EXPECT_EQ(window.Warnings()[0].field, Field::IbanInput);
  EXPECT_EQ(window.Warnings()[0].maxLength, 34);
  EXPECT_EQ(window.Focus(), Field::IbanInput);
  EXPECT_EQ(window.SelectionEnd(Field::IbanInput), std::string(IBAN_30_GROUPED).size());
  EXPECT_EQ(window.Text(Field::BankNameOutput), CAIXA);  // the handler went on

  window.Type("E");  // types over the selected text
  EXPECT_EQ(window.Text(Field::IbanInput), "E");
  EXPECT_EQ(window.Indicator(IndicatorId::IbanIndicator), Mark::InvalidMark);
}

TEST_F(IdCheckFormTest, LongestIbanTypedInFullIsGroupedAndNothingMoreFits) {
  window.TypeInto(Field::IbanInput, IBAN_34);
  const std::string grouped = "FR66.3074.1852.9630.7418.5296.3074.1852.96";
  EXPECT_EQ(window.Text(Field::IbanInput), grouped);
  EXPECT_EQ(window.Indicator(IndicatorId::IbanIndicator), Mark::ValidMark);

  window.Click(Field::IbanInput);
  window.Type("1");
  EXPECT_EQ(window.Text(Field::IbanInput), grouped);

  window.PressEnter();
  ASSERT_EQ(window.Warnings().size(), 1u);
  EXPECT_EQ(window.Warnings()[0].textLength, grouped.size());
}

TEST_F(IdCheckFormTest, IbanOf28CharactersFitsWhenGrouped) {
  window.PasteInto(Field::IbanInput, IBAN_28);
  window.TypeInto(Field::BankInput, "2100");
  window.PressEnter();
  EXPECT_TRUE(window.Warnings().empty());
}

TEST_F(IdCheckFormTest, DeletingAFullStopOfALongIbanRegroupsItAfterTheWarning) {
  window.PasteInto(Field::IbanInput, IBAN_29);
  const std::string grouped = window.Text(Field::IbanInput);
  ASSERT_EQ(grouped.size(), 36u);

  window.ClickAt(Field::IbanInput, 5);
  window.Backspace();

  ASSERT_EQ(window.Warnings().size(), 1u);
  EXPECT_EQ(window.Warnings()[0].textLength, 35u);
  EXPECT_EQ(window.Text(Field::IbanInput), grouped);
  EXPECT_EQ(window.Indicator(IndicatorId::IbanIndicator), Mark::ValidMark);
}

// ---------------------------------------------------------------------------
// CIF

TEST_F(IdCheckFormTest, CifIsCheckedAtEveryKeystrokeAndShownStrippedWhenValid) {
  struct Case {
    const char* typed;
    const char* shown;
    std::string info;
    Mark mark;
  } const kCases[] = {
      {"B28123453", "B28123453", std::string(SRL) + " Madrid", Mark::ValidMark},
      {"B-2812345.3", "B28123453", std::string(SRL) + " Madrid", Mark::ValidMark},
      {"b/2812345_3", "B28123453", std::string(SRL) + " Madrid", Mark::ValidMark},
      {"A65123457", "A65123457", "Sociedad An\xF3nima ", Mark::ValidMark},
      {"N0112345D", "N0112345D", std::string(NON_RESIDENT) + " EUROPA, ESPA\xD1" "A",
       Mark::ValidMark},
      {"N0001234D", "N0001234D", std::string(NON_RESIDENT) + " Error C\xF3" "digo Pais",
       Mark::ValidMark},
      {"B28123454", "B28123454", "", Mark::InvalidMark},
      {"B-2812345.4", "B-2812345.4", "", Mark::InvalidMark},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.typed);
    FormSession s;
    const std::string typed = c.typed;
    s.window.Click(Field::CifInput);
    for (std::size_t i = 0; i + 1 < typed.size(); ++i) {
      s.window.Type(typed.substr(i, 1));
      ASSERT_EQ(s.window.Indicator(IndicatorId::CifIndicator), Mark::InvalidMark) << i;
      ASSERT_EQ(s.window.Text(Field::CifInfoOutput), "");
    }
    s.window.Type(typed.substr(typed.size() - 1));
    EXPECT_EQ(s.window.Text(Field::CifInput), c.shown);
    EXPECT_EQ(s.window.Text(Field::CifInfoOutput), c.info);
    EXPECT_EQ(s.window.Indicator(IndicatorId::CifIndicator), c.mark);
    EXPECT_EQ(s.window.IndicatorChanges().size(), typed.size());  // one per change
  }
}

TEST_F(IdCheckFormTest, SmallNLikeCapitalNTakesTheCountry) {
  window.SetFieldText(Field::CifInput, "n0112345D");  // a text the keyboard cannot give
  EXPECT_EQ(window.Text(Field::CifInfoOutput),
            std::string(NON_RESIDENT) + " EUROPA, ESPA\xD1" "A");
  EXPECT_EQ(window.Indicator(IndicatorId::CifIndicator), Mark::ValidMark);
  EXPECT_EQ(window.Text(Field::CifInput), "n0112345D");
}

TEST_F(IdCheckFormTest, ValidCifSpoiltOrEmptiedLosesItsInfo) {
  window.TypeInto(Field::CifInput, "B28123453");
  ASSERT_EQ(window.Indicator(IndicatorId::CifIndicator), Mark::ValidMark);

  window.Click(Field::CifInput);
  window.Type("1");
  EXPECT_EQ(window.Text(Field::CifInput), "B281234531");
  EXPECT_EQ(window.Text(Field::CifInfoOutput), "");
  EXPECT_EQ(window.Indicator(IndicatorId::CifIndicator), Mark::InvalidMark);

  window.Backspace();
  ASSERT_EQ(window.Indicator(IndicatorId::CifIndicator), Mark::ValidMark);
  window.Clear(Field::CifInput);
  EXPECT_EQ(window.Text(Field::CifInfoOutput), "");
  EXPECT_EQ(window.Indicator(IndicatorId::CifIndicator), Mark::InvalidMark);
}

// ---------------------------------------------------------------------------
// Social Security

TEST_F(IdCheckFormTest, FullSocialSecurityNumberValidFromItsLastKeystroke) {
  const std::string number = "281234567840";
  window.Click(Field::SocialSecurityInput);
  for (std::size_t i = 0; i + 1 < number.size(); ++i) {
    window.Type(number.substr(i, 1));
    ASSERT_EQ(window.Indicator(IndicatorId::SocialSecurityIndicator), Mark::InvalidMark) << i;
  }
  window.Type(number.substr(number.size() - 1));
  EXPECT_EQ(window.Indicator(IndicatorId::SocialSecurityIndicator), Mark::ValidMark);

  window.Clear(Field::SocialSecurityInput);
  EXPECT_EQ(window.Indicator(IndicatorId::SocialSecurityIndicator), Mark::InvalidMark);

  window.PasteInto(Field::SocialSecurityInput, "28-12345678-40");
  EXPECT_EQ(window.Indicator(IndicatorId::SocialSecurityIndicator), Mark::ValidMark);
}

TEST_F(IdCheckFormTest, SocialSecurityControlDigitsFollowEveryKeystroke) {
  const std::string number = "2812345678";
  window.Click(Field::SocialSecurityBaseInput);
  for (std::size_t i = 0; i < number.size(); ++i) {
    window.Type(number.substr(i, 1));
    const char* expected = i < 8 ? "**" : (i == 8 ? "42" : "40");
    EXPECT_EQ(window.Text(Field::SocialSecurityControlOutput), expected) << i;
  }
  window.Type("9");
  EXPECT_EQ(window.Text(Field::SocialSecurityControlOutput), "**");
  window.Clear(Field::SocialSecurityBaseInput);
  EXPECT_EQ(window.Text(Field::SocialSecurityControlOutput), "**");
}

// ---------------------------------------------------------------------------
// Enter: every group recomputed, each by its own rule

TEST_F(IdCheckFormTest, EnterWithEveryFieldEmptyChangesNothing) {
  window.PressEnter();
  ExpectNoCalls();
  for (const FieldRow& row : FORM_FIELDS) EXPECT_EQ(window.Text(row.field), "");
}

TEST_F(IdCheckFormTest, EnterRecomputesNonEmptyGroupsAndLeavesTheRest) {
  struct Case {
    const char* name;
    std::vector<std::pair<Field, std::string>> pasted;  // "" clears the field
    // Written straight into result fields, to tell a recomputed result from a kept one.
    std::vector<std::pair<Field, std::string>> stale;
    std::vector<std::pair<Field, std::string>> expected;
    std::vector<FakeFormWindow::IndicatorChange> indicators;
  } const kCases[] = {
      {"empty inputs keep their results",
       {},
       {{Field::NifLetterOutput, "?"},
        {Field::NieLetterOutput, "?"},
        {Field::CifInfoOutput, "?"},
        {Field::SocialSecurityControlOutput, "??"},
        {Field::AccountControlOutput, "??"},
        {Field::BankNameOutput, "?"},
        {Field::IbanOutput, "?"}},
       {{Field::NifLetterOutput, "?"},
        {Field::NieLetterOutput, "?"},
        {Field::CifInfoOutput, "?"},
        {Field::SocialSecurityControlOutput, "??"},
        {Field::AccountControlOutput, "??"},
        {Field::BankNameOutput, "?"},
        {Field::IbanOutput, "?"}},
       {}},
      {"letters",
       {{Field::NifInput, "12345678"}, {Field::NieInput, "1234567"}},
       {{Field::NifLetterOutput, "?"}, {Field::NieLetterOutput, "?"}},
       {{Field::NifLetterOutput, "Z"}, {Field::NieLetterOutput, "L"}},
       {}},
      {"short bank data",
       {{Field::BankInput, "21"}, {Field::BranchInput, "4"}, {Field::AccountInput, "2"}},
       {},
       {{Field::AccountControlOutput, "01"},
        {Field::BankNameOutput, "BANCO CONDAL"},
        {Field::IbanOutput, BuildSpanishIban("21", "4", "2")}},
       {}},
      {"bank data with the branch emptied",
       {{Field::BankInput, "2100"},
        {Field::BranchInput, "0418"},
        {Field::AccountInput, "0200051332"},
        {Field::BranchInput, ""}},
       {{Field::AccountControlOutput, "??"}},
       {{Field::AccountControlOutput, "??"},
        {Field::BankNameOutput, CAIXA},
        {Field::IbanOutput, SPANISH_IBAN_GROUPED}},
       {}},
      {"valid CIF",
       {{Field::CifInput, "B28123453"}},
       {},
       {{Field::CifInfoOutput, SRL}, {Field::CifInput, "B28123453"}},
       {{IndicatorId::CifIndicator, Mark::ValidMark}}},
      {"invalid CIF keeps its separators",
       {{Field::CifInput, "B-2812345.4"}},
       {},
       {{Field::CifInfoOutput, SRL}, {Field::CifInput, "B-2812345.4"}},
       {{IndicatorId::CifIndicator, Mark::InvalidMark}}},
      {"unknown entity letter",
       {{Field::CifInput, "J"}},
       {},
       {{Field::CifInfoOutput, "Error en primera letra"}},
       {{IndicatorId::CifIndicator, Mark::InvalidMark}}},
      {"Social Security",
       {{Field::SocialSecurityInput, "28 12345678 40"}, {Field::SocialSecurityBaseInput, "281234567"}},
       {{Field::SocialSecurityControlOutput, "??"}},
       {{Field::SocialSecurityControlOutput, "42"}},
       {{IndicatorId::SocialSecurityIndicator, Mark::ValidMark}}},
      {"IBAN left alone",
       {{Field::IbanInput, SPANISH_IBAN}, {Field::SocialSecurityInput, "1"}},
       {},
       {{Field::IbanInput, SPANISH_IBAN_GROUPED}},
       {{IndicatorId::SocialSecurityIndicator, Mark::InvalidMark}}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    FormSession s;
    for (const auto& [field, text] : c.pasted) {
      s.window.Clear(field);
      s.window.Paste(text);
    }
    for (const auto& [field, text] : c.stale) s.window.SetFieldText(field, text);
    const Field focus = s.window.Focus();
    s.window.ForgetCalls();

    s.window.PressEnter();

    for (const auto& [field, text] : c.expected) {
      EXPECT_EQ(s.window.Text(field), text) << Printable(field);
    }
    ASSERT_EQ(s.window.IndicatorChanges().size(), c.indicators.size());
    for (std::size_t i = 0; i < c.indicators.size(); ++i) {
      EXPECT_EQ(s.window.IndicatorChanges()[i].indicator, c.indicators[i].indicator);
      EXPECT_EQ(s.window.IndicatorChanges()[i].mark, c.indicators[i].mark);
    }
    EXPECT_TRUE(s.window.FocusMoves().empty());
    EXPECT_EQ(s.window.Focus(), focus);
    for (Field written : s.window.TextWrites()) {
      EXPECT_FALSE(IsInput(written)) << "input rewritten: " << Printable(written);
    }
  }
}

}  // namespace
}  // namespace idcheck
