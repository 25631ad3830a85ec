// The windows that `make screenshots` renders, English and Dutch.
#pragma once

#include <memory>
#include <vector>

#include "forms/forms.h"
#include "registry/registry.h"

namespace screenshots {

using Factory = std::unique_ptr<forms::Form> (*)(forms::Program&, registry::Registry&);

struct Window {
  const char* file;  // the PNG's name: <file>-en.png, <file>-nl.png
  Factory make;
};

// Makes a window of the usual shape: W(program, reg).
template <class W>
std::unique_ptr<forms::Form> Make(forms::Program& program, registry::Registry& reg) {
  return std::make_unique<W>(program, reg);
}

const std::vector<Window>& Windows();

}  // namespace screenshots
