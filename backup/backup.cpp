#include "backup/backup.h"

#include "backup/regedit4.h"
#include "registry/driver.h"

namespace backup {

namespace {

constexpr const char* kDisplaySettings = "Display\\Settings";
constexpr const char* kDesktop = "Control Panel\\Desktop";

}  // namespace

std::string BackupText(registry::Registry& reg) {
  registry::Store& store = reg.store();
  RegFile file;
  if (const std::optional<registry::Adapter> adapter = registry::FindAdapter(reg)) {
    file.AddTree(store, registry::kLocalMachine, adapter->DriverKey());
  }
  // The Run key without its trailing backslash: a section header has none.
  std::string run = registry::kRunKey;
  run.pop_back();
  file.AddValues(store, registry::kLocalMachine, run.c_str(), {registry::kTrayToolValue});
  file.AddValues(store, registry::kLocalMachine, registry::kProgramKey, {registry::kLanguageValue});
  file.AddValues(store, registry::kCurrentConfig, kDisplaySettings,
                 {"Resolution", "BitsPerPixel", "DPIPhysicalX", "DPIPhysicalY", "DPILogicalX",
                  "DPILogicalY", "Advanced"});
  file.AddValues(store, registry::kCurrentUser, kDesktop,
                 {"FontSmoothing", "DragFullWindows", "WallpaperStyle"});
  return file.Text();
}

// The first backup is the one that keeps the settings from before
// Tarnolux: a later one would hold Tarnolux's own values.
void TakeBackup(registry::Registry& reg, forms::Program& program, bool dutch) {
  forms::Files& files = program.files();
  const std::string in_program = forms::JoinPath(files.ProgramFolder(), kFileName);
  const std::string in_windows = forms::JoinPath(files.WindowsFolder(), kFileName);
  if (files.FileExists(in_program) || files.FileExists(in_windows)) return;
  const std::string text = BackupText(reg);
  if (files.WriteFileReplacing(in_program, text) || files.WriteFileReplacing(in_windows, text)) {
    return;
  }
  program.host().ShowMessage(dutch ? kFailedTextDutch : kFailedText, kFailedTitle);
}

void BackUpBeforeFirstChange(registry::Registry& reg, forms::Program& program) {
  reg.SetBeforeFirstChange([&reg, &program] { TakeBackup(reg, program, registry::IsDutch(reg)); });
}

}  // namespace backup
