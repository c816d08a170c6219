// The main window: the validation form shown as a modal dialog. It carries
// out the form's window operations on its controls and passes every change
// and the Enter key to the form.
#ifndef COTARSIS_SHELL_MAIN_DIALOG_H
#define COTARSIS_SHELL_MAIN_DIALOG_H

#include <windows.h>

#include <string>

#include "form/id_check_form.h"
#include "shell/win/dialog.h"
#include "shell/win/owned.h"

class CIdCheckDlg : public win::Dialog, private idcheck::FormWindow {
 public:
  explicit CIdCheckDlg(HINSTANCE instance);

 private:
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code) override;
  void OnOK() override;
  bool OnPaint() override;
  bool OnSysCommand(UINT command, LPARAM param) override;
  HICON OnQueryDragIcon() override;

  // The form's window operations.
  std::string GetFieldText(idcheck::FieldId field) override;
  void SetFieldText(idcheck::FieldId field, const std::string& text) override;
  void SetIndicator(idcheck::IndicatorId indicator, idcheck::Mark mark) override;
  void FocusField(idcheck::FieldId field) override;
  void LimitField(idcheck::FieldId field, int maxLength) override;
  void ReportTooLong(idcheck::FieldId field, int maxLength) override;

  void AddAboutEntry();
  void SetButtonImage(int buttonId, HBITMAP image);
  void PaintMinimised();
  void TogglePin();
  void ShowHelp(int buttonId);
  void OpenProductPage();

  HICON m_hIcon;
  win::OwnedBitmap m_validMark;
  win::OwnedBitmap m_invalidMark;
  win::OwnedBitmap m_helpImage;
  win::OwnedBitmap m_pinOffImage;
  win::OwnedBitmap m_pinOnImage;
  win::OwnedBitmap m_exitImage;
  win::OwnedBitmap m_bannerImage;
  BOOL m_bPinned = FALSE;
  idcheck::IdCheckForm m_form;
};

#endif
