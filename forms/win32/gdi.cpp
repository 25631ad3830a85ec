#include "forms/win32/gdi.h"

#include "forms/win32/text.h"

namespace forms::win32 {

Screen::Screen() {
  HDC dc = GetDC(nullptr);
  if (dc) {
    dpi_x = GetDeviceCaps(dc, LOGPIXELSX);
    dpi_y = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
  }
  if (dpi_x <= 0) dpi_x = 96;
  if (dpi_y <= 0) dpi_y = 96;
}

GdiCache::~GdiCache() {
  for (auto& entry : brushes_) DeleteObject(entry.second);
  for (auto& entry : fonts_) DeleteObject(entry.second);
}

HBRUSH GdiCache::Brush(COLORREF color) {
  auto found = brushes_.find(color);
  if (found != brushes_.end()) return found->second;
  HBRUSH brush = CreateSolidBrush(color);
  brushes_[color] = brush;
  return brush;
}

int FontHeight(double points, int dpi) {
  // Rounded to the nearest pixel: 8.25 points at 96 DPI is 11 pixels.
  return -static_cast<int>(points * dpi / 72.0 + 0.5);
}

HFONT GdiCache::Font(const forms::Font& font) {
  const int height = FontHeight(font.size, screen_.dpi_y);
  const auto key = std::make_tuple(font.name, height, font.bold);
  auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second;
  const std::string face = Utf8ToAnsi(font.name);
  HFONT handle = CreateFontA(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
  fonts_[key] = handle;
  return handle;
}

}  // namespace forms::win32
