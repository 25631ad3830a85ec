// The registry conformance cases, written once and compiled twice: against
// the memory store with GoogleTest on the build host, and against advapi32
// with doctest under Wine. Wherever the two disagree the memory store is
// wrong. The including file supplies ConformanceStore, ConformanceBase,
// CONFORMANCE_CASE(name) and the EXPECT_/ASSERT_ macros used here.
//
// Every case works below Software\TarnoluxTest under each root, which the
// fixture clears before and after the case.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "registry/registry.h"
#include "registry/store.h"

namespace registry {
namespace {

constexpr const char* kScratch = "Software\\TarnoluxTest";
constexpr Hkey kRoots[] = {kCurrentUser, kLocalMachine, kCurrentConfig};

std::string Under(const std::string& sub) { return std::string(kScratch) + "\\" + sub; }

// What a query hands back: code, type and the data bytes.
struct Raw {
  long code = kNotFound;
  std::uint32_t type = 0;
  std::string data;
};

class Conformance : public ConformanceBase {
 protected:
  Conformance() { Clean(); }
  ~Conformance() { Clean(); }

  void Clean() {
    for (Hkey root : kRoots) DeleteTree(root, kScratch);
  }

  void DeleteTree(Hkey root, const std::string& path) {
    Hkey key = 0;
    if (store_.OpenKey(root, path, &key) != kOk) return;
    std::vector<std::string> children;
    std::string name;
    for (std::uint32_t i = 0; store_.EnumKey(key, i, &name) == kOk; ++i) children.push_back(name);
    store_.CloseKey(key);
    for (const auto& child : children) DeleteTree(root, path + "\\" + child);
    store_.DeleteKey(root, path);
  }

  // Writes exactly `bytes`. The guard byte after them keeps the store from
  // counting a NUL that would otherwise follow the data in memory.
  long SetRaw(Hkey root, const std::string& path, const std::string& name, std::uint32_t type,
              const std::string& bytes) {
    Hkey key = 0;
    long code = store_.CreateKey(root, path, &key);
    if (code != kOk) return code;
    const std::string guarded = bytes + 'X';
    code =
        store_.SetValue(key, name, type, guarded.data(), static_cast<std::uint32_t>(bytes.size()));
    store_.CloseKey(key);
    return code;
  }

  Raw GetRaw(Hkey root, const std::string& path, const std::string& name) {
    Raw raw;
    Hkey key = 0;
    raw.code = store_.OpenKey(root, path, &key);
    if (raw.code != kOk) return raw;
    std::uint32_t size = 0;
    raw.code = store_.QueryValue(key, name, &raw.type, nullptr, &size);
    if (raw.code == kOk && size > 0) {
      raw.data.assign(size, '*');
      raw.code = store_.QueryValue(key, name, &raw.type, raw.data.data(), &size);
      raw.data.resize(size);
    }
    store_.CloseKey(key);
    return raw;
  }

  // The data that enumerating the key hands back for the value `name`.
  std::string EnumeratedData(Hkey root, const std::string& path, const std::string& name) {
    Hkey key = 0;
    if (store_.OpenKey(root, path, &key) != kOk) return "(no key)";
    std::string entry, data, found = "(not listed)";
    std::uint32_t type = 0;
    for (std::uint32_t i = 0; store_.EnumValue(key, i, &entry, &type, &data) == kOk; ++i) {
      if (entry == name) found = data;
    }
    store_.CloseKey(key);
    return found;
  }

  bool Exists(Hkey root, const std::string& path) {
    Hkey key = 0;
    if (store_.OpenKey(root, path, &key) != kOk) return false;
    store_.CloseKey(key);
    return true;
  }

  // Subkey names, or value names with their type, sorted and joined by ",".
  std::string Subkeys(Hkey root, const std::string& path) {
    return Listing(root, path, [this](Hkey key, std::uint32_t i, std::string* entry) {
      return store_.EnumKey(key, i, entry);
    });
  }
  std::string Values(Hkey root, const std::string& path) {
    return Listing(root, path, [this](Hkey key, std::uint32_t i, std::string* entry) {
      std::uint32_t type = 0;
      std::string data;
      const long code = store_.EnumValue(key, i, entry, &type, &data);
      *entry += ":" + std::to_string(type) + ":" + std::to_string(data.size());
      return code;
    });
  }

