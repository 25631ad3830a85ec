#include "advanced/advanced_window.h"
#include "advanced/texts.h"
#include "forms/handoff.h"
#include "look/look.h"
#include "registry/numbers.h"

namespace advanced {

namespace {

using look::kBannerWidth;
using look::kEmblemWidth;
using look::kPictureHeight;
using registry::kLocalMachine;

// Layout in twips.
constexpr int kMargin = 120;
constexpr int kClientWidth = 6840;
constexpr int kApiFrameWidth = kClientWidth - 2 * kMargin;
constexpr int kApiFrameHeight = 2460;
constexpr int kGlideTop = 1020;
constexpr int kDirect3dTop = kGlideTop + kApiFrameHeight + kMargin;
constexpr int kFooterTop = kDirect3dTop + kApiFrameHeight + 90;
constexpr int kFooterHeight = 255;
constexpr int kClientHeight = kFooterTop + kFooterHeight + kMargin;
// Inside an API frame: the two groups on the left, the note right.
constexpr int kGroupWidth = 3360;
constexpr int kGroupHeight = 1020;
constexpr int kAlphaTop = 240;
constexpr int kDetailTop = kAlphaTop + kGroupHeight + 60;
constexpr int kNoteLeft = kMargin + kGroupWidth + kMargin;
constexpr int kNoteWidth = kApiFrameWidth - kNoteLeft - kMargin;
constexpr int kNoteHeight = 2100;
// Inside a group: three options, "1" at the top.
constexpr int kOptionTop = 210;
constexpr int kOptionStep = 240;
constexpr int kOptionHeight = 240;
constexpr int kOptionWidth = kGroupWidth - 2 * kMargin;
// The buttons at the top right.
constexpr int kButtonWidth = 1200;
constexpr int kButtonHeight = 345;

// The driver values of the two kinds of group, in the Glide and the
// Direct3D key alike.
constexpr const char* kAlphaValue = "SSTH3_ALPHADITHERMODE";
constexpr const char* kDetailValue = "SSTH3_OVERLAYMODE";

// The inner frames' captions in this colour do not show on black.
constexpr forms::Color kHiddenCaption = forms::kBlack;

// The top row, as designed.
// clang-format off
constexpr look::ControlDesign kTopRow[] = {
  {forms::Kind::Image,  "Image1",         nullptr,           120,  120,  765,  585, {},                    0,             look::HoverRole::kRests},
  {forms::Kind::Image,  "imgvoodoo3",     nullptr,          1005,  120, 2490,  585, {},                    0,             look::HoverRole::kRests},
  {forms::Kind::Image,  "Image2",         nullptr,          3615,  120,  765,  585, {},                    0,             look::HoverRole::kRests},
  {forms::Kind::Button, "ok",             nullptr,          5520,  120, 1200,  345, look::kOk},
  {forms::Kind::Button, "cancel",         nullptr,          5520,  525, 1200,  345, look::kCancel},
};
// clang-format on
constexpr look::WindowDesign kDesign{"frmnew", texts::kCaption, 6840, 6525, kTopRow, {}};

}  // namespace

AdvancedWindow::AdvancedWindow(forms::Program& program, registry::Registry& reg)
    : look::SettingsWindow(program, kDesign),
      reg_(reg),
      groups_{{
          {&glide_alpha_frame, {&glideautO, &glidesharpeR, &glidesmootheR}, true, kAlphaValue},
          {&glide_detail_frame, {&glideDetAuto, &glidenormaL, &glidehigH}, true, kDetailValue},
          {&direct3d_alpha_frame,
           {&directautO, &directsharpeR, &directsmootheR},
           false,
           kAlphaValue},
          {&direct3d_detail_frame,
           {&directAutoDet, &directnormaL, &directhigH},
           false,
           kDetailValue},
      }} {
  Design();
  ConnectEvents();
  ConnectHover();
}

// No option is selected by design; Load selects the stored codes.
void AdvancedWindow::Design() {
  SetCaption(texts::kCaption.english);
  SetClientSize(kClientWidth, kClientHeight);

  left_emblem.Move(kMargin, kMargin, kEmblemWidth, kPictureHeight);
  imgvoodoo3.Move(left_emblem.Left() + kEmblemWidth + kMargin, kMargin, kBannerWidth,
                  kPictureHeight);
  right_emblem.Move(imgvoodoo3.Left() + kBannerWidth + kMargin, kMargin, kEmblemWidth,
                    kPictureHeight);
  const int button_left = kClientWidth - kMargin - kButtonWidth;
  ok.Move(button_left, kMargin, kButtonWidth, kButtonHeight);
  cancel.Move(button_left, kMargin + kButtonHeight + 60, kButtonWidth, kButtonHeight);

  DesignApiFrame(framGlide, texts::kGlideFrame.english, kGlideTop, kGlideAlpha, glide_note);
  DesignApiFrame(framDirect3d, texts::kDirect3dFrame.english, kDirect3dTop, kDirectAlpha,
                 direct3d_note);

  footer.Place(texts::kFooter.english, kMargin, kFooterTop, kApiFrameWidth, kFooterHeight);

  look::UseDarkScheme(*this);
  for (const Group& group : groups_) group.frame->SetForeColor(kHiddenCaption);
}

// One API's frame: its alpha-blending group above its detail group, and
// the note beside them.
void AdvancedWindow::DesignApiFrame(forms::Frame& frame, const char* caption, int top,
                                    int alpha_group, forms::Label& note) {
  frame.Place(caption, kMargin, top, kApiFrameWidth, kApiFrameHeight);
  DesignGroup(
      groups_[alpha_group], texts::kAlphaFrame.english, kAlphaTop,
      {texts::kAlphaAuto.english, texts::kAlphaSharper.english, texts::kAlphaSmoother.english});
  DesignGroup(
      groups_[alpha_group + 1], texts::kDetailFrame.english, kDetailTop,
      {texts::kDetailAuto.english, texts::kDetailNormal.english, texts::kDetailHigh.english});
  note.Place(texts::kNote.english, kNoteLeft, kAlphaTop, kNoteWidth, kNoteHeight);
}

void AdvancedWindow::DesignGroup(const Group& group, const char* caption, int top,
                                 std::array<const char*, 3> texts) {
  group.frame->Place(caption, kMargin, top, kGroupWidth, kGroupHeight);
  for (int i = 0; i < 3; ++i) {
    group.options[i]->Move(kMargin, kOptionTop + i * kOptionStep, kOptionWidth, kOptionHeight);
    group.options[i]->SetCaption(texts[i]);
  }
}

// The options have no handlers: a click only selects within the group.
void AdvancedWindow::ConnectEvents() {
  ok.Click = [this] { OnOkClick(); };
  cancel.Click = [this] { OnCancelClick(); };
}

// As designed, only glide_alpha_frame of the inner frames lights its API
// frame: the empty areas of the other three, and the two buttons, leave
// the colours as they are.
void AdvancedWindow::ConnectHover() {
  hover_.Group(framGlide, {&framGlide, &glide_alpha_frame, &glideautO, &glidesharpeR,
                           &glidesmootheR, &glideDetAuto, &glidenormaL, &glidehigH, &glide_note});
  hover_.Group(framDirect3d, {&framDirect3d, &directautO, &directsharpeR, &directsmootheR,
                              &directAutoDet, &directnormaL, &directhigH, &direct3d_note});
  hover_.Rest({this, &left_emblem, &right_emblem, &imgvoodoo3, &footer});
}

// In the table's order: the Direct3D options and note copy the Glide
// texts set before them. The window caption, "&OK" and the footer keep
// their design texts.
void AdvancedWindow::ApplyDutch() {
  CancelInDutch();
  framGlide.SetCaption(texts::kGlideFrame.dutch);
  glideautO.SetCaption(texts::kAlphaAuto.dutch);
  glidesharpeR.SetCaption(texts::kAlphaSharper.dutch);
  glidesmootheR.SetCaption(texts::kAlphaSmoother.dutch);
  for (const Group& group : groups_) {
    for (forms::OptionButton* option : group.options) {
      look::UseSmallFont(*option);
    }
  }
  glideDetAuto.SetCaption(texts::kDetailAuto.dutch);
  glidenormaL.SetCaption(texts::kDetailNormal.dutch);
  glidehigH.SetCaption(texts::kDetailHigh.dutch);
  directAutoDet.SetCaption(glideDetAuto.Caption());
  directautO.SetCaption(glideautO.Caption());
  directsharpeR.SetCaption(glidesharpeR.Caption());
  directsmootheR.SetCaption(glidesmootheR.Caption());
  directnormaL.SetCaption(glidenormaL.Caption());
  directhigH.SetCaption(glidehigH.Caption());
  look::UseSmallFont(glide_note);
  glide_note.SetCaption(texts::kNote.dutch);
  look::UseSmallFont(direct3d_note);
  direct3d_note.SetCaption(glide_note.Caption());
  framDirect3d.SetCaption(texts::kDirect3dFrame.dutch);
}

void AdvancedWindow::OnLoad() {
  if (registry::IsDutch(reg_)) ApplyDutch();
  LoadPictures();
  adapter_ = registry::FindAdapter(reg_);
  ReadCodes();
  ShowCodes();
}

// Writes the code of every group that has a selection; a group without
// one keeps its stored value.
void AdvancedWindow::OnOkClick() {
  if (adapter_) {
    for (const Group& group : groups_) {
      const int code = SelectedCode(group);
      if (code == 0) continue;
      reg_.SaveString(kLocalMachine, KeyOf(group) + "\\", group.value, registry::NumberText(code));
    }
  }
  forms::ReturnToOpener(*this);
}

// Cancel discards: the options show the stored codes again, so a
// cancelled choice can never reach the driver through a later OK.
void AdvancedWindow::OnCancelClick() {
  ReadCodes();
  ShowCodes();
  forms::ReturnToOpener(*this);
}

// Reads the four codes, detail before alpha blending as designed; a
// missing, empty or non-numeric text reads as 0.
// Without a driver key there is nothing to read and the codes stay 0.
void AdvancedWindow::ReadCodes() {
  if (!adapter_) return;
  for (int index : {kGlideDetail, kGlideAlpha, kDirectDetail, kDirectAlpha}) {
    Group& group = groups_[index];
    const std::string text = reg_.GetString(kLocalMachine, KeyOf(group), group.value);
    group.code = registry::WholeNumber(text).value_or(0);
  }
}

// In the order of reading, detail before alpha blending.
void AdvancedWindow::ShowCodes() {
  for (int index : {kGlideDetail, kGlideAlpha, kDirectDetail, kDirectAlpha}) {
    Select(groups_[index]);
  }
}

// Codes 1, 2 and 3 select their option; any other code clears the group.
void AdvancedWindow::Select(const Group& group) {
  if (group.code >= 1 && group.code <= 3) {
    group.options[group.code - 1]->SetValue(true);
    return;
  }
  for (forms::OptionButton* option : group.options) option->SetValue(false);
}

// The code of the first selected option, or 0 when none is.
int AdvancedWindow::SelectedCode(const Group& group) {
  for (int i = 0; i < 3; ++i) {
    if (group.options[i]->Value()) return i + 1;
  }
  return 0;
}

std::string AdvancedWindow::KeyOf(const Group& group) const {
  return group.glide ? adapter_->GlideKey() : adapter_->D3DKey();
}

}  // namespace advanced
