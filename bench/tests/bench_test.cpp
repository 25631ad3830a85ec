#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "bench/counting_store.h"
#include "registry/driver.h"
#include "registry/memory_store.h"
#include "registry/registry.h"

namespace bench {
namespace {

using registry::kLocalMachine;

std::string WriteTemp(const std::string& text) {
  const std::string path = ::testing::TempDir() + "bench_test.reg";
  std::FILE* file = std::fopen(path.c_str(), "wb");
  std::fputs(text.c_str(), file);
  std::fclose(file);
  return path;
}

TEST(ImportRegFile, TheDemoMachineHasItsVoodoo3AtItsFactoryClock) {
  registry::MemoryStore store;
  ASSERT_TRUE(ImportRegFile(store, TARNOLUX_DEMO_REG));
  registry::Registry reg(store);
  const std::optional<registry::Adapter> adapter = registry::FindAdapter(reg);
  ASSERT_TRUE(adapter.has_value());
  EXPECT_EQ(reg.GetString(kLocalMachine, adapter->DefaultKey(), "Grxclock"), "166");
  EXPECT_EQ(reg.GetString(kLocalMachine, adapter->InfoKey(), "TV Out"), "Supported");
  EXPECT_EQ(store.OpenHandles(), 0u);
}

TEST(ImportRegFile, EscapesDwordsCrlfAndBadLines) {
  registry::MemoryStore store;
  ASSERT_TRUE(ImportRegFile(store, WriteTemp("REGEDIT4\r\n\r\n; note\r\n"
                                             "[HKEY_CURRENT_USER\\A\\B]\r\n"
                                             "\"Path\"=\"C:\\\\x \\\"y\\\"\"\r\n"
                                             "\"N\"=dword:0000010a\r\n")));
  registry::Hkey key = 0;
  ASSERT_EQ(store.OpenKey(registry::kCurrentUser, "A\\B", &key), registry::kOk);
  char text[32] = {};
  std::uint32_t type = 0, size = sizeof text;
  ASSERT_EQ(store.QueryValue(key, "Path", &type, text, &size), registry::kOk);
  EXPECT_EQ(std::string(text), "C:\\x \"y\"");
  unsigned char bytes[4] = {};
  size = sizeof bytes;
  ASSERT_EQ(store.QueryValue(key, "N", &type, bytes, &size), registry::kOk);
  EXPECT_EQ(type, registry::kDword);
  EXPECT_EQ(bytes[0] | bytes[1] << 8, 0x10a);
  store.CloseKey(key);

  EXPECT_FALSE(ImportRegFile(store, WriteTemp("REGEDIT4\n[HKEY_NOWHERE\\A]\n")));
  EXPECT_FALSE(ImportRegFile(store, WriteTemp("REGEDIT4\n\"orphan\"=\"value\"\n")));
  EXPECT_FALSE(ImportRegFile(store, WriteTemp("REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=hex:01\n")));
  EXPECT_FALSE(ImportRegFile(store, "/nonexistent/file.reg"));
}

TEST(CountingStore, CountsEachKindAndPassesResultsThrough) {
  registry::MemoryStore memory;
  CountingStore store(memory);
  registry::Hkey key = 0;
  EXPECT_EQ(store.OpenKey(kLocalMachine, "Missing", &key), registry::kNotFound);
  ASSERT_EQ(store.CreateKey(kLocalMachine, "K", &key), registry::kOk);
  ASSERT_EQ(store.SetValue(key, "v", registry::kString, "1", 2), registry::kOk);
  std::uint32_t type = 0, size = 0;
  EXPECT_EQ(store.QueryValue(key, "v", &type, nullptr, &size), registry::kOk);
  EXPECT_EQ(size, 2u);
  std::string name;
  EXPECT_EQ(store.EnumKey(key, 0, &name), registry::kNoMoreItems);
  store.CloseKey(key);
  EXPECT_EQ(store.DeleteKey(kLocalMachine, "K"), registry::kOk);

  const CallCounts& counts = store.counts();
  EXPECT_EQ(counts.open, 1);
  EXPECT_EQ(counts.create, 1);
  EXPECT_EQ(counts.set, 1);
  EXPECT_EQ(counts.query, 1);
  EXPECT_EQ(counts.enumerate, 1);
  EXPECT_EQ(counts.close, 1);
  EXPECT_EQ(counts.del, 1);
  EXPECT_EQ(counts.Total(), 7);
  store.Reset();
  EXPECT_EQ(store.counts().Total(), 0);
}

}  // namespace
}  // namespace bench
