// A frame: a BUTTON group box that is not a parent. It lies below what it
// holds in the z-order, lets the mouse through to the form (which asks it
// whether a move was over it), and carries what it holds when it moves,
// hides or shows.
#pragma once

#include "forms/win32/control_window.h"

namespace forms::win32 {

class FrameWindow final : public ControlWindow {
 public:
  FrameWindow(Context& context, Frame& frame) : ControlWindow(context, frame), frame_(frame) {}

  bool HitTest(int x, int y) const override;
  bool LiesBehind() const override { return true; }
  bool PassesMnemonicOn() const override { return true; }

 protected:
  const char* ClassName() const override { return "BUTTON"; }
  // Below its contents in the z-order, so it must not paint over them.
  DWORD Style() const override { return BS_GROUPBOX | WS_CLIPSIBLINGS; }
  bool HasTextColors() const override { return true; }
  void ShowBounds() override;
  void ShowState() override;

 private:
  void ShowContents(Prop what);

  Frame& frame_;
};

}  // namespace forms::win32
