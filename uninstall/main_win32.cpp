// Uninstall.exe: the real registry and the host's services (files, the
// program's folder, the message box). Its window is never shown; the
// load does all the work and ends the process. No arguments.
#include <windows.h>

#include "forms/win32/win32_host.h"
#include "registry/registry.h"
#include "registry/win32_store.h"
#include "uninstall/uninstaller.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  registry::Win32Store store;
  registry::Registry reg(store);
  forms::win32::Win32Host host;
  forms::Program program(host);
  uninstall::Uninstaller form(program, reg);
  form.Show();
  return host.Run();
}
