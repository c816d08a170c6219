// What the user sees: the pixels of a window as they stand on the screen.
#ifndef COTARSIS_TESTS_WIN_SCREEN_H
#define COTARSIS_TESTS_WIN_SCREEN_H

#include <windows.h>

#include <string>
#include <vector>

namespace wintest {

struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> colours;  // row by row from the top
};

Pixels CaptureWindow(HWND window);

// How many pixels of the window are clearly of each hue.
struct HueCount {
  int red = 0;
  int blue = 0;
  int white = 0;
};
HueCount CountHues(const Pixels& pixels);

// Writes the pixels as a 24-bit BMP file.
bool SaveBitmap(const Pixels& pixels, const std::wstring& path);

}  // namespace wintest

#endif
