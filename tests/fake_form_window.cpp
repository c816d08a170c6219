#include "tests/fake_form_window.h"

#include <algorithm>

namespace idcheck {

namespace {

constexpr FieldId DIGIT_FIELDS[] = {
    FieldId::BankInput,           FieldId::BranchInput, FieldId::AccountInput,
    FieldId::SocialSecurityInput, FieldId::NifInput,    FieldId::NieInput,
    FieldId::SocialSecurityBaseInput};

constexpr FieldId CAPITAL_FIELDS[] = {FieldId::CifInput, FieldId::IbanInput,
                                      FieldId::SocialSecurityInput,
                                      FieldId::SocialSecurityBaseInput};

constexpr IndicatorId INDICATORS[] = {IndicatorId::CifIndicator,
                                      IndicatorId::SocialSecurityIndicator,
                                      IndicatorId::IbanIndicator};

template <std::size_t N>
bool Contains(const FieldId (&fields)[N], FieldId field) {
  return std::find(std::begin(fields), std::end(fields), field) != std::end(fields);
}

char Capital(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// A one-line edit control pastes the clipboard text up to its first line break.
std::string_view FirstLine(std::string_view text) {
  return text.substr(0, text.find_first_of(std::string_view("\r\n\0", 3)));
}

}  // namespace

FakeFormWindow::FakeFormWindow() {
  for (const FieldRow& row : FORM_FIELDS) {
    Edit& edit = m_edits[row.field];
    edit.readOnly = !row.isInput;
    edit.digitsOnly = Contains(DIGIT_FIELDS, row.field);
    edit.capitals = Contains(CAPITAL_FIELDS, row.field);
  }
  for (IndicatorId indicator : INDICATORS) m_marks[indicator] = Mark::InvalidMark;
}

FakeFormWindow::Edit& FakeFormWindow::EditOf(FieldId field) { return m_edits.at(field); }

const FakeFormWindow::Edit& FakeFormWindow::EditOf(FieldId field) const {
  return m_edits.at(field);
}

std::string FakeFormWindow::GetFieldText(FieldId field) {
  if (beforeRead) beforeRead(field);
  return EditOf(field).text;
}

// Like SetWindowText: no limit applies, the caret goes to the start, and the
// control reports the change even when the text stays the same.
void FakeFormWindow::SetFieldText(FieldId field, const std::string& text) {
  Edit& edit = EditOf(field);
  edit.text = text;
  edit.selStart = edit.selEnd = 0;
  m_textWrites.push_back(field);
  Report(field);
}

void FakeFormWindow::SetIndicator(IndicatorId indicator, Mark mark) {
  m_marks.at(indicator) = mark;
  m_indicatorChanges.push_back({indicator, mark});
}

void FakeFormWindow::FocusField(FieldId field) {
  m_focus = field;
  m_focusMoves.push_back(field);
}

void FakeFormWindow::LimitField(FieldId field, int maxLength) {
  EditOf(field).limit = maxLength;
  m_limits.push_back({field, maxLength});
}

// The warning box has been closed: the field has the focus and all its text selected.
void FakeFormWindow::ReportTooLong(FieldId field, int maxLength) {
  Edit& edit = EditOf(field);
  m_warnings.push_back({field, maxLength, edit.text.size()});
  m_focus = field;
  edit.selStart = 0;
  edit.selEnd = edit.text.size();
}

void FakeFormWindow::Click(FieldId field) { ClickAt(field, EditOf(field).text.size()); }

void FakeFormWindow::ClickAt(FieldId field, std::size_t position) {
  Edit& edit = EditOf(field);
  m_focus = field;
  edit.selStart = edit.selEnd = std::min(position, edit.text.size());
}

void FakeFormWindow::SelectAll() {
  Edit& edit = EditOf(m_focus);
  edit.selStart = 0;
  edit.selEnd = edit.text.size();
}

void FakeFormWindow::Type(std::string_view keys) {
  for (char key : keys) {
    const Edit& edit = EditOf(m_focus);
    if (edit.readOnly) continue;
    if (edit.digitsOnly && !(key >= '0' && key <= '9')) continue;
    ReplaceSelection(std::string(1, edit.capitals ? Capital(key) : key));
  }
}

void FakeFormWindow::Paste(std::string_view clipboard) {
  const Edit& edit = EditOf(m_focus);
  if (edit.readOnly) return;
  std::string insert(FirstLine(clipboard));
  if (edit.capitals) std::transform(insert.begin(), insert.end(), insert.begin(), Capital);
  ReplaceSelection(insert);
}

void FakeFormWindow::Backspace() {
  Edit& edit = EditOf(m_focus);
  if (edit.readOnly) return;
  if (edit.selStart == edit.selEnd && edit.selStart > 0) --edit.selStart;
  ReplaceSelection(std::string());
}

void FakeFormWindow::PressEnter() {
  if (m_pForm) m_pForm->RecalculateAll();
}

void FakeFormWindow::TypeInto(FieldId field, std::string_view keys) {
  Click(field);
  Type(keys);
}

void FakeFormWindow::PasteInto(FieldId field, std::string_view clipboard) {
  Click(field);
  Paste(clipboard);
}

void FakeFormWindow::Clear(FieldId field) {
  Click(field);
  SelectAll();
  Backspace();
}

void FakeFormWindow::ForgetCalls() {
  m_textWrites.clear();
  m_indicatorChanges.clear();
  m_focusMoves.clear();
  m_limits.clear();
  m_warnings.clear();
}

// The selection gives way to as much of the insert as the limit leaves room
// for; nothing changes, and nothing is reported, when there is nothing to
// delete and no room.
void FakeFormWindow::ReplaceSelection(std::string insert) {
  const FieldId field = m_focus;
  Edit& edit = EditOf(field);
  const std::size_t kept = edit.text.size() - (edit.selEnd - edit.selStart);
  if (edit.limit >= 0) {
    const std::size_t room = kept < static_cast<std::size_t>(edit.limit)
                                 ? static_cast<std::size_t>(edit.limit) - kept
                                 : 0;
    if (insert.size() > room) insert.resize(room);
  }
  if (insert.empty() && edit.selStart == edit.selEnd) return;
  edit.text.replace(edit.selStart, edit.selEnd - edit.selStart, insert);
  edit.selStart = edit.selEnd = edit.selStart + insert.size();
  ++edit.userChanges;
  edit.userText = edit.text;
  Report(field);
}

void FakeFormWindow::Report(FieldId field) {
  if (m_pForm) m_pForm->OnFieldChanged(field);
}

}  // namespace idcheck
