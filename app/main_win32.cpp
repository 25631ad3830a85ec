// Tarnolux.exe: the real registry, the real windows and the real files.
// No arguments.
#include <windows.h>

#include "app/tarnolux.h"
#include "forms/win32/files.h"
#include "forms/win32/win32_host.h"
#include "look/look.h"
#include "registry/win32_store.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  registry::Win32Store store;
  forms::win32::Win32Host::Options options;
  options.form_class = look::kFormClass;
  options.image_class = look::kImageClass;
  forms::win32::Win32Host host(options);
  forms::win32::Win32Files files;
  app::Tarnolux tarnolux(host, files, store);
  tarnolux.Start();
  return host.Run();
}
