#include "gamma/gamma_window.h"

#include "forms/handoff.h"
#include "gamma/gamma_texts.h"
#include "registry/numbers.h"

namespace gamma_settings {

namespace {

// The value names of the three channels, the same in every key.
constexpr const char* kValueNames[3] = {"SSTH3_RGAMMA", "SSTH3_GGAMMA", "SSTH3_BGAMMA"};

// Which sliders a linked move sets, in order: red sets green then blue,
// green sets red then blue, blue sets green then red.
constexpr int kLinkOrder[3][2] = {{1, 2}, {0, 2}, {1, 0}};

// Layout, in twips.
constexpr int kClientWidth = 6000;
constexpr int kMargin = 120;
constexpr int kEmblemWidth = 765, kEmblemHeight = 585;
constexpr int kBannerWidth = 2490, kBannerHeight = 570;
constexpr int kButtonLeft = 4680, kButtonWidth = 1200, kButtonHeight = 315;
constexpr int kFirstGroupTop = 960;
constexpr int kGroupWidth = kClientWidth - 2 * kMargin;
constexpr int kGroupHeight = 1740;
constexpr int kGroupGap = 60;
constexpr int kRowTop = 300, kRowPitch = 360, kRowHeight = 255;
constexpr int kLetterLeft = 120, kLetterWidth = 240;
constexpr int kValueLeft = 360, kValueWidth = 480;
constexpr int kSliderLeft = 840, kSliderWidth = 2400;
constexpr int kLinkTop = 1350, kLinkWidth = 1800;
constexpr int kNoteLeft = 3360, kNoteTop = 240, kNoteHeight = 1380;
constexpr int kNoteWidth = kGroupWidth - kNoteLeft - 120;

}  // namespace

std::optional<int> UsablePosition(const std::string& text) {
  const auto position = registry::GammaPosition(text);
  if (!position || *position < kMinPosition || *position > kMaxPosition) return std::nullopt;
  return *position;
}

GammaWindow::GammaWindow(forms::Program& program, registry::Registry& reg)
    : forms::Form(program, "frmgamma"),
      reg_(reg),
      groups_{{
          {&desktop,
           {&Label3, &Label10, &Label11},
           {&lbldr, &lbldg, &lbldb},
           {&dr, &dg, &db},
           &chkdesk,
           &lbldgs,
           &registry::Adapter::DesktopGammaKey,
           kDesktopFactory},
          {&glide,
           {&Label4, &Label8, &Label9},
           {&lblgr, &lblgg, &lblgb},
           {&gr, &gg, &gb},
           &chkglide,
           &Label1,
           &registry::Adapter::GlideKey,
           kDriverFactory},
          {&direct3d,
           {&Label5, &Label6, &Label7},
           {&lblddr, &lblddg, &lblddb},
           {&ddr, &ddg, &ddb},
           &chkd3d,
           &Label2,
           &registry::Adapter::D3DKey,
           kDriverFactory},
      }} {
  SetDesignTexts();
  LayOut();
  for (Group& group : groups_) {
    for (forms::ScrollBar* slider : group.sliders) {
      slider->SetRange(kMinPosition, kMaxPosition, kSmallStep, kLargeStep);
      slider->SetValue(kInitialPosition);
    }
  }
  forms::UseDarkScheme(*this);
  SetDefaultButton(&OK);
  SetCancelButton(&cancel);
  ConnectEvents();
  ConnectHover();
}

void GammaWindow::SetDesignTexts() {
  SetCaption(text::kCaption);
  OK.SetCaption(text::kOk);
  cancel.SetCaption(text::kCancel);
  desktop.SetCaption(text::kDesktop);
  glide.SetCaption(text::kGlide);
  direct3d.SetCaption(text::kDirect3D);
  lbldgs.SetCaption(text::kDesktopNote);
  Label1.SetCaption(text::kGlideNote);
  Label2.SetCaption(text::kDirect3DNote);
  const char* letters[3] = {text::kRed, text::kGreen, text::kBlue};
  for (Group& group : groups_) {
    group.link->SetCaption(text::kLock);
    for (int channel = kRed; channel <= kBlue; ++channel) {
      group.letters[channel]->SetCaption(letters[channel]);
      group.values[channel]->SetCaption(registry::GammaText(kInitialPosition));
    }
  }
}

void GammaWindow::LayOut() {
  Image2.Move(kMargin, kMargin, kEmblemWidth, kEmblemHeight);
  imgvoodoo3.Move(Image2.Left() + kEmblemWidth + kMargin, kMargin, kBannerWidth, kBannerHeight);
  Image1.Move(imgvoodoo3.Left() + kBannerWidth + kMargin, kMargin, kEmblemWidth, kEmblemHeight);
  OK.Move(kButtonLeft, kMargin, kButtonWidth, kButtonHeight);
  cancel.Move(kButtonLeft, kMargin + kButtonHeight + 45, kButtonWidth, kButtonHeight);
  int top = kFirstGroupTop;
  for (Group& group : groups_) {
    LayOutGroup(group, top);
    top += kGroupHeight + kGroupGap;
  }
  SetClientSize(kClientWidth, top - kGroupGap + kMargin);
}

void GammaWindow::LayOutGroup(Group& group, int top) {
  group.frame->Move(kMargin, top, kGroupWidth, kGroupHeight);
  for (int channel = kRed; channel <= kBlue; ++channel) {
    const int row = kRowTop + channel * kRowPitch;
    group.letters[channel]->Move(kLetterLeft, row, kLetterWidth, kRowHeight);
    group.values[channel]->Move(kValueLeft, row, kValueWidth, kRowHeight);
    group.sliders[channel]->Move(kSliderLeft, row, kSliderWidth, kRowHeight);
  }
  group.link->Move(kLetterLeft, kLinkTop, kLinkWidth, kRowHeight);
  group.note->Move(kNoteLeft, kNoteTop, kNoteWidth, kNoteHeight);
}

void GammaWindow::ConnectEvents() {
  for (Group& group : groups_) {
    for (int channel = kRed; channel <= kBlue; ++channel) {
      group.sliders[channel]->Change = [this, &group, channel] {
        OnSliderChange(group, static_cast<Channel>(channel));
      };
    }
    group.link->Click = [this, &group] { OnLinkClick(group); };
  }
  OK.Click = [this] { OnOkClick(); };
  cancel.Click = [this] { OnCancelClick(); };
}

void GammaWindow::ConnectHover() {
  hover_.Group(desktop,
               {&desktop, &chkdesk, &Label3, &Label10, &Label11, &lbldr, &lbldg, &lbldb, &lbldgs});
  hover_.Group(glide,
               {&glide, &chkglide, &Label4, &Label8, &Label9, &lblgr, &lblgg, &lblgb, &Label1});
  hover_.Group(direct3d,
               {&direct3d, &chkd3d, &Label5, &Label6, &Label7, &lblddr, &lblddg, &lblddb, &Label2});
  // The sliders and the two buttons leave the colours as they are.
  hover_.Rest({this, &Image1, &Image2, &imgvoodoo3});
}

// ---- Load ----

void GammaWindow::OnLoad() {
  if (registry::IsDutch(reg_)) ApplyDutch();
  forms::LoadTopPictures(imgvoodoo3, Image1, Image2);
  adapter_ = registry::FindAdapter(reg_);
  ShowStored();
}

// In the table's order: later rows copy texts set by earlier ones.
void GammaWindow::ApplyDutch() {
  cancel.SetCaption(text::dutch::kCancel);
  desktop.SetCaption(text::dutch::kDesktop);
  chkdesk.SetCaption(text::dutch::kLock);
  lbldgs.SetCaption(text::dutch::kNote);
  for (forms::Label* note : {&lbldgs, &Label1, &Label2}) {
    note->SetFontName(text::dutch::kNoteFont);
    note->SetFontSize(text::dutch::kNoteFontSize);
  }
  Label1.SetCaption(lbldgs.Caption());
  Label2.SetCaption(lbldgs.Caption());
  glide.SetCaption(text::dutch::kGlide);
  direct3d.SetCaption(text::dutch::kDirect3D);
  chkd3d.SetCaption(chkdesk.Caption());
  chkglide.SetCaption(chkd3d.Caption());
}

// ---- Sliders and link boxes ----

// Runs for moves by the user and by the window; setting a slider to the
// position it has raises nothing, which ends a linked chain.
void GammaWindow::OnSliderChange(Group& group, Channel channel) {
  const int position = group.sliders[channel]->Value();
  group.values[channel]->SetCaption(registry::GammaText(position));
  if (showing_stored_ || group.link->Value() != 1) return;
  for (int other : kLinkOrder[channel]) group.sliders[other]->SetValue(position);
}

// Checking or clearing: the group takes its red position.
void GammaWindow::OnLinkClick(Group& group) {
  if (showing_stored_) return;
  const int red = group.sliders[kRed]->Value();
  group.sliders[kGreen]->SetValue(red);
  group.sliders[kBlue]->SetValue(red);
}

// ---- OK and Cancel ----

void GammaWindow::OnOkClick() {
  if (adapter_) {
    WriteGroup(groups_[0], adapter_->DesktopGammaKey() + "\\");
    WriteGroup(groups_[0], adapter_->DriverKey() + "\\");
    WriteGroup(groups_[1], adapter_->GlideKey() + "\\");
    WriteGroup(groups_[2], adapter_->D3DKey() + "\\");
  }
  forms::ReturnToOpener(*this);
}

// Writes what the labels show, red, green, blue.
void GammaWindow::WriteGroup(const Group& group, const std::string& path) {
  for (int channel = kRed; channel <= kBlue; ++channel) {
    reg_.SaveString(registry::kLocalMachine, path, kValueNames[channel],
                    group.values[channel]->Caption());
  }
}

// Discards the moves: the window shows the stored values when next shown.
void GammaWindow::OnCancelClick() {
  adapter_ = registry::FindAdapter(reg_);
  ShowStored();
  forms::ReturnToOpener(*this);
}

void GammaWindow::ShowStored() {
  showing_stored_ = true;
  for (Group& group : groups_) ShowStoredGroup(group);
  showing_stored_ = false;
}

// Each slider shows its stored position (the group's factory gamma when
// nothing usable is stored, which is what OK would then write); the link
// box is set exactly when the three then stand together.
void GammaWindow::ShowStoredGroup(Group& group) {
  for (int channel = kRed; channel <= kBlue; ++channel) {
    std::optional<int> position;
    if (adapter_) {
      position = UsablePosition(reg_.GetString(registry::kLocalMachine, ((*adapter_).*group.key)(),
                                               kValueNames[channel]));
    }
    if (!position) position = group.factory;
    if (position) group.sliders[channel]->SetValue(*position);
  }
  const bool equal = group.sliders[kRed]->Value() == group.sliders[kGreen]->Value() &&
                     group.sliders[kGreen]->Value() == group.sliders[kBlue]->Value();
  group.link->SetValue(equal ? 1 : 0);
}

}  // namespace gamma_settings
