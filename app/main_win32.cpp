// Tarnolux.exe: the real registry and the real windows. No arguments.
#include <windows.h>

#include "app/tarnolux.h"
#include "forms/win32/win32_host.h"
#include "registry/win32_store.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  registry::Win32Store store;
  forms::win32::Win32Host host;
  app::Tarnolux tarnolux(host, store);
  tarnolux.Start();
  return host.Run();
}
