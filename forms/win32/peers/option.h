// An option button: BUTTON BS_RADIOBUTTON, not an AUTO style, so the
// native state is always the model's Value. The options of one container
// in a row are one arrow-key group, and Tab enters the group at its
// selected option.
#pragma once

#include "forms/win32/control_window.h"

namespace forms::win32 {

class OptionWindow final : public ControlWindow {
 public:
  OptionWindow(Context& context, OptionButton& option)
      : ControlWindow(context, option), option_(option) {}

  OptionWindow* AsOption() override { return this; }

 protected:
  const char* ClassName() const override { return "BUTTON"; }
  DWORD Style() const override { return BS_RADIOBUTTON | BS_MULTILINE; }
  bool StartsGroup() const override;
  bool HasTextColors() const override { return true; }
  void ShowValue() override;
  void OnCommand(int code) override;
  void OnArrowKeyFocus() override;

 private:
  void ShowGroupTabStops();

  OptionButton& option_;
};

}  // namespace forms::win32
