// A scroll bar: SCROLLBAR without a page size, so the thumb reaches Max
// and the native position is always the model's Value. Change comes when
// a move ends, never during a drag.
#pragma once

#include "forms/win32/control_window.h"

namespace forms::win32 {

class ScrollBarWindow final : public ControlWindow {
 public:
  ScrollBarWindow(Context& context, ScrollBar& bar) : ControlWindow(context, bar), bar_(bar) {}

  bool HasCaption() const override { return false; }

 protected:
  const char* ClassName() const override { return "SCROLLBAR"; }
  DWORD Style() const override;
  void ShowValue() override;
  void OnScroll(int request, int position) override;

 private:
  // The native bar runs from the lower to the higher end; a bar whose Min
  // is above its Max runs mirrored.
  int NativePosition(int value) const;
  int ValueAt(int native) const;
  void CommitScroll(int value);

  ScrollBar& bar_;
  bool dragging_ = false;
  int track_ = 0;
};

}  // namespace forms::win32
