#include "look/look.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/headless.h"
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
struct Settings : SettingsWindow {
  explicit Settings(forms::Program& program)
      : SettingsWindow(program, {"frmx", "Image2", "imgvoodoo3", "Image1", "OK"}) {}
  forms::Frame own{*this, "own"};
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
