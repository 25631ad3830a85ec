// A check box: BUTTON BS_3STATE, not an AUTO style, so the native state
// is always the model's Value; a click goes through the model.
#pragma once

#include "forms/win32/control_window.h"

namespace forms::win32 {

class CheckBoxWindow final : public ControlWindow {
 public:
  CheckBoxWindow(Context& context, CheckBox& box) : ControlWindow(context, box), box_(box) {}

 protected:
  const char* ClassName() const override { return "BUTTON"; }
  // Three-state always: the model decides, and a grey box reads back 2.
  DWORD Style() const override { return BS_3STATE | BS_MULTILINE; }
  bool HasTextColors() const override { return true; }
  void ShowValue() override;
  void OnCommand(int code) override;
  bool OnOwnMessage(UINT message, WPARAM wparam, LRESULT* result) override;

 private:
  CheckBox& box_;
};

}  // namespace forms::win32
