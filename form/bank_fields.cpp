// The bank-data group (bank, branch and account) and the IBAN check.
#include "engine/account.h"
#include "engine/digits.h"
#include "engine/iban.h"
#include "form/id_check_form.h"
#include "tables/banks.h"

namespace idcheck {

namespace {

constexpr std::size_t BANK_LENGTH = 4;
constexpr std::size_t BRANCH_LENGTH = 4;
constexpr std::size_t ACCOUNT_LENGTH = 10;
constexpr std::size_t IBAN_GROUP_LENGTH = 4;

// The text in blocks of four characters joined by full stops.
std::string GroupedByFour(std::string_view text) {
  std::string grouped;
  for (std::size_t start = 0; start < text.size(); start += IBAN_GROUP_LENGTH) {
    if (start > 0) grouped += '.';
    grouped += text.substr(start, IBAN_GROUP_LENGTH);
  }
  return grouped;
}

}  // namespace

bool IdCheckForm::HasLength(FieldId field, std::size_t length) {
  return m_window.GetFieldText(field).size() == length;
}

void IdCheckForm::OnBankChanged() {
  if (!HasLength(FieldId::BankInput, BANK_LENGTH)) return;
  m_window.FocusField(FieldId::BranchInput);
  RefreshBankGroup();
}

void IdCheckForm::OnBranchChanged() {
  if (!HasLength(FieldId::BranchInput, BRANCH_LENGTH)) return;
  m_window.FocusField(FieldId::AccountInput);
  RefreshBankGroup();
}

void IdCheckForm::OnAccountChanged() {
  if (!HasLength(FieldId::AccountInput, ACCOUNT_LENGTH)) return;
  RefreshBankGroup();
}

void IdCheckForm::RefreshBankGroup() {
  ReadFields();
  const std::string& bank = Stored(FieldId::BankInput);
  const std::string& branch = Stored(FieldId::BranchInput);
  const std::string& account = Stored(FieldId::AccountInput);
  const bool complete = !bank.empty() && !branch.empty() && !account.empty();
  Stored(FieldId::AccountControlOutput) =
      complete ? AccountControlDigits(bank, branch, account) : std::string();
  Stored(FieldId::BankNameOutput) = BankEntityName(TextToInt(bank));
  Stored(FieldId::IbanOutput) = BuildSpanishIban(bank, branch, account);
  WriteFields();
}

void IdCheckForm::OnIbanChanged() {
  const std::string clean = KeepChars(ALNUM_CHARS, m_window.GetFieldText(FieldId::IbanInput));
  if (CheckIban(clean) != 1) {
    m_window.SetIndicator(IndicatorId::IbanIndicator, Mark::InvalidMark);
    return;
  }
  ReadFields();
  m_window.SetIndicator(IndicatorId::IbanIndicator, Mark::ValidMark);
  Stored(FieldId::IbanInput) = GroupedByFour(clean);
  WriteFields();
}

}  // namespace idcheck
