// The REGEDIT4 text of values that are easy to get wrong.
#include "backup/regedit4.h"

#include <gtest/gtest.h>

#include <string>

#include "registry/memory_store.h"
#include "registry/registry.h"

namespace backup {
namespace {

using registry::kLocalMachine;

TEST(ValueLine, QuotesStringsAndEscapesBackslashesAndQuotes) {
  EXPECT_EQ("\"Path\"=\"C:\\\\WINDOWS\\\\\\\"x\\\"\"",
            ValueLine("Path", registry::kString, std::string("C:\\WINDOWS\\\"x\"\0", 15)));
  EXPECT_EQ("\"a\\\"b\"=\"\"", ValueLine("a\"b", registry::kString, std::string("\0", 1)));
  EXPECT_EQ("\"Empty\"=\"\"", ValueLine("Empty", registry::kString, ""));
  EXPECT_EQ("@=\"default\"", ValueLine("", registry::kString, std::string("default\0", 8)));
  EXPECT_EQ("\"Latin\"=\"K\xF6ln\"",
            ValueLine("Latin", registry::kString, std::string("K\xF6ln\0", 5)));
}

TEST(ValueLine, StringsThatAQuotedStringCannotCarryGoAsHex) {
  EXPECT_EQ("\"Two\"=hex(1):61,00,62,00",
            ValueLine("Two", registry::kString, std::string("a\0b\0", 4)));
  EXPECT_EQ("\"Lines\"=hex(1):61,0d,0a,00",
            ValueLine("Lines", registry::kString, std::string("a\r\n\0", 4)));
}

TEST(ValueLine, DwordsAndOtherTypes) {
  EXPECT_EQ("\"D\"=dword:0000002a", ValueLine("D", registry::kDword, std::string("\x2a\0\0\0", 4)));
  EXPECT_EQ("\"D\"=dword:ffffffff", ValueLine("D", registry::kDword, "\xff\xff\xff\xff"));
  EXPECT_EQ("\"Short\"=hex(4):01,02", ValueLine("Short", registry::kDword, "\x01\x02"));
  EXPECT_EQ("\"Bin\"=hex:00,ff,10",
            ValueLine("Bin", registry::kBinary, std::string("\0\xff\x10", 3)));
  EXPECT_EQ("\"None\"=hex:", ValueLine("None", registry::kBinary, ""));
  EXPECT_EQ("\"Exp\"=hex(2):25,00",
            ValueLine("Exp", registry::kExpandString, std::string("%\0", 2)));
  EXPECT_EQ("\"M\"=hex(7):61,00,00",
            ValueLine("M", registry::kMultiString, std::string("a\0\0", 3)));
  EXPECT_EQ("\"Odd\"=hex(1a):01", ValueLine("Odd", 0x1a, "\x01"));
}

// A long value's line goes on until it passes column 76, as regedit's do,
// so every line ends within 80 columns, continued with "\" and a
// two-blank indent, and the bytes read back in order.
TEST(ValueLine, LongHexFoldsOncePastColumn76) {
  std::string data;
  for (int i = 0; i < 100; ++i) data += static_cast<char>(i);
  const std::string text = ValueLine("Blob", registry::kBinary, data);
  std::string bytes;
  std::string::size_type start = 0;
  int lines = 0;
  while (start <= text.size()) {
    std::string::size_type end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    EXPECT_LE(line.size(), 80u) << line;
    if (lines > 0) {
      EXPECT_EQ("  ", line.substr(0, 2));
    }
    const bool more = end < text.size();
    EXPECT_EQ(more, !line.empty() && line.back() == '\\') << line;
    if (more) {
      EXPECT_GE(line.size(), 77u) << line;  // "xx," reaching column 76, then "\"
    }
    bytes += line.substr(lines == 0 ? line.find(':') + 1 : 2, std::string::npos);
    if (more) bytes.pop_back();
    ++lines;
    start = end + 2;
  }
  EXPECT_GT(lines, 3);
  std::string expected;
  for (int i = 0; i < 100; ++i) {
    expected += "0123456789abcdef"[i >> 4];
    expected += "0123456789abcdef"[i & 15];
    if (i < 99) expected += ',';
  }
  EXPECT_EQ(expected, bytes);
}

TEST(RegFile, TreesAreWrittenKeyByKeyWithCrlf) {
  registry::MemoryStore store;
  registry::Registry reg(store);
  reg.SaveString(kLocalMachine, "Top", "s", "1");
  reg.SaveDWord(kLocalMachine, "Top\\A\\B\\C", "d", 3);
  reg.SaveString(kLocalMachine, "Other", "x", "no");
  RegFile file;
  file.AddTree(store, kLocalMachine, "Top");
  file.AddTree(store, kLocalMachine, "Missing");
  EXPECT_EQ(
      "REGEDIT4\r\n"
      "\r\n[HKEY_LOCAL_MACHINE\\Top]\r\n\"s\"=\"1\"\r\n"
      "\r\n[HKEY_LOCAL_MACHINE\\Top\\A]\r\n"
      "\r\n[HKEY_LOCAL_MACHINE\\Top\\A\\B]\r\n"
      "\r\n[HKEY_LOCAL_MACHINE\\Top\\A\\B\\C]\r\n\"d\"=dword:00000003\r\n"
      "\r\n",
      file.Text());
  EXPECT_EQ(2, file.ValueCount());
}

// A name with a line break would end its line early: the value or key is
// left out, with a comment line in its place, and the rest reads as usual.
TEST(RegFile, NamesWithLineBreaksAreLeftOutWithACommentLine) {
  registry::MemoryStore store;
  registry::Registry reg(store);
  reg.SaveString(kLocalMachine, "Top", "a", "1");
  reg.SaveString(kLocalMachine, "Top", "Car\rReturn", "x");
  reg.SaveDWord(kLocalMachine, "Top", "Line\nFeed", 5);
  reg.SaveString(kLocalMachine, "Top", "z", "2");
  reg.SaveString(kLocalMachine, "Top\\Bad\r\nKey\\Below", "v", "4");
  reg.SaveString(kLocalMachine, "Top\\Good", "v", "3");
  RegFile file;
  file.AddTree(store, kLocalMachine, "Top");
  const std::string note = "; HKEY_LOCAL_MACHINE\\Top: the ";
  const std::string reason = " because its name has a line break\r\n";
  std::string expected = "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Top]\r\n\"a\"=\"1\"\r\n";
  expected += note + "value \"Car\\rReturn\" is left out" + reason;
  expected += note + "value \"Line\\nFeed\" is left out" + reason;
  expected += "\"z\"=\"2\"\r\n";
  expected += note + "key \"Bad\\r\\nKey\" and all below it are left out" + reason;
  expected += "\r\n[HKEY_LOCAL_MACHINE\\Top\\Good]\r\n\"v\"=\"3\"\r\n\r\n";
  EXPECT_EQ(expected, file.Text());
  EXPECT_EQ(3, file.ValueCount());
}

TEST(RegFile, ChosenValuesOnlyAndNoEmptySection) {
  registry::MemoryStore store;
  registry::Registry reg(store);
  reg.SaveString(registry::kCurrentUser, "Desk", "fontsmoothing", "2");
  reg.SaveString(registry::kCurrentUser, "Desk", "Wallpaper", "mine.bmp");
  RegFile file;
  file.AddValues(store, registry::kCurrentUser, "Desk", {"FontSmoothing", "DragFullWindows"});
  file.AddValues(store, registry::kCurrentUser, "Desk", {"Nothing"});
  file.AddValues(store, registry::kCurrentConfig, "Nowhere", {"FontSmoothing"});
  EXPECT_EQ("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Desk]\r\n\"fontsmoothing\"=\"2\"\r\n\r\n",
            file.Text());
}

}  // namespace
}  // namespace backup
