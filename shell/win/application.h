// The application object: one global instance, constructed before the
// program's entry runs, whose InitInstance is the whole life of the program.
#ifndef COTARSIS_SHELL_WIN_APPLICATION_H
#define COTARSIS_SHELL_WIN_APPLICATION_H

#include <windows.h>

#include <string>

namespace win {

class Application {
 public:
  Application();
  virtual ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Runs the program; FALSE ends it without a message loop of its own.
  virtual BOOL InitInstance() = 0;

  HINSTANCE Instance() const { return m_hInstance; }

  // Entry: hands the instance to the registered application and runs it.
  static int Run(HINSTANCE instance);

 private:
  HINSTANCE m_hInstance = nullptr;
};

// The application's display name: the executable's file name without its
// extension. It titles every message box.
std::wstring DisplayName();

// A message box owned by owner, titled with the display name; text in code page 1252.
int ShowMessage(HWND owner, const std::string& text, UINT type);

}  // namespace win

#endif
