// Shows the test form on the real registry and runs the message loop
// until its close box ends the process. Built as the shipped programs are.
#include <windows.h>

#include <memory>

#include "forms/win32/files.h"
#include "forms/win32/tests/test_form.h"
#include "forms/win32/win32_host.h"
#include "registry/win32_store.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  registry::Win32Store store;
  registry::Registry reg(store);
  forms::win32::Win32Host host;
  forms::win32::Win32Files files;
  forms::Program program(host, files);
  // On the heap: the form takes more than a page, and no frame may.
  const auto form = std::make_unique<forms::win32::TestForm>(program, reg);
  form->Show();
  return host.Run();
}
