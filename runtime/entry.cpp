// The entry point: runs the static constructors, calls WinMain with the
// instance, the command tail and the show state the starter asked for,
// runs the exit handlers and ends the process with WinMain's result.
#include <windows.h>

#include "runtime/runtime.h"

// The linker's table of static constructors: -1, the functions, 0.
extern "C" void (*__CTOR_LIST__[])();

namespace runtime {
namespace {

void RunConstructors() {
  unsigned count = 0;
  while (__CTOR_LIST__[count + 1]) ++count;
  // Called last to first, as the toolchain's own start-up does.
  for (unsigned i = count; i >= 1; --i) __CTOR_LIST__[i]();
}

int ShowState() {
  STARTUPINFOA info = {};
  info.cb = sizeof info;
  GetStartupInfoA(&info);
  return (info.dwFlags & STARTF_USESHOWWINDOW) ? info.wShowWindow : SW_SHOWDEFAULT;
}

}  // namespace

void RunExitHandlers();

}  // namespace runtime

// Windows starts a GUI program here (the linker's default entry name).
// Windows 9x hands over a stack aligned to 4 bytes only.
extern "C" __attribute__((force_align_arg_pointer, noreturn)) void WinMainCRTStartup() {
  runtime::RunConstructors();
  const int show = runtime::ShowState();
  char* tail = const_cast<char*>(runtime::CommandTail(GetCommandLineA()));
  const int code = WinMain(GetModuleHandleA(nullptr), nullptr, tail, show);
  runtime::RunExitHandlers();
  ExitProcess(static_cast<UINT>(code));
}
