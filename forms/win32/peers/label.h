// A label: STATIC with SS_NOTIFY, text in ForeColor on BackColor. Its
// mnemonic moves the focus to the next tab stop.
#pragma once

#include "forms/win32/control_window.h"

namespace forms::win32 {

class LabelWindow final : public ControlWindow {
 public:
  LabelWindow(Context& context, Label& label) : ControlWindow(context, label), label_(label) {}

  bool PassesMnemonicOn() const override { return true; }

 protected:
  const char* ClassName() const override { return "STATIC"; }
  DWORD Style() const override;
  bool HasTextColors() const override { return true; }

 private:
  const Label& label_;
};

}  // namespace forms::win32
