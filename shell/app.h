// The program's entry: one copy at a time, the main window run modally.
#ifndef COTARSIS_SHELL_APP_H
#define COTARSIS_SHELL_APP_H

#include <windows.h>

#include <string>

#include "shell/win/application.h"

// The handle of a new named mutex owned by this thread, or null when one of
// that name already exists or it cannot be created.
HANDLE CreateInstanceMutex(const std::string& name);

class CIdCheckApp : public win::Application {
 public:
  BOOL InitInstance() override;
};

#endif
