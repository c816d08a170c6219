#include "shell/win/application.h"

#include "shell/win/text.h"

namespace win {
namespace {

// The one application object, registered by its constructor.
Application* g_application = nullptr;

}  // namespace

Application::Application() { g_application = this; }

Application::~Application() {
  if (g_application == this) g_application = nullptr;
}

int Application::Run(HINSTANCE instance) {
  if (!g_application) return 0;
  g_application->m_hInstance = instance;
  g_application->InitInstance();
  return 0;
}

std::wstring DisplayName() {
  wchar_t path[MAX_PATH + 1] = {};
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring name(path, length);
  std::size_t slash = name.find_last_of(L"\\/");
  if (slash != std::wstring::npos) name.erase(0, slash + 1);
  std::size_t dot = name.find_last_of(L'.');
  if (dot != std::wstring::npos && dot > 0) name.erase(dot);
  return name;
}

int ShowMessage(HWND owner, const std::string& text, UINT type) {
  return MessageBoxW(owner, WidenCp1252(text).c_str(), DisplayName().c_str(), type);
}

}  // namespace win

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return win::Application::Run(instance);
}
