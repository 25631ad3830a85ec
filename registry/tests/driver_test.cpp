#include "registry/driver.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "registry/memory_store.h"

namespace registry {
namespace {

class DriverTest : public ::testing::Test {
 protected:
  void Describe(int index, const std::string& description) {
    reg_.SaveString(kLocalMachine, std::string(kDisplayClass) + std::to_string(index), "DriverDesc",
                    description);
  }

  MemoryStore store_;
  Registry reg_{store_};
};

TEST_F(DriverTest, HighestVoodoo3KeyWins) {
  Describe(3, "3dfx Voodoo3");
  Describe(7, "3dfx Voodoo3");
  Describe(8, "Standard VGA");
  const auto adapter = FindAdapter(reg_);
  ASSERT_TRUE(adapter.has_value());
  EXPECT_EQ(7, adapter->Index());
  EXPECT_EQ("3dfx Voodoo3", adapter->Description());
}

TEST_F(DriverTest, DescriptionMustMatchExactly) {
  Describe(9, "3dfx voodoo3");
  Describe(8, "3dfx Voodoo3 ");
  Describe(7, " 3dfx Voodoo3");
  Describe(6, "3dfx Voodoo3 3000");
  ASSERT_FALSE(FindAdapter(reg_).has_value());
  Describe(2, "3dfx Voodoo3");
  ASSERT_TRUE(FindAdapter(reg_).has_value());
  EXPECT_EQ(2, FindAdapter(reg_)->Index());
}

TEST_F(DriverTest, NothingFoundWithoutAVoodoo3) {
  EXPECT_FALSE(FindAdapter(reg_).has_value());
  reg_.SaveDWord(kLocalMachine, std::string(kDisplayClass) + "5", "DriverDesc", 3);
  reg_.SaveString(kLocalMachine, std::string(kDisplayClass) + "10", "DriverDesc", "3dfx Voodoo3");
  EXPECT_FALSE(FindAdapter(reg_).has_value());
  EXPECT_EQ(0u, store_.OpenHandles());
}

TEST_F(DriverTest, KeyNamesOfTheLowestAndHighestIndex) {
  Describe(0, "3dfx Voodoo3");
  const std::string base = "System\\CurrentControlSet\\Services\\Class\\Display\\000";
  auto adapter = FindAdapter(reg_);
  ASSERT_TRUE(adapter.has_value());
  EXPECT_EQ(base + "0", adapter->DriverKey());
  EXPECT_EQ(base + "0\\DEFAULT", adapter->DefaultKey());
  EXPECT_EQ(base + "0\\Glide", adapter->GlideKey());
  EXPECT_EQ(base + "0\\D3D", adapter->D3DKey());
  EXPECT_EQ(base + "0\\shellex\\PropertySheetHandlers\\Edge Information\\Data\\Adapter",
            adapter->InfoKey());
  EXPECT_EQ(base + "0\\shellex\\PropertySheetHandlers\\Edge Tweaks\\GAMMA",
            adapter->DesktopGammaKey());
  EXPECT_EQ(base + "0\\MODES\\16\\1024,768", adapter->ModesKey("16", "1024,768"));

  Describe(9, "3dfx Voodoo3");
  adapter = FindAdapter(reg_);
  ASSERT_TRUE(adapter.has_value());
  EXPECT_EQ(base + "9", adapter->DriverKey());
  EXPECT_EQ("System\\CurrentControlSet\\Services\\Class\\Display\\0009\\MODES\\32\\2046,1536",
            adapter->ModesKey(kDepths[3], kResolutionList[14]));
}

TEST_F(DriverTest, LanguageIsDutchOnlyForTwo) {
  EXPECT_FALSE(IsDutch(reg_));
  for (const char* setting : {"1", "", " 2", "02"}) {
    reg_.SaveString(kLocalMachine, "Software\\Tarno\\", kLanguageValue, setting);
    EXPECT_FALSE(IsDutch(reg_)) << setting;
  }
  reg_.SaveString(kLocalMachine, "Software\\Tarno\\", kLanguageValue, "2");
  EXPECT_TRUE(IsDutch(reg_));
}

TEST(ResolutionList, FifteenDistinctWidthCommaHeightNames) {
  std::set<std::string> seen;
  for (const char* name : kResolutionList) {
    const std::string text = name;
    const auto comma = text.find(',');
    ASSERT_NE(std::string::npos, comma) << text;
    EXPECT_EQ(std::string::npos, text.find_first_not_of("0123456789,")) << text;
    EXPECT_GT(comma, 0u);
    EXPECT_LT(comma + 1, text.size());
    seen.insert(text);
  }
  EXPECT_EQ(15u, seen.size());
  EXPECT_STREQ("640,480", kResolutionList.front());
  EXPECT_STREQ("1280,1024", kResolutionList[6]);
  EXPECT_STREQ("2046,1536", kResolutionList.back());
}

TEST(CardModel, ToldByTheLcdThenTheTvOutput) {
  const char* kNo = "Not Supported";
  struct Case {
    const char* lcd;
    const char* tv_out;
    CardModel model;
    int clock;
  };
  const Case cases[] = {
      {"", "", CardModel::Voodoo3_3500, 183},  // LCD value missing
      {"Supported", kNo, CardModel::Voodoo3_3500, 183},
      {"not supported", kNo, CardModel::Voodoo3_3500, 183},
      {"Not Supported ", kNo, CardModel::Voodoo3_3500, 183},
      {kNo, "", CardModel::Voodoo3_3000, 166},
      {kNo, "NTSC/PAL", CardModel::Voodoo3_3000, 166},
      {kNo, "not supported", CardModel::Voodoo3_3000, 166},
      {kNo, kNo, CardModel::Voodoo3_2000, 143},
  };
  for (const auto& c : cases) {
    const CardModel model = ModelFromOutputs(c.lcd, c.tv_out);
    EXPECT_EQ(c.model, model) << '"' << c.lcd << "\" / \"" << c.tv_out << '"';
    EXPECT_EQ(c.clock, FactoryClock(model));
  }
}

}  // namespace
}  // namespace registry
