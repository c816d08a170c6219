// The About box: the program's name and version, what it checks, a disclaimer
// and a button that starts an e-mail to the author.
#ifndef COTARSIS_SHELL_ABOUT_DIALOG_H
#define COTARSIS_SHELL_ABOUT_DIALOG_H

#include "shell/win/dialog.h"

class CAboutDlg : public win::Dialog {
 public:
  explicit CAboutDlg(HINSTANCE instance);

 private:
  bool OnCommand(int id, int code) override;
};

#endif
