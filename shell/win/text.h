// The one crossing between the system's texts (bytes in code page 1252) and
// the wide texts of Windows controls, whatever the system's own code page.
#ifndef COTARSIS_SHELL_WIN_TEXT_H
#define COTARSIS_SHELL_WIN_TEXT_H

#include <windows.h>

#include <string>
#include <string_view>

namespace win {

std::wstring WidenCp1252(std::string_view text);

// Characters outside code page 1252 become '?'.
std::string NarrowCp1252(std::wstring_view text);

// The whole text of a control, as code page 1252 bytes.
std::string ControlText(HWND control);

void SetControlText(HWND control, std::string_view text);

}  // namespace win

#endif
