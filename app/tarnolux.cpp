#include "app/tarnolux.h"

namespace app {

Tarnolux::Tarnolux(forms::Host& host, registry::Store& store) : program_(host), reg_(store) {
  main_.SetLanguageWindow(&language_);
  MainTargets targets;
  targets.info = &info_;
  targets.windows = &desktop_;
  targets.presets = &presets_;
  targets.advanced = &advanced_;
  targets.refresh = &refresh_;
  targets.gamma = &gamma_;
  main_.SetTargets(targets);
}

void Tarnolux::Start() { main_.Show(); }

}  // namespace app
