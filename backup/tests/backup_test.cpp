// The backup on the headless host: where it goes, that it is written once,
// what it holds, the message when it cannot be written, and that both
// programs take it before their first change.
#include "backup/backup.h"

#include <gtest/gtest.h>

#include <string>

#include "app/tarnolux.h"
#include "forms/headless.h"
#include "registry/memory_store.h"
#include "registry/registry.h"
#include "uninstall/uninstaller.h"

namespace backup {
namespace {

using registry::kLocalMachine;

const std::string kDisplay = "System\\CurrentControlSet\\Services\\Class\\Display\\";
const std::string kDriver = kDisplay + "0001";
constexpr const char* kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kInProgram = "C:\\Program Files\\Tarnolux\\Tarnolux backup.reg";
constexpr const char* kInWindows = "C:\\WINDOWS\\Tarnolux backup.reg";

bool Holds(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// The backup of SeedCard's machine: the driver's tree, key by key, then
// the chosen values of the other keys, and nothing else.
const std::string kSeededBackup =
    "REGEDIT4\r\n"
    "\r\n"
    "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\Display\\0001]\r\n"
    "\"DriverDesc\"=\"3dfx Voodoo3\"\r\n"
    "\r\n"
    "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\Display\\0001\\Glide]\r\n"
    "\"SSTH3_RGAMMA\"=\"1.5\"\r\n"
    "\r\n"
    "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\Display\\0001\\shellex]\r\n"
    "\r\n"
    "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\Display\\0001\\shellex\\"
    "PropertySheetHandlers]\r\n"
    "\r\n"
    "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\Display\\0001\\shellex\\"
    "PropertySheetHandlers\\Edge Information]\r\n"
    "\r\n"
    "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\Display\\0001\\shellex\\"
    "PropertySheetHandlers\\Edge Information\\Data]\r\n"
    "\r\n"
    "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\Display\\0001\\shellex\\"
    "PropertySheetHandlers\\Edge Information\\Data\\Adapter]\r\n"
    "\"TV Out\"=\"Supported\"\r\n"
    "\r\n"
    "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run]\r\n"
    "\"3dfx Tools\"=\"C:\\\\3dfx\\\\3dfxman.exe\"\r\n"
    "\r\n"
    "[HKEY_LOCAL_MACHINE\\Software\\Tarno]\r\n"
    "\"Language\"=\"1\"\r\n"
    "\r\n"
    "[HKEY_CURRENT_CONFIG\\Display\\Settings]\r\n"
    "\"Advanced\"=dword:00000001\r\n"
    "\"BitsPerPixel\"=\"BitsPerPixel\"\r\n"
    "\"DPILogicalX\"=\"DPILogicalX\"\r\n"
    "\"DPILogicalY\"=\"DPILogicalY\"\r\n"
    "\"DPIPhysicalX\"=\"DPIPhysicalX\"\r\n"
    "\"DPIPhysicalY\"=\"DPIPhysicalY\"\r\n"
    "\"Resolution\"=\"Resolution\"\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"
    "\"DragFullWindows\"=\"DragFullWindows\"\r\n"
    "\"FontSmoothing\"=\"FontSmoothing\"\r\n"
    "\"WallpaperStyle\"=\"WallpaperStyle\"\r\n"
    "\r\n";

struct Machine : ::testing::Test {
  registry::MemoryStore store;
  registry::Registry reg{store};
  forms::HeadlessHost host;
  forms::Program program{host, host.files};

  Machine() { host.files.folder = "C:\\Program Files\\Tarnolux"; }

  void SeedCard() {
    reg.SaveString(kLocalMachine, kDisplay + "0000", "DriverDesc", "Standard VGA");
    reg.SaveString(kLocalMachine, kDriver, "DriverDesc", "3dfx Voodoo3");
    reg.SaveString(kLocalMachine, kDriver + "\\Glide", "SSTH3_RGAMMA", "1.5");
    reg.SaveString(kLocalMachine,
                   kDriver + "\\shellex\\PropertySheetHandlers\\Edge Information\\Data\\Adapter",
                   "TV Out", "Supported");
    reg.SaveString(kLocalMachine, kRun, "3dfx Tools", "C:\\3dfx\\3dfxman.exe");
    reg.SaveString(kLocalMachine, kRun, "Other", "keep out");
    reg.SaveString(kLocalMachine, "Software\\Tarno", "Language", "1");
    // The desktop window's values, each beside one that is not backed up.
    for (const char* name : {"Resolution", "BitsPerPixel", "DPIPhysicalX", "DPIPhysicalY",
                             "DPILogicalX", "DPILogicalY", "fonts.fon"}) {
      reg.SaveString(registry::kCurrentConfig, "Display\\Settings", name, name);
    }
    reg.SaveDWord(registry::kCurrentConfig, "Display\\Settings", "Advanced", 1);
    for (const char* name : {"FontSmoothing", "DragFullWindows", "WallpaperStyle", "Wallpaper"}) {
      reg.SaveString(registry::kCurrentUser, "Control Panel\\Desktop", name, name);
    }
  }
};

using BackupText = Machine;

TEST_F(BackupText, HoldsTheDriverTreeAndTheValuesTheProgramsWrite) {
  SeedCard();
  EXPECT_EQ(kSeededBackup, backup::BackupText(reg));
}

TEST_F(BackupText, WithoutAVoodoo3TheRestIsStillBackedUp) {
  reg.SaveString(kLocalMachine, kDisplay + "0000", "DriverDesc", "Standard VGA");
  reg.SaveString(kLocalMachine, kRun, "3dfx Tools", "x");
  EXPECT_EQ("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\" + std::string(kRun) +
                "]\r\n\"3dfx Tools\"=\"x\"\r\n\r\n",
            backup::BackupText(reg));
}

using TakeBackup = Machine;

TEST_F(TakeBackup, GoesToTheProgramFolderOnceAndIsNeverOverwritten) {
  SeedCard();
  backup::TakeBackup(reg, program, false);
  EXPECT_EQ(kSeededBackup, host.files.FileText(kInProgram));
  reg.SaveString(kLocalMachine, kDriver + "\\Glide", "SSTH3_RGAMMA", "2.0");
  backup::TakeBackup(reg, program, false);
  EXPECT_EQ(kSeededBackup, host.files.FileText(kInProgram));
  EXPECT_EQ(1u, host.files.writes.size());
  EXPECT_FALSE(host.files.HasFile(kInWindows));
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(TakeBackup, ABackupInTheWindowsFolderAlsoCounts) {
  host.files.AddFile(kInWindows);
  backup::TakeBackup(reg, program, false);
  EXPECT_TRUE(host.files.writes.empty());
  EXPECT_FALSE(host.files.HasFile(kInProgram));
}

TEST_F(TakeBackup, FallsBackToTheWindowsFolder) {
  SeedCard();
  host.files.MakeUnwritable(host.files.folder);
  backup::TakeBackup(reg, program, false);
  EXPECT_FALSE(host.files.HasFile(kInProgram));
  EXPECT_EQ(kSeededBackup, host.files.FileText(kInWindows));
  EXPECT_TRUE(host.messages.empty());
  // The next run finds it there and writes nothing.
  backup::TakeBackup(reg, program, false);
  EXPECT_EQ(2u, host.files.writes.size());
}

TEST_F(TakeBackup, WhenNeitherFolderCanBeWrittenItSaysSoOnceInTheChosenLanguage) {
  for (bool dutch : {false, true}) {
    SCOPED_TRACE(dutch);
    forms::HeadlessHost host;
    forms::Program program(host, host.files);
    registry::Registry reg(store);
    reg.SaveString(kLocalMachine, "Software\\Tarno", "Language", dutch ? "2" : "1");
    host.files.MakeUnwritable(host.files.folder);
    host.files.MakeUnwritable(host.files.windows_folder);
    BackUpBeforeFirstChange(reg, program);
    reg.SaveString(kLocalMachine, "Software\\Tarno", "Language", "");
    reg.SaveDWord(kLocalMachine, "Software\\Tarno", "x", 1);
    reg.DeleteKey(kLocalMachine, kDriver);
    ASSERT_EQ(1u, host.messages.size());
    EXPECT_EQ(dutch ? "Tarnolux kon geen reservekopie van uw instellingen maken."
                    : "Tarnolux could not save a backup of your settings.",
              host.messages[0].text);
    EXPECT_EQ("Tarnolux", host.messages[0].title);
    EXPECT_FALSE(host.files.HasFile(kInProgram));
    EXPECT_FALSE(host.files.HasFile(kInWindows));
  }
}

// Both programs: the backup holds what was there before their first
// change, and the change still happens.
TEST_F(Machine, TarnoluxBacksUpBeforeItClearsTheTrayToolEntry) {
  SeedCard();
  app::Tarnolux tarnolux(host, host.files, store);
  tarnolux.Start();
  EXPECT_EQ("", reg.GetString(kLocalMachine, kRun, "3dfx Tools"));
  EXPECT_TRUE(
      Holds(host.files.FileText(kInProgram), "\"3dfx Tools\"=\"C:\\\\3dfx\\\\3dfxman.exe\""));
}

TEST_F(Machine, TheUninstallerBacksUpBeforeItClearsTheLanguage) {
  SeedCard();
  reg.SaveString(kLocalMachine, "Software\\Tarno", "Language", "2");
  host.files.MakeUnwritable(host.files.folder);
  {
    forms::Program program(host, host.files);
    uninstall::Uninstaller form(program, reg);
    form.Show();
  }
  EXPECT_EQ("", reg.GetString(kLocalMachine, "Software\\Tarno", "Language", "-"));
  EXPECT_TRUE(Holds(host.files.FileText(kInWindows), "\"Language\"=\"2\""));
  EXPECT_TRUE(Holds(host.files.FileText(kInWindows), "\"SSTH3_RGAMMA\"=\"1.5\""));
  // Later changes on the same registry take no second backup.
  reg.SaveString(kLocalMachine, "Software\\Tarno", "Language", "1");
  EXPECT_EQ(2u, host.files.writes.size());
}

}  // namespace
}  // namespace backup
