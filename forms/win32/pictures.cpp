#include "forms/win32/pictures.h"

#include <ole2.h>
#include <olectl.h>

#include "forms/win32/text.h"

namespace forms::win32 {

namespace {

HPALETTE OwnPalette(IPicture* picture) {
  OLE_HANDLE own = 0;
  if (FAILED(picture->get_hPal(&own))) return nullptr;
  return reinterpret_cast<HPALETTE>(static_cast<UINT_PTR>(own));
}

}  // namespace

Pictures::Pictures(const char* loader, PaletteGdi* palette_gdi) : palette_(palette_gdi) {
  oleaut32_ = LoadLibraryA("oleaut32.dll");
  if (oleaut32_) {
    load_ = reinterpret_cast<LoadPicturePath>(
        reinterpret_cast<void (*)()>(GetProcAddress(oleaut32_, loader)));
  }
}

Pictures::~Pictures() {
  for (auto& entry : loaded_) entry.second->Release();
  if (palette_owner_) palette_owner_->Release();
  if (oleaut32_) FreeLibrary(oleaut32_);
}

bool Pictures::Load(const std::string& path) {
  if (!load_) return false;
  // The wide path as Windows 95 would make it from the ANSI one.
  const std::string ansi = Utf8ToAnsi(path);
  if (ansi.empty()) return false;
  const int size = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, nullptr, 0);
  if (size <= 0) return false;
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, &wide[0], size);

  IPicture* picture = nullptr;
  HRESULT result = load_(&wide[0], nullptr, 0, 0, IID_IPicture, reinterpret_cast<void**>(&picture));
  if (FAILED(result) || !picture) return false;
  HPALETTE own = palette_owner_ ? nullptr : OwnPalette(picture);
  if (own) {
    palette_owner_ = picture;
    picture->AddRef();
  }
  palette_.Offer(own);
  IPicture*& kept = loaded_[path];
  if (kept) kept->Release();
  kept = picture;
  return true;
}

bool Pictures::Render(const std::string& path, HDC dc, const RECT& rect) {
  auto found = loaded_.find(path);
  if (found == loaded_.end()) return false;
  IPicture* picture = found->second;
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  picture->get_Width(&width);
  picture->get_Height(&height);
  const Palette::InUse in_use(palette_, dc, false);
  // Source rectangle in HIMETRIC, bottom up.
  return SUCCEEDED(picture->Render(dc, rect.left, rect.top, rect.right - rect.left,
                                   rect.bottom - rect.top, 0, height, width, -height, nullptr));
}

}  // namespace forms::win32
