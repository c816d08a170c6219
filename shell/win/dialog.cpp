#include "shell/win/dialog.h"

namespace win {
namespace {

RECT WorkAreaOf(HWND window) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
  return info.rcWork;
}

// Moves a span of the given length, centred on [low, high), as far as needed
// to lie within [areaLow, areaHigh).
LONG CentredStart(LONG low, LONG high, LONG length, LONG areaLow, LONG areaHigh) {
  LONG start = low + (high - low - length) / 2;
  if (start + length > areaHigh) start = areaHigh - length;
  if (start < areaLow) start = areaLow;
  return start;
}

}  // namespace

Dialog::Dialog(HINSTANCE instance, int templateId)
    : m_hInstance(instance), m_nTemplateId(templateId) {}

INT_PTR Dialog::DoModal(HWND owner) {
  return DialogBoxParamW(m_hInstance, MAKEINTRESOURCEW(m_nTemplateId), owner, DialogProc,
                         reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK Dialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* dialog = reinterpret_cast<Dialog*>(lParam);
    dialog->m_hWnd = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, lParam);
  }
  auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!dialog) return FALSE;
  // No exception may cross into the system's code.
  try {
    return dialog->HandleMessage(message, wParam, lParam);
  } catch (...) {
    return FALSE;
  }
}

INT_PTR Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      CentreOverOwner();
      return OnInitDialog();
    case WM_COMMAND: {
      int id = LOWORD(wParam);
      int code = HIWORD(wParam);
      if (id == IDOK && code == BN_CLICKED) {
        OnOK();
        return TRUE;
      }
      if (id == IDCANCEL && code == BN_CLICKED) {
        OnCancel();
        return TRUE;
      }
      return OnCommand(id, code) ? TRUE : FALSE;
    }
    case WM_PAINT:
      return OnPaint() ? TRUE : FALSE;
    case WM_SYSCOMMAND:
      return OnSysCommand(static_cast<UINT>(wParam), lParam) ? TRUE : FALSE;
    case WM_QUERYDRAGICON:
      return reinterpret_cast<INT_PTR>(OnQueryDragIcon());
    default:
      return FALSE;
  }
}

// A dialog opens centred over its owner, or on the work area when it has
// none, and always within the work area.
void Dialog::CentreOverOwner() {
  RECT area = WorkAreaOf(m_hWnd);
  RECT frame{};
  GetWindowRect(m_hWnd, &frame);
  RECT around = area;
  if (HWND owner = GetWindow(m_hWnd, GW_OWNER)) GetWindowRect(owner, &around);
  LONG width = frame.right - frame.left;
  LONG height = frame.bottom - frame.top;
  LONG x = CentredStart(around.left, around.right, width, area.left, area.right);
  LONG y = CentredStart(around.top, around.bottom, height, area.top, area.bottom);
  SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace win
