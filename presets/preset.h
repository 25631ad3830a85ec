// The three one-click settings of the driver and what each one writes.
#pragma once

#include "registry/driver.h"
#include "registry/registry.h"

namespace presets {

enum class Preset { Defaults, Fastest, Prettiest };

// Rebuilds the Glide and Direct3D keys for `preset` and writes the gamma
// of all four places and every refresh rate. The clock is left alone.
void WritePreset(registry::Registry& reg, const registry::Adapter& adapter, Preset preset);

}  // namespace presets
