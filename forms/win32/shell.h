// The real shell: kernel32 for the environment and the processes, the
// Open dialog of comdlg32, the desktop of shell32 and shortcuts through
// ole32's IShellLinkA. comdlg32 and shell32 are loaded when asked for, so
// the programs import neither.
#pragma once

#include <string>

#include "forms/shell.h"

namespace forms::win32 {

class Win32Shell : public Shell {
 public:
  std::string Environment() override;
  bool StartProgram(const std::string& program, const std::string& command_line,
                    const std::string& environment, const std::string& folder) override;
  std::string ChooseProgram(const std::string& title, const std::string& filter) override;
  std::string ThisProgram() override;
  std::string DesktopFolder() override;
  bool MakeShortcut(const std::string& path, const Shortcut& shortcut) override;
};

}  // namespace forms::win32
