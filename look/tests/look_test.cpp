#include "look/look.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/headless.h"

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

}  // namespace
}  // namespace look
