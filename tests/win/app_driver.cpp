#include "tests/win/app_driver.h"

#include <functional>

namespace wintest {
namespace {

constexpr DWORD kPollMs = 20;
constexpr UINT kSendTimeoutMs = 5000;

std::wstring ClassName(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

DWORD OwningProcess(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

struct Search {
  const std::function<bool(HWND)>* test;
  HWND found;
};

BOOL CALLBACK StopAtMatch(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  if (!(*search->test)(window)) return TRUE;
  search->found = window;
  return FALSE;
}

// The first top-level window that satisfies the test, or null.
HWND FindTopLevel(const std::function<bool(HWND)>& test) {
  Search search{&test, nullptr};
  EnumWindows(StopAtMatch, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

struct Collect {
  const RunningApp* app;
  std::vector<std::wstring> texts;
};

BOOL CALLBACK CollectStaticText(HWND child, LPARAM data) {
  auto* collect = reinterpret_cast<Collect*>(data);
  if (_wcsicmp(ClassName(child).c_str(), L"Static") == 0) {
    collect->texts.push_back(collect->app->Text(child));
  }
  return TRUE;
}

HWND WaitFor(const std::function<HWND()>& find, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    if (HWND window = find()) return window;
    if (GetTickCount() - start > timeoutMs) return nullptr;
    Sleep(kPollMs);
  }
}

void PutOnClipboard(const std::wstring& text) {
  for (int attempt = 0; attempt < 50 && !OpenClipboard(nullptr); ++attempt) Sleep(kPollMs);
  EmptyClipboard();
  std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  void* target = GlobalLock(memory);
  memcpy(target, text.c_str(), bytes);
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
}

}  // namespace

std::wstring BesideTests(const std::wstring& name) {
  wchar_t path[MAX_PATH + 1] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  folder.erase(folder.find_last_of(L"\\/") + 1);
  return folder + name;
}

PROCESS_INFORMATION StartProgram() {
  std::wstring exe = BesideTests(L"Cotarsis.exe");
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return PROCESS_INFORMATION{};
  }
  return process;
}

HWND FindMainWindow(DWORD processId) {
  return FindTopLevel([processId](HWND window) {
    return OwningProcess(window) == processId && IsWindowVisible(window) &&
           ClassName(window) == L"#32770" && GetWindow(window, GW_OWNER) == nullptr;
  });
}

RunningApp::RunningApp() : m_process(StartProgram()) {
  if (!m_process.hProcess) return;
  DWORD id = m_process.dwProcessId;
  m_hMain = WaitFor([id] { return FindMainWindow(id); }, 30000);
  Settle();
}

RunningApp::~RunningApp() {
  if (!m_process.hProcess) return;
  if (m_hMain && IsWindow(m_hMain)) {
    // Close any box first, then the window itself.
    for (int round = 0; round < 5; ++round) {
      HWND box = FindTopLevel([this](HWND w) {
        return OwningProcess(w) == m_process.dwProcessId && w != m_hMain && IsWindowVisible(w);
      });
      if (!box) break;
      PostMessageW(box, WM_CLOSE, 0, 0);
      Sleep(100);
    }
    PostMessageW(m_hMain, WM_CLOSE, 0, 0);
  }
  if (WaitForSingleObject(m_process.hProcess, 10000) != WAIT_OBJECT_0) {
    TerminateProcess(m_process.hProcess, 1);
    WaitForSingleObject(m_process.hProcess, 10000);
  }
  CloseHandle(m_process.hThread);
  CloseHandle(m_process.hProcess);
}

// A sent message is handled before the posted ones still queued, so one
// round trip may come back early; the following rounds come back only after
// the queue has been worked through.
void RunningApp::Settle() const {
  for (int round = 0; round < 3; ++round) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(m_hMain, WM_NULL, 0, 0, SMTO_NORMAL, kSendTimeoutMs, &result);
  }
}

void RunningApp::Type(int id, const std::wstring& text) const {
  for (wchar_t c : text) {
    PostMessageW(Control(id), WM_CHAR, c, 1);
    Settle();
  }
}

void RunningApp::Key(HWND target, WPARAM virtualKey) const {
  UINT scan = MapVirtualKeyW(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC);
  PostMessageW(target, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
  PostMessageW(target, WM_KEYUP, virtualKey, 1 | (scan << 16) | (3u << 30));
  Settle();
}

void RunningApp::PasteOver(int id, const std::wstring& text) const {
  PutOnClipboard(text);
  PostMessageW(Control(id), EM_SETSEL, 0, -1);
  PostMessageW(Control(id), WM_PASTE, 0, 0);
  Settle();
}

void RunningApp::Click(int id) const {
  PostClick(id);
  Settle();
}

void RunningApp::PostClick(int id) const { PostMessageW(Control(id), BM_CLICK, 0, 0); }

std::wstring RunningApp::Text(HWND window) const {
  wchar_t buffer[1024] = {};
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_NORMAL,
                      kSendTimeoutMs, &copied);
  return std::wstring(buffer, copied);
}

HWND RunningApp::Focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(m_process.dwThreadId, &info);
  return info.hwndFocus;
}

HWND RunningApp::WaitForOwnedWindow(DWORD timeoutMs) const {
  return WaitFor(
      [this] {
        return FindTopLevel([this](HWND w) {
          return OwningProcess(w) == m_process.dwProcessId && IsWindowVisible(w) &&
                 GetWindow(w, GW_OWNER) == m_hMain;
        });
      },
      timeoutMs);
}

std::vector<std::wstring> RunningApp::StaticTexts(HWND window) const {
  Collect collect{this, {}};
  EnumChildWindows(window, CollectStaticText, reinterpret_cast<LPARAM>(&collect));
  return collect.texts;
}

bool RunningApp::WaitForExit(DWORD timeoutMs) const {
  return WaitForSingleObject(m_process.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

}  // namespace wintest
