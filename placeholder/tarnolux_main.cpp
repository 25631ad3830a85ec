// Stand-in for the main program until the main window lands: finds the
// Voodoo3 driver's key and says what it found.
#include <optional>
#include <string>

#include "placeholder/win32_message.h"
#include "registry/driver.h"
#include "registry/numbers.h"
#include "registry/win32_store.h"

int main() {
  registry::Win32Store store;
  registry::Registry reg(store);
  const std::optional<registry::Adapter> adapter = registry::FindAdapter(reg);
  std::string text;
  if (adapter) {
    text = "Display adapter " + registry::NumberText(adapter->Index()) + ": \"" +
           adapter->Description() + "\"\n" + adapter->DriverKey();
  } else {
    text = "No 3dfx Voodoo3 display adapter was found.";
  }
  MessageBoxA(nullptr, text.c_str(), "Tarnolux", 0x40 /* MB_ICONINFORMATION */);
  return 0;
}
