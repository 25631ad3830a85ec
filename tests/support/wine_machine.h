// The machine most Wine tests of a window run on: the real registry with a
// Voodoo3 driver key that goes again, with everything below it, at the
// end. Header-only.
//
//   const test_support::CardKeys kCard;  // display key 9, the scan's first
//   struct Machine : test_support::WineMachine {
//     Machine() { reg.SaveString(kLocalMachine, kCard.glide, "FX_GLIDE_NO_SPLASH", "1"); }
//   };
#pragma once

#include <windows.h>

#include <string>

#include "registry/registry.h"
#include "registry/win32_store.h"
#include "tests/support/card_keys.h"
#include "tests/support/wine_registry.h"

namespace test_support {

// A Voodoo3 at display key `index` (the scan's first unless told), and the
// program's language key; both go again at the end.
struct WineMachine {
  explicit WineMachine(int index = kScannedFirst) : card(index) {
    Clean();
    reg.SaveString(registry::kLocalMachine, card.driver, "DriverDesc", "3dfx Voodoo3");
  }
  ~WineMachine() { Clean(); }
  WineMachine(const WineMachine&) = delete;
  WineMachine& operator=(const WineMachine&) = delete;

  void Clean() {
    DeleteTree(HKEY_LOCAL_MACHINE, card.driver);
    DeleteTree(HKEY_LOCAL_MACHINE, kProgramKey);
  }
  // A stored text, or "<absent>".
  std::string Get(const std::string& key, const char* name) {
    return reg.GetString(registry::kLocalMachine, key, name, "<absent>");
  }

  const CardKeys card;
  registry::Win32Store store;
  registry::Registry reg{store};
};

}  // namespace test_support
