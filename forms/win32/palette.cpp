#include "forms/win32/palette.h"

namespace forms::win32 {

bool PaletteGdi::IsPaletteDevice(HDC dc) {
  return (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) != 0;
}

HPALETTE PaletteGdi::Select(HDC dc, HPALETTE palette, bool background) {
  return SelectPalette(dc, palette, background ? TRUE : FALSE);
}

UINT PaletteGdi::Realize(HDC dc) { return RealizePalette(dc); }

Palette::~Palette() {
  if (halftone_) DeleteObject(halftone_);
}

void Palette::Offer(HPALETTE own) {
  wanted_ = true;
  if (!own_) own_ = own;
}

HPALETTE Palette::For(HDC dc) {
  // Asked each time: Windows 98 changes the colour depth without a restart.
  if (!wanted_ || !gdi_.IsPaletteDevice(dc)) return nullptr;
  if (own_) return own_;
  if (!halftone_) halftone_ = CreateHalftonePalette(dc);
  return halftone_;
}

Palette::InUse::InUse(Palette& palette, HDC dc, bool background) : palette_(palette), dc_(dc) {
  HPALETTE chosen = palette.For(dc);
  if (!chosen) return;
  replaced_ = palette.gdi_.Select(dc, chosen, background);
  const UINT changed = palette.gdi_.Realize(dc);
  realized_ = changed != 0 && changed != GDI_ERROR ? Realized::kChanged : Realized::kSame;
}

Palette::InUse::~InUse() {
  if (replaced_) palette_.gdi_.Select(dc_, replaced_, true);
}

Palette::Realized Palette::RealizeIn(HWND window, bool background) {
  HDC dc = GetDC(window);
  Realized realized;
  {
    const InUse in_use(*this, dc, background);
    realized = in_use.realized();
  }
  ReleaseDC(window, dc);
  return realized;
}

}  // namespace forms::win32
