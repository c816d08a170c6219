// The field table, the batch exchange with the window, the dispatch of change
// reports and the NIF and NIE groups.
#include "form/id_check_form.h"

#include "engine/nif.h"
#include "form/form_results.h"

namespace idcheck {

namespace {

std::size_t ExchangePosition(FieldId field) {
  std::size_t position = 0;
  while (position + 1 < FORM_FIELDS.size() && FORM_FIELDS[position].field != field) {
    ++position;
  }
  return position;
}

bool ExceedsMaximum(const std::string& text, int maxLength) {
  return maxLength != NO_MAXIMUM && text.size() > static_cast<std::size_t>(maxLength);
}

// Keeps the exchange flag set for its lifetime and gives back the value it had.
class ExchangeScope {
 public:
  explicit ExchangeScope(bool& flag) : m_rFlag(flag), m_bBefore(flag) { m_rFlag = true; }
  ~ExchangeScope() { m_rFlag = m_bBefore; }
  ExchangeScope(const ExchangeScope&) = delete;
  ExchangeScope& operator=(const ExchangeScope&) = delete;

 private:
  bool& m_rFlag;
  bool m_bBefore;
};

}  // namespace

int FieldMaxLength(FieldId field) {
  for (const FieldRow& row : FORM_FIELDS) {
    if (row.field == field) return row.maxLength;
  }
  return NO_MAXIMUM;
}

std::string LetterText(std::string_view number) { return std::string(1, NifLetter(number)); }

IdCheckForm::IdCheckForm(FormWindow& window) : m_window(window) {}

std::string& IdCheckForm::Stored(FieldId field) {
  return m_aStoredTexts[ExchangePosition(field)];
}

void IdCheckForm::Start() { WriteFields(); }

bool IdCheckForm::ReadFields() {
  ExchangeScope exchange(m_bExchanging);
  for (std::size_t i = 0; i < FORM_FIELDS.size(); ++i) {
    const FieldRow& row = FORM_FIELDS[i];
    m_aStoredTexts[i] = m_window.GetFieldText(row.field);
    if (ExceedsMaximum(m_aStoredTexts[i], row.maxLength)) {
      m_window.ReportTooLong(row.field, row.maxLength);
      return false;
    }
  }
  return true;
}

void IdCheckForm::WriteFields() {
  ExchangeScope exchange(m_bExchanging);
  for (std::size_t i = 0; i < FORM_FIELDS.size(); ++i) {
    const FieldRow& row = FORM_FIELDS[i];
    if (m_window.GetFieldText(row.field) != m_aStoredTexts[i]) {
      m_window.SetFieldText(row.field, m_aStoredTexts[i]);
    }
    if (row.maxLength != NO_MAXIMUM) m_window.LimitField(row.field, row.maxLength);
  }
}

void IdCheckForm::OnFieldChanged(FieldId field) {
  if (m_bExchanging) return;
  switch (field) {
    case FieldId::NifInput: OnNifChanged(); break;
    case FieldId::NieInput: OnNieChanged(); break;
    case FieldId::BankInput: OnBankChanged(); break;
    case FieldId::BranchInput: OnBranchChanged(); break;
    case FieldId::AccountInput: OnAccountChanged(); break;
    case FieldId::IbanInput: OnIbanChanged(); break;
    case FieldId::CifInput: OnCifChanged(); break;
    case FieldId::SocialSecurityInput: OnSocialSecurityChanged(); break;
    case FieldId::SocialSecurityBaseInput: OnSocialSecurityBaseChanged(); break;
    default: break;  // result fields
  }
}

void IdCheckForm::OnNifChanged() { ShowLetterOf(FieldId::NifInput, FieldId::NifLetterOutput); }

void IdCheckForm::OnNieChanged() { ShowLetterOf(FieldId::NieInput, FieldId::NieLetterOutput); }

void IdCheckForm::ShowLetterOf(FieldId numberField, FieldId letterField) {
  const std::string number = m_window.GetFieldText(numberField);
  m_window.SetFieldText(letterField, number.empty() ? std::string() : LetterText(number));
}

}  // namespace idcheck
