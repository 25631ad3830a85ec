// Stand-in for the uninstaller until it lands.
#include "placeholder/win32_message.h"

int main() {
  MessageBoxA(nullptr, "Uninstall", "Uninstall", 0);
  return 0;
}
