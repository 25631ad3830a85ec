#include "forms/win32/peers/push_button.h"

namespace forms::win32 {

void PushButtonWindow::SetDefaultLook(bool is_default) {
  if (!hwnd()) return;
  SendMessageA(hwnd(), BM_SETSTYLE, (is_default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_MULTILINE,
               TRUE);
}

void PushButtonWindow::OnCommand(int code) {
  if (code == BN_CLICKED) button_.UserClick();
}

}  // namespace forms::win32
