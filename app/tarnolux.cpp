#include "app/tarnolux.h"

namespace app {

Tarnolux::Tarnolux(forms::Host& host, registry::Store& store) : program_(host), reg_(store) {
  main_.SetLanguageWindow(&language_);
  MainTargets targets;
  // targets.info = &info_; and so on, as the windows arrive.
  main_.SetTargets(targets);
}

void Tarnolux::Start() { main_.Show(); }

}  // namespace app
