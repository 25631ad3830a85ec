#include "uninstall/uninstaller.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>
#include <vector>

#include "forms/headless.h"
#include "registry/memory_store.h"
#include "tests/support/recording_store.h"

namespace uninstall {
namespace {

using registry::kLocalMachine;

const std::string kDisplay = "System\\CurrentControlSet\\Services\\Class\\Display\\";
const std::string kDriver = kDisplay + "0005";
const std::string kData =
    kDriver + "\\shellex\\PropertySheetHandlers\\Edge Information\\Data\\Adapter";
const std::string kFolder = "C:\\Program Files\\Tarnolux\\";

// Every value under a key, as "sub\key|name" -> "type:data".
using Dump = std::map<std::string, std::string>;

void DumpKey(registry::Store& store, registry::Hkey key, const std::string& prefix, Dump* out) {
  std::string name, data;
  std::uint32_t type = 0;
  for (std::uint32_t i = 0; store.EnumValue(key, i, &name, &type, &data) == registry::kOk; ++i) {
    (*out)[prefix + "|" + name] = std::to_string(type) + ":" + data;
  }
  for (std::uint32_t i = 0; store.EnumKey(key, i, &name) == registry::kOk; ++i) {
    registry::Hkey sub;
    if (store.OpenKey(key, name, &sub) != registry::kOk) continue;
    DumpKey(store, sub, prefix + "\\" + name, out);
    store.CloseKey(sub);
  }
}

Dump DumpOf(registry::Store& store, const std::string& path) {
  Dump out;
  registry::Hkey key;
  if (store.OpenKey(kLocalMachine, path, &key) != registry::kOk) return out;
  DumpKey(store, key, "", &out);
  store.CloseKey(key);
  return out;
}

std::set<std::string> ValueNames(registry::Store& store, const std::string& path) {
  std::set<std::string> names;
  for (auto& [where, data] : DumpOf(store, path)) names.insert(where.substr(1));
  return names;
}

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

TEST(UninstallerTest, PutsAVoodoo3000BackToFactoryValues) {
  Machine m;
  m.Card(kDriver, "Not Supported", "NTSC");
  m.reg.SaveString(kLocalMachine, "Software\\Tarno", "Language", "2");
  m.reg.SaveString(kLocalMachine, kDriver + "\\Glide", "FX_GLIDE_ALLOC_COLOR", "3");
  m.reg.SaveString(kLocalMachine, kDriver + "\\Glide", "SSTH3_RGAMMA", "2.5");
  m.reg.SaveString(kLocalMachine, kDriver + "\\D3D", "SSTH3_ANTIALIAS", "1");
  m.reg.SaveString(kLocalMachine, kDriver + "\\MODES\\16\\800,600", "RefreshRate", "85");
  m.reg.SaveString(kLocalMachine, kDriver + "\\DEFAULT", "Grxclock", "200");
  m.reg.SaveString(kLocalMachine, kData, "Memory Clock Speed", "200");
  m.Run();

  // The language value stays, empty.
  EXPECT_EQ(m.Get("Software\\Tarno", "Language"), "");

  const std::set<std::string> api = {"SSTH3_RGAMMA", "SSTH3_GGAMMA", "SSTH3_BGAMMA",
                                     "SSTH3_ALPHADITHERMODE", "SSTH3_OVERLAYMODE"};
  for (const std::string& key : {kDriver + "\\Glide", kDriver + "\\D3D"}) {
    EXPECT_EQ(ValueNames(m.store, key), api) << key;
    EXPECT_EQ(m.Get(key, "SSTH3_GGAMMA"), "1.3");
    EXPECT_EQ(m.Get(key, "SSTH3_ALPHADITHERMODE"), "1");
    EXPECT_EQ(m.Get(key, "SSTH3_OVERLAYMODE"), "1");
  }
  for (const std::string& key :
       {kDriver + "\\shellex\\PropertySheetHandlers\\Edge Tweaks\\GAMMA", kDriver}) {
    for (const char* gamma : {"SSTH3_RGAMMA", "SSTH3_GGAMMA", "SSTH3_BGAMMA"}) {
      EXPECT_EQ(m.Get(key, gamma), "1") << key << " " << gamma;
    }
  }

  int rates = 0;
  const std::string sixty("1:60", 5);  // REG_SZ with its NUL
  for (auto& [where, data] : DumpOf(m.store, kDriver + "\\MODES")) {
    EXPECT_EQ(data, sixty) << where;
    ++rates;
  }
  EXPECT_EQ(rates, 60);
  EXPECT_EQ(m.Get(kDriver + "\\MODES\\32\\2046,1536", "RefreshRate"), "60");

  EXPECT_EQ(m.Get(kDriver + "\\DEFAULT", "Grxclock"), "166");
  for (const char* clock : {"GFX Clock Speed", "Graphics Clock Speed", "Memory Clock Speed"}) {
    EXPECT_EQ(m.Get(kData, clock), "166") << clock;
  }
  EXPECT_EQ(m.Get(kData, "TV Out"), "NTSC");

  ASSERT_EQ(m.host.messages.size(), 1u);
  EXPECT_EQ(m.host.messages[0].text, "Now delete this file.");
  EXPECT_EQ(m.host.messages[0].title, "Uninstall");
  EXPECT_TRUE(m.host.ended);
  EXPECT_TRUE(m.host.shows.empty());
}

// The recording store, noting besides its writes every key deletion, as
// "delete path", in one list of changes, and how many files were gone at
// each change.
class ChangeLog : public test_support::RecordingStore {
 public:
  explicit ChangeLog(const forms::HeadlessHost& host) : host_(host) {}
  long SetValue(registry::Hkey key, const std::string& name, std::uint32_t type, const void* data,
                std::uint32_t size) override {
    const long code = RecordingStore::SetValue(key, name, type, data, size);
    Note(writes.back());
    return code;
  }
  long DeleteKey(registry::Hkey parent, const std::string& path) override {
    Note("delete " + path);
    return RecordingStore::DeleteKey(parent, path);
  }
  std::vector<std::string> changes;
  std::vector<std::size_t> files_gone;

