// The project's own runtime under Wine: the probe program, built on it as
// the shipped programs are, is started once per piece and reports through
// its exit code.
#include <doctest.h>
#include <windows.h>

#include <string>

#include "runtime/runtime.h"

namespace {

std::string Folder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\'));
}

// Starts `command` and returns its exit code, or -1 when it did not start
// or did not end within 30 s.
long Run(const std::string& command, WORD show = SW_SHOWNORMAL, bool use_show = false) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  if (use_show) {
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = show;
  }
  PROCESS_INFORMATION process = {};
  std::string line = command;
  if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return -1;
  }
  long code = -1;
  if (WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0) {
    DWORD exit_code = 0;
    GetExitCodeProcess(process.hProcess, &exit_code);
    code = static_cast<long>(exit_code);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

const std::string& Probe() {
  static const std::string probe = Folder() + "\\runtime_probe.exe";
  return probe;
}

TEST_CASE("the entry point hands WinMain the command tail, the show state and the exit code") {
  CHECK(Run(Probe() + "   tail  two words\t") == 0);
  // A quoted program path with blanks in it, as Explorer starts programs.
  const std::string spaced = Folder() + "\\runtime probe.exe";
  REQUIRE(CopyFileA(Probe().c_str(), spaced.c_str(), FALSE));
  CHECK(Run("\"" + spaced + "\" tail  two words\t") == 0);
  DeleteFileA(spaced.c_str());

  CHECK(Run(Probe() + " show", SW_SHOWMINNOACTIVE, true) == SW_SHOWMINNOACTIVE);
  CHECK(Run(Probe() + " show") == SW_SHOWDEFAULT);
  CHECK(Run(Probe() + " exit-code") == 42);
  // A static object's destructor runs after WinMain has returned.
  CHECK(Run(Probe() + " at-exit") == 43);
  CHECK(Run(Probe() + " no-such-piece") == 9);
}

TEST_CASE("memory routines, strings and a frame larger than a page work on the runtime") {
  CHECK(Run(Probe() + " memory") == 0);
  CHECK(Run(Probe() + " strings") == 0);
  CHECK(Run(Probe() + " stack") == 0);
}

TEST_CASE("running out of memory ends the program with the fatal exit code") {
  CHECK(Run(Probe() + " out-of-memory") == static_cast<long>(runtime::kFatalExitCode));
}

TEST_CASE("the command tail skips the program's name, quoted or not, and the blanks after it") {
  CHECK(std::string(runtime::CommandTail("prog.exe a b")) == "a b");
  CHECK(std::string(runtime::CommandTail("\"C:\\Program Files\\T\\prog.exe\"  a")) == "a");
  CHECK(std::string(runtime::CommandTail("\"C:\\no end quote")) == "");
  CHECK(std::string(runtime::CommandTail("prog.exe")) == "");
  CHECK(std::string(runtime::CommandTail(nullptr)) == "");
}

}  // namespace
