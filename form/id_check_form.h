// The platform-free model of the main window: its fields and indicators, the
// exchange of texts with the window and the change handler of every group.
#ifndef COTARSIS_FORM_ID_CHECK_FORM_H
#define COTARSIS_FORM_ID_CHECK_FORM_H

#include <array>
#include <cstddef>
#include <string>

namespace idcheck {

// The edit boxes of the main window; the values are their control ids.
enum class FieldId : int {
  BankInput = 1000,
  BranchInput = 1001,
  AccountInput = 1003,
  SocialSecurityInput = 1004,
  NifInput = 1005,
  CifInput = 1006,
  NieInput = 1007,
  CifInfoOutput = 1008,
  IbanOutput = 1009,
  NifLetterOutput = 1010,
  NieLetterOutput = 1011,
  SocialSecurityBaseInput = 1012,
  AccountControlOutput = 1013,
  SocialSecurityControlOutput = 1014,
  BankNameOutput = 1016,
  IbanInput = 1017
};

// The verdict buttons beside the CIF, Social Security and IBAN groups.
enum class IndicatorId : int {
  CifIndicator = 1024,
  SocialSecurityIndicator = 1025,
  IbanIndicator = 1030
};

enum class Mark { ValidMark, InvalidMark };

// What the form asks of the window that shows it.
class FormWindow {
 public:
  virtual ~FormWindow() = default;
  virtual std::string GetFieldText(FieldId field) = 0;
  // The window may report the change back through IdCheckForm::OnFieldChanged
  // before this returns.
  virtual void SetFieldText(FieldId field, const std::string& text) = 0;
  virtual void SetIndicator(IndicatorId indicator, Mark mark) = 0;
  virtual void FocusField(FieldId field) = 0;
  // From now on the user cannot type or paste more than maxLength characters.
  virtual void LimitField(FieldId field, int maxLength) = 0;
  // Warns that the field holds more than maxLength characters.
  virtual void ReportTooLong(FieldId field, int maxLength) = 0;
};

inline constexpr int NO_MAXIMUM = 0;

struct FieldRow {
  FieldId field;
  int maxLength;  // NO_MAXIMUM when the field takes any length
  bool isInput;   // typed into by the user; result fields are written by the form only
};

// Every field of the form, in the order in which texts are exchanged with the window.
inline constexpr std::array<FieldRow, 16> FORM_FIELDS = {{
    {FieldId::BankInput, 4, true},
    {FieldId::AccountInput, 10, true},
    {FieldId::CifInput, 11, true},
    {FieldId::AccountControlOutput, 2, false},
    {FieldId::NieInput, 8, true},
    {FieldId::NieLetterOutput, 1, false},
    {FieldId::NifInput, 8, true},
    {FieldId::NifLetterOutput, 1, false},
    {FieldId::SocialSecurityInput, 14, true},
    {FieldId::BranchInput, 4, true},
    {FieldId::CifInfoOutput, NO_MAXIMUM, false},
    {FieldId::SocialSecurityControlOutput, NO_MAXIMUM, false},
    {FieldId::SocialSecurityBaseInput, 11, true},
    {FieldId::IbanOutput, NO_MAXIMUM, false},
    {FieldId::IbanInput, 34, true},
    {FieldId::BankNameOutput, NO_MAXIMUM, false},
}};

// The field's maximum length, NO_MAXIMUM when it has none.
int FieldMaxLength(FieldId field);

class IdCheckForm {
 public:
  explicit IdCheckForm(FormWindow& window);
  IdCheckForm(const IdCheckForm&) = delete;
  IdCheckForm& operator=(const IdCheckForm&) = delete;

  // Shows every field empty and applies the maximum lengths.
  void Start();
  // Runs the change handler of the field, unless the change comes from an exchange.
  void OnFieldChanged(FieldId field);
  // Recomputes every group from the fields' texts (the Enter key).
  void RecalculateAll();
  // Copies the window's texts into the stored texts; false when a field
  // holds more than its maximum.
  bool ReadFields();
  // Writes every stored text that differs from the window's text.
  void WriteFields();

 private:
  void OnNifChanged();
  void OnNieChanged();
  void ShowLetterOf(FieldId numberField, FieldId letterField);

  void OnBankChanged();
  void OnBranchChanged();
  void OnAccountChanged();
  void RefreshBankGroup();
  bool HasLength(FieldId field, std::size_t length);
  void OnIbanChanged();

  void OnCifChanged();

  void OnSocialSecurityChanged();
  void OnSocialSecurityBaseChanged();

  void RecalculateBankGroup();
  void RecalculateLetter(FieldId numberField, FieldId letterField);
  void RecalculateCif();
  void RecalculateSocialSecurity();
  void RecalculateSocialSecurityControl();

  std::string& Stored(FieldId field);

  FormWindow& m_window;
  std::array<std::string, FORM_FIELDS.size()> m_aStoredTexts;
  bool m_bExchanging = false;
};

}  // namespace idcheck

#endif
