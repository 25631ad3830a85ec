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
  file.AddValues(store, registry::kLocalMachine, run, {registry::kTrayToolValue});
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
void TakeBackup(registry::Registry& reg, forms::Host& host, bool dutch) {
  const std::string in_program = forms::JoinPath(host.ProgramFolder(), kFileName);
  const std::string in_windows = forms::JoinPath(host.WindowsFolder(), kFileName);
  if (host.FileExists(in_program) || host.FileExists(in_windows)) return;
  const std::string text = BackupText(reg);
  if (host.WriteFileReplacing(in_program, text) || host.WriteFileReplacing(in_windows, text)) {
    return;
  }
  host.ShowMessage(dutch ? kFailedTextDutch : kFailedText, kFailedTitle);
}

void BackUpBeforeFirstChange(registry::Registry& reg, forms::Host& host) {
  reg.SetBeforeFirstChange([&reg, &host] { TakeBackup(reg, host, registry::IsDutch(reg)); });
}

}  // namespace backup