 private:
  void Note(const std::string& change) {
    changes.push_back(change);
    files_gone.push_back(host_.files.deleted.size());
  }
  const forms::HeadlessHost& host_;
};

// Language first, then the files, then the driver: Glide and D3D deleted
// before they are written anew, the refresh rates resolution by
// resolution, and the clock last.
TEST(UninstallerTest, ChangesTheRegistryInItsOrder) {
  forms::HeadlessHost host;
  host.files.folder = "C:\\Tarnolux";
  host.files.AddFile("C:\\Tarnolux\\Tarnolux.exe");
  ChangeLog store(host);
  registry::Registry reg(store);
  reg.SaveString(kLocalMachine, kDriver, "DriverDesc", "3dfx Voodoo3");
  reg.SaveString(kLocalMachine, kData, "LCD", "Not Supported");
  store.changes.clear();
  store.files_gone.clear();
  {
    forms::Program program(host, host.files);
    Uninstaller form(program, reg);
    form.Show();
  }
  // A write under the driver key.
  const auto driver = [](const std::string& key, const std::string& name, const char* data) {
    return test_support::WriteLine(kDriver + key, name, data);
  };
  std::vector<std::string> expected = {test_support::WriteLine("Software\\Tarno", "Language", ""),
                                       "delete " + kDriver + "\\Glide",
                                       "delete " + kDriver + "\\D3D"};
  const std::pair<const char*, const char*> gammas[] = {
      {"\\Glide", "1.3"},
      {"\\D3D", "1.3"},
      {"\\shellex\\PropertySheetHandlers\\Edge Tweaks\\GAMMA", "1"},
      {"", "1"}};
  for (const auto& [key, gamma] : gammas) {
    for (const char* channel : {"R", "G", "B"}) {
      expected.push_back(driver(key, std::string("SSTH3_") + channel + "GAMMA", gamma));
    }
  }
  for (const char* key : {"\\Glide", "\\D3D"}) {
    expected.push_back(driver(key, "SSTH3_ALPHADITHERMODE", "1"));
    expected.push_back(driver(key, "SSTH3_OVERLAYMODE", "1"));
  }
  for (const char* resolution : registry::kResolutionList) {
    for (const char* depth : {"8", "16", "24", "32"}) {
      expected.push_back(
          driver("\\MODES\\" + std::string(depth) + "\\" + resolution, "RefreshRate", "60"));
    }
  }
  expected.push_back(driver("\\DEFAULT", "Grxclock", "166"));
  for (const char* clock : {"GFX Clock Speed", "Graphics Clock Speed", "Memory Clock Speed"}) {
    expected.push_back(test_support::WriteLine(kData, clock, "166"));
  }
  // Another part of the program may keep its own notes of the run; only
  // the changes named above are the uninstaller's.
  std::vector<std::string> made;
  std::vector<std::size_t> files_gone;
  for (std::size_t i = 0; i < store.changes.size(); ++i) {
    const std::string& change = store.changes[i];
    if (change.rfind("Software\\Tarno|", 0) == 0 || change.rfind("delete " + kDriver, 0) == 0 ||
        change.rfind(kDriver, 0) == 0) {
      made.push_back(change);
      files_gone.push_back(store.files_gone[i]);
    }
  }
  EXPECT_EQ(made, expected);
  ASSERT_FALSE(files_gone.empty());
  EXPECT_EQ(files_gone.front(), 0u);  // the language before the files
  EXPECT_EQ(files_gone[1], 1u);       // the files before the driver
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
  const Dump before = DumpOf(m.store, lower);
  m.Run();
  EXPECT_EQ(DumpOf(m.store, lower), before);
  EXPECT_EQ(m.Get(kDriver + "\\DEFAULT", "Grxclock"), "143");
}

TEST(UninstallerTest, WithoutAVoodoo3NoDriverKeyIsTouchedButTheRestRuns) {
  Machine m;
  m.reg.SaveString(kLocalMachine, kDisplay + "0000", "DriverDesc", "3dfx Voodoo3 ");
  m.reg.SaveString(kLocalMachine, kDisplay + "0001", "DriverDesc", "Standard VGA");
  m.reg.SaveString(kLocalMachine, "Software\\Tarno", "Language", "1");
  m.host.files.AddFile(kFolder + "Tarnolux.exe");
  const Dump before = DumpOf(m.store, "System");
  m.Run();
  EXPECT_EQ(DumpOf(m.store, "System"), before);
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
  const Dump first = DumpOf(m.store, "");
  m.Run();
  EXPECT_EQ(DumpOf(m.store, ""), first);
  EXPECT_EQ(m.host.messages.size(), 2u);
}

}  // namespace
}  // namespace uninstall
