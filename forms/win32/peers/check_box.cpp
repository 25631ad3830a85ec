#include "forms/win32/peers/check_box.h"

namespace forms::win32 {

void CheckBoxWindow::ShowValue() { SendMessageA(hwnd(), BM_SETCHECK, box_.Value(), 0); }

void CheckBoxWindow::OnCommand(int code) {
  if (code == BN_CLICKED) box_.UserClick();
  ShowValueAgain();
}

}  // namespace forms::win32
