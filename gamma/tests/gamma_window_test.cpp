#include "gamma/gamma_window.h"

#include <gtest/gtest.h>

#include <vector>

#include "forms/handoff.h"
#include "registry/numbers.h"
#include "tests/support/headless_window.h"
#include "tests/support/recording_store.h"

namespace gamma_settings {
namespace {

using registry::kLocalMachine;
using Strings = std::vector<std::string>;

const std::string kDriver = "System\\CurrentControlSet\\Services\\Class\\Display\\0003";
const std::string kDesk = kDriver + "\\shellex\\PropertySheetHandlers\\Edge Tweaks\\GAMMA";
const std::string kGlide = kDriver + "\\Glide";
const std::string kD3D = kDriver + "\\D3D";
const char* const kNames[] = {"SSTH3_RGAMMA", "SSTH3_GGAMMA", "SSTH3_BGAMMA"};

// Notes which sliders take a new value, in order.
struct MoveLog : forms::Peer {
  MoveLog(Strings& log, forms::ScrollBar& bar) : log(log), bar(bar) { bar.set_peer(this); }
  void Update(forms::Prop what) override {
    if (what == forms::Prop::Value) log.push_back(bar.Name());
  }
  Strings& log;
  forms::ScrollBar& bar;
};

struct GammaTest : ::testing::Test, test_support::HeadlessWindow<GammaWindow> {
  GammaTest() { SeedCard(kDriver); }
  void Store(const std::string& key, const char* r, const char* g, const char* b) {
    const char* texts[] = {r, g, b};
    for (int c = 0; c < 3; ++c) reg.SaveString(kLocalMachine, key, kNames[c], texts[c]);
  }
  // Whether a group's value labels ("d", "g" or "dd") show `texts`, red to
  // blue, each label showing its own slider's position.
  ::testing::AssertionResult Shows(const std::string& group, const Strings& texts) {
    Strings shown;
    for (const char* channel : {"r", "g", "b"}) {
      auto* bar = static_cast<forms::ScrollBar*>(window.Find(group + channel));
      const std::string text = window.Find("lbl" + group + channel)->Caption();
      if (text != registry::GammaText(bar->Value())) {
        return ::testing::AssertionFailure() << "lbl" << group << channel << " shows " << text
                                             << " with " << bar->Name() << " at " << bar->Value();
      }
      shown.push_back(text);
    }
    if (shown == texts) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << group << " shows " << shown[0] << " " << shown[1] << " " << shown[2];
  }
  // As Shows, and whether the group's lock box is ticked.
  enum class Link { kApart, kLinked };
  ::testing::AssertionResult Shows(const std::string& group, const Strings& texts, Link link) {
    ::testing::AssertionResult shown = Shows(group, texts);
    if (!shown) return shown;
    const forms::CheckBox& box = group == "d"   ? window.desktop.lock
                                 : group == "g" ? window.glide.lock
                                                : window.direct3d.lock;
    if (box.Value() == (link == Link::kLinked ? 1 : 0)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << box.Name() << " is " << box.Value();
  }
  // OK's twelve writes with the labels showing `d`, `g` and `d3`.
  static Strings Writes(Strings d, Strings g, Strings d3) {
    Strings out;
    const std::pair<std::string, Strings> keys[] = {
        {kDesk, d}, {kDriver, d}, {kGlide, g}, {kD3D, d3}};
    for (auto& [key, texts] : keys) {
      for (int c = 0; c < 3; ++c) out.push_back(test_support::WriteLine(key, kNames[c], texts[c]));
    }
    return out;
  }
};

const Strings k13 = {"1.3", "1.3", "1.3"};

TEST(UsablePositionTest, StoredTexts) {
  EXPECT_EQ(UsablePosition("1.3"), 130);
  EXPECT_EQ(UsablePosition("1.30"), 130);
  EXPECT_EQ(UsablePosition("1.125"), 112);  // halves to even
  EXPECT_EQ(UsablePosition("0.1"), 10);
  EXPECT_EQ(UsablePosition("4"), 400);
  for (const char* text : {"4.5", "0.05", "-1", "abc", "", "99999"}) {
    EXPECT_EQ(UsablePosition(text), std::nullopt) << text;
  }
}

TEST_F(GammaTest, LoadShowsStoredValuesAndLinksEqualGroups) {
  EXPECT_TRUE(Shows("d", {"0.3", "0.3", "0.3"}));  // before Load
  Store(kDesk, "1.30", "1.125", "0.85");
  Store(kGlide, "1.3", "1.3", "1.3");
  Store(kD3D, "2", "2", "2.004");
  Open();
  EXPECT_TRUE(Shows("d", {"1.3", "1.12", "0.85"}, Link::kApart));
  EXPECT_TRUE(Shows("g", k13, Link::kLinked));
  EXPECT_TRUE(Shows("dd", {"2", "2", "2"}, Link::kLinked));
}

// Fault mended: a missing or unusable value shows the factory gamma, not
// 0.3, so an untouched OK cannot darken the screen.
TEST_F(GammaTest, UnusableValuesStartAtFactoryGamma) {
  Store(kDesk, "", "abc", "1.5");
  Store(kGlide, "4.5", "0.05", "-1");
  Open();
  EXPECT_TRUE(Shows("d", {"1", "1", "1.5"}, Link::kApart));
  EXPECT_TRUE(Shows("g", k13, Link::kLinked));
  window.ok.UserClick();
  EXPECT_EQ(store.writes, Writes({"1", "1", "1.5"}, k13, k13));
}

TEST_F(GammaTest, LinkedSlidersFollowInTheirOrder) {
  Store(kGlide, "1.3", "1.3", "1.3");
  Open();
  Strings log;
  MoveLog r(log, window.glide.red), g(log, window.glide.green), b(log, window.glide.blue);
  window.glide.green.UserScroll(150);
  window.glide.blue.UserScroll(160);
  window.glide.red.UserScroll(999);  // dragged past the end
  EXPECT_EQ(log, Strings({"gg", "gr", "gb", "gb", "gg", "gr", "gr", "gg", "gb"}));
  EXPECT_TRUE(Shows("g", {"4", "4", "4"}));
  EXPECT_TRUE(Shows("d", {"1", "1", "1"}));  // other groups stay
}

TEST_F(GammaTest, LinkBoxTakesTheRedPosition) {
  Store(kDesk, "1.2", "1.3", "1.4");
  Open();
  window.desktop.blue.UserScroll(150);  // unlinked: one slider moves
  EXPECT_TRUE(Shows("d", {"1.2", "1.3", "1.5"}));
  window.desktop.lock.UserClick();
  EXPECT_TRUE(Shows("d", {"1.2", "1.2", "1.2"}));
  window.desktop.lock.UserClick();
  EXPECT_EQ(window.desktop.lock.Value(), 0);
  window.desktop.blue.UserScroll(90);
  EXPECT_TRUE(Shows("d", {"1.2", "1.2", "0.9"}));
}

TEST_F(GammaTest, OkWritesTwelveValuesAsShownAndReturns) {
  Store(kDesk, "1.30", "1", "1");
  Open();
  window.SetPosition(2000, 1500);
  window.ok.UserClick();  // nothing changed: still twelve writes
  EXPECT_EQ(store.writes, Writes({"1.3", "1", "1"}, k13, k13));
  EXPECT_TRUE(main.Visible());
  EXPECT_FALSE(window.Visible());
  EXPECT_EQ(main.Left(), 2000);
  EXPECT_EQ(main.Top(), 1500);

  store.writes.clear();
  forms::OpenAt(window, main);
  window.desktop.green.UserScroll(85);
  window.glide.red.UserScroll(112);
  window.ok.UserClick();
  EXPECT_EQ(store.writes, Writes({"1.3", "0.85", "1"}, {"1.12", "1.12", "1.12"}, k13));
}

TEST_F(GammaTest, WithoutAnAdapterNothingIsWritten) {
  store.DeleteKey(kLocalMachine, kDriver);
  Open();
  window.desktop.red.UserScroll(200);
  window.ok.UserClick();
  forms::OpenAt(window, main);
  window.cancel.UserClick();
  EXPECT_TRUE(store.writes.empty());
  EXPECT_TRUE(main.Visible());
  EXPECT_TRUE(Shows("d", {"1", "1", "1"}));  // nothing stored: factory, as at Load

  // Cancel runs the search again and finds the adapter that appeared.
  SeedCard(kDriver);
  forms::OpenAt(window, main);
  window.cancel.UserClick();
  EXPECT_TRUE(Shows("d", {"1", "1", "1"}));  // still nothing stored there
  store.writes.clear();
  forms::OpenAt(window, main);
  window.ok.UserClick();
  EXPECT_EQ(store.writes.size(), 12u);
}

TEST_F(GammaTest, CancelShowsWhatIsStoredAndWritesNothing) {
  Store(kDesk, "1.3", "1.3", "1.3");
  Store(kD3D, "1.1", "abc", "1.3");
  Open();
  window.desktop.green.UserScroll(200);  // linked: the whole group moves
  window.desktop.lock.UserClick();
  window.desktop.blue.UserScroll(50);
  window.direct3d.green.UserScroll(70);
  window.cancel.UserClick();
  EXPECT_TRUE(store.writes.empty());
  EXPECT_TRUE(Shows("d", k13, Link::kLinked));
  // Unusable: the factory gamma, as at Load, so no cancelled move survives.
  EXPECT_TRUE(Shows("dd", {"1.1", "1.3", "1.3"}));
}

// A preset changes the stored gamma while the window is hidden.
TEST_F(GammaTest, HiddenWindowKeepsItsPositionsUntilCancel) {
  Store(kGlide, "1.3", "1.3", "1.3");
  Open();
  window.ok.UserClick();
  Store(kGlide, "1.2", "1.3", "1.4");
  forms::OpenAt(window, main);
  EXPECT_TRUE(Shows("g", k13));

  // Fault mended: with the box checked and the stored values different,
  // each slider shows its own value and the box clears.
  window.cancel.UserClick();
  EXPECT_TRUE(Shows("g", {"1.2", "1.3", "1.4"}, Link::kApart));
  store.writes.clear();
  forms::OpenAt(window, main);
  window.ok.UserClick();
  EXPECT_EQ(store.writes, Writes({"1", "1", "1"}, {"1.2", "1.3", "1.4"}, k13));
}

TEST_F(GammaTest, DutchTexts) {
  SetLanguage("2");
  Open();
  EXPECT_EQ(window.cancel.Caption(), "Annuleren");
  EXPECT_EQ(window.desktop.frame.Caption(), "gammainstellingen bureaublad");
  EXPECT_EQ(window.glide.frame.Caption(), "gammainstellingen Glide/OpenGL");
  EXPECT_EQ(window.direct3d.frame.Caption(), "gammainstellingen Direct3D");
  for (forms::CheckBox* box : {&window.desktop.lock, &window.glide.lock, &window.direct3d.lock}) {
    EXPECT_EQ(box->Caption(), "Koppel gamma");
  }
  for (forms::Label* label : {&window.desktop.note, &window.glide.note, &window.direct3d.note}) {
    EXPECT_EQ(label->Caption(),
              "Deze sliders veranderen de gammainstellingen voor 2D toepassingen. U kan uw "
              "Voodoo3 kaart niet beschadigen door deze instellingen te veranderen");
    EXPECT_EQ(label->Font().name, "Small Fonts");
    EXPECT_EQ(label->Font().size, 7);
  }
  EXPECT_EQ(window.ok.Caption(), "&OK");
  EXPECT_EQ(window.Caption(), "Tarnolux Gamma Settings");
}

TEST_F(GammaTest, HoverLightsTheGroupUnderThePointer) {
  Open();
  auto lit = [&] {
    return std::vector<bool>{window.desktop.frame.ForeColor() == forms::kRed,
                             window.glide.frame.ForeColor() == forms::kRed,
                             window.direct3d.frame.ForeColor() == forms::kRed};
  };
  window.desktop.note.UserMouseMove();
  EXPECT_EQ(lit(), std::vector<bool>({true, false, false}));
  window.glide.note.UserMouseMove();
  window.glide.green.UserMouseMove();  // sliders and buttons change nothing
  window.cancel.UserMouseMove();
  EXPECT_EQ(lit(), std::vector<bool>({false, true, false}));
  window.direct3d.blue_value.UserMouseMove();
  EXPECT_EQ(lit(), std::vector<bool>({false, false, true}));
  window.right_emblem.UserMouseMove();
  EXPECT_EQ(lit(), std::vector<bool>({false, false, false}));
  EXPECT_EQ(window.glide.frame.ForeColor(), forms::kLightYellow);
}

}  // namespace
}  // namespace gamma_settings
