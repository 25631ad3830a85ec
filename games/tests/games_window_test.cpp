#include "games/games_window.h"

#include <gtest/gtest.h>

#include "games/tests/fake_shell.h"
#include "tests/support/headless_window.h"

namespace games {
namespace {

using test_support::DeleteLine;
using test_support::WriteLine;

constexpr const char* kFirst = "Software\\Tarno\\Games\\1";
constexpr const char* kSecond = "Software\\Tarno\\Games\\2";

struct GamesWindowTest : ::testing::Test, test_support::HeadlessWindow<GamesWindow> {
  GamesWindowTest() {
    Seed(kFirst, "Name", "arena");
    Seed(kFirst, "Program", "C:\\Games\\Arena\\arena.exe");
    Seed(kFirst, "FX_GLIDE_SWAPINTERVAL", "0");
    Seed(kFirst, "FX_GLIDE_REFRESH", "85");
    Seed(kFirst, "FX_GLIDE_NO_SPLASH", "0");
    Seed(kSecond, "Name", "tomb");
    Seed(kSecond, "Program", "D:\\TOMB\\TOMB.EXE");
    Seed(kSecond, "SSTH3_RGAMMA", "1.5");
    Seed(kSecond, "SSTH3_GGAMMA", "1.5");
    Seed(kSecond, "SSTH3_BGAMMA", "1.5");
    window.SetShell(&shell);
  }
  void Seed(const char* key, const char* name, const char* data) {
    reg.SaveString(registry::kLocalMachine, key, name, data);
  }
  std::vector<std::string> List() { return window.cbogames.List(); }

