#include "gamma/gamma_window.h"

#include "forms/handoff.h"
#include "gamma/texts.h"
#include "look/look.h"
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
           {&desktop_red_letter, &desktop_green_letter, &desktop_blue_letter},
           {&lbldr, &lbldg, &lbldb},
           {&dr, &dg, &db},
           &chkdesk,
           &lbldgs,
           &registry::Adapter::DesktopGammaKey,
           {&registry::Adapter::DesktopGammaKey, &registry::Adapter::DriverKey},
           kDesktopFactory},
          {&glide,
           {&glide_red_letter, &glide_green_letter, &glide_blue_letter},
           {&lblgr, &lblgg, &lblgb},
           {&gr, &gg, &gb},
           &chkglide,
           &glide_note,
           &registry::Adapter::GlideKey,
           {&registry::Adapter::GlideKey},
           kDriverFactory},
          {&direct3d,
           {&direct3d_red_letter, &direct3d_green_letter, &direct3d_blue_letter},
           {&lblddr, &lblddg, &lblddb},
           {&ddr, &ddg, &ddb},
           &chkd3d,
           &direct3d_note,
           &registry::Adapter::D3DKey,
           {&registry::Adapter::D3DKey},
           kDriverFactory},
      }} {
  Design();
  ConnectEvents();
  ConnectHover();
}

// The sliders stand at the dark initial position, their labels saying so,
// until Load shows what is stored; the events are not connected yet.
void GammaWindow::Design() {
  SetCaption(english::kCaption);
  look::DesignOkCancel(*this, OK, cancel);
  desktop.SetCaption(english::kDesktop);
  glide.SetCaption(english::kGlide);
  direct3d.SetCaption(english::kDirect3D);
  lbldgs.SetCaption(english::kDesktopNote);
  glide_note.SetCaption(english::kGlideNote);
  direct3d_note.SetCaption(english::kDirect3DNote);
  const char* letters[3] = {english::kRed, english::kGreen, english::kBlue};
  for (Group& group : groups_) {
    group.link->SetCaption(english::kLock);
    for (int channel = kRed; channel <= kBlue; ++channel) {
      group.letters[channel]->SetCaption(letters[channel]);
      group.values[channel]->SetCaption(registry::GammaText(kInitialPosition));
    }
  }

  left_emblem.Move(kMargin, kMargin, kEmblemWidth, kEmblemHeight);
  imgvoodoo3.Move(left_emblem.Left() + kEmblemWidth + kMargin, kMargin, kBannerWidth,
                  kBannerHeight);
  right_emblem.Move(imgvoodoo3.Left() + kBannerWidth + kMargin, kMargin, kEmblemWidth,
                    kEmblemHeight);
  OK.Move(kButtonLeft, kMargin, kButtonWidth, kButtonHeight);
  cancel.Move(kButtonLeft, kMargin + kButtonHeight + 45, kButtonWidth, kButtonHeight);
  int top = kFirstGroupTop;
  for (Group& group : groups_) {
    DesignGroup(group, top);
    top += kGroupHeight + kGroupGap;
  }
  SetClientSize(kClientWidth, top - kGroupGap + kMargin);

  for (Group& group : groups_) {
    for (forms::ScrollBar* slider : group.sliders) {
      slider->SetRange(kMinPosition, kMaxPosition, kSmallStep, kLargeStep);
      slider->SetValue(kInitialPosition);
    }
  }
  look::UseDarkScheme(*this);
}

void GammaWindow::DesignGroup(Group& group, int top) {
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
  hover_.Group(desktop, {&desktop, &chkdesk, &desktop_red_letter, &desktop_green_letter,
                         &desktop_blue_letter, &lbldr, &lbldg, &lbldb, &lbldgs});
  hover_.Group(glide, {&glide, &chkglide, &glide_red_letter, &glide_green_letter,
                       &glide_blue_letter, &lblgr, &lblgg, &lblgb, &glide_note});
  hover_.Group(direct3d, {&direct3d, &chkd3d, &direct3d_red_letter, &direct3d_green_letter,
                          &direct3d_blue_letter, &lblddr, &lblddg, &lblddb, &direct3d_note});
  // The sliders and the two buttons leave the colours as they are.
  hover_.Rest({this, &right_emblem, &left_emblem, &imgvoodoo3});
}

// In the table's order: later rows copy texts set by earlier ones. The
// window caption, "&OK" and the letters keep their design texts.
void GammaWindow::ApplyDutch() {
  look::OkCancelInDutch(cancel);
  desktop.SetCaption(dutch::kDesktop);
  chkdesk.SetCaption(dutch::kLock);
  lbldgs.SetCaption(dutch::kNote);
  for (forms::Label* note : {&lbldgs, &glide_note, &direct3d_note}) {
    note->SetFontName(dutch::kSmallFont);
    note->SetFontSize(dutch::kSmallFontSize);
  }
  glide_note.SetCaption(lbldgs.Caption());
  direct3d_note.SetCaption(lbldgs.Caption());
  glide.SetCaption(dutch::kGlide);
  direct3d.SetCaption(dutch::kDirect3D);
  chkd3d.SetCaption(chkdesk.Caption());
  chkglide.SetCaption(chkd3d.Caption());
}

// ---- Load ----

void GammaWindow::OnLoad() {
  if (registry::IsDutch(reg_)) ApplyDutch();
  look::LoadTopPictures(left_emblem, imgvoodoo3, right_emblem);
  adapter_ = registry::FindAdapter(reg_);
  ShowStored();
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

// Twelve writes, changed or not: desktop (twice), Glide, Direct3D.
void GammaWindow::OnOkClick() {
  if (adapter_) {
    for (const Group& group : groups_) {
      for (KeyOf key : group.written_to) WriteGroup(group, ((*adapter_).*key)() + "\\");
    }
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
      position = UsablePosition(reg_.GetString(
          registry::kLocalMachine, ((*adapter_).*group.read_from)(), kValueNames[channel]));
    }
    if (!position) position = group.factory;
    if (position) group.sliders[channel]->SetValue(*position);
  }
  const bool equal = group.sliders[kRed]->Value() == group.sliders[kGreen]->Value() &&
                     group.sliders[kGreen]->Value() == group.sliders[kBlue]->Value();
  group.link->SetValue(equal ? 1 : 0);
}

}  // namespace gamma_settings
