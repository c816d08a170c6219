// A long random session at the window: single keystrokes of every kind of
// byte, pastes (now and then of valid numbers), deletions, clicks and the
// Enter key. After every step the results on screen must agree with what the
// inputs on screen hold, as far as the form promises it.
#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine/account.h"
#include "engine/cif.h"
#include "engine/digits.h"
#include "engine/iban.h"
#include "engine/nif.h"
#include "engine/social_security.h"
#include "form/id_check_form.h"
#include "tables/banks.h"
#include "tables/places.h"
#include "tests/fake_form_window.h"

namespace idcheck {
namespace {

using Field = FieldId;

constexpr std::uint32_t SEED = 0x5eed2024u;
constexpr int STEPS = 1000000;

// The longest text the IBAN field can come to hold: 34 characters in groups of four.
constexpr std::size_t LONGEST_GROUPED_IBAN = 42;

constexpr Field INPUTS[] = {Field::BankInput,      Field::BranchInput,
                            Field::AccountInput,   Field::SocialSecurityInput,
                            Field::NifInput,       Field::CifInput,
                            Field::NieInput,       Field::SocialSecurityBaseInput,
                            Field::IbanInput};

const char* const SAMPLES[] = {
    "ES91 2100 0418 4502 0005 1332", "ES9121000418450200051332",
    "FR9830741852963074185296307418", "FR66307418529630741852963074185296",
    "0000000054",  "B28123453",     "B-2812345.3",     "N0112345D",
    "A65123457",   "281234567840",  "28-12345678-40",  "28123456742",
    "2812345678",  "2100",          "0418",            "0200051332",
    "12345678",    "1.234.567",     "-1",              "12,34"};

std::string MarkName(Mark mark) { return mark == Mark::ValidMark ? "valid" : "invalid"; }

Mark MarkOf(int verdict) { return verdict == 1 ? Mark::ValidMark : Mark::InvalidMark; }

// Letters and digits in blocks of four joined by full stops.
bool IsGroupedByFour(const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool stop = i % 5 == 4;
    const bool fits = stop ? text[i] == '.' : ALNUM_CHARS.find(text[i]) != std::string_view::npos;
    if (!fits) return false;
  }
  return text.empty() || text.back() != '.';
}

std::string CifPlace(const std::string& cif) {
  if (cif[0] == 'N' || cif[0] == 'n') return CountryZoneText(cif.substr(1, 3));
  return ProvinceName(cif.substr(1, 2));
}

// What the bank-data results show.
struct BankResults {
  std::string control, name, iban;
  bool operator==(const BankResults& o) const {
    return control == o.control && name == o.name && iban == o.iban;
  }
};

class SoakSession {
 public:
  explicit SoakSession(std::uint32_t seed) : m_rng(seed), m_form(m_window) {
    m_window.Connect(m_form);
    m_form.Start();
  }

  // One user action; returns a description of the first promise broken, or "".
  std::string Step() {
    m_window.ForgetCalls();
    RememberChangeCounts();
    m_action = Act();
    return Violation();
  }

  const std::string& LastAction() const { return m_action; }

 private:
  enum class CifInfoFrom { Nothing, Change, Enter };

  std::size_t Below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(m_rng); }
  bool Chance(int percent) { return static_cast<int>(Below(100)) < percent; }

  char RandomChar() {
    static const std::string kDigits = "0123456789", kSeparators = "-/_,. ",
                             kLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const std::size_t kind = Below(10);
    if (kind < 5) return kDigits[Below(kDigits.size())];
    if (kind < 7) return kLetters[Below(kLetters.size())];
    if (kind < 8) return kSeparators[Below(kSeparators.size())];
    return static_cast<char>(1 + Below(255));  // any byte but NUL
  }

  std::string RandomText(std::size_t maxLength) {
    std::string text(Below(maxLength + 1), ' ');
    for (char& c : text) c = RandomChar();
    return text;
  }