  testing::FakeShell shell;
};

TEST_F(GamesWindowTest, ShowsEachGamesSettingsAndOkWritesTheListAnew) {
  Open();
  EXPECT_EQ(List(), (std::vector<std::string>{"arena", "tomb"}));
  EXPECT_EQ(window.cbogames.Text(), "arena");
  EXPECT_EQ(window.cbovsync.Text(), "Off");
  EXPECT_EQ(window.cborefresh.Text(), "85 Hz");
  EXPECT_EQ(window.cboalpha.Text(), "As set in Tarnolux");
  EXPECT_EQ(window.chksplash.Value(), 1);  // "0" counts by presence
  EXPECT_EQ(window.chkgamma.Value(), 0);
  EXPECT_FALSE(window.gr.Enabled());

  // Changes to the first game stay with it while the second is shown.
  window.cboalpha.UserPick(3);
  window.chksplash.UserClick();
  window.cbogames.UserPick(1);
  EXPECT_EQ(window.cbovsync.Text(), "As set in Tarnolux");
  EXPECT_EQ(window.chkgamma.Value(), 1);
  EXPECT_EQ(window.chklock.Value(), 1);
  EXPECT_EQ(window.lblgg.Caption(), "1.5");
  window.gb.UserScroll(120);  // locked: all three follow
  window.cbobuffers.UserPick(2);
  window.chk2mb.UserClick();
  store.writes.clear();
  window.ok.UserClick();

  EXPECT_EQ(store.writes, (std::vector<std::string>{
                              DeleteLine("Software\\Tarno\\Games"),
                              WriteLine(kFirst, "Name", "arena"),
                              WriteLine(kFirst, "Program", "C:\\Games\\Arena\\arena.exe"),
                              WriteLine(kFirst, "FX_GLIDE_SWAPINTERVAL", "0"),
                              WriteLine(kFirst, "FX_GLIDE_REFRESH", "85"),
                              WriteLine(kFirst, "SSTH3_ALPHADITHERMODE", "3"),
                              WriteLine(kSecond, "Name", "tomb"),
                              WriteLine(kSecond, "Program", "D:\\TOMB\\TOMB.EXE"),
                              WriteLine(kSecond, "SSTH3_RGAMMA", "1.2"),
                              WriteLine(kSecond, "SSTH3_GGAMMA", "1.2"),
                              WriteLine(kSecond, "SSTH3_BGAMMA", "1.2"),
                              WriteLine(kSecond, "FX_GLIDE_ALLOC_COLOR", "3"),
                              WriteLine(kSecond, "FX_GLIDE_TMU_MEMSIZE", "2"),
                          }));
  EXPECT_TRUE(OnlyShowing(main));
}

TEST_F(GamesWindowTest, AddAndRemoveThenCancelForgetsThem) {
  Open();
  shell.chosen = "E:\\Other\\Arena.EXE";  // a second "arena"
  window.cmdadd.UserClick();
  shell.chosen = "c:\\games\\arena\\ARENA.exe";  // already listed: selected
  window.cmdadd.UserClick();
  EXPECT_EQ(List(), (std::vector<std::string>{"arena", "tomb", "Arena (2)"}));
  EXPECT_EQ(window.cbogames.Text(), "arena");
  EXPECT_EQ(shell.dialogs, (std::vector<std::string>{"Add a game", "Add a game"}));

  window.cmdremove.UserClick();
  EXPECT_EQ(List(), (std::vector<std::string>{"tomb", "Arena (2)"}));
  EXPECT_EQ(window.cbogames.Text(), "tomb");
  window.cmdremove.UserClick();
  window.cmdremove.UserClick();
  EXPECT_TRUE(List().empty());
  EXPECT_FALSE(window.cmdstart.Enabled());
  EXPECT_FALSE(window.cbovsync.Enabled());
  EXPECT_EQ(window.cbovsync.Text(), "As set in Tarnolux");

  window.cancel.UserClick();
  EXPECT_TRUE(store.writes.empty());
  EXPECT_TRUE(OnlyShowing(main));
  Open();
  EXPECT_EQ(List(), (std::vector<std::string>{"arena", "tomb"}));
  EXPECT_EQ(window.cbovsync.Text(), "Off");
}

TEST_F(GamesWindowTest, StartGivesTheGameTheSettingsShown) {
  SetLanguage("2");
  Open();
  window.cbovsync.UserPick(1);  // "Aan"
  window.cmdstart.UserClick();
  ASSERT_EQ(shell.started.size(), 1u);
  EXPECT_EQ(shell.started[0].program, "C:\\Games\\Arena\\arena.exe");
  EXPECT_EQ(shell.started[0].command_line, "\"C:\\Games\\Arena\\arena.exe\"");
  EXPECT_EQ(shell.started[0].folder, "C:\\Games\\Arena");
  EXPECT_EQ(shell.started[0].environment,
            std::string("FX_GLIDE_NO_SPLASH=0") + '\0' + "FX_GLIDE_REFRESH=85" + '\0' +
                "FX_GLIDE_SWAPINTERVAL=1" + '\0' + "PATH=C:\\WINDOWS" + '\0' + '\0');
  EXPECT_TRUE(WindowIsOpen());
  EXPECT_TRUE(store.writes.empty());

  shell.can_start = false;
  window.cmdstart.UserClick();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "C:\\Games\\Arena\\arena.exe kon niet worden gestart.");
  EXPECT_TRUE(WindowIsOpen());
}

TEST_F(GamesWindowTest, ShortcutsTakeAFreeNameAndGoAgainWhenForgotten) {
  host.files.AddFile("C:\\WINDOWS\\Desktop\\arena (Tarnolux).lnk");  // not Tarnolux's
  Open();
  window.cmdshortcut.UserClick();
  ASSERT_EQ(shell.shortcuts.size(), 1u);
  const testing::FakeShell::Written made = shell.shortcuts[0];
  EXPECT_EQ(made.path, "C:\\WINDOWS\\Desktop\\arena (Tarnolux 2).lnk");
  EXPECT_EQ(made.shortcut.target, "C:\\Program Files\\Tarnolux\\Tarnolux.exe");
  EXPECT_EQ(made.shortcut.arguments, "/game \"C:\\Games\\Arena\\arena.exe\"");
  EXPECT_EQ(made.shortcut.folder, "C:\\Games\\Arena");
  EXPECT_EQ(made.shortcut.icon, "C:\\Games\\Arena\\arena.exe");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "The shortcut \"arena (Tarnolux 2)\" is on the desktop.");
  window.ok.UserClick();
  EXPECT_TRUE(store.Wrote("Shortcut"));
  EXPECT_EQ(reg.GetString(registry::kLocalMachine, kFirst, "Shortcut"), made.path);

  // Made again for the same game: its own file is replaced, not a third.
  host.files.AddFile(made.path);
  Open();
  window.cmdshortcut.UserClick();
  EXPECT_EQ(shell.shortcuts.back().path, made.path);
  // One made for the second game goes again at Cancel; the first's stays.
  window.cbogames.UserPick(1);
  window.cmdshortcut.UserClick();
  EXPECT_EQ(shell.shortcuts.back().path, "C:\\WINDOWS\\Desktop\\tomb (Tarnolux).lnk");
  host.files.AddFile(shell.shortcuts.back().path);
  window.cancel.UserClick();
  EXPECT_EQ(host.files.deleted,
            (std::vector<std::string>{"c:\\windows\\desktop\\tomb (tarnolux).lnk"}));
  EXPECT_TRUE(host.files.HasFile(made.path));
}

}  // namespace
}  // namespace games
