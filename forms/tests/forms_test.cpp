#include "forms/forms.h"

#include <gtest/gtest.h>

#include "forms/handoff.h"
#include "forms/headless.h"
#include "forms/hover.h"

namespace forms {
namespace {

// A form with one control of each kind, counting its events.
class TestForm : public Form {
 public:
  explicit TestForm(Program& program, const std::string& name = "frmtest") : Form(program, name) {
    box.Click = [this] { ++clicks; };
    bar.SetRange(120, 240, 1, 5);
    bar.Change = [this] { changes.push_back(bar.Value()); };
    combo.Change = [this] { ++combo_changes; };
    a.Click = [this] { ++option_clicks; };
    b.Click = [this] { ++option_clicks; };
  }
  int loads = 0, unloads = 0, clicks = 0, combo_changes = 0, option_clicks = 0;
  std::vector<int> changes;

  Frame frame{*this, "fram"};
  CheckBox box{frame, "chk"};
  ScrollBar bar{frame, "scr", Orientation::Vertical};
  OptionButton a{frame, "optA"};
  OptionButton b{frame, "optB"};
  OptionButton c{*this, "optC"};  // on the form: a group of its own
  ComboBox combo{*this, "Combo", 3};
  Label label{*this, "lbl"};
  CommandButton ok{*this, "ok"};

