#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "advanced/advanced_window.h"
#include "forms/handoff.h"
#include "tests/support/headless_window.h"
#include "tests/support/recording_store.h"

namespace advanced {
namespace {

using registry::kLocalMachine;
using test_support::WriteLine;

const std::string kDriver = "System\\CurrentControlSet\\Services\\Class\\Display\\0005";
const std::string kGlide = kDriver + "\\Glide";
const std::string kD3D = kDriver + "\\D3D";
constexpr const char* kAlpha = "SSTH3_ALPHADITHERMODE";
constexpr const char* kDetail = "SSTH3_OVERLAYMODE";

struct AdvancedTest : ::testing::Test, test_support::HeadlessWindow<AdvancedWindow> {
  AdvancedTest() {
    SeedCard(kDriver);
    main.SetPosition(1000, 800);
  }

  void Store(const std::string& key, const char* name, const std::string& code) {
    reg.SaveString(kLocalMachine, key, name, code);
  }
  // Stores the four groups' codes in the order Shown() gives them; a null
  // code stays absent.
  void StoreCodes(const char* glide_alpha, const char* glide_detail, const char* d3d_alpha,
                  const char* d3d_detail) {
    const struct {
      const std::string& key;
      const char* name;
      const char* code;
    } values[] = {{kGlide, kAlpha, glide_alpha},
                  {kGlide, kDetail, glide_detail},
                  {kD3D, kAlpha, d3d_alpha},
                  {kD3D, kDetail, d3d_detail}};
    for (const auto& value : values) {
      if (value.code) Store(value.key, value.name, value.code);
    }
  }
  std::string Get(const std::string& key, const char* name) {
    return reg.GetString(kLocalMachine, key, name, "<absent>");
  }

