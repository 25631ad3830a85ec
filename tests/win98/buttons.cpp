// Windows 95/98's button control where Wine's leaves it out, for the
// Wine tests: a global CBT hook (SetWindowsHookExA(WH_CBT, ..., this
// module, 0), set by every Wine test program) subclasses each BUTTON as
// it is made, in the test program and in every program it starts, below
// whatever subclass the program itself puts on top. Wine lists these
// behaviours as missing in the TODO of its dlls/user32/button.c; each is
// described in Microsoft's "Button Messages", "Default Message
// Processing" (learn.microsoft.com/windows/win32/controls/button-messages).
#include <windows.h>

namespace {

constexpr const char* kOriginalProc = "Win98ButtonProc";

UINT KindOf(HWND hwnd) { return static_cast<UINT>(GetWindowLongA(hwnd, GWL_STYLE)) & BS_TYPEMASK; }

bool IsOption(UINT kind) { return kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON; }

bool IsCheckBox(UINT kind) {
  return kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_3STATE ||
         kind == BS_AUTO3STATE;
}

// WM_SETFOCUS: "For radio buttons and automatic radio buttons, the parent
// window is sent a BN_CLICKED notification code", when the button is not
// checked, unless the focus comes from the mouse: a click captures the
// mouse before it takes the focus (so does BM_CLICK), and its BN_CLICKED
// comes at the release.
void OnSetFocus(HWND hwnd) {
  if (!IsOption(KindOf(hwnd))) return;
  if (SendMessageA(hwnd, BM_GETCHECK, 0, 0) & BST_CHECKED) return;
  if (GetCapture() == hwnd || GetKeyState(VK_LBUTTON) < 0) return;
  SendMessageA(GetParent(hwnd), WM_COMMAND,
               MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(hwnd)), BN_CLICKED),
               reinterpret_cast<LPARAM>(hwnd));
}

// WM_CHAR: "Checks a check box or automatic check box when the user
// presses the plus (+) or equal (=) keys. Clears a check box or
// automatic check box when the user presses the minus (-) key." No
// notification is documented, and none is sent here.
bool OnChar(HWND hwnd, WPARAM key) {
  if (!IsCheckBox(KindOf(hwnd)) || (key != '+' && key != '=' && key != '-')) return false;
  SendMessageA(hwnd, BM_SETCHECK, key == '-' ? BST_UNCHECKED : BST_CHECKED, 0);
  return true;
}

LRESULT CALLBACK ButtonProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto original = reinterpret_cast<WNDPROC>(GetPropA(hwnd, kOriginalProc));
  if (!original) return DefWindowProcA(hwnd, message, wparam, lparam);
  switch (message) {
    case WM_SETFOCUS: {
      const LRESULT result = CallWindowProcA(original, hwnd, message, wparam, lparam);
      OnSetFocus(hwnd);
      return result;
    }
    case WM_GETDLGCODE:
      // "BS_CHECKBOX: DLGC_WANTCHARS | DLGC_BUTTON" (and the other check
      // box styles): a plain letter goes to a focused check box, not to
      // the dialog's mnemonics.
      if (IsCheckBox(KindOf(hwnd))) return DLGC_WANTCHARS | DLGC_BUTTON;
      break;
    case WM_CHAR:
      if (OnChar(hwnd, wparam)) return 0;
      break;
    case WM_NCDESTROY:
      SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
      RemovePropA(hwnd, kOriginalProc);
      break;
    default:
      break;
  }
  return CallWindowProcA(original, hwnd, message, wparam, lparam);
}

bool IsButton(HWND hwnd) {
  char name[16] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return lstrcmpiA(name, "Button") == 0;
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    Win98ButtonsHook(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_CREATEWND) {
    auto hwnd = reinterpret_cast<HWND>(wparam);
    if (IsButton(hwnd) && !GetPropA(hwnd, kOriginalProc)) {
      const LONG_PTR original =
          SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ButtonProc));
      SetPropA(hwnd, kOriginalProc, reinterpret_cast<HANDLE>(original));
    }
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}
