// What the five procedures promise beyond the store's own behaviour (that
// part is the conformance suite): no handle left open, nothing written or
// closed after a failed open.
#include "registry/registry.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "registry/memory_store.h"

namespace registry {
namespace {

TEST(Registry, EveryProcedureClosesWhatItOpens) {
  MemoryStore store;
  Registry reg(store);
  reg.SaveString(kCurrentUser, "A\\B", "s", "text");
  reg.SaveDWord(kCurrentUser, "A\\B\\", "d", 7);
  EXPECT_EQ("text", reg.GetString(kCurrentUser, "A\\B", "s"));
  EXPECT_EQ("x", reg.GetString(kCurrentUser, "A\\B", "d", "x"));
  EXPECT_EQ("x", reg.GetString(kCurrentUser, "A\\B", "missing", "x"));
  EXPECT_EQ("x", reg.GetString(kCurrentUser, "Nope", "s", "x"));
  EXPECT_EQ(7, reg.GetDWord(kCurrentUser, "A\\B", "d"));
  EXPECT_EQ(3, reg.GetDWord(kCurrentUser, "A\\B", "s", 3));
  EXPECT_EQ(3, reg.GetDWord(kCurrentUser, "Nope", "s", 3));
  reg.DeleteKey(kCurrentUser, "A");  // the whole tree
  reg.DeleteKey(kCurrentUser, "A\\B\\");
  EXPECT_EQ(0u, store.OpenHandles());
}

TEST(Registry, NeverDeletesARoot) {
  MemoryStore store;
  Registry reg(store);
  reg.SaveString(kLocalMachine, "", "v", "1");
  reg.DeleteKey(kLocalMachine, "");
  reg.DeleteKey(kLocalMachine, "\\");
  EXPECT_EQ("1", reg.GetString(kLocalMachine, "", "v"));
  EXPECT_EQ("1", reg.GetString(kLocalMachine, "\\\\", "v"));
}

// A store that refuses every open and create, and records any other call.
class RefusingStore : public Store {
 public:
  long OpenKey(Hkey, const std::string&, Hkey* key) override { return Refuse(key); }
  long CreateKey(Hkey, const std::string&, Hkey* key) override { return Refuse(key); }
  long QueryValue(Hkey, const std::string&, std::uint32_t*, void*, std::uint32_t*) override {
    return Record("query");
  }
  long SetValue(Hkey, const std::string&, std::uint32_t, const void*, std::uint32_t) override {
    return Record("set");
  }
  long CloseKey(Hkey) override { return Record("close"); }
  long DeleteKey(Hkey, const std::string&) override { return Record("delete"); }
  long EnumKey(Hkey, std::uint32_t, std::string*) override { return Record("enum"); }
  long EnumValue(Hkey, std::uint32_t, std::string*, std::uint32_t*, std::string*) override {
    return Record("enum");
  }

  std::vector<std::string> calls;

 private:
  static long Refuse(Hkey* key) {
    *key = 0;
    return kAccessDenied;
  }
  long Record(const char* call) {
    calls.push_back(call);
    return kAccessDenied;
  }
};

TEST(Registry, FailedOpenGivesTheDefaultAndTouchesNothingElse) {
  RefusingStore store;
  Registry reg(store);
  EXPECT_EQ("dflt", reg.GetString(kCurrentUser, "K", "v", "dflt"));
  EXPECT_EQ(-2, reg.GetDWord(kCurrentUser, "K", "v", -2));
  reg.SaveString(kCurrentUser, "K", "v", "x");
  reg.SaveDWord(kCurrentUser, "K", "v", 1);
  EXPECT_TRUE(store.calls.empty());
  reg.DeleteKey(kCurrentUser, "K");  // refused and not reported
  EXPECT_EQ(std::vector<std::string>{"delete"}, store.calls);
}

// A store that keeps Latin-1, as advapi32 keeps the ANSI code page.
class Latin1Store : public MemoryStore {
 public:
  std::string ToStoreText(const std::string& utf8) override {
    std::string text;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
      const auto c = static_cast<unsigned char>(utf8[i]);
      text += (c == 0xC2 || c == 0xC3) ? static_cast<char>(((c & 3) << 6) | (utf8[++i] & 0x3F))
                                       : utf8[i];
    }
    return text;
  }
  std::string FromStoreText(const std::string& text) override {
    std::string utf8;
    for (char ch : text) {
      const auto c = static_cast<unsigned char>(ch);
      if (c >= 0x80) utf8 += static_cast<char>(0xC0 | (c >> 6));
      utf8 += c >= 0x80 ? static_cast<char>(0x80 | (c & 0x3F)) : ch;
    }
    return utf8;
  }
};

TEST(Registry, ConvertsPathsNamesAndStringsForTheStore) {
  Latin1Store store;
  Registry reg(store);
  const std::string path = "K\xC3\xB6ln\\";  // "Köln\"
  reg.SaveString(kCurrentUser, path, "na\xC3\xAFve", "\xC3\xA9\xC3\xA9n");
  reg.SaveDWord(kCurrentUser, path, "\xC2\xBC", 4);
  Hkey key = 0;
  ASSERT_EQ(kOk, store.OpenKey(kCurrentUser, "K\xF6ln", &key));
  std::map<std::string, std::string> stored;
  std::string name, data;
  std::uint32_t type = 0;
  for (std::uint32_t i = 0; store.EnumValue(key, i, &name, &type, &data) == kOk; ++i) {
    stored[name] = data;
  }
  store.CloseKey(key);
  EXPECT_EQ((std::map<std::string, std::string>{{"na\xEFve", std::string("\xE9\xE9n", 4)},
                                                {"\xBC", std::string("\4\0\0\0", 4)}}),
            stored);
  EXPECT_EQ("\xC3\xA9\xC3\xA9n", reg.GetString(kCurrentUser, path, "na\xC3\xAFve"));
  EXPECT_EQ(4, reg.GetDWord(kCurrentUser, path, "\xC2\xBC"));
  reg.DeleteKey(kCurrentUser, path);
  EXPECT_NE(kOk, store.OpenKey(kCurrentUser, "K\xF6ln", &key));
}

// The hook sees the registry as it was before the change, and runs once.
TEST(Registry, BeforeFirstChangeRunsOnceBeforeTheFirstWriteOrDelete) {
  struct Change {
    const char* what;
    void (*make)(Registry&);
  };
  const Change changes[] = {
      {"SaveString", [](Registry& reg) { reg.SaveString(kCurrentUser, "K", "v", "new"); }},
      {"SaveDWord", [](Registry& reg) { reg.SaveDWord(kCurrentUser, "K", "v", 5); }},
      {"DeleteKey", [](Registry& reg) { reg.DeleteKey(kCurrentUser, "K"); }},
  };
  for (const Change& change : changes) {
    SCOPED_TRACE(change.what);
    MemoryStore store;
    Registry setup(store);
    setup.SaveString(kCurrentUser, "K", "v", "old");
    Registry reg(store);
    std::vector<std::string> seen;
    reg.SetBeforeFirstChange([&] { seen.push_back(reg.GetString(kCurrentUser, "K", "v", "-")); });
    reg.GetString(kCurrentUser, "K", "v");
    reg.GetDWord(kCurrentUser, "K", "v");
    reg.DeleteKey(kCurrentUser, "");  // refused before any change
    EXPECT_TRUE(seen.empty());
    change.make(reg);
    reg.SaveString(kCurrentUser, "K", "v", "again");
    reg.DeleteKey(kCurrentUser, "K");
    EXPECT_EQ(std::vector<std::string>{"old"}, seen);
  }
}

}  // namespace
}  // namespace registry
