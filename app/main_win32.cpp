// Tarnolux.exe: the real registry, the real windows, files and shell.
// "/game <path> ..." starts that game with its settings and ends; any
// other command line starts Tarnolux as always.
#include <windows.h>

#include <memory>
#include <optional>

#include "app/tarnolux.h"
#include "forms/win32/files.h"
#include "forms/win32/shell.h"
#include "forms/win32/text.h"
#include "forms/win32/win32_host.h"
#include "games/launch.h"
#include "look/look.h"
#include "registry/win32_store.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR tail, int) {
  registry::Win32Store store;
  forms::win32::Win32Host::Options options;
  options.form_class = look::kFormClass;
  options.image_class = look::kImageClass;
  forms::win32::Win32Host host(options);
  forms::win32::Win32Shell shell;
  {
    registry::Registry reg(store);
    const std::optional<int> started =
        games::StartFromCommandLine(host, shell, reg, forms::win32::AnsiToUtf8(tail ? tail : ""));
    if (started) return *started;
  }
  forms::win32::Win32Files files;
  // On the heap: the windows take more than a page, and no frame may.
  const auto tarnolux = std::make_unique<app::Tarnolux>(host, files, store);
  tarnolux->SetShell(shell);
  tarnolux->Start();
  return host.Run();
}