  template <typename Next>
  std::string Listing(Hkey root, const std::string& path, Next next) {
    Hkey key = 0;
    if (store_.OpenKey(root, path, &key) != kOk) return "(no key)";
    std::vector<std::string> entries;
    std::string entry;
    long code;
    for (std::uint32_t i = 0; (code = next(key, i, &entry)) == kOk; ++i) entries.push_back(entry);
    store_.CloseKey(key);
    if (code != kNoMoreItems) return "(ended with " + std::to_string(code) + ")";
    std::sort(entries.begin(), entries.end());
    std::string joined;
    for (const auto& e : entries) joined += (joined.empty() ? "" : ",") + e;
    return joined;
  }

  ConformanceStore store_;
  Registry reg_{store_};
};

// ---- The raw store: paths, names and handles ----

CONFORMANCE_CASE(PathsSkipTrailingAndDoubledBackslashes) {
  Hkey key = 0;
  ASSERT_EQ(kOk, store_.CreateKey(kCurrentUser, Under("Deep\\Key\\"), &key));
  EXPECT_EQ(kOk, store_.CloseKey(key));
  EXPECT_TRUE(Exists(kCurrentUser, Under("Deep\\Key")));
  EXPECT_TRUE(Exists(kCurrentUser, Under("Deep\\Key\\\\")));
  EXPECT_TRUE(Exists(kCurrentUser, Under("Deep\\\\Key")));
  EXPECT_EQ("Key", Subkeys(kCurrentUser, Under("Deep")));
}

// Windows 98 creates "\\Key" as "Key", but will not open or delete it.
CONFORMANCE_CASE(LeadingBackslashCreatesButNeverOpens) {
  Hkey key = 0;
  ASSERT_EQ(kOk, store_.CreateKey(kCurrentUser, Under("Lead"), &key));
  store_.CloseKey(key);
  EXPECT_EQ(kBadPathname, store_.OpenKey(kCurrentUser, "\\" + Under("Lead"), &key));
  EXPECT_EQ(kBadPathname, store_.DeleteKey(kCurrentUser, "\\" + Under("Lead")));
  EXPECT_TRUE(Exists(kCurrentUser, Under("Lead")));
  ASSERT_EQ(kOk, store_.CreateKey(kCurrentUser, "\\" + Under("Lead\\Made"), &key));
  store_.CloseKey(key);
  EXPECT_EQ("Made", Subkeys(kCurrentUser, Under("Lead")));
}

CONFORMANCE_CASE(MissingKeysAreNotFound) {
  Hkey key = 123;
  EXPECT_EQ(kNotFound, store_.OpenKey(kCurrentUser, Under("Missing"), &key));
  EXPECT_EQ(0u, key);
  EXPECT_EQ(kNotFound, store_.DeleteKey(kCurrentUser, Under("Missing")));
  EXPECT_EQ(kNotFound, store_.DeleteKey(kCurrentUser, Under("Missing\\Deeper")));
}

CONFORMANCE_CASE(OpeningTheEmptyPathGivesTheParentBack) {
  Hkey key = 0;
  EXPECT_EQ(kOk, store_.OpenKey(kCurrentUser, "", &key));
  EXPECT_EQ(kCurrentUser, key);
  Hkey child = 0;
  ASSERT_EQ(kOk, store_.CreateKey(kLocalMachine, Under("Self"), &child));
  EXPECT_EQ(kOk, store_.OpenKey(child, "", &key));
  EXPECT_EQ(child, key);
  // Creating the empty path opens the same key through a new handle.
  Hkey again = 0;
  ASSERT_EQ(kOk, store_.CreateKey(child, "", &again));
  EXPECT_TRUE(again != child);
  EXPECT_EQ(kOk, store_.SetValue(again, "v", kString, "1", 2));
  EXPECT_EQ(kOk, store_.CloseKey(again));
  EXPECT_EQ(kOk, store_.CloseKey(child));
  EXPECT_EQ("1", reg_.GetString(kLocalMachine, Under("Self"), "v"));
}

CONFORMANCE_CASE(KeyAndValueNamesIgnoreCaseAndKeepTheFirstSpelling) {
  Hkey key = 0;
  ASSERT_EQ(kOk, store_.CreateKey(kCurrentUser, Under("MiXed"), &key));
  store_.CloseKey(key);
  ASSERT_EQ(kOk, store_.CreateKey(kCurrentUser, Under("mixed\\"), &key));
  EXPECT_EQ(kOk, store_.SetValue(key, "Name", kString, "first", 6));
  EXPECT_EQ(kOk, store_.SetValue(key, "NAME", kString, "second", 7));
  store_.CloseKey(key);
  EXPECT_EQ("MiXed", Subkeys(kCurrentUser, kScratch));
  EXPECT_EQ("Name:1:7", Values(kCurrentUser, Under("MIXED")));
  EXPECT_EQ("second", reg_.GetString(kCurrentUser, Under("mIxEd"), "name"));
  reg_.SaveString(kCurrentUser, "SOFTWARE\\tarnoluxtest\\MIXED", "nAmE", "third");
  EXPECT_EQ("third", reg_.GetString(kCurrentUser, Under("MiXed"), "Name"));
}

CONFORMANCE_CASE(HandlesCloseOnceAndRootsAlways) {
  Hkey key = 0;
  ASSERT_EQ(kOk, store_.CreateKey(kCurrentUser, Under("Handles"), &key));
  EXPECT_EQ(kOk, store_.CloseKey(key));
  EXPECT_EQ(kInvalidHandle, store_.CloseKey(key));
  std::uint32_t size = 0;
  EXPECT_EQ(kInvalidHandle, store_.QueryValue(key, "v", nullptr, nullptr, &size));
  for (Hkey root : kRoots) EXPECT_EQ(kOk, store_.CloseKey(root));
  EXPECT_EQ(kInvalidHandle, store_.CloseKey(0));
  // The roots stay usable after a close.
  reg_.SaveString(kCurrentUser, Under("Handles"), "v", "still");
  EXPECT_EQ("still", reg_.GetString(kCurrentUser, Under("Handles"), "v"));
}

// ---- The raw store: value data ----

CONFORMANCE_CASE(QueryReportsTypeAndSizeAndRefusesASmallBuffer) {
  Hkey key = 0;
  ASSERT_EQ(kOk, store_.CreateKey(kCurrentUser, Under("Query"), &key));
  const unsigned char dword[4] = {0x78, 0x56, 0x34, 0x12};
  ASSERT_EQ(kOk, store_.SetValue(key, "s", kString, "abc", 4));
  ASSERT_EQ(kOk, store_.SetValue(key, "d", kDword, dword, 4));
  ASSERT_EQ(kOk, store_.SetValue(key, "b", kBinary, "\1\2\3\4\5\6", 6));
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  EXPECT_EQ(kOk, store_.QueryValue(key, "s", &type, nullptr, &size));
  EXPECT_EQ(kString, type);
  EXPECT_EQ(4u, size);
  EXPECT_EQ(kOk, store_.QueryValue(key, "d", &type, nullptr, &size));
  EXPECT_EQ(kDword, type);
  EXPECT_EQ(4u, size);
  char small[3] = {'*', '*', '*'};
  size = sizeof small;
  EXPECT_EQ(kMoreData, store_.QueryValue(key, "s", &type, small, &size));
  EXPECT_EQ(4u, size);
  EXPECT_EQ(std::string("***"), std::string(small, 3));
  size = sizeof small;
  EXPECT_EQ(kMoreData, store_.QueryValue(key, "b", &type, small, &size));
  EXPECT_EQ(6u, size);
  size = 0;
  EXPECT_EQ(kNotFound, store_.QueryValue(key, "missing", &type, nullptr, &size));
  store_.CloseKey(key);
}

// Windows 98 stores a text up to its first NUL and that NUL, whatever size
// the caller gives: less than the text, none at all, or past a NUL.
CONFORMANCE_CASE(TextIsStoredToItsFirstNulWhateverTheSize) {
  Hkey key = 0;
  ASSERT_EQ(kOk, store_.CreateKey(kCurrentUser, Under("Sized"), &key));
  const char text[] = "abc\0de";
  EXPECT_EQ(kOk, store_.SetValue(key, "short", kString, text, 1));
  EXPECT_EQ(kOk, store_.SetValue(key, "none", kString, text, 0));
  EXPECT_EQ(kOk, store_.SetValue(key, "past", kString, text, sizeof text));
  EXPECT_EQ(kOk, store_.SetValue(key, "bin", kBinary, text, 3));
  char buffer[8] = {'*', '*', '*', '*', '*', '*', '*', '*'};
  std::uint32_t size = sizeof buffer;
  EXPECT_EQ(kOk, store_.QueryValue(key, "short", nullptr, buffer, &size));
  EXPECT_EQ(4u, size);
  EXPECT_EQ(std::string("abc\0****", 8), std::string(buffer, 8));
  store_.CloseKey(key);
  for (const char* name : {"short", "none", "past"}) {
    EXPECT_EQ(std::string("abc", 4), GetRaw(kCurrentUser, Under("Sized"), name).data);
  }
  EXPECT_EQ(std::string("abc"), GetRaw(kCurrentUser, Under("Sized"), "bin").data);
  EXPECT_EQ("abc", reg_.GetString(kCurrentUser, Under("Sized"), "none", "dflt"));
}

// ---- The raw store: deleting and enumerating ----

CONFORMANCE_CASE(DeletingAKeyRemovesItsValues) {
  reg_.SaveString(kLocalMachine, Under("Gone"), "a", "1");
  reg_.SaveDWord(kLocalMachine, Under("Gone"), "b", 2);
  EXPECT_EQ(kOk, store_.DeleteKey(kLocalMachine, Under("Gone")));
  EXPECT_FALSE(Exists(kLocalMachine, Under("Gone")));
  Hkey key = 0;
  ASSERT_EQ(kOk, store_.CreateKey(kLocalMachine, Under("Gone"), &key));
  store_.CloseKey(key);
  EXPECT_EQ("", Values(kLocalMachine, Under("Gone")));
}

// As on Windows 98, whatever the system says it is: the key goes with
// every key below it, and nothing beside or above it changes.
CONFORMANCE_CASE(DeletingAKeyRemovesItsWholeTree) {
  reg_.SaveString(kLocalMachine, kScratch, "above", "1");
  reg_.SaveString(kLocalMachine, Under("Sibling"), "beside", "2");
  reg_.SaveString(kLocalMachine, Under("Sibling\\Kept"), "below", "3");
  reg_.SaveString(kLocalMachine, Under("Parent"), "own", "yes");
  // Several children, so that the walk has to come back for the next one.
  for (const char* child : {"a", "B", "c", "d", "e"}) {
    const std::string path = Under("Parent\\") + child;
    reg_.SaveString(kLocalMachine, path, "v", child);
    reg_.SaveDWord(kLocalMachine, path + "\\Grand", "n", 1);
    ASSERT_EQ(kOk, SetRaw(kLocalMachine, path + "\\Grand", "bin", kBinary, "\1\2"));
  }
  Hkey open = 0;
  ASSERT_EQ(kOk, store_.OpenKey(kLocalMachine, Under("Parent\\c\\Grand"), &open));

  EXPECT_EQ(kOk, store_.DeleteKey(kLocalMachine, Under("Parent")));
  EXPECT_FALSE(Exists(kLocalMachine, Under("Parent")));
  EXPECT_FALSE(Exists(kLocalMachine, Under("Parent\\c\\Grand")));
  EXPECT_EQ(kKeyDeleted, store_.SetValue(open, "v", kString, "1", 2));
  EXPECT_EQ(kOk, store_.CloseKey(open));
  EXPECT_EQ("Sibling", Subkeys(kLocalMachine, kScratch));
  EXPECT_EQ("Kept", Subkeys(kLocalMachine, Under("Sibling")));
  EXPECT_EQ("3", reg_.GetString(kLocalMachine, Under("Sibling\\Kept"), "below"));
  EXPECT_EQ("2", reg_.GetString(kLocalMachine, Under("Sibling"), "beside"));
  EXPECT_EQ("1", reg_.GetString(kLocalMachine, kScratch, "above"));
  // Made again, the key is empty: nothing of the old tree comes back.
  reg_.SaveString(kLocalMachine, Under("Parent\\c"), "fresh", "1");
  EXPECT_EQ("c", Subkeys(kLocalMachine, Under("Parent")));
  EXPECT_EQ("", Values(kLocalMachine, Under("Parent")));
  EXPECT_EQ("", Subkeys(kLocalMachine, Under("Parent\\c")));
  EXPECT_EQ("fresh:1:2", Values(kLocalMachine, Under("Parent\\c")));
}

CONFORMANCE_CASE(HandleOnADeletedKeyAnswersKeyDeleted) {
  Hkey key = 0;
  ASSERT_EQ(kOk, store_.CreateKey(kCurrentUser, Under("Doomed"), &key));
  EXPECT_EQ(kOk, store_.DeleteKey(kCurrentUser, Under("Doomed")));
  EXPECT_EQ(kKeyDeleted, store_.SetValue(key, "v", kString, "1", 2));
  std::uint32_t size = 0;
  EXPECT_EQ(kKeyDeleted, store_.QueryValue(key, "v", nullptr, nullptr, &size));
  Hkey sub = 0;
  EXPECT_EQ(kKeyDeleted, store_.CreateKey(key, "Sub", &sub));
  EXPECT_EQ(kOk, store_.CloseKey(key));
  EXPECT_FALSE(Exists(kCurrentUser, Under("Doomed")));
}

CONFORMANCE_CASE(EnumeratesSubkeysAndValues) {
  for (const char* name : {"zeta", "Alpha", "_under", "beta"}) {
    reg_.SaveString(kCurrentUser, Under("List\\") + name, "x", "1");
  }
  const std::string big(5000, 'q');
  reg_.SaveString(kCurrentUser, Under("List"), "Big", big);
  reg_.SaveDWord(kCurrentUser, Under("List"), "Number", 7);
  ASSERT_EQ(kOk, SetRaw(kCurrentUser, Under("List"), "Blob", kBinary, std::string("\0\1\2", 3)));
  reg_.SaveString(kCurrentUser, Under("List"), "Empty", "");
  EXPECT_EQ("Alpha,_under,beta,zeta", Subkeys(kCurrentUser, Under("List")));
  EXPECT_EQ("Big:1:5001,Blob:3:3,Empty:1:1,Number:4:4", Values(kCurrentUser, Under("List")));
  EXPECT_EQ("", Subkeys(kCurrentUser, Under("List\\beta")));
  EXPECT_TRUE(EnumeratedData(kCurrentUser, Under("List"), "Big") == big + '\0');
  EXPECT_EQ(std::string("\0\1\2", 3), EnumeratedData(kCurrentUser, Under("List"), "Blob"));

  Hkey key = 0;
  ASSERT_EQ(kOk, store_.OpenKey(kCurrentUser, Under("List"), &key));
  std::string name;
  std::string data;
  std::uint32_t type = 0;
  EXPECT_EQ(kNoMoreItems, store_.EnumKey(key, 4, &name));
  EXPECT_EQ(kNoMoreItems, store_.EnumValue(key, 4, &name, &type, &data));
  store_.CloseKey(key);
}

// What a backup reads: every type's bytes as stored, the unnamed value,
// and keys several levels deep.
CONFORMANCE_CASE(EnumeratesEveryTypeAndNestedKeys) {
  const std::string multi("one\0two\0\0", 9);
  ASSERT_EQ(kOk, SetRaw(kLocalMachine, Under("Tree"), "Expand", kExpandString,
                        std::string("%WINDIR%\0", 9)));
  ASSERT_EQ(kOk, SetRaw(kLocalMachine, Under("Tree"), "Multi", kMultiString, multi));
  ASSERT_EQ(kOk, SetRaw(kLocalMachine, Under("Tree"), "", kString, std::string("dflt\0", 5)));
  ASSERT_EQ(kOk, SetRaw(kLocalMachine, Under("Tree\\A\\B\\C"), "Deep", kBinary, "\xff"));
  EXPECT_EQ(":1:5,Expand:2:9,Multi:7:9", Values(kLocalMachine, Under("Tree")));
  EXPECT_EQ("A", Subkeys(kLocalMachine, Under("Tree")));
  EXPECT_EQ("B", Subkeys(kLocalMachine, Under("Tree\\A")));
  EXPECT_EQ("Deep:3:1", Values(kLocalMachine, Under("Tree\\A\\B\\C")));
  EXPECT_EQ(multi, EnumeratedData(kLocalMachine, Under("Tree"), "Multi"));
}

// ---- The five procedures ----

CONFORMANCE_CASE(MissingKeysAndValuesReadAsTheDefault) {
  EXPECT_EQ("", reg_.GetString(kCurrentUser, Under("Nowhere"), "v"));
  EXPECT_EQ("dflt", reg_.GetString(kCurrentUser, Under("Nowhere"), "v", "dflt"));
  EXPECT_EQ(0, reg_.GetDWord(kCurrentUser, Under("Nowhere"), "v"));
  EXPECT_EQ(-5, reg_.GetDWord(kCurrentUser, Under("Nowhere"), "v", -5));
  reg_.SaveString(kCurrentUser, Under("Somewhere"), "other", "1");
  EXPECT_EQ("dflt", reg_.GetString(kCurrentUser, Under("Somewhere"), "v", "dflt"));
  EXPECT_EQ(9, reg_.GetDWord(kCurrentUser, Under("Somewhere"), "v", 9));
  EXPECT_FALSE(Exists(kCurrentUser, Under("Nowhere")));
}

CONFORMANCE_CASE(EmptyStringIsAValueNotTheDefault) {
  reg_.SaveString(kCurrentUser, Under("Empty"), "saved", "");
  const Raw raw = GetRaw(kCurrentUser, Under("Empty"), "saved");
  EXPECT_EQ(kString, raw.type);
  EXPECT_EQ(std::string(1, '\0'), raw.data);
  EXPECT_EQ("", reg_.GetString(kCurrentUser, Under("Empty"), "saved", "dflt"));
}

CONFORMANCE_CASE(StringsEndAtTheirFirstNul) {
  ASSERT_EQ(kOk, SetRaw(kCurrentUser, Under("Text"), "mid", kString, std::string("ab\0cd\0", 6)));
  EXPECT_EQ("ab", reg_.GetString(kCurrentUser, Under("Text"), "mid", "dflt"));
}

CONFORMANCE_CASE(OtherTypesReadAsTheDefault) {
  const std::string path = Under("Types");
  ASSERT_EQ(kOk, SetRaw(kCurrentUser, path, "expand", kExpandString, std::string("%PATH%\0", 7)));
  ASSERT_EQ(kOk, SetRaw(kCurrentUser, path, "binary", kBinary, std::string("12\0", 3)));
  ASSERT_EQ(kOk, SetRaw(kCurrentUser, path, "multi", kMultiString, std::string("a\0b\0\0", 5)));
  reg_.SaveDWord(kCurrentUser, path, "dword", 12);
  reg_.SaveString(kCurrentUser, path, "string", "12");
  for (const char* name : {"expand", "binary", "multi", "dword"}) {
    EXPECT_EQ("dflt", reg_.GetString(kCurrentUser, path, name, "dflt"));
  }
  EXPECT_EQ(-3, reg_.GetDWord(kCurrentUser, path, "string", -3));
  EXPECT_EQ(-3, reg_.GetDWord(kCurrentUser, path, "binary", -3));
  EXPECT_EQ(12, reg_.GetDWord(kCurrentUser, path, "dword", -3));
}

CONFORMANCE_CASE(DWordOfTheWrongSize) {
  const std::string path = Under("Sizes");
  ASSERT_EQ(kOk, SetRaw(kCurrentUser, path, "two", kDword, std::string("\x34\x12", 2)));
  ASSERT_EQ(kOk, SetRaw(kCurrentUser, path, "eight", kDword, std::string("\1\0\0\0\2\0\0\0", 8)));
  ASSERT_EQ(kOk, SetRaw(kCurrentUser, path, "none", kDword, ""));
  // The store copies what fits and leaves the rest of the buffer alone.
  Hkey key = 0;
  ASSERT_EQ(kOk, store_.OpenKey(kCurrentUser, path, &key));
  unsigned char buffer[4] = {0xAA, 0xAA, 0xAA, 0xAA};
  std::uint32_t type = 0;
  std::uint32_t size = 4;
  EXPECT_EQ(kOk, store_.QueryValue(key, "two", &type, buffer, &size));
  EXPECT_EQ(2u, size);
  EXPECT_EQ(std::string("\x34\x12\xAA\xAA", 4), std::string(buffer, buffer + 4));
  size = 4;
  EXPECT_EQ(kMoreData, store_.QueryValue(key, "eight", &type, buffer, &size));
  EXPECT_EQ(kDword, type);
  EXPECT_EQ(8u, size);
  store_.CloseKey(key);
  // So short data fills the low bytes of GetDWord's zeroed buffer, and long
  // data is the default.
  EXPECT_EQ(0x1234, reg_.GetDWord(kCurrentUser, path, "two", -1));
  EXPECT_EQ(-1, reg_.GetDWord(kCurrentUser, path, "eight", -1));
  EXPECT_EQ(0, reg_.GetDWord(kCurrentUser, path, "none", -1));
}

CONFORMANCE_CASE(SaveStringCreatesThePathAndReadsBackExactly) {
  const std::string path = Under("A\\B\\C\\D");
  const std::string big(4096 + 123, 'x');
  const char* texts[] = {"1.3", " spaced out ", "3dfx Voodoo3", "-1", "\\back\\slash\\"};
  for (const char* text : texts) {
    reg_.SaveString(kCurrentUser, path, "v", text);
    EXPECT_EQ(text, reg_.GetString(kCurrentUser, path, "v"));
  }
  reg_.SaveString(kCurrentUser, path, "big", big);
  EXPECT_EQ(big, reg_.GetString(kCurrentUser, path, "big"));
  const Raw raw = GetRaw(kCurrentUser, path, "v");
  EXPECT_EQ(kString, raw.type);
  EXPECT_EQ(std::string("\\back\\slash\\", 13), raw.data);  // the NUL is counted
}

CONFORMANCE_CASE(NonAsciiTextRoundTrips) {
  // UTF-8 in, UTF-8 out, whatever the store keeps in between.
  const std::string path = Under("K\xC3\xB6ln");          // "Köln"
  const std::string text = "\xC3\xA9\xC3\xA9n \xC2\xBC";  // "één ¼"
  reg_.SaveString(kCurrentUser, path, "na\xC3\xAFve", text);
  reg_.SaveDWord(kCurrentUser, path, "\xC3\xA9\xC3\xA9n", 1);
  EXPECT_EQ(text, reg_.GetString(kCurrentUser, path, "na\xC3\xAFve"));
  EXPECT_EQ(1, reg_.GetDWord(kCurrentUser, path, "\xC3\xA9\xC3\xA9n"));
  reg_.DeleteKey(kCurrentUser, path);
  EXPECT_EQ("", Subkeys(kCurrentUser, kScratch));
}

CONFORMANCE_CASE(SaveDWordRoundTripsAllBits) {
  const std::string path = Under("Dwords");
  for (std::int32_t value : {0, 1, -1, 0x12345678, INT32_MIN, INT32_MAX}) {
    reg_.SaveDWord(kCurrentUser, path, "v", value);
    EXPECT_EQ(value, reg_.GetDWord(kCurrentUser, path, "v", 42));
  }
  reg_.SaveDWord(kCurrentUser, path, "v", 0x01020304);
  const Raw raw = GetRaw(kCurrentUser, path, "v");
  EXPECT_EQ(kDword, raw.type);
  EXPECT_EQ(std::string("\4\3\2\1", 4), raw.data);
  // A string where a DWORD was replaces it, and the other way round.
  reg_.SaveString(kCurrentUser, path, "v", "1");
  EXPECT_EQ(42, reg_.GetDWord(kCurrentUser, path, "v", 42));
  EXPECT_EQ("1", reg_.GetString(kCurrentUser, path, "v"));
}

CONFORMANCE_CASE(TrailingBackslashNamesTheSameKey) {
  reg_.SaveString(kLocalMachine, Under("Tarno\\"), "Language", "2");
  EXPECT_EQ("2", reg_.GetString(kLocalMachine, Under("Tarno"), "Language"));
  reg_.SaveString(kLocalMachine, Under("Tarno"), "Language", "1");
  EXPECT_EQ("1", reg_.GetString(kLocalMachine, Under("Tarno\\"), "Language"));
  reg_.SaveDWord(kLocalMachine, Under("Tarno\\"), "n", 5);
  EXPECT_EQ(5, reg_.GetDWord(kLocalMachine, Under("Tarno"), "n"));
  EXPECT_EQ("Tarno", Subkeys(kLocalMachine, kScratch));
  reg_.DeleteKey(kLocalMachine, Under("Tarno\\"));
  EXPECT_FALSE(Exists(kLocalMachine, Under("Tarno")));
}

CONFORMANCE_CASE(DeleteKeyClearsValuesAndIgnoresWhatItCannotDo) {
  const std::string glide = Under("0003\\Glide");
  reg_.SaveString(kLocalMachine, glide, "FX_GLIDE_NO_SPLASH", "1");
  reg_.SaveString(kLocalMachine, glide, "Stale", "x");
  reg_.DeleteKey(kLocalMachine, glide + "\\");
  reg_.SaveString(kLocalMachine, glide, "SSTH3_RGAMMA", "1.3");
  EXPECT_EQ("SSTH3_RGAMMA:1:4", Values(kLocalMachine, glide));
  EXPECT_EQ("", reg_.GetString(kLocalMachine, glide, "Stale"));
  reg_.DeleteKey(kLocalMachine, Under("NotThere"));
  reg_.DeleteKey(kLocalMachine, Under("NotThere\\Deeper\\"));
  EXPECT_EQ("0003", Subkeys(kLocalMachine, kScratch));
}

// A driver key rebuilt by the procedures while it holds a subkey two levels
// deep: no old value survives, neither an option the writer leaves out nor
// one it never knew.
CONFORMANCE_CASE(DeleteKeyRebuildsAKeyThatHasSubkeys) {
  const std::string driver = Under("0003");
  const std::string d3d = driver + "\\D3D";
  reg_.SaveString(kLocalMachine, driver, "DriverDesc", "3dfx Voodoo3");
  reg_.SaveString(kLocalMachine, driver + "\\Glide", "SSTH3_RGAMMA", "1.3");
  reg_.SaveString(kLocalMachine, d3d, "SSTH3_SWAPINTERVAL", "0");
  reg_.SaveString(kLocalMachine, d3d, "Unknown", "7");
  reg_.SaveString(kLocalMachine, d3d + "\\Profiles", "Game", "1");
  reg_.SaveDWord(kLocalMachine, d3d + "\\Profiles\\Game", "SSTH3_SWAPINTERVAL", 0);
  reg_.DeleteKey(kLocalMachine, d3d + "\\");
  reg_.SaveString(kLocalMachine, d3d, "SSTH3_ALPHADITHERMODE", "1");
  EXPECT_EQ("SSTH3_ALPHADITHERMODE:1:2", Values(kLocalMachine, d3d));
  EXPECT_EQ("", Subkeys(kLocalMachine, d3d));
  EXPECT_EQ("(no key)", Values(kLocalMachine, d3d + "\\Profiles\\Game"));
  EXPECT_EQ("D3D,Glide", Subkeys(kLocalMachine, driver));
  EXPECT_EQ("1.3", reg_.GetString(kLocalMachine, driver + "\\Glide", "SSTH3_RGAMMA"));
  EXPECT_EQ("3dfx Voodoo3", reg_.GetString(kLocalMachine, driver, "DriverDesc"));
  // And the whole driver key, with both of its keys, in one call.
  reg_.DeleteKey(kLocalMachine, driver);
  EXPECT_EQ("", Subkeys(kLocalMachine, kScratch));
}

CONFORMANCE_CASE(EachRootKeepsItsOwnValues) {
  const std::string path = Under("Roots");
  const char* names[] = {"user", "machine", "config"};
  for (int i = 0; i < 3; ++i) {
    reg_.SaveString(kRoots[i], path, "who", names[i]);
    reg_.SaveDWord(kRoots[i], path, "n", i + 1);
  }
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(names[i], reg_.GetString(kRoots[i], path, "who"));
    EXPECT_EQ(i + 1, reg_.GetDWord(kRoots[i], path, "n"));
    reg_.DeleteKey(kRoots[i], path);
    EXPECT_EQ("gone", reg_.GetString(kRoots[i], path, "who", "gone"));
  }
}

}  // namespace
}  // namespace registry
