#include "advanced/advanced_window.h"

#include "advanced/texts.h"
#include "forms/handoff.h"
#include "registry/numbers.h"

namespace advanced {

namespace {

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
// Inside an API frame: the two groups on the left, the explanation right.
constexpr int kGroupWidth = 3360;
constexpr int kGroupHeight = 1020;
constexpr int kAlphaTop = 240;
constexpr int kDetailTop = kAlphaTop + kGroupHeight + 60;
constexpr int kExplanationLeft = kMargin + kGroupWidth + kMargin;
constexpr int kExplanationWidth = kApiFrameWidth - kExplanationLeft - kMargin;
constexpr int kExplanationHeight = 2100;
// Inside a group: three options, "1" at the top.
constexpr int kOptionTop = 210;
constexpr int kOptionStep = 240;
constexpr int kOptionHeight = 240;
constexpr int kOptionWidth = kGroupWidth - 2 * kMargin;
// The pictures: emblem, banner, emblem; the buttons at the top right.
constexpr int kEmblemWidth = 765;
constexpr int kBannerWidth = 2490;
constexpr int kPictureHeight = 585;
constexpr int kButtonWidth = 1200;
constexpr int kButtonHeight = 345;

// The inner frames' captions in this colour do not show on black.
constexpr forms::Color kHiddenCaption = forms::kBlack;

}  // namespace

AdvancedWindow::AdvancedWindow(forms::Program& program, registry::Registry& reg)
    : forms::Form(program, "frmnew"),
      reg_(reg),
      groups_{{
          {{&glideautO, &glidesharpeR, &glidesmootheR}, true, "SSTH3_ALPHADITHERMODE", 0},
          {{&glideDetAuto, &glidenormaL, &glidehigH}, true, "SSTH3_OVERLAYMODE", 0},
          {{&directautO, &directsharpeR, &directsmootheR}, false, "SSTH3_ALPHADITHERMODE", 0},
          {{&directAutoDet, &directnormaL, &directhigH}, false, "SSTH3_OVERLAYMODE", 0},
      }} {
  Design();
  DesignHover();
  ok.Click = [this] { OnOkClick(); };
  cancel.Click = [this] { OnCancelClick(); };
}

void AdvancedWindow::Design() {
  SetCaption(kCaption);
  SetClientSize(kClientWidth, kClientHeight);

  Image1.Move(kMargin, kMargin, kEmblemWidth, kPictureHeight);
  imgvoodoo3.Move(Image1.Left() + kEmblemWidth + kMargin, kMargin, kBannerWidth, kPictureHeight);
  Image2.Move(imgvoodoo3.Left() + kBannerWidth + kMargin, kMargin, kEmblemWidth, kPictureHeight);
  const int button_left = kClientWidth - kMargin - kButtonWidth;
  ok.Move(button_left, kMargin, kButtonWidth, kButtonHeight);
  cancel.Move(button_left, kMargin + kButtonHeight + 60, kButtonWidth, kButtonHeight);
  ok.SetCaption(kOk);
  cancel.SetCaption(kCancel);
  SetDefaultButton(&ok);
  SetCancelButton(&cancel);

  framGlide.Move(kMargin, kGlideTop, kApiFrameWidth, kApiFrameHeight);
  framGlide.SetCaption(kGlideFrame);
  Frame3.Move(kMargin, kAlphaTop, kGroupWidth, kGroupHeight);
  DesignGroup(Frame3, kAlphaFrame, groups_[kGlideAlpha],
              {kAlphaAuto, kAlphaSharper, kAlphaSmoother});
  Frame4.Move(kMargin, kDetailTop, kGroupWidth, kGroupHeight);
  DesignGroup(Frame4, kDetailFrame, groups_[kGlideDetail],
              {kDetailAuto, kDetailNormal, kDetailHigh});
  Label1.Move(kExplanationLeft, kAlphaTop, kExplanationWidth, kExplanationHeight);
  Label1.SetCaption(kExplanation);

  framDirect3d.Move(kMargin, kDirect3dTop, kApiFrameWidth, kApiFrameHeight);
  framDirect3d.SetCaption(kDirect3dFrame);
  Frame1.Move(kMargin, kAlphaTop, kGroupWidth, kGroupHeight);
  DesignGroup(Frame1, kAlphaFrame, groups_[kDirectAlpha],
              {kAlphaAuto, kAlphaSharper, kAlphaSmoother});
  Frame2.Move(kMargin, kDetailTop, kGroupWidth, kGroupHeight);
  DesignGroup(Frame2, kDetailFrame, groups_[kDirectDetail],
              {kDetailAuto, kDetailNormal, kDetailHigh});
  Label2.Move(kExplanationLeft, kAlphaTop, kExplanationWidth, kExplanationHeight);
  Label2.SetCaption(kExplanation);

  Label3.Move(kMargin, kFooterTop, kApiFrameWidth, kFooterHeight);
  Label3.SetCaption(kFooter);

  forms::UseDarkScheme(*this);
  for (forms::Frame* inner : {&Frame3, &Frame4, &Frame1, &Frame2}) {
    inner->SetForeColor(kHiddenCaption);
  }
}

void AdvancedWindow::DesignGroup(forms::Frame& frame, const char* caption, const Group& group,
                                 std::array<const char*, 3> texts) {
  frame.SetCaption(caption);
  for (int i = 0; i < 3; ++i) {
    group.options[i]->Move(kMargin, kOptionTop + i * kOptionStep, kOptionWidth, kOptionHeight);
    group.options[i]->SetCaption(texts[i]);
  }
}

// The empty areas of Frame4, Frame1 and Frame2 and the two buttons leave
// the colours as they are.
void AdvancedWindow::DesignHover() {
  hover_.Group(framGlide, {&framGlide, &Frame3, &glideautO, &glidesharpeR, &glidesmootheR,
                           &glideDetAuto, &glidenormaL, &glidehigH, &Label1});
  hover_.Group(framDirect3d, {&framDirect3d, &directautO, &directsharpeR, &directsmootheR,
                              &directAutoDet, &directnormaL, &directhigH, &Label2});
  hover_.Rest({this, &Image1, &Image2, &imgvoodoo3, &Label3});
}

// The window caption, "&OK" and the footer keep their design texts.
void AdvancedWindow::UseDutch() {
  cancel.SetCaption(kCancelNl);
  framGlide.SetCaption(kGlideFrameNl);
  glideautO.SetCaption(kAlphaAutoNl);
  glidesharpeR.SetCaption(kAlphaSharperNl);
  glidesmootheR.SetCaption(kAlphaSmootherNl);
  for (const Group& group : groups_) {
    for (forms::OptionButton* option : group.options) {
      option->SetFontName(kSmallFontName);
      option->SetFontSize(kSmallFontSize);
    }
  }
  glideDetAuto.SetCaption(kDetailAutoNl);
  glidenormaL.SetCaption(kDetailNormalNl);
  glidehigH.SetCaption(kDetailHighNl);
  directAutoDet.SetCaption(glideDetAuto.Caption());
  directautO.SetCaption(glideautO.Caption());
  directsharpeR.SetCaption(glidesharpeR.Caption());
  directsmootheR.SetCaption(glidesmootheR.Caption());
  directnormaL.SetCaption(glidenormaL.Caption());
  directhigH.SetCaption(glidehigH.Caption());
  Label1.SetFontName(kSmallFontName);
  Label1.SetFontSize(kSmallFontSize);
  Label1.SetCaption(kExplanationNl);
  Label2.SetFontName(kSmallFontName);
  Label2.SetFontSize(kSmallFontSize);
  Label2.SetCaption(Label1.Caption());
  framDirect3d.SetCaption(kDirect3dFrameNl);
}

void AdvancedWindow::OnLoad() {
  if (registry::IsDutch(reg_)) UseDutch();
  forms::LoadTopPictures(imgvoodoo3, Image1, Image2);
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

// Reads the four codes; a missing, empty or non-numeric text reads as 0.
// Without a driver key there is nothing to read and the codes stay 0.
void AdvancedWindow::ReadCodes() {
  if (!adapter_) return;
  for (int index : {kGlideDetail, kGlideAlpha, kDirectDetail, kDirectAlpha}) {
    Group& group = groups_[index];
    const std::string text = reg_.GetString(kLocalMachine, KeyOf(group), group.value);
    group.code = registry::WholeNumber(text).value_or(0);
  }
}

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
