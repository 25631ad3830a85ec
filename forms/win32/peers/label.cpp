#include "forms/win32/peers/label.h"

namespace forms::win32 {

DWORD LabelWindow::Style() const {
  // A label that shows stored text shows "&" as itself.
  return SS_LEFT | SS_NOTIFY | (label_.UseMnemonic() ? 0 : SS_NOPREFIX);
}

}  // namespace forms::win32
