// A pretend shell for the native tests: an environment to hand out, the
// programs it was asked to start, an Open dialog that answers with
// `chosen`, and the shortcuts it wrote. Header only.
#pragma once

#include <string>
#include <vector>

#include "forms/shell.h"

namespace games::testing {

class FakeShell : public forms::Shell {
 public:
  struct Started {
    std::string program, command_line, environment, folder;
  };
  struct Written {
    std::string path;
    Shortcut shortcut;
  };

  std::string Environment() override { return environment; }
  bool StartProgram(const std::string& program, const std::string& command_line,
                    const std::string& block, const std::string& folder) override {
    started.push_back({program, command_line, block, folder});
    return can_start;
  }
  std::string ChooseProgram(const std::string& title, const std::string&) override {
    dialogs.push_back(title);
    return chosen;
  }
  std::string ThisProgram() override { return "C:\\Program Files\\Tarnolux\\Tarnolux.exe"; }
  std::string DesktopFolder() override { return desktop; }
  bool MakeShortcut(const std::string& path, const Shortcut& shortcut) override {
    shortcuts.push_back({path, shortcut});
    return true;
  }

  std::string environment = std::string("PATH=C:\\WINDOWS") + '\0' + '\0';
  bool can_start = true;
  std::string chosen;
  std::string desktop = "C:\\WINDOWS\\Desktop";
  std::vector<Started> started;
  std::vector<std::string> dialogs;  // titles
  std::vector<Written> shortcuts;
};

}  // namespace games::testing