 protected:
  void OnLoad() override { ++loads; }
  void OnUnload() override { ++unloads; }
};

struct Fixture : ::testing::Test {
  HeadlessHost host;
  Program program{host, host.files};
  TestForm form{program};
};

using ModelTest = Fixture;

TEST_F(ModelTest, ValuesSetFromCodeRaiseTheirEventOnceAndOnlyOnChange) {
  EXPECT_TRUE(form.box.SetValue(1));
  EXPECT_TRUE(form.box.SetValue(1));
  EXPECT_TRUE(form.box.SetValue(2));
  EXPECT_EQ(form.clicks, 2);

  EXPECT_TRUE(form.bar.SetValue(140));
  EXPECT_TRUE(form.bar.SetValue(140));
  EXPECT_EQ(form.changes, std::vector<int>({140}));

  form.combo.SetText("75");
  form.combo.SetText("75");
  EXPECT_EQ(form.combo_changes, 1);
}

TEST_F(ModelTest, RefusedValuesChangeNothing) {
  form.bar.SetValue(200);
  EXPECT_FALSE(form.bar.SetValue(300));
  EXPECT_FALSE(form.bar.SetValue(119));
  EXPECT_EQ(form.bar.Value(), 200);
  EXPECT_EQ(form.changes, std::vector<int>({200}));

  EXPECT_FALSE(form.box.SetValue(3));
  EXPECT_FALSE(form.box.SetValue(-1));
  EXPECT_EQ(form.box.Value(), 0);
  EXPECT_EQ(form.clicks, 0);
}

TEST_F(ModelTest, UserInputGoesThroughTheSameRules) {
  form.bar.UserScroll(500);  // a drag past the end stops at Max
  EXPECT_EQ(form.bar.Value(), 240);
  form.box.SetValue(2);
  form.box.UserClick();  // grey -> set
  EXPECT_EQ(form.box.Value(), 1);
  form.box.UserClick();
  EXPECT_EQ(form.box.Value(), 0);
  form.combo.AddItem("Best");
  form.combo.AddItem("60");
  form.combo.UserPick(1);
  EXPECT_EQ(form.combo.Text(), "60");
  form.combo.UserPick(7);  // no such entry
  EXPECT_EQ(form.combo.Text(), "60");

  form.ok.SetEnabled(false);
  int pressed = 0;
  form.ok.Click = [&] { ++pressed; };
  form.ok.UserClick();
  EXPECT_EQ(pressed, 0);
}

TEST_F(ModelTest, OptionsExcludeEachOtherWithinTheirContainerOnly) {
  form.c.SetValue(true);
  form.a.SetValue(true);
  form.b.UserClick();
  EXPECT_FALSE(form.a.Value());
  EXPECT_TRUE(form.b.Value());
  EXPECT_TRUE(form.c.Value());
  form.b.UserClick();      // already selected: nothing new
  form.b.SetValue(false);  // a deselect is no click
  EXPECT_FALSE(form.b.Value());
  EXPECT_EQ(form.option_clicks, 2);
}

TEST_F(ModelTest, ADisabledControlIgnoresTheUser) {
  form.combo.AddItem("Best");
  for (Control* control : form.AllControls()) control->SetEnabled(false);
  form.box.UserClick();
  form.a.UserClick();
  form.bar.UserScroll(200);
  form.combo.UserType("75");
  form.combo.UserPick(0);
  EXPECT_EQ(form.box.Value(), 0);
  EXPECT_FALSE(form.a.Value());
  EXPECT_EQ(form.bar.Value(), 120);
  EXPECT_EQ(form.combo.Text(), "");
  EXPECT_EQ(form.clicks + form.option_clicks + form.combo_changes, 0);
  EXPECT_TRUE(form.changes.empty());
}

TEST_F(ModelTest, ControlArraysAndNestedPositions) {
  EXPECT_EQ(form.combo.Name(), "Combo(3)");
  EXPECT_EQ(form.combo.Index(), 3);
  EXPECT_EQ(form.Find("Combo(3)"), &form.combo);
  EXPECT_EQ(form.Find("Combo"), nullptr);
  form.frame.Move(120, 840, 5000, 3000);
  form.bar.Move(240, 360, 255, 1500);
  EXPECT_EQ(form.bar.FormLeft(), 360);
  EXPECT_EQ(form.bar.FormTop(), 1200);
  EXPECT_EQ(form.bar.frame(), &form.frame);
  EXPECT_EQ(form.label.frame(), nullptr);
  // Tab order: creation order, frames' contents in place.
  std::vector<Control*> all = form.AllControls();
  ASSERT_EQ(all.size(), 9u);
  EXPECT_EQ(all[0], &form.frame);
  EXPECT_EQ(all[1], &form.box);
  EXPECT_EQ(all[5], &form.c);
}

using LifecycleTest = Fixture;

TEST_F(LifecycleTest, LoadRunsOnceOnFirstShowAndHideKeepsState) {
  // A form whose Load sets its slider, as a window's Load reads its
  // values: a second Load would put the slider back.
  struct Reading : TestForm {
    using TestForm::TestForm;
    void OnLoad() override {
      TestForm::OnLoad();
      bar.SetValue(130);
    }
  } form(program, "frmread");
  EXPECT_FALSE(form.Loaded());
  form.Show();
  form.bar.SetValue(150);
  form.Hide();
  form.Show();
  EXPECT_EQ(form.loads, 1);
  EXPECT_EQ(form.bar.Value(), 150);
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(host.shows.size(), 2u);
}

TEST_F(LifecycleTest, AFormThatHidesItselfWhileLoadingStaysHidden) {
  struct SelfHiding : Form {
    using Form::Form;
    void OnLoad() override { Hide(); }
  } hiding(program, "frmhide");
  hiding.Show();
  EXPECT_TRUE(hiding.Loaded());
  EXPECT_FALSE(hiding.Visible());
  EXPECT_TRUE(host.shows.empty());
}

TEST_F(LifecycleTest, CloseBoxUnloadsAndEndsEverything) {
  form.Show();
  form.UserClose();
  EXPECT_EQ(form.unloads, 1);
  EXPECT_TRUE(host.ended);
  EXPECT_TRUE(program.Ended());

  // No handler runs after the end, whatever the user or code does.
  form.box.SetValue(1);
  form.bar.UserScroll(200);
  form.combo.UserType("x");
  form.UserClose();
  EXPECT_EQ(form.clicks, 0);
  EXPECT_TRUE(form.changes.empty());
  EXPECT_EQ(form.combo_changes, 0);
  EXPECT_EQ(form.unloads, 1);
}

TEST_F(LifecycleTest, EndingInsideLoadShowsNothing) {
  struct Ending : Form {
    using Form::Form;
    void OnLoad() override { program().End(); }
  } ending(program, "frmend");
  ending.Show();
  EXPECT_TRUE(host.shows.empty());
  EXPECT_TRUE(host.ended);
}

using HoverTest = Fixture;

TEST_F(HoverTest, EachMemberLightsItsFrameAndRestsTheOthers) {
  Frame other{form, "other"};
  Label follower{form, "Label1"};
  Hover hover({kLightYellow, kRed});
  hover.Group(form.frame, {&form.frame, &form.box});
  hover.Group(other, {&other, &form.label});
  hover.Rest({&form, &form.c});
  hover.Follow(follower, form.frame);

  form.box.UserMouseMove();
  EXPECT_EQ(form.frame.ForeColor(), kRed);
  EXPECT_EQ(other.ForeColor(), kLightYellow);
  EXPECT_EQ(follower.ForeColor(), kRed);

  form.label.UserMouseMove();
  EXPECT_EQ(form.frame.ForeColor(), kLightYellow);
  EXPECT_EQ(other.ForeColor(), kRed);
  EXPECT_EQ(follower.ForeColor(), kLightYellow);

  form.bar.UserMouseMove();  // not in the table: nothing changes
  EXPECT_EQ(other.ForeColor(), kRed);

  form.UserMouseMove();
  EXPECT_EQ(form.frame.ForeColor(), kLightYellow);
  EXPECT_EQ(other.ForeColor(), kLightYellow);
}

using HandoffTest = Fixture;

TEST_F(HandoffTest, WindowsOpenAtTheOpenersPlaceAndReturnWhereTheyWere) {
  TestForm other(program, "frmother");
  form.SetPosition(1000, 2000);
  form.Show();
  OpenAt(other, form);
  EXPECT_EQ(other.Left(), 1000);
  EXPECT_EQ(other.Top(), 2000);
  EXPECT_EQ(program.VisibleForms(), std::vector<Form*>({&other}));

  other.set_position(3000, 500);  // the user dragged it
  ReturnToOpener(other);
  EXPECT_EQ(form.Left(), 3000);
  EXPECT_EQ(form.Top(), 500);
  EXPECT_EQ(program.VisibleForms(), std::vector<Form*>({&form}));
}

TEST_F(HandoffTest, CentredOpeningAndReturningInPlace) {
  TestForm small(program, "frmsmall");
  form.SetClientSize(6000, 6000);
  small.SetClientSize(3000, 2000);
  form.SetPosition(1000, 1000);
  form.Show();
  OpenCentred(small, form);
  EXPECT_EQ(small.Left(), 1000 + 3000 - 1500);
  EXPECT_EQ(small.Top(), 1000 + 3000 - 1000);

  small.set_position(0, 0);
  ReturnInPlace(small);
  EXPECT_EQ(form.Left(), 1000);
  EXPECT_EQ(form.Top(), 1000);
  EXPECT_EQ(program.VisibleForms(), std::vector<Form*>({&form}));
}

TEST(MemoryFilesTest, FilesDeleteByPatternWithinTheirFolderAndSkipReadOnlyOnes) {
  HeadlessHost host;
  host.files.AddFile("C:\\Windows\\System\\MNSTR1.DLL");
  host.files.AddFile("C:\\Windows\\System\\mnstr2.tmp", true);
  host.files.AddFile("C:\\Windows\\System\\other.dll");
  host.files.AddFile("C:\\Windows\\mnstr3.dll");
  host.files.RemoveFiles("C:\\Windows\\System\\mnstr*");
  EXPECT_FALSE(host.files.HasFile("C:\\Windows\\System\\mnstr1.dll"));
  EXPECT_TRUE(host.files.HasFile("C:\\Windows\\System\\mnstr2.tmp"));
  EXPECT_TRUE(host.files.HasFile("C:\\Windows\\System\\other.dll"));
  EXPECT_TRUE(host.files.HasFile("C:\\Windows\\mnstr3.dll"));
  EXPECT_FALSE(host.files.RemoveFile("C:\\Windows\\System\\mnstr1.dll"));
  EXPECT_TRUE(WildcardMatch("pic?.jpg", "PIC1.JPG"));
  EXPECT_FALSE(WildcardMatch("pic?.jpg", "pic10.jpg"));
}

}  // namespace
}  // namespace forms

namespace forms {
namespace {

TEST(PathTest, FolderAndFileJoinWithExactlyOneBackslash) {
  EXPECT_EQ(JoinPath("C:\\", "pic1.jpg"), "C:\\pic1.jpg");
  EXPECT_EQ(JoinPath("C:\\Tarnolux", "pic1.jpg"), "C:\\Tarnolux\\pic1.jpg");
}
}  // namespace
}  // namespace forms
