// A push button: BUTTON BS_PUSHBUTTON. A click is the model's Click; while
// it has the focus Enter presses it, and it looks like the button Enter
// presses.
#pragma once

#include "forms/win32/control_window.h"

namespace forms::win32 {

class PushButtonWindow final : public ControlWindow {
 public:
  PushButtonWindow(Context& context, CommandButton& button)
      : ControlWindow(context, button), button_(button) {}

  bool PressedByEnter() const override { return true; }
  void SetDefaultLook(bool is_default) override;

 protected:
  const char* ClassName() const override { return "BUTTON"; }
  DWORD Style() const override { return BS_PUSHBUTTON | BS_MULTILINE; }
  void OnCommand(int code) override;

 private:
  CommandButton& button_;
};

}  // namespace forms::win32
