// The entry point of every test program that runs under Wine. Before any
// test, it puts Windows 98's button control (tests/win98/buttons.cpp)
// under every window this program and the programs it starts make.
#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest.h>
#include <windows.h>

#include <cstdio>

#include "tests/support/wine_files.h"

namespace {

bool ModelWindows98Buttons() {
  HMODULE module = LoadLibraryA(test_support::WinePath(WIN98_BUTTONS_DLL).c_str());
  auto hook = module ? reinterpret_cast<HOOKPROC>(
                           reinterpret_cast<void*>(GetProcAddress(module, "Win98ButtonsHook")))
                     : nullptr;
  return hook && SetWindowsHookExA(WH_CBT, hook, module, 0);
}

}  // namespace

int main(int argc, char** argv) {
  if (!ModelWindows98Buttons()) {
    std::fprintf(stderr, "cannot hook the Windows 98 button model into the tests\n");
    return 1;
  }
  return doctest::Context(argc, argv).run();
}
