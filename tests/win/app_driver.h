// Starts the program beside the test executable and drives its main window
// from outside, the way a user's keyboard and mouse would: characters, keys,
// clicks and pastes go through the program's own message loop.
#ifndef COTARSIS_TESTS_WIN_APP_DRIVER_H
#define COTARSIS_TESTS_WIN_APP_DRIVER_H

#include <windows.h>

#include <string>
#include <vector>

namespace wintest {

// The full path of a file that lies beside the test executable.
std::wstring BesideTests(const std::wstring& name);

// A running copy of the program.
class RunningApp {
 public:
  RunningApp();  // starts the program and waits for its main window
  ~RunningApp();  // closes it, by force if it does not end
  RunningApp(const RunningApp&) = delete;
  RunningApp& operator=(const RunningApp&) = delete;

  HWND Main() const { return m_hMain; }
  HWND Control(int id) const { return GetDlgItem(m_hMain, id); }
  DWORD ProcessId() const { return m_process.dwProcessId; }

  // Waits until the program has handled everything sent or posted so far.
  void Settle() const;

  // Keyboard: one WM_CHAR per character, as typed into the control.
  void Type(int id, const std::wstring& text) const;
  void Key(HWND target, WPARAM virtualKey) const;
  void Backspace(int id) const { Type(id, L"\b"); }
  // Selects the whole text of a field and pastes text over it.
  void PasteOver(int id, const std::wstring& text) const;
  // A mouse click on a button.
  void Click(int id) const;
  void PostClick(int id) const;

  std::wstring Text(HWND window) const;
  std::wstring FieldText(int id) const { return Text(Control(id)); }
  HWND Focus() const;

  // A top-level dialog window of the program owned by the main window (a
  // message box or the About box), waiting for it up to the timeout.
  HWND WaitForOwnedWindow(DWORD timeoutMs = 10000) const;
  // The texts of a window's static children, in order.
  std::vector<std::wstring> StaticTexts(HWND window) const;

  // True when the program has ended within the timeout.
  bool WaitForExit(DWORD timeoutMs) const;

 private:
  PROCESS_INFORMATION m_process{};
  HWND m_hMain = nullptr;
};

// The main window of the process, or null.
HWND FindMainWindow(DWORD processId);

// Starts the program; the caller closes the handles. Null handles on failure.
PROCESS_INFORMATION StartProgram();

}  // namespace wintest

#endif
