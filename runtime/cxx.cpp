// What the C++ headers call when something cannot go on, and the string
// classes they use, instantiated here. The programs are built without
// exceptions, so each of the error hooks ends the process at once with
// the fatal exit code; the toolchain's versions would bring exception
// objects, a symbol demangler and a formatted-output engine along.
// Instantiating the string classes in this file compiles them for a 486
// and lets the linker keep only the members the programs call.
#include <windows.h>

#include <string>

#include "runtime/runtime.h"

namespace runtime {
namespace {

// Functions registered with atexit: static objects' destructors. A
// program has a handful; more than the table holds are not run, which
// at the end of a process loses nothing.
constexpr int kMaxExitHandlers = 32;

struct ExitHandlers {
  void (*handlers[kMaxExitHandlers])() = {};
  int count = 0;
};

ExitHandlers& Handlers() {
  static ExitHandlers handlers;  // trivially constructed: no guard, no atexit
  return handlers;
}

}  // namespace

void RunExitHandlers() {
  ExitHandlers& table = Handlers();
  while (table.count > 0) table.handlers[--table.count]();
}

}  // namespace runtime

extern "C" {

__attribute__((noreturn)) void abort() { ExitProcess(runtime::kFatalExitCode); }

__attribute__((noreturn)) void __cxa_pure_virtual() { ExitProcess(runtime::kFatalExitCode); }

int atexit(void (*handler)()) {
  runtime::ExitHandlers& table = runtime::Handlers();
  if (table.count == runtime::kMaxExitHandlers) return -1;
  table.handlers[table.count++] = handler;
  return 0;
}

}  // extern "C"

namespace std {

void __throw_bad_alloc() { abort(); }
void __throw_bad_array_new_length() { abort(); }
void __throw_bad_function_call() { abort(); }
void __throw_logic_error(const char*) { abort(); }
void __throw_length_error(const char*) { abort(); }
void __throw_out_of_range(const char*) { abort(); }
void __throw_out_of_range_fmt(const char*, ...) { abort(); }
void __throw_invalid_argument(const char*) { abort(); }

template class basic_string<char>;
template class basic_string<wchar_t>;

}  // namespace std
