#include "forms/win32/peers/scroll_bar.h"

#include <algorithm>

namespace forms::win32 {

DWORD ScrollBarWindow::Style() const {
  return bar_.orientation() == Orientation::Vertical ? static_cast<DWORD>(SBS_VERT)
                                                     : static_cast<DWORD>(SBS_HORZ);
}

void ScrollBarWindow::ShowValue() {
  SCROLLINFO info = {};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
  info.nMin = std::min(bar_.Min(), bar_.Max());
  info.nMax = std::max(bar_.Min(), bar_.Max());
  info.nPage = 0;  // no page: the thumb reaches Max
  info.nPos = NativePosition(bar_.Value());
  SetScrollInfo(hwnd(), SB_CTL, &info, TRUE);
}

int ScrollBarWindow::NativePosition(int value) const {
  return bar_.Min() <= bar_.Max() ? value : bar_.Min() + bar_.Max() - value;
}

int ScrollBarWindow::ValueAt(int native) const { return NativePosition(native); }

void ScrollBarWindow::CommitScroll(int value) {
  bar_.UserScroll(value);
  ShowValueAgain();
}

void ScrollBarWindow::OnScroll(int request, int position) {
  const int here = NativePosition(bar_.Value());
  const int low = std::min(bar_.Min(), bar_.Max());
  const int high = std::max(bar_.Min(), bar_.Max());
  // Positions travel as 16 bits; a range below zero comes back signed.
  if (low < 0 && position > 32767) position -= 65536;
  switch (request) {
    case SB_LINEUP:
      CommitScroll(ValueAt(std::max(low, here - bar_.SmallChange())));
      break;
    case SB_LINEDOWN:
      CommitScroll(ValueAt(std::min(high, here + bar_.SmallChange())));
      break;
    case SB_PAGEUP:
      CommitScroll(ValueAt(std::max(low, here - bar_.LargeChange())));
      break;
    case SB_PAGEDOWN:
      CommitScroll(ValueAt(std::min(high, here + bar_.LargeChange())));
      break;
    case SB_TOP:
      CommitScroll(ValueAt(low));
      break;
    case SB_BOTTOM:
      CommitScroll(ValueAt(high));
      break;
    case SB_THUMBTRACK:
      // During a drag only the thumb moves; Change waits for the release.
      dragging_ = true;
      track_ = std::clamp(position, low, high);
      SetScrollPos(hwnd(), SB_CTL, track_, TRUE);
      break;
    case SB_THUMBPOSITION:
      dragging_ = false;
      CommitScroll(ValueAt(std::clamp(position, low, high)));
      break;
    case SB_ENDSCROLL:
      if (dragging_) {
        dragging_ = false;
        CommitScroll(ValueAt(track_));
      }
      break;
    default:
      break;
  }
}

}  // namespace forms::win32
