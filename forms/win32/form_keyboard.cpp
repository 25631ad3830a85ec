// The keyboard of a form: Tab, arrows, Enter and Esc through the dialog
// manager, and the mnemonics, which are the host's own so that a letter
// shared by two controls moves the focus between them.
#include "forms/win32/form_window.h"

namespace forms::win32 {

namespace {

bool IsArrowKey(WPARAM key) {
  return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
}

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The "&" letter of a caption, upper case, or 0 ("&&" is a plain "&").
char MnemonicOf(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return Upper(caption[i + 1]);
  }
  return 0;
}

}  // namespace

bool FormWindow::TranslateKey(MSG& message) {
  if (!hwnd_ || forgotten_) return false;
  if (message.hwnd != hwnd_ && !IsChild(hwnd_, message.hwnd)) return false;
  if (message.message == WM_SYSCHAR || message.message == WM_CHAR) {
    bool mnemonic = message.message == WM_SYSCHAR;
    if (!mnemonic) {
      // A plain letter is a mnemonic unless the focus wants to type it.
      const LRESULT code = SendMessageA(message.hwnd, WM_GETDLGCODE, message.wParam,
                                        reinterpret_cast<LPARAM>(&message));
      mnemonic = !(code & (DLGC_WANTCHARS | DLGC_WANTALLKEYS | DLGC_HASSETSEL));
    }
    if (mnemonic && OnMnemonic(static_cast<char>(message.wParam))) return true;
  }
  context_.arrow_key = message.message == WM_KEYDOWN && IsArrowKey(message.wParam);
  const bool handled = IsDialogMessageA(hwnd_, &message) != 0;
  context_.arrow_key = false;
  return handled;
}

ControlWindow* FormWindow::TabStopFrom(std::size_t index) {
  for (std::size_t i = index; i < controls_.size(); ++i) {
    ControlWindow* control = controls_[i].get();
    if ((GetWindowLongA(control->hwnd(), GWL_STYLE) & WS_TABSTOP) && control->Shown() &&
        control->Usable()) {
      return control;
    }
  }
  return nullptr;
}

bool FormWindow::OnMnemonic(char letter) {
  letter = Upper(letter);
  std::vector<std::size_t> hits;
  std::size_t focused = controls_.size();
  ControlWindow* focus = ControlWindow::From(GetFocus());
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    ControlWindow* control = controls_[i].get();
    if (control == focus) focused = i;
    if (!control->HasCaption()) continue;  // no caption, no mnemonic
    if (!control->Shown() || !control->Usable()) continue;
    if (MnemonicOf(control->control().Caption()) == letter) hits.push_back(i);
  }
  if (hits.empty()) return false;
  // One owner: press it (a label or frame hands the focus on). Several:
  // each press moves the focus to the next of them, pressing none.
  std::size_t chosen = hits.front();
  if (hits.size() > 1) {
    for (std::size_t hit : hits) {
      if (focused < controls_.size() && hit > focused) {
        chosen = hit;
        break;
      }
    }
  }
  ControlWindow* target = controls_[chosen].get();
  if (target->PassesMnemonicOn()) {
    if (ControlWindow* next = TabStopFrom(chosen + 1)) SetFocus(next->hwnd());
  } else if (hits.size() > 1) {
    SetFocus(target->hwnd());
  } else {
    SendMessageA(target->hwnd(), BM_CLICK, 0, 0);
  }
  return true;
}

}  // namespace forms::win32
