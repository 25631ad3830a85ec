// The small runtime the shipped Windows programs carry instead of the
// toolchain's: entry point, heap, memory routines, operator new/delete and
// the hooks the C++ headers call. All of it is compiled for a 486, so the
// programs run on every CPU a Voodoo3 fits beside, and it imports nothing
// but kernel32, so they start on Windows 95 as first released.
//
// A program links the tarnolux_runtime library and defines WinMain as
// usual; the entry point below calls it. Test programs do not link it:
// they keep the toolchain's runtime, which their test framework needs.
#pragma once

namespace runtime {

// The exit code of a program that ran out of memory or hit a fault the
// C++ headers report (abort, a pure virtual call, a failed check of a
// standard container). The process ends at once with it.
constexpr unsigned kFatalExitCode = 3;

// The part of a command line after the program's own name (quoted or
// not) and the blanks behind it: what WinMain receives as its command
// line. Never null.
const char* CommandTail(const char* command_line);

}  // namespace runtime
