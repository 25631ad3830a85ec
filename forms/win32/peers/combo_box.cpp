#include "forms/win32/peers/combo_box.h"

#include "forms/win32/text.h"

namespace forms::win32 {

namespace {

// A dropped combo box list is this much taller than the closed box.
constexpr int kListPixels = 160;

}  // namespace

void ComboBoxWindow::OnCreated() { SubclassChild(GetWindow(hwnd(), GW_CHILD)); }

RECT ComboBoxWindow::PixelBounds() const {
  RECT bounds = ControlWindow::PixelBounds();
  bounds.bottom += kListPixels;
  return bounds;
}

void ComboBoxWindow::ShowValue() {
  const std::string text = Utf8ToAnsi(combo_.Text());
  // Rewriting equal text would move the caret under the user's typing.
  if (NativeText(hwnd()) != text) SetWindowTextA(hwnd(), text.c_str());
}

void ComboBoxWindow::ShowList() {
  SendMessageA(hwnd(), CB_RESETCONTENT, 0, 0);
  for (const std::string& item : combo_.List()) {
    SendMessageA(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToAnsi(item).c_str()));
  }
  // Resetting the list empties the edit field.
  ShowValue();
}

void ComboBoxWindow::OnCommand(int code) {
  // The edit field keeps what the user typed.
  if (code == CBN_EDITCHANGE) {
    combo_.UserType(AnsiToUtf8(NativeText(hwnd())));
  } else if (code == CBN_SELCHANGE) {
    const LRESULT index = SendMessageA(hwnd(), CB_GETCURSEL, 0, 0);
    if (index >= 0) combo_.UserPick(static_cast<std::size_t>(index));
  }
}

HBRUSH ComboBoxWindow::OnCtlColor(UINT message, HDC dc) {
  // A coloured combo box paints its edit field and list itself.
  if (combo_.BackColor() == kSystemColor ||
      (message != WM_CTLCOLOREDIT && message != WM_CTLCOLORLISTBOX)) {
    return nullptr;
  }
  SetTextColor(
      dc, combo_.ForeColor() == kSystemColor ? GetSysColor(COLOR_WINDOWTEXT) : combo_.ForeColor());
  SetBkColor(dc, combo_.BackColor());
  return context().gdi.Brush(combo_.BackColor());
}

}  // namespace forms::win32
