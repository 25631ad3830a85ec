// JPEG pictures through OLE, kept by path so that an image can be painted
// before and after its window exists.
//
// The loader, oleaut32's OleLoadPicturePath, came with Internet Explorer
// 3.0: the first Windows 95 lacks it, and a program that imported it would
// not start there at all. So it is looked up once, at run time; without it
// every picture fails to load and its image stays empty.
//
// On a 256-colour screen every picture is drawn through the program's
// palette (palette.h), which the first picture with a palette of its own
// gives.
#pragma once

#include <windows.h>

#include <string>

#include "forms/win32/palette.h"
#include "forms/win32/small_map.h"

struct IPicture;

namespace forms::win32 {

class Pictures {
 public:
  static constexpr const char* kLoaderName = "OleLoadPicturePath";

  // `loader` names the oleaut32 function to load pictures with; tests
  // name one that does not exist to play a Windows that lacks it.
  // `palette_gdi`: what the palette draws with (null: GDI itself).
  explicit Pictures(const char* loader = kLoaderName, PaletteGdi* palette_gdi = nullptr);
  ~Pictures();
  Pictures(const Pictures&) = delete;
  Pictures& operator=(const Pictures&) = delete;

  // True when this Windows can load pictures at all.
  bool CanLoad() const { return load_ != nullptr; }
  // Loads the file at a UTF-8 path; false when it cannot be read or
  // pictures cannot be loaded here.
  bool Load(const std::string& path);
  // Paints the picture loaded from `path` stretched over `rect`, through
  // the palette on a palette screen; false when there is none.
  bool Render(const std::string& path, HDC dc, const RECT& rect);
  // What the forms realize when they come to the front or the system
  // palette changed.
  Palette& palette() { return palette_; }

 private:
  typedef HRESULT(WINAPI* LoadPicturePath)(wchar_t*, void*, DWORD, DWORD, REFIID, void**);

  HMODULE oleaut32_ = nullptr;
  LoadPicturePath load_ = nullptr;
  SmallMap<std::string, IPicture*> loaded_;
  Palette palette_;
  IPicture* palette_owner_ = nullptr;  // kept while its palette is in use
};

}  // namespace forms::win32