  // A valid number: the engine itself tells which control characters fit.
  std::string ValidIban() {
    std::string body;
    for (std::size_t n = 6 + Below(25); n > 0; --n) body += static_cast<char>('0' + Below(10));
    for (int check = 0; check < 100; ++check) {
      const std::string iban = "ES" + PadLeftZeros(IntToText(check), 2) + body;
      if (CheckIban(iban) == 1) return iban;
    }
    return body;
  }

  std::string ValidCif() {
    static const std::string kFirst = "ABCDEFGHJNPQRSUVWnq", kControls = "0123456789ABCDEFGHIJ";
    std::string cif(1, kFirst[Below(kFirst.size())]);
    for (int i = 0; i < 7; ++i) cif += static_cast<char>('0' + Below(10));
    for (char control : kControls) {
      if (CheckCif(cif + control) == 1) return cif + control;
    }
    return cif;
  }

  std::string ValidSocialSecurity() {
    std::string base;
    for (std::size_t n = 9 + Below(2); n > 0; --n) base += static_cast<char>('0' + Below(10));
    return base + SocialSecurityControlDigits(base);
  }

  std::string PasteText() {
    const std::size_t kind = Below(20);
    std::string text;
    if (kind < 2) {
      text = ValidIban();
    } else if (kind < 4) {
      text = ValidCif();
    } else if (kind < 5) {
      text = ValidSocialSecurity();
    } else if (kind < 9) {
      text = SAMPLES[Below(std::size(SAMPLES))];
    } else {
      return RandomText(16);
    }
    if (Chance(15)) text[Below(text.size())] = RandomChar();
    return text;
  }

  Field AnyField() { return FORM_FIELDS[Below(FORM_FIELDS.size())].field; }
  Field AnyInput() { return INPUTS[Below(std::size(INPUTS))]; }

  std::string Act() {
    const std::size_t roll = Below(100);
    if (roll < 6) {
      const Field field = AnyField();
      m_window.ClickAt(field, Below(m_window.Text(field).size() + 2));
      return "click " + std::to_string(static_cast<int>(field));
    }
    if (roll < 14) {
      const Field field = AnyInput();
      m_window.Click(field);
      return "click end of " + std::to_string(static_cast<int>(field));
    }
    if (roll < 55) {
      const std::string key(1, RandomChar());
      m_window.Type(key);
      return "key " + std::to_string(static_cast<unsigned char>(key[0]));
    }
    if (roll < 68) {
      const std::string text = PasteText();
      m_window.Paste(text);
      return "paste \"" + text + "\"";
    }
    if (roll < 82) {
      m_window.Backspace();
      return "backspace";
    }
    if (roll < 85) {
      m_window.SelectAll();
      return "select all";
    }
    if (roll < 90) {
      const Field field = AnyInput();
      m_window.Clear(field);
      return "clear " + std::to_string(static_cast<int>(field));
    }
    m_window.PressEnter();
    m_enterPressed = true;
    return "enter";
  }

  void RememberChangeCounts() {
    m_enterPressed = false;
    m_ibanLengthBefore = m_window.Text(Field::IbanInput).size();
    for (Field field : INPUTS) m_changesBefore[Index(field)] = m_window.UserChanges(field);
  }

  static std::size_t Index(Field field) {
    for (std::size_t i = 0; i < std::size(INPUTS); ++i) {
      if (INPUTS[i] == field) return i;
    }
    return 0;
  }

  bool Changed(Field field) const {
    return m_window.UserChanges(field) != m_changesBefore[Index(field)];
  }

  std::string Text(Field field) const { return m_window.Text(field); }

  // ---- what must hold after the step

  std::string Violation() {
    std::ostringstream out;
    CheckLetters(out);
    CheckSocialSecurityGroup(out);
    CheckIbanGroup(out);
    CheckCifGroup(out);
    CheckBankGroup(out);
    CheckWarnings(out);
    CheckLengths(out);
    return out.str();
  }