  // The codes shown, one letter per group (Glide alpha, Glide detail,
  // Direct3D alpha, Direct3D detail): '1'..'3', or '-' for no selection.
  std::string Shown() {
    std::string shown;
    const std::vector<std::vector<forms::OptionButton*>> groups = {
        {&window.glideautO, &window.glidesharpeR, &window.glidesmootheR},
        {&window.glideDetAuto, &window.glidenormaL, &window.glidehigH},
        {&window.directautO, &window.directsharpeR, &window.directsmootheR},
        {&window.directAutoDet, &window.directnormaL, &window.directhigH}};
    for (const auto& group : groups) {
      char code = '-';
      for (int i = 0; i < 3; ++i) {
        if (group[i]->Value()) code = code == '-' ? static_cast<char>('1' + i) : '?';
      }
      shown += code;
    }
    return shown;
  }
};

using LoadTest = AdvancedTest;

TEST_F(LoadTest, StoredCodesSelectTheirOptions) {
  StoreCodes("2", "3", "1", "2");
  Open();
  EXPECT_TRUE(window.glidesharpeR.Value());
  EXPECT_TRUE(window.glidehigH.Value());
  EXPECT_EQ(Shown(), "2312");
  EXPECT_TRUE(store.writes.empty());
}

TEST_F(LoadTest, CodesOtherThanOneToThreeSelectNothingAndOkLeavesThemAlone) {
  StoreCodes("0", "4", "", nullptr);
  Open();
  EXPECT_EQ(Shown(), "----");

  window.ok.UserClick();
  EXPECT_TRUE(store.writes.empty());
  EXPECT_EQ(Get(kGlide, kAlpha), "0");
  EXPECT_EQ(Get(kGlide, kDetail), "4");
  EXPECT_EQ(Get(kD3D, kAlpha), "");
  EXPECT_EQ(Get(kD3D, kDetail), "<absent>");
}

TEST_F(LoadTest, CodesRoundHalvesToEven) {
  // 2.5 and 1.5 round to 2, 3.5 to 4 (no option), "smooth" is no number.
  StoreCodes("2.5", "1.5", "3.5", "smooth");
  Open();
  EXPECT_EQ(Shown(), "22--");

  window.ok.UserClick();
  EXPECT_EQ(store.writes, std::vector<std::string>(
                              {WriteLine(kGlide, kAlpha, "2"), WriteLine(kGlide, kDetail, "2")}));
  EXPECT_EQ(Get(kD3D, kAlpha), "3.5");
}

TEST_F(LoadTest, WithoutAVoodoo3NothingIsReadOrWritten) {
  reg.SaveString(kLocalMachine, kDriver, "DriverDesc", "3dfx Voodoo3 ");
  Store(kGlide, kAlpha, "2");
  Open();
  EXPECT_EQ(Shown(), "----");
  window.glidesmootheR.UserClick();
  store.writes.clear();
  window.ok.UserClick();
  EXPECT_TRUE(store.writes.empty());
  EXPECT_TRUE(OnlyShowing(main));
}

using OkTest = AdvancedTest;

TEST_F(OkTest, WritesOneValuePerGroupInOrderAndGoesBackWhereTheWindowStood) {
  StoreCodes("1", "1", "1", "2");
  reg.SaveString(kLocalMachine, kD3D, "SSTH3_ANTIALIAS", "1");
  Open();
  window.directsmootheR.UserClick();
  window.set_position(3000, 2000);  // the user dragged it
  window.ok.UserClick();

  EXPECT_EQ(store.writes, std::vector<std::string>({
                              WriteLine(kGlide, kAlpha, "1"),
                              WriteLine(kGlide, kDetail, "1"),
                              WriteLine(kD3D, kAlpha, "3"),
                              WriteLine(kD3D, kDetail, "2"),
                          }));
  EXPECT_EQ(Get(kD3D, kAlpha), "3");
  EXPECT_EQ(Get(kD3D, "SSTH3_ANTIALIAS"), "1") << "OK edits, it does not rebuild";
  EXPECT_TRUE(OnlyShowing(main));
  EXPECT_EQ(main.Left(), 3000);
  EXPECT_EQ(main.Top(), 2000);
  EXPECT_EQ(window.DefaultButton(), &window.ok);
}

TEST_F(OkTest, AGroupTheUserPicksIsWrittenEvenWhenItsStoredCodeWasUnusable) {
  Store(kGlide, kDetail, "7");
  Open();
  window.glidenormaL.UserClick();
  window.ok.UserClick();
  EXPECT_EQ(store.writes, std::vector<std::string>({WriteLine(kGlide, kDetail, "2")}));
}

using CancelTest = AdvancedTest;

TEST_F(CancelTest, DiscardsTheChangedSelectionSoALaterOkCannotWriteIt) {
  StoreCodes("2", "3", "1", "9");
  Open();
  window.glidesmootheR.UserClick();
  window.directhigH.UserClick();  // a group with no stored selection
  window.set_position(400, 300);
  window.cancel.UserClick();

  EXPECT_TRUE(store.writes.empty());
  EXPECT_EQ(Shown(), "231-");
  EXPECT_TRUE(OnlyShowing(main));
  EXPECT_EQ(main.Left(), 400);
  EXPECT_EQ(main.Top(), 300);

  forms::OpenAt(window, main);
  EXPECT_EQ(Shown(), "231-");
  window.ok.UserClick();
  EXPECT_EQ(Get(kGlide, kAlpha), "2");
  EXPECT_EQ(Get(kD3D, kDetail), "9");
}

TEST_F(CancelTest, ShowsWhatIsStoredNowNotWhatWasReadAtLoad) {
  Store(kGlide, kAlpha, "2");
  Open();
  window.glideautO.UserClick();
  Store(kGlide, kAlpha, "3");  // written elsewhere meanwhile
  Store(kD3D, kDetail, "abc");
  window.cancel.UserClick();
  EXPECT_EQ(Shown(), "3---");
}

TEST_F(AdvancedTest, CloseBoxEndsTheProgramWithoutWriting) {
  Store(kGlide, kAlpha, "1");
  Open();
  window.glidesharpeR.UserClick();
  window.UserClose();
  EXPECT_TRUE(host.ended);
  EXPECT_TRUE(store.writes.empty());
}

TEST_F(AdvancedTest, HoverLightsTheApiFrameOfTheControlUnderThePointer) {
  Open();
  auto lit = [&] {
    return std::string(window.framGlide.ForeColor() == forms::kRed ? "G" : "") +
           (window.framDirect3d.ForeColor() == forms::kRed ? "D" : "");
  };
  for (forms::Widget* w : std::vector<forms::Widget*>{
           &window.framGlide, &window.glide_alpha_frame, &window.glideautO, &window.glidesharpeR,
           &window.glidesmootheR, &window.glideDetAuto, &window.glidenormaL, &window.glidehigH,
           &window.glide_note}) {
    window.directhigH.UserMouseMove();
    w->UserMouseMove();
    EXPECT_EQ(lit(), "G") << w->Name();
  }
  for (forms::Widget* w : std::vector<forms::Widget*>{&window.framDirect3d, &window.directautO,
                                                      &window.directsharpeR, &window.directsmootheR,
                                                      &window.directAutoDet, &window.directnormaL,
                                                      &window.directhigH, &window.direct3d_note}) {
    window.glideautO.UserMouseMove();
    w->UserMouseMove();
    EXPECT_EQ(lit(), "D") << w->Name();
  }
  for (forms::Widget* w :
       std::vector<forms::Widget*>{&window, &window.left_emblem, &window.right_emblem,
                                   &window.imgvoodoo3, &window.footer}) {
    window.glideautO.UserMouseMove();
    w->UserMouseMove();
    EXPECT_EQ(lit(), "") << w->Name();
    EXPECT_EQ(window.framGlide.ForeColor(), forms::kLightYellow);
  }
  // No effect: the colours stay as they were.
  for (forms::Widget* w :
       std::vector<forms::Widget*>{&window.glide_detail_frame, &window.direct3d_alpha_frame,
                                   &window.direct3d_detail_frame, &window.ok, &window.cancel}) {
    window.glideautO.UserMouseMove();
    w->UserMouseMove();
    EXPECT_EQ(lit(), "G") << w->Name();
  }
}

TEST_F(AdvancedTest, DesignKeepsTheExplanationAndItsGroupsApart) {
  const std::string explanation =
      "Changing Alpha-Blending to sharper will result in a  \"screen door\" effect.  Smoother "
      "will performe a slight slower without the \"screen door\" effect.  High detail is "
      "enabling the 22bit color filter.  Automatic settings allow your adapter to decide the "
      "settings for you.";
  Open();
  EXPECT_EQ(window.glide_note.Caption(), explanation);
  EXPECT_EQ(window.direct3d_note.Caption(), explanation);
  // The inner frames' captions do not show on the black background.
  EXPECT_EQ(window.glide_alpha_frame.Caption(), "Frame1");
  EXPECT_EQ(window.glide_detail_frame.Caption(), "Frame2");
  for (forms::Frame* inner : {&window.direct3d_alpha_frame, &window.direct3d_detail_frame,
                              &window.glide_alpha_frame, &window.glide_detail_frame}) {
    EXPECT_EQ(inner->ForeColor(), window.BackColor()) << inner->Name();
  }
  // Each group's options exclude each other and nothing else.
  window.glideautO.UserClick();
  window.glidenormaL.UserClick();
  window.directsharpeR.UserClick();
  window.directhigH.UserClick();
  EXPECT_EQ(Shown(), "1223");
}

TEST_F(AdvancedTest, DutchTexts) {
  SetLanguage("2");
  Open();
  const std::vector<std::pair<forms::OptionButton*, std::string>> options = {
      {&window.glideautO, "Plaats alfavermenging op automatisch"},
      {&window.glidesharpeR, "Plaats alfavermenging op scherper"},
      {&window.glidesmootheR, "Plaats alfavermenging op vloeiender"},
      {&window.glideDetAuto, "Automatisch beslissen over detail instellingen"},
      {&window.glidenormaL, "Plaats detail instellingen op normaal"},
      {&window.glidehigH, "Plaats detail instellingen op hoog"},
      {&window.directautO, "Plaats alfavermenging op automatisch"},
      {&window.directsharpeR, "Plaats alfavermenging op scherper"},
      {&window.directsmootheR, "Plaats alfavermenging op vloeiender"},
      {&window.directAutoDet, "Automatisch beslissen over detail instellingen"},
      {&window.directnormaL, "Plaats detail instellingen op normaal"},
      {&window.directhigH, "Plaats detail instellingen op hoog"}};
  for (const auto& [option, text] : options) {
    EXPECT_EQ(option->Caption(), text) << option->Name();
    EXPECT_EQ(option->Font().name, "Small Fonts") << option->Name();
    EXPECT_EQ(option->Font().size, 7) << option->Name();
  }
  const std::string explanation =
      "Veranderen van de alfavermenging naar scherper zal een 'screen door' effect geven. "
      "Vloeiender zal iets trager werken, maar zal het 'screen door' effect tenietdoen. Hoog "
      "detail schakelt het gebruik van de 22 bit filter in. Automatische instellingen laat de "
      "videokaart voor u beslissen";
  for (forms::Label* label : {&window.glide_note, &window.direct3d_note}) {
    EXPECT_EQ(label->Caption(), explanation);
    EXPECT_EQ(label->Font().name, "Small Fonts");
    EXPECT_EQ(label->Font().size, 7);
  }
  EXPECT_EQ(window.framGlide.Caption(), "Geavanceerde Glide/OpenGL instellingen");
  EXPECT_EQ(window.framDirect3d.Caption(), "Geavanceerde Direct3D instellingen");
  EXPECT_EQ(window.cancel.Caption(), "Annuleren");
  EXPECT_EQ(window.ok.Caption(), "&OK");
  EXPECT_EQ(window.Caption(), "Tarnolux Advanced Settings");
  EXPECT_EQ(window.ok.Font().name, "MS Sans Serif");
  EXPECT_EQ(window.footer.Font().name, "MS Sans Serif");
}

}  // namespace
}  // namespace advanced
