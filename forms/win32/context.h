// What every window of the host shares: the screen's units, the GDI
// objects in use, the loaded pictures and their palette, and the guard
// against feedback.
#pragma once

#include <windows.h>

#include <string>

#include "forms/win32/gdi.h"
#include "forms/win32/pictures.h"

namespace forms::win32 {

struct Context {
  Context(const char* picture_loader, PaletteGdi* palette_gdi, const char* form_class,
          const char* image_class)
      : pictures(picture_loader, palette_gdi), form_class(form_class), image_class(image_class) {}

  HINSTANCE instance = nullptr;
  Screen screen;
  GdiCache gdi{screen};
  Pictures pictures;
  // The window classes of forms and of images.
  std::string form_class;
  std::string image_class;
  // Above zero while the host writes the model's state into native
  // controls: notifications raised then are echoes, not user input.
  int applying = 0;
  // True while the dialog manager handles an arrow key: the option it
  // moves the focus to is the user's choice (forms/win32/control_window.cpp).
  bool arrow_key = false;
};

// Marks the model->native direction for as long as it lives.
class Applying {
 public:
  explicit Applying(Context& context) : context_(context) { ++context_.applying; }
  ~Applying() { --context_.applying; }
  Applying(const Applying&) = delete;
  Applying& operator=(const Applying&) = delete;

 private:
  Context& context_;
};

}  // namespace forms::win32
