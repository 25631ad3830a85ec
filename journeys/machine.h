// A fresh copy of a demo machine for one journey: the registry as one of
// the demo/*.reg files describes it, imported by Wine's own regedit, and
// the program's folder as a user copies it. Everything the journey may
// change is put back when it ends.
#pragma once

#include <windows.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tests/support/wine_files.h"
#include "tests/support/wine_registry.h"

namespace journeys {

// The folder the user copied Tarnolux to.
constexpr const char* kFolder = "C:\\Tarnolux Journeys";
// What the user copies: the files of the distribution.
extern const std::set<std::string> kShippedFiles;
// The backup of the user's settings that the programs may leave beside
// them (or in the Windows folder) before their first change; its own
// tests look at its contents.
constexpr const char* kBackupFile = "Tarnolux backup.reg";

// A leftover of an older version that Tarnolux removes when it starts.
constexpr const char* kLeftover = "C:\\windows\\system\\mnstr.dll";

// The demo machines of demo/.
constexpr const char* kVoodoo3Machine = "voodoo3-3000.reg";
constexpr const char* kNoVoodoo3Machine = "no-voodoo3.reg";

// The files of the program folder, the backup aside.
std::set<std::string> ProgramFiles();
// The backup in the program folder, or "" when there is none.
std::string BackupText();

class Machine {
 public:
  explicit Machine(const char* demo);
  ~Machine();
  Machine(const Machine&) = delete;
  Machine& operator=(const Machine&) = delete;

  // Whether the import and the folder worked out.
  bool ready() const { return ready_; }
  // The user chose English on an earlier start.
  void ChooseEnglish();

 private:
  void Clean();
  bool MakeFolder();

  // The values outside the display keys that the demo files set, put
  // back after the journey.
  std::vector<std::unique_ptr<test_support::SavedValue>> saved_;
  bool ready_ = false;
};

}  // namespace journeys
