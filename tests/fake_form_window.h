// A stand-in for the main window that behaves like its Win32 edit controls:
// each field keeps its text and selection, a one-line edit control reports
// every change at once (also the form's own writes, re-entering the form),
// the keyboard filters of the template apply to typing, and the maximum
// length set by the form applies to typing and pasting but not to writes.
#ifndef COTARSIS_TESTS_FAKE_FORM_WINDOW_H
#define COTARSIS_TESTS_FAKE_FORM_WINDOW_H

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "form/id_check_form.h"

namespace idcheck {

class FakeFormWindow : public FormWindow {
 public:
  struct Warning {
    FieldId field;
    int maxLength;
    std::size_t textLength;  // what the field held when the warning was shown
  };
  struct Limit {
    FieldId field;
    int maxLength;
  };
  struct IndicatorChange {
    IndicatorId indicator;
    Mark mark;
  };

  FakeFormWindow();

  // Change reports go to this form from now on.
  void Connect(IdCheckForm& form) { m_pForm = &form; }

  std::string GetFieldText(FieldId field) override;
  void SetFieldText(FieldId field, const std::string& text) override;
  void SetIndicator(IndicatorId indicator, Mark mark) override;
  void FocusField(FieldId field) override;
  void LimitField(FieldId field, int maxLength) override;
  void ReportTooLong(FieldId field, int maxLength) override;

  // What the user does. Keys, pastes and deletions go to the focused field.
  void Click(FieldId field);  // focus, caret after the last character
  void ClickAt(FieldId field, std::size_t position);
  void SelectAll();
  void Type(std::string_view keys);  // one keystroke per character
  void Paste(std::string_view clipboard);
  void Backspace();
  void PressEnter();
  void TypeInto(FieldId field, std::string_view keys);
  void PasteInto(FieldId field, std::string_view clipboard);
  void Clear(FieldId field);

  // What the user sees.
  const std::string& Text(FieldId field) const { return EditOf(field).text; }
  Mark Indicator(IndicatorId indicator) const { return m_marks.at(indicator); }
  FieldId Focus() const { return m_focus; }
  std::size_t SelectionStart(FieldId field) const { return EditOf(field).selStart; }
  std::size_t SelectionEnd(FieldId field) const { return EditOf(field).selEnd; }
  // The limit of LimitField, or -1 while none was set.
  int LimitOf(FieldId field) const { return EditOf(field).limit; }
  // How many changes the user made to the field (each reported to the form).
  int UserChanges(FieldId field) const { return EditOf(field).userChanges; }
  // The text as the user's last change left it, before the form saw it.
  const std::string& TextAfterUserChange(FieldId field) const { return EditOf(field).userText; }

  // The calls the form made since the last ForgetCalls.
  const std::vector<FieldId>& TextWrites() const { return m_textWrites; }
  const std::vector<IndicatorChange>& IndicatorChanges() const { return m_indicatorChanges; }
  const std::vector<FieldId>& FocusMoves() const { return m_focusMoves; }
  const std::vector<Limit>& Limits() const { return m_limits; }
  const std::vector<Warning>& Warnings() const { return m_warnings; }
  void ForgetCalls();

  // Runs before GetFieldText answers, for tests that report a change meanwhile.
  std::function<void(FieldId)> beforeRead;

 private:
  struct Edit {
    std::string text;
    std::size_t selStart = 0;
    std::size_t selEnd = 0;
    int limit = -1;
    bool readOnly = false;
    bool digitsOnly = false;  // ES_NUMBER: typed keys other than digits are refused
    bool capitals = false;    // ES_UPPERCASE: typed and pasted a-z become A-Z
    int userChanges = 0;
    std::string userText;
  };

  Edit& EditOf(FieldId field);
  const Edit& EditOf(FieldId field) const;
  void ReplaceSelection(std::string insert);  // in the focused field, by the user
  void Report(FieldId field);

  std::map<FieldId, Edit> m_edits;
  std::map<IndicatorId, Mark> m_marks;
  FieldId m_focus = FieldId::NifInput;
  IdCheckForm* m_pForm = nullptr;
  std::vector<FieldId> m_textWrites;
  std::vector<IndicatorChange> m_indicatorChanges;
  std::vector<FieldId> m_focusMoves;
  std::vector<Limit> m_limits;
  std::vector<Warning> m_warnings;
};

}  // namespace idcheck

#endif
