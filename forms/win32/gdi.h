// Screen units and the GDI objects the windows paint with: one brush per
// colour and one font per face, size and weight, kept for the host's life.
#pragma once

#include <windows.h>

#include <string>
#include <tuple>

#include "forms/forms.h"
#include "forms/win32/small_map.h"

namespace forms::win32 {

// Twips (1/1440 inch) to pixels and back at the screen's DPI.
struct Screen {
  Screen();
  int dpi_x = 96;
  int dpi_y = 96;
  int ToPixelsX(int twips) const { return MulDiv(twips, dpi_x, 1440); }
  int ToPixelsY(int twips) const { return MulDiv(twips, dpi_y, 1440); }
  int ToTwipsX(int pixels) const { return MulDiv(pixels, 1440, dpi_x); }
  int ToTwipsY(int pixels) const { return MulDiv(pixels, 1440, dpi_y); }
};

class GdiCache {
 public:
  explicit GdiCache(const Screen& screen) : screen_(screen) {}
  ~GdiCache();
  GdiCache(const GdiCache&) = delete;
  GdiCache& operator=(const GdiCache&) = delete;

  HBRUSH Brush(COLORREF color);
  HFONT Font(const forms::Font& font);

 private:
  const Screen& screen_;
  SmallMap<COLORREF, HBRUSH> brushes_;
  SmallMap<std::tuple<std::string, int, bool>, HFONT> fonts_;
};

// The character height in pixels of a font of `points` at `dpi`, as the
// negative lfHeight that asks for the character (not cell) height.
int FontHeight(double points, int dpi);

}  // namespace forms::win32
