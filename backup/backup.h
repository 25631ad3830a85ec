// The backup of the user's own settings, taken once per machine just
// before Tarnolux or the uninstaller first changes the registry: the whole
// Voodoo3 driver key, the tray tool's start-up entry, the program's
// language and the display and desktop values the programs write, as
// "Tarnolux backup.reg" in the program's folder (or the Windows folder).
#pragma once

#include <string>

#include "forms/forms.h"
#include "registry/registry.h"

namespace backup {

constexpr const char* kFileName = "Tarnolux backup.reg";
constexpr const char* kFailedText = "Tarnolux could not save a backup of your settings.";
constexpr const char* kFailedTextDutch =
    "Tarnolux kon geen reservekopie van uw instellingen maken.";
constexpr const char* kFailedTitle = "Tarnolux";

// The backup's REGEDIT4 text of the settings as they are now.
std::string BackupText(registry::Registry& reg);

// Writes the backup unless one exists in either folder already; when
// neither folder can be written, says so in the chosen language. The
// program's files are where it writes, its host where it says so.
void TakeBackup(registry::Registry& reg, forms::Program& program, bool dutch);

// Makes `reg` take the backup just before its first change.
void BackUpBeforeFirstChange(registry::Registry& reg, forms::Program& program);

}  // namespace backup
