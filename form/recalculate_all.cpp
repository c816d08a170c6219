// The Enter key: one pass over every group but the IBAN check, from the
// fields' current texts. Groups whose input is empty keep what they show.
#include "engine/account.h"
#include "engine/cif.h"
#include "engine/digits.h"
#include "engine/iban.h"
#include "engine/social_security.h"
#include "form/form_results.h"
#include "form/id_check_form.h"
#include "tables/banks.h"

namespace idcheck {

void IdCheckForm::RecalculateAll() {
  ReadFields();
  RecalculateBankGroup();
  RecalculateLetter(FieldId::NieInput, FieldId::NieLetterOutput);
  RecalculateLetter(FieldId::NifInput, FieldId::NifLetterOutput);
  RecalculateCif();
  RecalculateSocialSecurity();
  RecalculateSocialSecurityControl();
  WriteFields();
}

// Short codes are computed too; an empty one leaves the results alone.
void IdCheckForm::RecalculateBankGroup() {
  const std::string& bank = Stored(FieldId::BankInput);
  const std::string& branch = Stored(FieldId::BranchInput);
  const std::string& account = Stored(FieldId::AccountInput);
  if (bank.empty() || branch.empty() || account.empty()) return;
  Stored(FieldId::AccountControlOutput) = AccountControlDigits(bank, branch, account);
  Stored(FieldId::BankNameOutput) = BankEntityName(TextToInt(bank));
  Stored(FieldId::IbanOutput) = BuildSpanishIban(bank, branch, account);
}

void IdCheckForm::RecalculateLetter(FieldId numberField, FieldId letterField) {
  const std::string& number = Stored(numberField);
  if (!number.empty()) Stored(letterField) = LetterText(number);
}

// The entity type alone, for an invalid CIF as well; the separators stay.
void IdCheckForm::RecalculateCif() {
  const std::string& cif = Stored(FieldId::CifInput);
  if (cif.empty()) return;
  Stored(FieldId::CifInfoOutput) = CifEntityType(cif[0]);
  m_window.SetIndicator(IndicatorId::CifIndicator, MarkOf(CheckCif(cif)));
}

void IdCheckForm::RecalculateSocialSecurity() {
  const std::string& number = Stored(FieldId::SocialSecurityInput);
  if (number.empty()) return;
  m_window.SetIndicator(IndicatorId::SocialSecurityIndicator, MarkOf(CheckSocialSecurity(number)));
}

void IdCheckForm::RecalculateSocialSecurityControl() {
  const std::string& number = Stored(FieldId::SocialSecurityBaseInput);
  if (!number.empty()) Stored(FieldId::SocialSecurityControlOutput) = SocialSecurityControlDigits(number);
}

}  // namespace idcheck
