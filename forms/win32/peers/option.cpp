#include "forms/win32/peers/option.h"

namespace forms::win32 {

namespace {

// The option peer of a control, or null when it is no option or has none.
OptionWindow* OptionOf(Control* control) {
  // Every control peer of this host is a ControlWindow.
  auto* window = static_cast<ControlWindow*>(control->peer());
  return window ? window->AsOption() : nullptr;
}

}  // namespace

bool OptionWindow::StartsGroup() const {
  // Each run of option buttons in one container is one arrow-key group.
  const auto& siblings = option_.parent().Children();
  for (std::size_t k = 1; k < siblings.size(); ++k) {
    if (siblings[k] == &option_) return !OptionOf(siblings[k - 1]);
  }
  return true;
}

void OptionWindow::ShowValue() {
  SendMessageA(hwnd(), BM_SETCHECK, option_.Value() ? BST_CHECKED : BST_UNCHECKED, 0);
  ShowGroupTabStops();
}

void OptionWindow::ShowGroupTabStops() {
  // As in a dialog on every Windows version: Tab enters an option group at
  // its selected button; a group with none selected keeps them all.
  const auto& siblings = option_.parent().Children();
  bool any = false;
  for (Control* sibling : siblings) {
    if (OptionWindow* option = OptionOf(sibling)) any = any || option->option_.Value();
  }
  for (Control* sibling : siblings) {
    OptionWindow* option = OptionOf(sibling);
    if (!option || !option->hwnd()) continue;
    const bool stop = !any || option->option_.Value();
    const LONG style = GetWindowLongA(option->hwnd(), GWL_STYLE);
    SetWindowLongA(option->hwnd(), GWL_STYLE, stop ? style | WS_TABSTOP : style & ~WS_TABSTOP);
  }
}

void OptionWindow::OnCommand(int code) {
  if (code == BN_CLICKED) option_.UserClick();
  ShowValueAgain();
}

// Arrow keys in an option group select, as in every dialog.
void OptionWindow::OnArrowKeyFocus() { OnCommand(BN_CLICKED); }

}  // namespace forms::win32
