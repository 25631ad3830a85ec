// An editable combo box: COMBOBOX CBS_DROPDOWN, made taller by its dropped
// list. Its edit field reports mouse moves and focus as the combo box;
// typing and picking go to the model, and the edit text is the model's
// Text.
#pragma once

#include "forms/win32/control_window.h"

namespace forms::win32 {

class ComboBoxWindow final : public ControlWindow {
 public:
  ComboBoxWindow(Context& context, ComboBox& combo)
      : ControlWindow(context, combo), combo_(combo) {}

  bool HasCaption() const override { return false; }

 protected:
  const char* ClassName() const override { return "COMBOBOX"; }
  DWORD Style() const override { return CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL; }
  void OnCreated() override;
  RECT PixelBounds() const override;
  void ShowValue() override;
  void ShowList() override;
  void OnCommand(int code) override;
  HBRUSH OnCtlColor(UINT message, HDC dc) override;

 private:
  ComboBox& combo_;
};

}  // namespace forms::win32
