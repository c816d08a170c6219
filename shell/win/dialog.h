// A modal dialog on a resource template. The dialog procedure keeps `this` in
// the window's user data from WM_INITDIALOG on and forwards the few messages
// the program handles to virtual handlers.
#ifndef COTARSIS_SHELL_WIN_DIALOG_H
#define COTARSIS_SHELL_WIN_DIALOG_H

#include <windows.h>

namespace win {

class Dialog {
 public:
  Dialog(HINSTANCE instance, int templateId);
  virtual ~Dialog() = default;
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Runs the dialog until it ends; its end result, or -1 when it could not be created.
  INT_PTR DoModal(HWND owner);

 protected:
  HINSTANCE Instance() const { return m_hInstance; }
  HWND Handle() const { return m_hWnd; }
  HWND Item(int id) const { return GetDlgItem(m_hWnd, id); }
  void EndModal(INT_PTR result) { ::EndDialog(m_hWnd, result); }

  // Each handler returns whether it handled the message; an unhandled
  // message gets the system's default handling.
  virtual BOOL OnInitDialog() { return TRUE; }
  virtual bool OnCommand(int /*id*/, int /*code*/) { return false; }
  virtual void OnOK() { EndModal(IDOK); }
  virtual void OnCancel() { EndModal(IDCANCEL); }
  virtual bool OnPaint() { return false; }
  virtual bool OnSysCommand(UINT /*command*/, LPARAM /*param*/) { return false; }
  virtual HICON OnQueryDragIcon() { return nullptr; }

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void CentreOverOwner();

  HINSTANCE m_hInstance;
  int m_nTemplateId;
  HWND m_hWnd = nullptr;
};

}  // namespace win

#endif
