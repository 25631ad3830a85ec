// registry_calls DEMO.reg: counts the registry calls that one Apply and
// one preset make, on the memory store seeded from a REGEDIT4 demo machine
// (plus the language choice, so the main window opens), with the headless
// host. Each operation runs on a fresh machine; only the calls of the
// click itself are counted, not those of the windows' loads.
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "app/tarnolux.h"
#include "bench/counting_store.h"
#include "forms/headless.h"
#include "registry/driver.h"
#include "registry/memory_store.h"
#include "registry/registry.h"

namespace {

// One demo machine with the program on it, started in English.
struct Machine {
  registry::MemoryStore memory;
  bench::CountingStore store{memory};
  forms::HeadlessHost host;
  std::unique_ptr<app::Tarnolux> run;

  bool Start(const std::string& reg_file) {
    if (!bench::ImportRegFile(memory, reg_file)) return false;
    registry::Registry reg(memory);
    reg.SaveString(registry::kLocalMachine, registry::kProgramKey, registry::kLanguageValue, "1");
    run = std::make_unique<app::Tarnolux>(host, host.files, store);
    run->Start();
    return true;
  }
};

void PrintRow(const char* operation, const bench::CallCounts& counts) {
  std::printf("%-22s %5d %7d %6d %5d %6d %7d %5d %6d\n", operation, counts.open, counts.create,
              counts.query, counts.set, counts.close, counts.del, counts.enumerate, counts.Total());
}

bool CountApply(const std::string& reg_file) {
  Machine machine;
  if (!machine.Start(reg_file)) return false;
  machine.store.Reset();
  machine.run->main_window().apply.UserClick();
  if (machine.host.messages.empty()) return false;  // Apply did not run
  PrintRow("Apply (main window)", machine.store.counts());
  return true;
}

bool CountPreset(const std::string& reg_file, const char* button, const char* label) {
  Machine machine;
  if (!machine.Start(reg_file)) return false;
  machine.run->main_window().preset.UserClick();
  for (forms::Form* form : machine.run->program().Forms()) {
    if (form->Name() != "frmdefaults") continue;
    for (forms::Control* control : form->AllControls()) {
      if (control->Name() != button) continue;
      machine.store.Reset();
      static_cast<forms::CommandButton*>(control)->UserClick();
      PrintRow(label, machine.store.counts());
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: registry_calls DEMO.reg\n");
    return 2;
  }
  const std::string reg_file = argv[1];
  std::printf("%-22s %5s %7s %6s %5s %6s %7s %5s %6s\n", "operation", "open", "create", "query",
              "set", "close", "delete", "enum", "total");
  const bool counted = CountApply(reg_file) &&
                       CountPreset(reg_file, "defaults", "Preset: defaults") &&
                       CountPreset(reg_file, "fastest", "Preset: fastest") &&
                       CountPreset(reg_file, "prettiest", "Preset: prettiest");
  if (!counted) {
    std::fprintf(stderr, "registry_calls: an operation did not run on %s\n", reg_file.c_str());
    return 1;
  }
  return 0;
}
