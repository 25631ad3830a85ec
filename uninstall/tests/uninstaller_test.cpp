#include "uninstall/uninstaller.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "forms/headless.h"
#include "registry/memory_store.h"
#include "tests/support/driver_modes.h"
#include "tests/support/recording_store.h"
#include "tests/support/registry_dump.h"

namespace uninstall {
namespace {

using registry::kLocalMachine;

const std::string kDisplay = "System\\CurrentControlSet\\Services\\Class\\Display\\";
const std::string kDriver = kDisplay + "0005";
const std::string kData =
    kDriver + "\\shellex\\PropertySheetHandlers\\Edge Information\\Data\\Adapter";
const std::string kFolder = "C:\\Program Files\\Tarnolux\\";

using test_support::DumpOf;
using test_support::RegistryDump;

struct Machine {
  registry::MemoryStore store;
  registry::Registry reg{store};
  forms::HeadlessHost host;

  Machine() { host.files.folder = "C:\\Program Files\\Tarnolux"; }
  void Card(const std::string& driver, const char* lcd, const char* tv_out) {
    const std::string data =
        driver + "\\shellex\\PropertySheetHandlers\\Edge Information\\Data\\Adapter";
    reg.SaveString(kLocalMachine, driver, "DriverDesc", "3dfx Voodoo3");
    if (lcd) reg.SaveString(kLocalMachine, data, "LCD", lcd);
    if (tv_out) reg.SaveString(kLocalMachine, data, "TV Out", tv_out);
  }
  void Run() {
    forms::Program program(host, host.files);
    Uninstaller form(program, reg);
    form.Show();
  }
  std::string Get(const std::string& key, const char* name) {
    return reg.GetString(kLocalMachine, key, name, "(missing)");
  }
};

// Every key the uninstaller touches, as it leaves it, and nothing else
// changed: what is not named here stays as it was.
TEST(UninstallerTest, PutsAVoodoo3000BackToFactoryValuesAndChangesNothingElse) {
  Machine m;
  m.Card(kDriver, "Not Supported", "NTSC");
  m.reg.SaveString(kLocalMachine, "Software\\Tarno", "Language", "2");
  m.reg.SaveString(kLocalMachine, kDriver + "\\Glide", "FX_GLIDE_ALLOC_COLOR", "3");
  m.reg.SaveString(kLocalMachine, kDriver + "\\Glide", "SSTH3_RGAMMA", "2.5");
  m.reg.SaveString(kLocalMachine, kDriver + "\\D3D", "SSTH3_ANTIALIAS", "1");
  m.reg.SaveString(kLocalMachine, kDriver + "\\MODES\\16\\800,600", "RefreshRate", "85");
  m.reg.SaveString(kLocalMachine, kDriver + "\\DEFAULT", "Grxclock", "200");
  m.reg.SaveString(kLocalMachine, kData, "Memory Clock Speed", "200");
  m.reg.SaveString(kLocalMachine, "Software\\Other", "Kept", "1");
  const RegistryDump before = DumpOf(m.store, kLocalMachine, "");
  m.Run();

  const std::string tweaks = kDriver + "\\shellex\\PropertySheetHandlers\\Edge Tweaks";
  std::set<std::string> expected = {
      "Software\\Tarno|Language=",  // stays, empty: the next start asks again
      kDriver + "\\Glide|FX_GLIDE_ALLOC_COLOR gone",
      kDriver + "\\D3D|SSTH3_ANTIALIAS gone",
      tweaks + " made",
      tweaks + "\\GAMMA made",
      kDriver + "\\DEFAULT|Grxclock=166",
      kData + "|GFX Clock Speed=166",
      kData + "|Graphics Clock Speed=166",
      kData + "|Memory Clock Speed=166"};
  for (const char* channel : {"R", "G", "B"}) {
    const std::string gamma = std::string("SSTH3_") + channel + "GAMMA";
    expected.insert(kDriver + "\\Glide|" + gamma + "=1.3");
    expected.insert(kDriver + "\\D3D|" + gamma + "=1.3");
    expected.insert(tweaks + "\\GAMMA|" + gamma + "=1");
    expected.insert(kDriver + "|" + gamma + "=1");
  }
  for (const char* api : {"\\Glide", "\\D3D"}) {
    expected.insert(kDriver + api + "|SSTH3_ALPHADITHERMODE=1");
    expected.insert(kDriver + api + "|SSTH3_OVERLAYMODE=1");
  }
  for (const char* depth : test_support::kDepthNames) {
    const std::string modes = kDriver + "\\MODES\\" + depth;
    if (modes != kDriver + "\\MODES\\16") expected.insert(modes + " made");
    for (const char* resolution : test_support::kResolutions) {
      const std::string mode = modes + "\\" + resolution;
      if (mode != kDriver + "\\MODES\\16\\800,600") expected.insert(mode + " made");
      expected.insert(mode + "|RefreshRate=60");
    }
  }
  const std::vector<std::string> changes =
      test_support::Changes(before, DumpOf(m.store, kLocalMachine, ""));
  EXPECT_EQ(std::set<std::string>(changes.begin(), changes.end()), expected);

  ASSERT_EQ(m.host.messages.size(), 1u);
  EXPECT_EQ(m.host.messages[0].text, "Now delete this file.");
  EXPECT_EQ(m.host.messages[0].title, "Uninstall");
  EXPECT_TRUE(m.host.ended);
  EXPECT_TRUE(m.host.shows.empty());
}

// The recording store, noting also how many files were gone at each
// change.
class ChangeLog : public test_support::RecordingStore {
 public:
  explicit ChangeLog(const forms::HeadlessHost& host) : host_(host) {}
  long SetValue(registry::Hkey key, const std::string& name, std::uint32_t type, const void* data,
                std::uint32_t size) override {
    files_gone.push_back(host_.files.deleted.size());
    return RecordingStore::SetValue(key, name, type, data, size);
  }
  long DeleteKey(registry::Hkey parent, const std::string& path) override {
    files_gone.push_back(host_.files.deleted.size());
    return RecordingStore::DeleteKey(parent, path);
  }
  std::vector<std::size_t> files_gone;