  void Expect(std::ostringstream& out, const std::string& what, const std::string& shown,
              const std::string& expected) {
    if (shown != expected) out << what << ": shows \"" << shown << "\", expected \"" << expected << "\"; ";
  }

  void CheckLetters(std::ostringstream& out) {
    const std::string nif = Text(Field::NifInput), nie = Text(Field::NieInput);
    Expect(out, "NIF letter", Text(Field::NifLetterOutput),
           nif.empty() ? "" : std::string(1, NifLetter(nif)));
    Expect(out, "NIE letter", Text(Field::NieLetterOutput),
           nie.empty() ? "" : std::string(1, NifLetter(nie)));
  }

  // The control digits are those of the base's text once the base has been
  // touched; Enter with an empty base keeps the "**" of its last change.
  void CheckSocialSecurityGroup(std::ostringstream& out) {
    const std::string base = Text(Field::SocialSecurityBaseInput);
    const bool touched = m_window.UserChanges(Field::SocialSecurityBaseInput) > 0;
    Expect(out, "SS control", Text(Field::SocialSecurityControlOutput),
           touched ? SocialSecurityControlDigits(base) : "");
    Expect(out, "SS indicator", MarkName(m_window.Indicator(IndicatorId::SocialSecurityIndicator)),
           MarkName(MarkOf(CheckSocialSecurity(Text(Field::SocialSecurityInput)))));
  }

  void CheckIbanGroup(std::ostringstream& out) {
    const std::string iban = Text(Field::IbanInput);
    const Mark mark = m_window.Indicator(IndicatorId::IbanIndicator);
    Expect(out, "IBAN indicator", MarkName(mark),
           MarkName(MarkOf(CheckIban(KeepChars(ALNUM_CHARS, iban)))));
    if (mark == Mark::ValidMark && !IsGroupedByFour(iban)) out << "valid IBAN not grouped; ";
  }

  void CheckCifGroup(std::ostringstream& out) {
    const std::string cif = Text(Field::CifInput);
    const int verdict = CheckCif(cif);
    if (Changed(Field::CifInput)) m_cifInfoFrom = CifInfoFrom::Change;
    if (m_enterPressed && !cif.empty()) m_cifInfoFrom = CifInfoFrom::Enter;
    std::string info;
    if (m_cifInfoFrom == CifInfoFrom::Enter) info = CifEntityType(cif[0]);
    if (m_cifInfoFrom == CifInfoFrom::Change && verdict == 1) {
      info = CifEntityType(cif[0]) + " " + CifPlace(cif);
    }
    Expect(out, "CIF info", Text(Field::CifInfoOutput), info);
    Expect(out, "CIF indicator", MarkName(m_window.Indicator(IndicatorId::CifIndicator)),
           MarkName(MarkOf(verdict)));
    if (verdict == 1 && StripChars(SEPARATOR_CHARS, cif) != cif) out << "valid CIF not stripped; ";
  }

  // The results change only when an edited field reaches its full length, or
  // on Enter with all three fields filled.
  void CheckBankGroup(std::ostringstream& out) {
    const std::string bank = Text(Field::BankInput), branch = Text(Field::BranchInput),
                      account = Text(Field::AccountInput);
    const bool filled = !bank.empty() && !branch.empty() && !account.empty();
    const bool completed = (Changed(Field::BankInput) && bank.size() == 4) ||
                           (Changed(Field::BranchInput) && branch.size() == 4) ||
                           (Changed(Field::AccountInput) && account.size() == 10);
    if (completed || (m_enterPressed && filled)) {
      m_bank = {filled ? AccountControlDigits(bank, branch, account) : "",
                BankEntityName(TextToInt(bank)), BuildSpanishIban(bank, branch, account)};
    }
    const BankResults shown{Text(Field::AccountControlOutput), Text(Field::BankNameOutput),
                            Text(Field::IbanOutput)};
    Expect(out, "account control", shown.control, m_bank.control);
    Expect(out, "bank name", shown.name, m_bank.name);
    Expect(out, "account IBAN", shown.iban, m_bank.iban);

    const bool warned = !m_window.Warnings().empty();
    if (Changed(Field::BankInput) && bank.size() == 4) {
      ExpectFocus(out, warned ? Field::IbanInput : Field::BranchInput);
    }
    if (Changed(Field::BranchInput) && branch.size() == 4) {
      ExpectFocus(out, warned ? Field::IbanInput : Field::AccountInput);
    }
  }

