#include "refresh/refresh_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/handoff.h"
#include "registry/numbers.h"
#include "tests/support/driver_modes.h"
#include "tests/support/headless_window.h"
#include "tests/support/recording_store.h"

namespace refresh {
namespace {

using registry::kLocalMachine;

constexpr const char* kClass = "System\\CurrentControlSet\\Services\\Class\\Display\\";
constexpr const char* kDriver = "System\\CurrentControlSet\\Services\\Class\\Display\\0003";

std::string Modes(const std::string& driver, const std::string& depth, int row) {
  return driver + "\\MODES\\" + depth + "\\" + test_support::kResolutions[row - 1];
}

struct RefreshTest : ::testing::Test, test_support::HeadlessWindow<RefreshWindow> {
  RefreshTest() {
    SeedCard(kDriver);
    main.SetPosition(1200, 900);
  }

  void Seed(const std::string& depth, int row, const std::string& text) {
    reg.SaveString(kLocalMachine, Modes(kDriver, depth, row), "RefreshRate", text);
  }
  std::string Stored(const std::string& depth, int row) {
    return reg.GetString(kLocalMachine, Modes(kDriver, depth, row), "RefreshRate", "<none>");
  }
};

TEST(RateTextTest, StoredTextsShowAsBestSixtyOrTheWholeNumber) {
  const std::pair<const char*, const char*> cases[] = {
      {"-1", "Best"}, {"0", "60"},     {"", "60"},
      {"085", "85"},  {" 72 ", "72"},  {"74.5", "74"},  // halves to even
      {"best", "60"}, {"40000", "60"},                  // outside 16 bits
  };
  for (const auto& [stored, shown] : cases) {
    EXPECT_EQ(ShownRate(stored), shown) << '"' << stored << '"';
  }
}

TEST(RateTextTest, OnlyBestOrARateFromOneTo999CanBeStored) {
  const std::pair<const char*, const char*> cases[] = {
      {"Best", "-1"}, {"bEST", "-1"}, {" 085 ", "85"}, {"1", "1"}, {"999", "999"}, {"0999", "999"}};
  for (const auto& [typed, stored] : cases) {
    EXPECT_EQ(StoredRate(typed), stored) << '"' << typed << '"';
  }
  for (const char* bad : {"", " ", "0", "000", "1000", "-1", "+60", "7.5", "60 Hz", "6 0", "abc"}) {
    EXPECT_EQ(StoredRate(bad), std::nullopt) << '"' << bad << '"';
  }
}

TEST_F(RefreshTest, LoadShowsTheSixteenBitRatesOfEveryRowUnderLinkAll) {
  for (int row = 1; row <= RefreshWindow::kRows; ++row) {
    Seed("16", row, registry::NumberText(60 + row));
    Seed("8", row, "-1");
  }
  Open();
  EXPECT_TRUE(window.LinkAllBit.Value());
  for (int row = 1; row <= RefreshWindow::kRows; ++row) {
    // Each box reads the key of the resolution its label names.
    std::string key = window.RowLabel(row).Caption();
    key[key.find('x')] = ',';
    EXPECT_EQ(key, test_support::kResolutions[row - 1]);
    EXPECT_EQ(window.RateBox(row).Text(), registry::NumberText(60 + row)) << row;
  }
  EXPECT_TRUE(store.writes.empty());
}

TEST_F(RefreshTest, OkWithLinkAllWritesSixtyValuesDepthEightFirstInEachRow) {
  Seed("16", 1, "-1");
  Seed("16", 2, "085");
  Seed("16", 3, "0");
  Open();
  window.ok.UserClick();

  std::vector<std::string> expected;
  for (int row = 1; row <= 15; ++row) {
    const char* rate = row == 1 ? "-1" : row == 2 ? "85" : "60";
    for (const char* depth : test_support::kDepthNames) {
      expected.push_back(test_support::WriteLine(Modes(kDriver, depth, row), "RefreshRate", rate));
    }
  }
  EXPECT_EQ(store.writes, expected);
  EXPECT_EQ(Stored("8", 1), "-1");
  EXPECT_EQ(Stored("32", 2), "85");
  EXPECT_EQ(Stored("24", 3), "60");
  EXPECT_EQ(Stored("16", 15), "60");
  EXPECT_TRUE(OnlyShowing(main));
}

TEST_F(RefreshTest, AnyOtherOptionWritesItsOwnDepthOnly) {
  const std::vector<std::pair<forms::OptionButton*, std::string>> options = {
      {&window.Bit8, "8"}, {&window.Bit16, "16"}, {&window.Bit24, "24"}, {&window.Bit32, "32"}};
  for (const auto& [option, depth] : options) {
    Open();
    option->UserClick();
    window.RateBox(5).UserType("100");
    window.ok.UserClick();
    ASSERT_EQ(store.writes.size(), 15u) << depth;
    for (const std::string& write : store.writes) {
      EXPECT_NE(write.find("\\MODES\\" + depth + "\\"), std::string::npos) << write;
    }
    EXPECT_EQ(Stored(depth, 5), "100");
  }
}

TEST_F(RefreshTest, ChoosingADepthShowsItsStoredRatesAndDropsEdits) {
  Seed("8", 1, "75");
  Seed("24", 1, "85");
  Open();
  window.Bit8.UserClick();
  EXPECT_EQ(window.RateBox(1).Text(), "75");
  window.RateBox(1).UserType("90");
  window.Bit24.UserClick();
  EXPECT_EQ(window.RateBox(1).Text(), "85");
  window.Bit8.UserClick();
  EXPECT_EQ(window.RateBox(1).Text(), "75");
  window.LinkAllBit.UserClick();
  EXPECT_EQ(window.RateBox(1).Text(), "60");
  EXPECT_TRUE(store.writes.empty());
}

TEST_F(RefreshTest, TypedAndPickedRatesAreStoredAsPlainNumbers) {
  Open();
  window.Bit16.UserClick();
  window.RateBox(1).UserType("90");  // not in the list
  window.RateBox(2).UserType("BEST");
  window.RateBox(3).UserType(" 085 ");
  window.RateBox(8).UserPick(2);
  window.ok.UserClick();
  EXPECT_EQ(Stored("16", 1), "90");
  EXPECT_EQ(Stored("16", 2), "-1");
  EXPECT_EQ(Stored("16", 3), "85");
  EXPECT_EQ(Stored("16", 8), "76");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(RefreshTest, ABoxWithoutARateIsNamedAndNothingIsWritten) {
  for (const char* bad : {"", "best ever", "0", "1000", "-1", "72.5"}) {
    Open();
    host.messages.clear();
    window.RateBox(4).UserType(bad);
    window.ok.UserClick();
    EXPECT_TRUE(Refused("1024x768: choose Best or type a refresh rate in Hz.", window.RateBox(4)))
        << bad;
    window.RateBox(4).UserType("60");
    window.ok.UserClick();  // mended, OK goes through
    EXPECT_EQ(store.writes.size(), 60u);
  }
}

TEST_F(RefreshTest, TheFirstBadBoxIsTheOneNamed) {
  Open();
  window.RateBox(15).UserType("x");
  window.RateBox(9).UserType("");
  window.ok.UserClick();
  EXPECT_TRUE(Refused("1600x1200: choose Best or type a refresh rate in Hz.", window.RateBox(9)));
}

TEST_F(RefreshTest, CancelShowsTheSelectedDepthAgainSoOkCannotMoveRates) {
  Seed("8", 1, "75");
  Seed("16", 1, "100");
  Open();
  window.Bit8.UserClick();
  window.RateBox(1).UserType("90");
  window.cancel.UserClick();
  EXPECT_TRUE(OnlyShowing(main));
  EXPECT_TRUE(window.Bit8.Value());
  EXPECT_EQ(window.RateBox(1).Text(), "75");
  EXPECT_TRUE(store.writes.empty());

  Open();
  window.ok.UserClick();
  EXPECT_EQ(Stored("8", 1), "75");
  EXPECT_EQ(Stored("16", 1), "100");
  EXPECT_EQ(store.writes.size(), 15u);
}

TEST_F(RefreshTest, CancelUnderLinkAllShowsTheSixteenBitRates) {
  Seed("16", 2, "72");
  Open();
  window.RateBox(2).UserType("120");
  window.cancel.UserClick();
  EXPECT_EQ(window.RateBox(2).Text(), "72");
  EXPECT_TRUE(window.LinkAllBit.Value());
}

TEST_F(RefreshTest, OkCreatesModeKeysThatDoNotExistYet) {
  Open();
  window.RateBox(15).UserPick(2);
  window.ok.UserClick();
  EXPECT_EQ(Stored("32", 15), "75");
  EXPECT_EQ(Stored("8", 15), "75");
  registry::Hkey key = 0;
  ASSERT_EQ(store.OpenKey(kLocalMachine, std::string(kDriver) + "\\MODES\\24\\2046,1536", &key),
            registry::kOk);
  store.CloseKey(key);
}

TEST_F(RefreshTest, EveryOperationLooksForTheDriverKeyAgain) {
  Open();
  reg.SaveString(kLocalMachine, kDriver, "DriverDesc", "3dfx Voodoo5");
  const std::string other = std::string(kClass) + "0005";
  reg.SaveString(kLocalMachine, other, "DriverDesc", "3dfx Voodoo3");
  reg.SaveString(kLocalMachine, Modes(other, "32", 1), "RefreshRate", "85");
  window.Bit32.UserClick();
  EXPECT_EQ(window.RateBox(1).Text(), "85");
  // OK looks again too: the card has moved on since the click.
  const std::string moved = std::string(kClass) + "0007";
  reg.SaveString(kLocalMachine, moved, "DriverDesc", "3dfx Voodoo3");
  store.writes.clear();
  window.ok.UserClick();
  ASSERT_EQ(store.writes.size(), 15u);
  EXPECT_EQ(store.writes[0], test_support::WriteLine(Modes(moved, "32", 1), "RefreshRate", "85"));
}

TEST_F(RefreshTest, WithoutADriverKeyNothingIsWrittenAndOkStillReturns) {
  reg.SaveString(kLocalMachine, kDriver, "DriverDesc", "");
  Open();
  EXPECT_EQ(window.RateBox(1).Text(), "");
  window.Bit8.UserClick();
  window.ok.UserClick();
  EXPECT_TRUE(store.writes.empty());
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(OnlyShowing(main));
  forms::OpenAt(window, main);
  window.cancel.UserClick();
  EXPECT_TRUE(store.writes.empty());
}

TEST_F(RefreshTest, DutchCaptionsFontsAndMessage) {
  SetLanguage("2");
  Open();
  EXPECT_EQ(window.cancel.Caption(), "Annuleren");
  EXPECT_EQ(window.rates_frame.Caption(), "Vernieuwingsfrequenties");
  EXPECT_EQ(window.framcolor.Caption(), "Kleurendieptes");
  EXPECT_EQ(window.LinkAllBit.Caption(), "Koppel alle kleurendieptes");
  EXPECT_EQ(window.LinkAllBit.Font().name, "Small Fonts");
  EXPECT_EQ(window.rates_note.Font().size, 7);
  EXPECT_EQ(window.Bit8.Caption(), "8bit");
  EXPECT_EQ(window.Bit8.Font().name, "MS Sans Serif");
  EXPECT_EQ(window.ok.Caption(), "&OK");
  EXPECT_EQ(window.Caption(), "Tarnolux Refreash Rates Settings");

  window.RateBox(7).UserType("snel");
  window.ok.UserClick();
  EXPECT_TRUE(
      Refused("1280x1024: kies Best of typ een verversingsfrequentie in Hz.", window.RateBox(7)));
}

TEST_F(RefreshTest, OnlyTheRefreshRatesFrameLightsUp) {
  Open();
  window.rates_note.UserMouseMove();
  EXPECT_EQ(window.rates_frame.ForeColor(), forms::kRed);
  window.RateBox(3).UserMouseMove();
  window.framcolor.UserMouseMove();
  window.Bit8.UserMouseMove();
  EXPECT_EQ(window.rates_frame.ForeColor(), forms::kRed);
  EXPECT_EQ(window.framcolor.ForeColor(), forms::kLightYellow);
  window.right_emblem.UserMouseMove();
  EXPECT_EQ(window.rates_frame.ForeColor(), forms::kLightYellow);
  window.rates_frame.UserMouseMove();
  window.UserMouseMove();
  EXPECT_EQ(window.rates_frame.ForeColor(), forms::kLightYellow);
}

TEST_F(RefreshTest, ReturnsWhereItWasAndItsCloseBoxEndsTheProgram) {
  Open();
  EXPECT_EQ(window.Left(), 1200);
  window.set_position(300, 450);
  window.cancel.UserClick();
  EXPECT_EQ(main.Left(), 300);
  EXPECT_EQ(main.Top(), 450);
  forms::OpenAt(window, main);
  window.UserClose();
  EXPECT_TRUE(program.Ended());
  EXPECT_TRUE(store.writes.empty());
}

TEST_F(RefreshTest, TheDriversOwnResolutionsAndRatesAreOffered) {
  EXPECT_EQ(window.RateBox(13).List(), (std::vector<std::string>{"Best", "60", "76", "85"}));
  EXPECT_EQ(window.RowLabel(15).Caption(), "2046x1536");
  EXPECT_EQ(window.Find("Combo(15)"), &window.RateBox(15));
}

}  // namespace
}  // namespace refresh
