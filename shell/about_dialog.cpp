#include "shell/about_dialog.h"

#include <shellapi.h>

#include "shell/resources/resource.h"
#include "shell/shell_logic.h"

CAboutDlg::CAboutDlg(HINSTANCE instance) : win::Dialog(instance, IDD_ABOUTBOX) {}

bool CAboutDlg::OnCommand(int id, int code) {
  if (id != IDC_AUTHOR || code != BN_CLICKED) return false;
  // A failure to start the mail program is not reported.
  ShellExecuteA(Handle(), "open", idcheck::AuthorMailLink().c_str(), nullptr, nullptr,
                SW_SHOWDEFAULT);
  return true;
}
