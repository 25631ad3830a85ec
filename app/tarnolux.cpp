#include "app/tarnolux.h"

#include "backup/backup.h"

namespace app {

Tarnolux::Tarnolux(forms::Host& host, forms::Files& files, registry::Store& store)
    : program_(host, files), reg_(store) {
  // The start-up clearing of the tray tool's entry is already a change.
  backup::BackUpBeforeFirstChange(reg_, program_);
  main_.SetLanguageWindow(&language_);
  MainTargets targets;
  targets.info = &info_;
  targets.windows = &desktop_;
  targets.presets = &presets_;
  targets.advanced = &advanced_;
  targets.refresh = &refresh_;
  targets.gamma = &gamma_;
  targets.games = &games_;
  main_.SetTargets(targets);
}

void Tarnolux::Start() { main_.Show(); }

}  // namespace app
