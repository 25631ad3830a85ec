#include "look/look.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/headless.h"
#include "look/design.h"
#include "look/settings_window.h"
#include "look/texts.h"

namespace look {
namespace {

TEST(LookTest, TopPicturesComeFromTheProgramFolderAndMissingOnesStayEmpty) {
  forms::HeadlessHost host;
  host.files.folder = "D:\\";
  host.files.AddFile("D:\\pic2.jpg");
  forms::Program program(host, host.files);
  forms::Form form(program, "frm");
  forms::Image left(form, "Image2"), banner(form, "imgvoodoo3"), right(form, "Image1");
  LoadTopPictures(left, banner, right);
  EXPECT_EQ(banner.Picture(), "D:\\pic2.jpg");
  EXPECT_EQ(left.Picture(), "");
  EXPECT_EQ(host.pictures,
            std::vector<std::string>({"D:\\pic2.jpg", "D:\\pic1.jpg", "D:\\pic1.jpg"}));
}

TEST(LookTest, TheDarkSchemeColoursTextControlsAndLeavesButtonsAlone) {
  forms::HeadlessHost host;
  forms::Program program(host, host.files);
  forms::Form form(program, "frm");
  forms::Label label(form, "lbl");
  forms::Frame frame(form, "fram");
  forms::CommandButton button(form, "cmd");
  const forms::Color button_back = button.BackColor();
  UseDarkScheme(form);
  EXPECT_EQ(form.BackColor(), forms::kBlack);
  for (forms::Control* control : std::vector<forms::Control*>{&label, &frame}) {
    EXPECT_EQ(control->BackColor(), forms::kBlack);
    EXPECT_EQ(control->ForeColor(), kCaptions.resting);
  }
  EXPECT_EQ(button.BackColor(), button_back);
}

// A settings window of the smallest kind: one control of its own.
constexpr ControlDesign kSettingsControls[] = {
    {forms::Kind::Image, "Image2", nullptr, 0, 0, 0, 0, {}},
    {forms::Kind::Image, "imgvoodoo3", nullptr, 0, 0, 0, 0, {}},
    {forms::Kind::Image, "Image1", nullptr, 0, 0, 0, 0, {}},
    {forms::Kind::Button, "OK", nullptr, 0, 0, 0, 0, kOk},
    {forms::Kind::Button, "cancel", nullptr, 0, 0, 0, 0, kCancel},
    {forms::Kind::Frame, "own", nullptr, 0, 0, 0, 0, {}},
};
constexpr auto kSettingsRows = Pack(kSettingsControls);
constexpr WindowDesign kSettings{"frmx", {"Settings"}, 100, 100, kSettingsRows, {}};
struct Settings : SettingsWindow {
  explicit Settings(forms::Program& program) : SettingsWindow(program, kSettings) {}
  forms::Frame& own = Next<forms::Frame>();
};

TEST(LookTest, ASettingsWindowStartsWithTheTopRowAndOkAndCancelOnEnterAndEsc) {
  forms::HeadlessHost host;
  forms::Program program(host, host.files);
  Settings window(program);
  std::vector<std::string> names;
  for (forms::Control* control : window.Children()) names.push_back(control->Name());
  EXPECT_EQ(names,
            std::vector<std::string>({"Image2", "imgvoodoo3", "Image1", "OK", "cancel", "own"}));
  EXPECT_EQ(window.Name(), "frmx");
  EXPECT_EQ(window.ok.Caption(), "&OK");
  EXPECT_EQ(window.cancel.Caption(), "&Cancel");
  EXPECT_EQ(window.DefaultButton(), &window.ok);
  EXPECT_EQ(window.CancelButton(), &window.cancel);
}

// A window of every column: a frame in a frame, a control array, the
// fonts, a Dutch-only label, a Dutch place and the three hover roles.
// clang-format off
constexpr ControlDesign kTableControls[] = {
  {rows::kFrame,  "outer",    rows::kForm, 120, 240, 3000, 2000, {"Outer", "Buiten"}, kBold,          rows::kLights},
  {rows::kFrame,  "inner",    "outer",      60,  60, 1000,  900, {"Inner"},           0,              rows::kLights},
  {rows::kOption, "Option",   "inner",      30,  30,  500,  255, {"One"},             kSmallInDutch,  rows::kLights, 2},
  {rows::kScroll, "HScroll1", "outer",       0,   0,  100, 1000, {},                  kVertical},
  {rows::kLabel,  "note",     rows::kForm,  10,  20,   30,   40, {"A & B"},           kLarge | kNoMnemonic, rows::kRests},
  {rows::kLabel,  "second",   rows::kForm,   1,   2,    3,    4, {"", "tweede"},      kDutchOnly},
};
// clang-format on
constexpr DutchPlace kTablePlaces[] = {{"note", 11, 21, 31, 41}};
constexpr auto kTableRows = Pack(kTableControls);
constexpr WindowDesign kTable{"frmtable", {"Table", "Tabel"}, 4000, 3000, kTableRows, kTablePlaces};
struct Table : DesignedWindow {
  explicit Table(forms::Program& program) : DesignedWindow(program, kTable) {
    ConnectDesignHover(hover);
  }
  forms::Frame& outer = Next<forms::Frame>();
  forms::Frame& inner = Next<forms::Frame>();
  forms::OptionButton& option = Next<forms::OptionButton>();
  forms::ScrollBar& slider = Next<forms::ScrollBar>();
  forms::Label& note = Next<forms::Label>();
  forms::Label& second = Next<forms::Label>();
  forms::Hover hover{kCaptions};
  using DesignedWindow::ApplyDesignDutch;
};

TEST(LookTest, ATableMakesPlacesAndCaptionsTheControlsAndPutsInItsDutch) {
  forms::HeadlessHost host;
  forms::Program program(host, host.files);
  Table window(program);
  EXPECT_EQ(window.Name(), "frmtable");
  EXPECT_EQ(window.Caption(), "Table");
  EXPECT_EQ(window.ClientWidth(), 4000);
  std::vector<std::string> names;
  for (forms::Control* control : window.AllControls()) names.push_back(control->Name());
  EXPECT_EQ(names, std::vector<std::string>(
                       {"outer", "inner", "Option(2)", "HScroll1", "note", "second"}));
  EXPECT_EQ(window.option.frame(), &window.inner);
  EXPECT_EQ(window.inner.frame(), &window.outer);
  EXPECT_EQ(window.slider.orientation(), forms::Orientation::Vertical);
  EXPECT_EQ(window.option.FormLeft(), 120 + 60 + 30);
  EXPECT_EQ(window.outer.Caption(), "Outer");
  EXPECT_TRUE(window.outer.Font().bold);
  EXPECT_EQ(window.note.Font().size, 9.75);
  EXPECT_FALSE(window.note.UseMnemonic());
  EXPECT_FALSE(window.second.Visible());

  // The inner frame and its option light the outer frame; the note rests it.
  window.option.UserMouseMove();
  EXPECT_EQ(window.outer.ForeColor(), kCaptions.lit);
  window.note.UserMouseMove();
  EXPECT_EQ(window.outer.ForeColor(), kCaptions.resting);
  window.inner.UserMouseMove();
  EXPECT_EQ(window.outer.ForeColor(), kCaptions.lit);
  window.UserMouseMove();
  EXPECT_EQ(window.outer.ForeColor(), kCaptions.resting);

  window.ApplyDesignDutch();
  EXPECT_EQ(window.Caption(), "Tabel");
  EXPECT_EQ(window.outer.Caption(), "Buiten");
  EXPECT_EQ(window.inner.Caption(), "Inner");
  EXPECT_EQ(window.option.Font().name, kSmallFont);
  EXPECT_EQ(window.outer.Font().name, "MS Sans Serif");
  EXPECT_EQ(window.note.Left(), 11);
  EXPECT_EQ(window.note.Height(), 41);
  EXPECT_TRUE(window.second.Visible());
  EXPECT_EQ(window.second.Caption(), "tweede");
}

TEST(LookTest, ATextWithoutDutchStaysEnglishInDutch) {
  constexpr Text both{"&Cancel", "Annuleren"};
  constexpr Text english_only{"&OK"};
  EXPECT_STREQ(both.In(false), "&Cancel");
  EXPECT_STREQ(both.In(true), "Annuleren");
  EXPECT_STREQ(english_only.In(true), "&OK");
}

TEST(LookTest, TheSmallFontKeepsTheControlsBoldness) {
  forms::HeadlessHost host;
  forms::Program program(host, host.files);
  forms::Form form(program, "frm");
  forms::Label bold(form, "bold"), plain(form, "plain");
  bold.SetFontBold(true);
  UseSmallFont(bold);
  UseSmallFont(plain);
  EXPECT_EQ(bold.Font().name, "Small Fonts");
  EXPECT_EQ(bold.Font().size, 7);
  EXPECT_TRUE(bold.Font().bold);
  EXPECT_FALSE(plain.Font().bold);
}

}  // namespace
}  // namespace look