 private:
  const forms::HeadlessHost& host_;
};

// The language first, then the files, then the driver, where Glide and
// Direct3D are each deleted before anything is written into them.
TEST(UninstallerTest, ChangesTheLanguageThenTheFilesThenTheDriver) {
  forms::HeadlessHost host;
  host.files.folder = "C:\\Tarnolux";
  host.files.AddFile("C:\\Tarnolux\\Tarnolux.exe");
  ChangeLog store(host);
  registry::Registry reg(store);
  reg.SaveString(kLocalMachine, kDriver, "DriverDesc", "3dfx Voodoo3");
  reg.SaveString(kLocalMachine, kData, "LCD", "Not Supported");
  reg.SaveString(kLocalMachine, kDriver + "\\Glide", "SSTH3_RGAMMA", "2");
  store.writes.clear();
  store.files_gone.clear();
  {
    forms::Program program(host, host.files);
    Uninstaller form(program, reg);
    form.Show();
  }
  ASSERT_GT(store.writes.size(), 2u);
  EXPECT_EQ(store.writes[0], test_support::WriteLine("Software\\Tarno", "Language", ""));
  EXPECT_EQ(store.files_gone[0], 0u);
  EXPECT_EQ(std::count(store.files_gone.begin(), store.files_gone.end(), 1u),
            static_cast<std::ptrdiff_t>(store.writes.size() - 1));
  for (const std::string& key : {kDriver + "\\Glide", kDriver + "\\D3D"}) {
    const auto deleted =
        std::find(store.writes.begin(), store.writes.end(), test_support::DeleteLine(key));
    const auto written = std::find_if(
        store.writes.begin(), store.writes.end(),
        [&](const std::string& line) { return line.compare(0, key.size() + 1, key + "|") == 0; });
    EXPECT_LT(deleted - store.writes.begin(), written - store.writes.begin()) << key;
    EXPECT_NE(written, store.writes.end()) << key;
  }
}

// Its backup hook goes with it: a change made after it is gone takes no
// backup.
TEST(UninstallerTest, TheBackupHookGoesWithTheWindow) {
  Machine m;
  forms::Program program(m.host, m.host.files);
  { Uninstaller form(program, m.reg); }
  m.reg.SaveString(kLocalMachine, "Software\\Tarno", "Language", "1");
  EXPECT_TRUE(m.host.files.writes.empty());
}

// The clock the uninstaller chooses for a card with these outputs.
std::string FactoryClockFor(const char* lcd, const char* tv_out) {
  Machine m;
  m.Card(kDriver, lcd, tv_out);
  m.Run();
  return m.Get(kDriver + "\\DEFAULT", "Grxclock") + "/" + m.Get(kData, "GFX Clock Speed") + "/" +
         m.Get(kData, "Graphics Clock Speed") + "/" + m.Get(kData, "Memory Clock Speed");
}

TEST(UninstallerTest, ClockFollowsTheModelInAllFourPlaces) {
  EXPECT_EQ(FactoryClockFor(nullptr, "Not Supported"), "183/183/183/183");
  EXPECT_EQ(FactoryClockFor("not supported", "Not Supported"), "183/183/183/183");
  EXPECT_EQ(FactoryClockFor("Not Supported", nullptr), "166/166/166/166");
  EXPECT_EQ(FactoryClockFor("Not Supported", "Not Supported"), "143/143/143/143");
}

TEST(UninstallerTest, DeletesTheFiveFilesInOrderAndKeepsItself) {
  Machine m;
  for (const char* file :
       {"readme.txt", "pic2.jpg", "Tarnolux.exe", "VBRun60.exe", "Uninstall.exe", "notes.txt"}) {
    m.host.files.AddFile(kFolder + file);
  }
  m.host.files.AddFile(kFolder + "pic1.jpg", true);  // read-only: skipped
  m.Run();
  EXPECT_EQ(
      m.host.files.deleted,
      std::vector<std::string>(
          {"c:\\program files\\tarnolux\\tarnolux.exe", "c:\\program files\\tarnolux\\vbrun60.exe",
           "c:\\program files\\tarnolux\\pic2.jpg", "c:\\program files\\tarnolux\\readme.txt"}));
  EXPECT_TRUE(m.host.files.HasFile(kFolder + "Uninstall.exe"));
  EXPECT_TRUE(m.host.files.HasFile(kFolder + "notes.txt"));
  EXPECT_EQ(m.host.messages.size(), 1u);
}

TEST(UninstallerTest, AtADrivesRootFilesTakeOneBackslash) {
  Machine m;
  m.host.files.folder = "D:\\";
  m.host.files.AddFile("D:\\Tarnolux.exe");
  m.host.files.AddFile("D:\\pic1.jpg");
  m.Run();
  EXPECT_EQ(m.host.files.deleted, std::vector<std::string>({"d:\\tarnolux.exe", "d:\\pic1.jpg"}));
}

TEST(UninstallerTest, OfTwoVoodoo3KeysOnlyTheHigherIsReset) {
  Machine m;
  const std::string lower = kDisplay + "0002";
  m.Card(lower, "Not Supported", "Not Supported");
  m.reg.SaveString(kLocalMachine, lower + "\\Glide", "FX_GLIDE_ALLOC_COLOR", "3");
  m.Card(kDriver, "Not Supported", "Not Supported");
  const RegistryDump before = DumpOf(m.store, kLocalMachine, lower);
  m.Run();
  EXPECT_EQ(DumpOf(m.store, kLocalMachine, lower), before);
  EXPECT_EQ(m.Get(kDriver + "\\DEFAULT", "Grxclock"), "143");
}

TEST(UninstallerTest, WithoutAVoodoo3NoDriverKeyIsTouchedButTheRestRuns) {
  Machine m;
  m.reg.SaveString(kLocalMachine, kDisplay + "0000", "DriverDesc", "3dfx Voodoo3 ");
  m.reg.SaveString(kLocalMachine, kDisplay + "0001", "DriverDesc", "Standard VGA");
  m.reg.SaveString(kLocalMachine, "Software\\Tarno", "Language", "1");
  m.host.files.AddFile(kFolder + "Tarnolux.exe");
  const RegistryDump before = DumpOf(m.store, kLocalMachine, "System");
  m.Run();
  EXPECT_EQ(DumpOf(m.store, kLocalMachine, "System"), before);
  EXPECT_EQ(m.Get("Software\\Tarno", "Language"), "");
  EXPECT_FALSE(m.host.files.HasFile(kFolder + "Tarnolux.exe"));
  ASSERT_EQ(m.host.messages.size(), 1u);
  EXPECT_TRUE(m.host.ended);
}

TEST(UninstallerTest, ASecondRunLeavesTheSameRegistry) {
  Machine m;
  m.Card(kDriver, "Not Supported", "PAL");
  m.reg.SaveString(kLocalMachine, kDriver + "\\Glide", "FX_GLIDE_NO_SPLASH", "1");
  m.Run();
  const RegistryDump first = DumpOf(m.store, kLocalMachine, "");
  m.Run();
  EXPECT_EQ(DumpOf(m.store, kLocalMachine, ""), first);
  EXPECT_EQ(m.host.messages.size(), 2u);
}

}  // namespace
}  // namespace uninstall
