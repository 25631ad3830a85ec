// Uninstall.exe: the real registry, the real files (the program's folder)
// and a host that shows message boxes and nothing else. Its window is
// never shown: the load does all the work and ends the process. No
// arguments.
#include <windows.h>

#include "forms/win32/files.h"
#include "forms/win32/message_host.h"
#include "registry/registry.h"
#include "registry/win32_store.h"
#include "uninstall/uninstaller.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  forms::win32::MessageHost host;
  forms::win32::Win32Files files;
  forms::Program program(host, files);
  registry::Win32Store store;
  registry::Registry reg(store);
  uninstall::Uninstaller form(program, reg);
  form.Show();
  return 0;
}
