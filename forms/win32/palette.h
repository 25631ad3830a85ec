// The palette pictures are drawn through on a 256-colour screen. There
// Windows maps every colour a program draws to the system palette, which
// holds only the 20 static colours until some program realizes a palette
// of its own: without one, a photograph comes out in those 20.
//
// One palette serves every window of the program once it has loaded a
// picture: the own palette of the first picture that brings one, else a
// halftone palette, made on first need; a program without pictures
// leaves the system palette to the others. An image selects and realizes
// it before it draws its picture; a form realizes it again when it comes
// to the front (WM_QUERYNEWPALETTE) and, in the background, when another
// program has changed the system palette (WM_PALETTECHANGED), then draws
// itself again. On a screen without palettes none of this happens.
#pragma once

#include <windows.h>

namespace forms::win32 {

// What the palette asks of GDI. The host uses GDI itself; a test puts a
// recorder in its place to see the calls, or to play a palette screen.
class PaletteGdi {
 public:
  virtual ~PaletteGdi() = default;
  virtual bool IsPaletteDevice(HDC dc);
  virtual HPALETTE Select(HDC dc, HPALETTE palette, bool background);
  virtual UINT Realize(HDC dc);
};

class Palette {
 public:
  // What realizing the palette did: nothing (no palette on this screen),
  // no change to the system palette, or a change that asks for a redraw.
  enum class Realized { kNone, kSame, kChanged };

  // `gdi` null: GDI itself.
  explicit Palette(PaletteGdi* gdi = nullptr) : gdi_(gdi ? *gdi : own_gdi_) {}
  ~Palette();
  Palette(const Palette&) = delete;
  Palette& operator=(const Palette&) = delete;

  // Selects the palette into a DC and realizes it (as for the foreground
  // unless `background`) for as long as it lives, then puts back the
  // palette the DC had.
  class InUse {
   public:
    InUse(Palette& palette, HDC dc, bool background);
    ~InUse();
    InUse(const InUse&) = delete;
    InUse& operator=(const InUse&) = delete;
    Realized realized() const { return realized_; }

   private:
    Palette& palette_;
    HDC dc_;
    HPALETTE replaced_ = nullptr;
    Realized realized_ = Realized::kNone;
  };

  // A picture was loaded, with its own palette (null: none), alive as
  // long as this is: the first one offered is the program's palette.
  void Offer(HPALETTE own);
  // Realizes the palette in a DC of `window` and lets the DC go.
  Realized RealizeIn(HWND window, bool background);

 private:
  // The palette to use with `dc`, or null on a screen without palettes.
  HPALETTE For(HDC dc);

  PaletteGdi own_gdi_;
  PaletteGdi& gdi_;
  bool wanted_ = false;  // a picture was loaded
  HPALETTE own_ = nullptr;
  HPALETTE halftone_ = nullptr;
};

}  // namespace forms::win32
