#include "shell/app.h"

#include "shell/main_dialog.h"
#include "shell/shell_logic.h"
#include "shell/win/owned.h"

// The one application object.
CIdCheckApp theApp;

HANDLE CreateInstanceMutex(const std::string& name) {
  HANDLE mutex = CreateMutexA(nullptr, TRUE, name.c_str());
  DWORD error = GetLastError();
  if (mutex && error == ERROR_ALREADY_EXISTS) {
    // Another copy holds it; this copy lets its handle go and ends.
    CloseHandle(mutex);
    return nullptr;
  }
  return mutex;
}

BOOL CIdCheckApp::InitInstance() {
  // Held until the program ends, so that a second copy finds it taken.
  win::OwnedHandle instanceMutex(CreateInstanceMutex(std::string(idcheck::kInstanceMutexName)));
  if (!instanceMutex) return FALSE;
  CIdCheckDlg dialog(Instance());
  dialog.DoModal(nullptr);
  return FALSE;
}
