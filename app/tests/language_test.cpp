#include <gtest/gtest.h>

#include "app/language_window.h"
#include "app/tarnolux.h"
#include "forms/headless.h"
#include "registry/memory_store.h"

namespace app {
namespace {

using registry::kLocalMachine;

constexpr const char* kAbsent = "<absent>";

struct LanguageTest : ::testing::Test {
  registry::MemoryStore store;
  registry::Registry reg{store};
  forms::HeadlessHost host;
  Tarnolux run{host, host.files, store};

  LanguageTest() {
    reg.SaveString(kLocalMachine, "System\\CurrentControlSet\\Services\\Class\\Display\\0002",
                   "DriverDesc", "3dfx Voodoo3");
    run.Start();
  }
  std::string Language() {
    return reg.GetString(kLocalMachine, "Software\\Tarno", "Language", kAbsent);
  }
};

TEST_F(LanguageTest, DutchStoresTwoAndEnds) {
  run.language_window().choose_dutch.UserClick();
  EXPECT_EQ(Language(), "2");
  EXPECT_TRUE(host.ended);
}

TEST_F(LanguageTest, EnglishStoresOneAndEnds) {
  run.language_window().choose_english.UserClick();
  EXPECT_EQ(Language(), "1");
  EXPECT_TRUE(host.ended);
}

TEST_F(LanguageTest, TheCloseBoxStoresNothingAndTheNextStartAsksAgain) {
  run.language_window().UserClose();
  EXPECT_TRUE(host.ended);
  EXPECT_EQ(Language(), kAbsent);
  forms::HeadlessHost again;
  Tarnolux next(again, again.files, store);
  next.Start();
  EXPECT_EQ(again.shows, std::vector<std::string>({"FrmLanguage"}));
}

TEST_F(LanguageTest, AnEmptyChoiceAsksAgainAndAChoiceShowsFromTheNextStart) {
  reg.SaveString(kLocalMachine, "Software\\Tarno", "Language", "");  // as the uninstaller leaves it
  forms::HeadlessHost asked;
  Tarnolux second(asked, asked.files, store);
  second.Start();
  EXPECT_EQ(asked.shows, std::vector<std::string>({"FrmLanguage"}));
  second.language_window().choose_dutch.UserClick();

  forms::HeadlessHost dutch;
  Tarnolux third(dutch, dutch.files, store);
  third.Start();
  EXPECT_EQ(dutch.shows, std::vector<std::string>({"frmv3"}));
  EXPECT_EQ(third.main_window().apply.Caption(), "Toepassen");
}

}  // namespace
}  // namespace app