  void ExpectFocus(std::ostringstream& out, Field expected) {
    if (m_window.Focus() != expected) {
      out << "focus in " << static_cast<int>(m_window.Focus()) << ", expected "
          << static_cast<int>(expected) << "; ";
    }
  }

  // A warning only for a field that really holds too much, and one whenever an
  // exchange meets the IBAN field too long.
  void CheckWarnings(std::ostringstream& out) {
    const auto& warnings = m_window.Warnings();
    for (const auto& warning : warnings) {
      if (warning.field != Field::IbanInput || warning.maxLength != 34 ||
          warning.textLength <= 34) {
        out << "unfounded warning for " << static_cast<int>(warning.field) << " with "
            << warning.textLength << " characters; ";
      }
    }
    if (warnings.size() > 1) out << warnings.size() << " warnings in one step; ";
    const std::size_t expected = Changed(Field::IbanInput) ? WarningsOfIbanChange() : WarningsOfOtherStep();
    if (warnings.size() != expected) out << "expected " << expected << " warnings; ";
  }

  // A valid IBAN is read before it is grouped: the read finds the text as the user left it.
  std::size_t WarningsOfIbanChange() const {
    const std::string& typed = m_window.TextAfterUserChange(Field::IbanInput);
    return typed.size() > 34 && CheckIban(KeepChars(ALNUM_CHARS, typed)) == 1 ? 1 : 0;
  }

  std::size_t WarningsOfOtherStep() const {
    const bool exchanged =
        m_enterPressed || (Changed(Field::BankInput) && Text(Field::BankInput).size() == 4) ||
        (Changed(Field::BranchInput) && Text(Field::BranchInput).size() == 4) ||
        (Changed(Field::AccountInput) && Text(Field::AccountInput).size() == 10) ||
        (Changed(Field::CifInput) && CheckCif(Text(Field::CifInput)) == 1);
    return exchanged && m_ibanLengthBefore > 34 ? 1 : 0;
  }

  void CheckLengths(std::ostringstream& out) {
    for (Field field : INPUTS) {
      const std::size_t length = Text(field).size();
      const std::size_t limit =
          field == Field::IbanInput ? LONGEST_GROUPED_IBAN : static_cast<std::size_t>(FieldMaxLength(field));
      if (length > limit) out << "field " << static_cast<int>(field) << " holds " << length << "; ";
    }
  }

  std::mt19937 m_rng;
  FakeFormWindow m_window;
  IdCheckForm m_form;
  std::string m_action;
  bool m_enterPressed = false;
  std::size_t m_ibanLengthBefore = 0;
  int m_changesBefore[std::size(INPUTS)] = {};
  CifInfoFrom m_cifInfoFrom = CifInfoFrom::Nothing;
  BankResults m_bank;
};

TEST(FormSoakTest, MillionRandomStepsKeepResultsInStepWithInputs) {
  SoakSession session(SEED);
  for (int step = 0; step < STEPS; ++step) {
    const std::string violation = session.Step();
    ASSERT_TRUE(violation.empty()) << "seed " << SEED << ", step " << step << " ("
                                   << session.LastAction() << "): " << violation;
  }
}

}  // namespace
}  // namespace idcheck
