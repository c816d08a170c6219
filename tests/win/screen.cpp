#include "tests/win/screen.h"

#include <cstdio>

namespace wintest {

Pixels CaptureWindow(HWND window) {
  RECT frame{};
  GetWindowRect(window, &frame);
  Pixels pixels;
  pixels.width = frame.right - frame.left;
  pixels.height = frame.bottom - frame.top;
  if (pixels.width <= 0 || pixels.height <= 0) return Pixels{};
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = pixels.width;
  info.bmiHeader.biHeight = -pixels.height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, pixels.width, pixels.height, screen, frame.left, frame.top, SRCCOPY);
  GdiFlush();
  const auto* raw = static_cast<const unsigned char*>(bits);
  pixels.colours.reserve(static_cast<std::size_t>(pixels.width) * pixels.height);
  for (int i = 0; i < pixels.width * pixels.height; ++i) {
    pixels.colours.push_back(RGB(raw[4 * i + 2], raw[4 * i + 1], raw[4 * i]));
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

HueCount CountHues(const Pixels& pixels) {
  HueCount count;
  for (COLORREF c : pixels.colours) {
    int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    if (r > 150 && g < 100 && b < 100) ++count.red;
    if (b > 120 && r < 100 && g < 140) ++count.blue;
    if (r > 240 && g > 240 && b > 240) ++count.white;
  }
  return count;
}

bool SaveBitmap(const Pixels& pixels, const std::wstring& path) {
  int rowBytes = (pixels.width * 3 + 3) & ~3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = pixels.width;
  header.biHeight = pixels.height;  // bottom-up rows
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = static_cast<DWORD>(rowBytes * pixels.height);
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + header.biSizeImage;
  FILE* out = _wfopen(path.c_str(), L"wb");
  if (!out) return false;
  fwrite(&file, sizeof file, 1, out);
  fwrite(&header, sizeof header, 1, out);
  std::vector<unsigned char> row(static_cast<std::size_t>(rowBytes), 0);
  for (int y = pixels.height - 1; y >= 0; --y) {
    for (int x = 0; x < pixels.width; ++x) {
      COLORREF c = pixels.colours[static_cast<std::size_t>(y) * pixels.width + x];
      row[3 * x] = GetBValue(c);
      row[3 * x + 1] = GetGValue(c);
      row[3 * x + 2] = GetRValue(c);
    }
    fwrite(row.data(), row.size(), 1, out);
  }
  return fclose(out) == 0;
}

}  // namespace wintest
