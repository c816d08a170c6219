// The Windows program's own decisions, kept apart from the Win32 calls so
// that they can be checked without a window: the help texts, the warning
// text, the About command test, the pin's state change and where the icon of
// the minimised window is drawn. Texts are bytes in code page 1252.
#ifndef COTARSIS_SHELL_SHELL_LOGIC_H
#define COTARSIS_SHELL_SHELL_LOGIC_H

#include <string>
#include <string_view>

namespace idcheck {

// The caption of the main window, and the name of the single-instance mutex.
inline constexpr std::string_view kMainCaption = "Cotarsis";
inline constexpr std::string_view kInstanceMutexName = "CotarsisUltrex_1";

// The system menu command of the About entry.
inline constexpr unsigned kAboutCommand = 0x0010;

// The product's web page (banner button) and the author's address (About box).
inline constexpr std::string_view kProductPage = "https://cotarsis.example.org/ultrex/";
inline constexpr std::string_view kAuthorMail = "dev@example.org";

// The text of the help box of a help button, or the empty text for any other
// control id.
std::string HelpText(int buttonId);

// "No introduzca más de %1 caracteres." with %1 replaced by the maximum.
std::string TooLongText(int maxLength);

// True when a system command is the About entry; the low four bits of a
// system command are the system's own and do not count.
bool IsAboutCommand(unsigned command);

// The "mailto:" address that starts an e-mail to the author.
std::string AuthorMailLink();

// What a click on the pin button does: the new state, and whether the window
// then goes above all ordinary windows.
struct PinChange {
  bool pinned;
  bool topmost;
};
PinChange TogglePin(bool pinned);

// Top left corner of an icon of cx by cy pixels centred in a client area of
// width by height pixels; odd differences round toward zero.
struct Point {
  int x;
  int y;
};
Point CentredIconOrigin(int width, int height, int cx, int cy);

}  // namespace idcheck

#endif
