// Tarnolux.exe: the real registry, the real windows and the real files.
// No arguments.
#include <windows.h>

#include "app/tarnolux.h"
#include "forms/win32/files.h"
#include "forms/win32/win32_host.h"
#include "registry/win32_store.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  registry::Win32Store store;
  forms::win32::Win32Host host;
  forms::win32::Win32Files files;
  app::Tarnolux tarnolux(host, files, store);
  tarnolux.Start();
  return host.Run();
}
