// Shows the test form and runs the message loop until its close box ends
// the process.
#include <windows.h>

#include "forms/win32/tests/test_form.h"
#include "forms/win32/win32_host.h"
#include "registry/memory_store.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  registry::MemoryStore store;
  registry::Registry reg(store);
  forms::win32::Win32Host host;
  forms::Program program(host);
  forms::win32::TestForm form(program, reg);
  form.Show();
  return host.Run();
}
