// The uninstaller's only window, Form1. It is never shown: its load clears
// the language choice, deletes the program's files, puts the Voodoo3
// driver's settings back to factory values, removes the games' shortcuts
// and their list, tells the user to delete the uninstaller and ends the
// program.
#pragma once

#include "forms/forms.h"
#include "registry/driver.h"
#include "registry/registry.h"

namespace uninstall {

// The program's files, deleted from the uninstaller's folder in this
// order. The uninstaller itself is not among them.
constexpr const char* kProgramFiles[] = {"Tarnolux.exe", "VBRun60.exe", "pic1.jpg", "pic2.jpg",
                                         "readme.txt"};

constexpr const char* kClosingText = "Now delete this file.";
constexpr const char* kClosingTitle = "Uninstall";

class Uninstaller : public forms::Form {
 public:
  Uninstaller(forms::Program& program, registry::Registry& reg);
  ~Uninstaller() override;

 protected:
  void OnLoad() override;

 private:
  void ResetLanguage();
  void DeleteProgramFiles();
  void ResetDriverOptions(const registry::Adapter& adapter);
  void ResetRefreshRates(const registry::Adapter& adapter);
  void ResetClock(const registry::Adapter& adapter);
  void RemoveGames();
  void SayGoodbye();

  void Save(const std::string& key, const char* name, std::string_view data);

  registry::Registry& reg_;
};

}  // namespace uninstall
