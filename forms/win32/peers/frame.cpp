#include "forms/win32/peers/frame.h"

namespace forms::win32 {

bool FrameWindow::HitTest(int x, int y) const {
  if (!Shown()) return false;
  const RECT bounds = PixelBounds();
  return x >= bounds.left && y >= bounds.top && x < bounds.right && y < bounds.bottom;
}

void FrameWindow::ShowBounds() {
  ControlWindow::ShowBounds();
  ShowContents(Prop::Bounds);
}

void FrameWindow::ShowState() {
  ControlWindow::ShowState();
  ShowContents(Prop::Visible);
}

void FrameWindow::ShowContents(Prop what) {
  for (Control* child : frame_.Children()) {
    if (child->peer()) child->peer()->Update(what);
  }
}

}  // namespace forms::win32
