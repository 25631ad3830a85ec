// One run of the program for a window's native tests: the memory registry
// noting every change (RecordingStore), the headless host with its pretend
// files, the program, the main window the others open from, and the window
// under test, made as the program makes it. Header only.
//
// A test derives its fixture from it beside ::testing::Test, or makes one
// per run, and keeps its own seeding and checks:
//
//   struct AdvancedTest : ::testing::Test, test_support::HeadlessWindow<AdvancedWindow> {
//     AdvancedTest() { SeedCard(kDriver); }
//   };
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/forms.h"
#include "forms/handoff.h"
#include "forms/headless.h"
#include "registry/registry.h"
#include "tests/support/recording_store.h"

namespace test_support {

template <typename Window>
struct HeadlessWindow {
  // How a main window's button opens its window: forms::OpenAt, or
  // forms::OpenCentred for the presets.
  using HandOff = void (*)(forms::Form& target, forms::Form& from);

  // Names the display class key `driver` a Voodoo3, the card the adapter
  // scan looks for.
  void SeedCard(const std::string& driver) {
    reg.SaveString(registry::kLocalMachine, driver, "DriverDesc", "3dfx Voodoo3");
  }
  // The language the windows read at Load: "1" English, "2" Dutch.
  void SetLanguage(const char* language) {
    reg.SaveString(registry::kLocalMachine, "Software\\Tarno", "Language", language);
  }

  // Opens the window from the main window, as its button does. From here
  // `store.writes` notes what the window changes, its Load included.
  Window& Open(HandOff hand_off = forms::OpenAt) {
    store.writes.clear();
    main.Show();
    hand_off(window, main);
    return window;
  }

  // Whether `form` is the one form showing; if not, which forms are.
  ::testing::AssertionResult OnlyShowing(const forms::Form& form) {
    const std::vector<forms::Form*> visible = program.VisibleForms();
    if (visible.size() == 1 && visible[0] == &form) return ::testing::AssertionSuccess();
    ::testing::AssertionResult failure = ::testing::AssertionFailure();
    failure << "showing" << (visible.empty() ? " nothing" : ":");
    for (const forms::Form* shown : visible) failure << " " << shown->Name();
    return failure;
  }
  // Whether the window under test is the one form showing.
  ::testing::AssertionResult WindowIsOpen() { return OnlyShowing(window); }

  // Whether OK was refused as a window refuses a value it cannot store:
  // one message, `text` titled "Tarnolux", nothing changed, the window
  // still open and the focus on `culprit`.
  ::testing::AssertionResult Refused(const std::string& text, const forms::Control& culprit) {
    if (host.messages.size() != 1) {
      return ::testing::AssertionFailure() << host.messages.size() << " messages";
    }
    const forms::HeadlessHost::Message& message = host.messages[0];
    if (message.text != text || message.title != "Tarnolux") {
      return ::testing::AssertionFailure()
             << "the message \"" << message.text << "\" titled \"" << message.title << "\"";
    }
    if (!store.writes.empty()) {
      return ::testing::AssertionFailure() << "changed: " << store.writes[0];
    }
    ::testing::AssertionResult open = WindowIsOpen();
    if (!open) return open;
    if (host.focus != &culprit) {
      return ::testing::AssertionFailure()
             << "the focus on " << (host.focus ? host.focus->Name() : "nothing");
    }
    return ::testing::AssertionSuccess();
  }

  RecordingStore store;
  registry::Registry reg{store};
  forms::HeadlessHost host;
  forms::Program program{host, host.files};
  forms::Form main{program, "frmv3"};
  Window window{program, reg};
};

}  // namespace test_support
