#include "forms/win32/peers/check_box.h"

namespace forms::win32 {

void CheckBoxWindow::ShowValue() { SendMessageA(hwnd(), BM_SETCHECK, box_.Value(), 0); }

void CheckBoxWindow::OnCommand(int code) {
  if (code == BN_CLICKED) box_.UserClick();
  ShowValueAgain();
}

bool CheckBoxWindow::OnOwnMessage(UINT message, WPARAM wparam, LRESULT* result) {
  // The keys of a focused check box on Windows: '+' or '=' sets it, '-'
  // clears it. Answered here, so that the change goes through the model.
  if (forgotten() || message != WM_CHAR || (wparam != '+' && wparam != '=' && wparam != '-'))
    return false;
  box_.UserSet(wparam != '-');
  ShowValueAgain();
  *result = 0;
  return true;
}

}  // namespace forms::win32
