// What the programs ask of the Windows shell beside windows and files:
// their own environment, starting another program, the Open dialog, the
// desktop and its shortcuts. The program entry picks the real one
// (forms/win32/shell.h); tests pick a pretend one. Texts are UTF-8.
#pragma once

#include <string>

namespace forms {

class Shell {
 public:
  virtual ~Shell() = default;

  // The running program's environment: entries "NAME=value", each ended
  // by a NUL, and one more NUL after the last.
  virtual std::string Environment() = 0;
  // Starts `program` with that command line (its own name included), an
  // environment block of the same form, and `folder` as its current
  // folder, and does not wait for it; false when it could not start.
  virtual bool StartProgram(const std::string& program, const std::string& command_line,
                            const std::string& environment, const std::string& folder) = 0;

  // The standard Open dialog for one program (*.exe), titled `title`,
  // with `filter` the name of its one file type: the chosen file's full
  // path, or "" when the user cancelled.
  virtual std::string ChooseProgram(const std::string& title, const std::string& filter) = 0;

  // The running program's full path.
  virtual std::string ThisProgram() = 0;
  // The Windows desktop folder, or "" when the shell has none.
  virtual std::string DesktopFolder() = 0;

  struct Shortcut {
    std::string target;     // the program it starts
    std::string arguments;  // what follows the program's name
    std::string folder;     // the working folder
    std::string icon;       // the file whose first icon it shows
  };
  // Writes the shortcut file `path` (a ".lnk"), replacing one there;
  // false when it could not be written.
  virtual bool MakeShortcut(const std::string& path, const Shortcut& shortcut) = 0;
};

}  // namespace forms
