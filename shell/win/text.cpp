#include "shell/win/text.h"

#include <climits>

namespace win {
namespace {

constexpr UINT kCodePage = 1252;

int LengthAsInt(std::size_t size) { return size > INT_MAX ? INT_MAX : static_cast<int>(size); }

}  // namespace

std::wstring WidenCp1252(std::string_view text) {
  if (text.empty()) return std::wstring();
  int length = LengthAsInt(text.size());
  int wide = MultiByteToWideChar(kCodePage, 0, text.data(), length, nullptr, 0);
  std::wstring result(static_cast<std::size_t>(wide), L'\0');
  MultiByteToWideChar(kCodePage, 0, text.data(), length, result.data(), wide);
  return result;
}

std::string NarrowCp1252(std::wstring_view text) {
  if (text.empty()) return std::string();
  int length = LengthAsInt(text.size());
  int narrow = WideCharToMultiByte(kCodePage, 0, text.data(), length, nullptr, 0, "?", nullptr);
  std::string result(static_cast<std::size_t>(narrow), '\0');
  WideCharToMultiByte(kCodePage, 0, text.data(), length, result.data(), narrow, "?", nullptr);
  return result;
}

std::string ControlText(HWND control) {
  int length = GetWindowTextLengthW(control);
  if (length <= 0) return std::string();
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  int copied = GetWindowTextW(control, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied < 0 ? 0 : copied));
  return NarrowCp1252(text);
}

void SetControlText(HWND control, std::string_view text) {
  SetWindowTextW(control, WidenCp1252(text).c_str());
}

}  // namespace win
