// An image: a window of the host's own class that paints the model's
// picture at its size, or the form's background when it has none.
#pragma once

#include "forms/win32/control_window.h"

namespace forms::win32 {

// Registers the window class that shows Image controls under `name`
// (once per process; again fails harmlessly).
void RegisterImageClass(HINSTANCE instance, const char* name);

class ImageWindow final : public ControlWindow {
 public:
  ImageWindow(Context& context, Image& image) : ControlWindow(context, image), image_(image) {}

  bool HasCaption() const override { return false; }

 protected:
  const char* ClassName() const override;
  DWORD Style() const override { return 0; }
  bool OnOwnMessage(UINT message, WPARAM wparam, LRESULT* result) override;

 private:
  void OnPaint();

  Image& image_;
};

}  // namespace forms::win32
