#include "forms/handoff.h"
#include "gamma/gamma_window.h"
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

// The top row, as designed.
// clang-format off
constexpr look::ControlDesign kTopRow[] = {
  {forms::Kind::Image,  "Image2",     nullptr,       120,  120,  765,  585, {},                  0,             look::HoverRole::kRests},
  {forms::Kind::Image,  "imgvoodoo3", nullptr,      1005,  120, 2490,  570, {},                  0,             look::HoverRole::kRests},
  {forms::Kind::Image,  "Image1",     nullptr,      3615,  120,  765,  585, {},                  0,             look::HoverRole::kRests},
  {forms::Kind::Button, "OK",         nullptr,      4680,  120, 1200,  315, look::kOk},
  {forms::Kind::Button, "cancel",     nullptr,      4680,  480, 1200,  315, look::kCancel},
};
// clang-format on
constexpr look::WindowDesign kDesign{"frmgamma", texts::kCaption, 6000, 6420, kTopRow, {}};

}  // namespace

std::optional<int> UsablePosition(const std::string& text) {
  const auto position = registry::GammaPosition(text);
  if (!position || *position < kMinPosition || *position > kMaxPosition) return std::nullopt;
  return *position;
}

GammaWindow::Group::Group(forms::Form& form, const Names& names, KeyOf read_from,
                          std::vector<KeyOf> written_to, int factory)
    : frame(form, names.frame),
      red_letter(frame, names.red_letter),
      red_value(frame, names.red_value),
      red(frame, names.red, forms::Orientation::Horizontal),
      note(frame, names.note),
      green_letter(frame, names.green_letter),
      green_value(frame, names.green_value),
      green(frame, names.green, forms::Orientation::Horizontal),
      blue_letter(frame, names.blue_letter),
      blue_value(frame, names.blue_value),
      blue(frame, names.blue, forms::Orientation::Horizontal),
      lock(frame, names.lock),
      read_from(read_from),
      written_to(std::move(written_to)),
      factory(factory) {}

GammaWindow::GammaWindow(forms::Program& program, registry::Registry& reg)
    : look::SettingsWindow(program, kDesign),
      desktop(*this,
              {"desktop", "Label3", "lbldr", "dr", "lbldgs", "Label10", "lbldg", "dg", "Label11",
               "lbldb", "db", "chkdesk"},
              &registry::Adapter::DesktopGammaKey,
              {&registry::Adapter::DesktopGammaKey, &registry::Adapter::DriverKey},
              kDesktopFactory),
      glide(*this,
            {"glide", "Label4", "lblgr", "gr", "Label1", "Label8", "lblgg", "gg", "Label9", "lblgb",
             "gb", "chkglide"},
            &registry::Adapter::GlideKey, {&registry::Adapter::GlideKey}, kDriverFactory),
      direct3d(*this,
               {"direct3d", "Label5", "lblddr", "ddr", "Label2", "Label6", "lblddg", "ddg",
                "Label7", "lblddb", "ddb", "chkd3d"},
               &registry::Adapter::D3DKey, {&registry::Adapter::D3DKey}, kDriverFactory),
      reg_(reg) {
  Design();
  ConnectEvents();
  ConnectHover();
}

// The sliders stand at the dark initial position, their labels saying so,
// until Load shows what is stored; the events are not connected yet.
void GammaWindow::Design() {
  SetCaption(texts::kCaption.english);
  desktop.frame.SetCaption(texts::kDesktop.english);
  glide.frame.SetCaption(texts::kGlide.english);
  direct3d.frame.SetCaption(texts::kDirect3D.english);
  desktop.note.SetCaption(texts::kDesktopNote.english);
  glide.note.SetCaption(texts::kGlideNote.english);
  direct3d.note.SetCaption(texts::kDirect3DNote.english);
  const char* letters[3] = {texts::kRed.english, texts::kGreen.english, texts::kBlue.english};
  for (Group* group : groups_) {
    group->lock.SetCaption(texts::kLock.english);
    for (int channel = kRed; channel <= kBlue; ++channel) {
      group->letters[channel]->SetCaption(letters[channel]);
      group->values[channel]->SetCaption(registry::GammaText(kInitialPosition));
    }
  }

  left_emblem.Move(kMargin, kMargin, look::kEmblemWidth, look::kPictureHeight);
  imgvoodoo3.Move(left_emblem.Left() + look::kEmblemWidth + kMargin, kMargin, look::kBannerWidth,
                  look::kShortBannerHeight);
  right_emblem.Move(imgvoodoo3.Left() + look::kBannerWidth + kMargin, kMargin, look::kEmblemWidth,
                    look::kPictureHeight);
  ok.Move(kButtonLeft, kMargin, kButtonWidth, kButtonHeight);
  cancel.Move(kButtonLeft, kMargin + kButtonHeight + 45, kButtonWidth, kButtonHeight);
  int top = kFirstGroupTop;
  for (Group* group : groups_) {
    DesignGroup(*group, top);
    top += kGroupHeight + kGroupGap;
  }
  SetClientSize(kClientWidth, top - kGroupGap + kMargin);

  for (Group* group : groups_) {
    for (forms::ScrollBar* slider : group->sliders) {
      slider->SetRange(kMinPosition, kMaxPosition, kSmallStep, kLargeStep);
      slider->SetValue(kInitialPosition);
    }
  }
  look::UseDarkScheme(*this);
}

void GammaWindow::DesignGroup(Group& group, int top) {
  group.frame.Move(kMargin, top, kGroupWidth, kGroupHeight);
  for (int channel = kRed; channel <= kBlue; ++channel) {
    const int row = kRowTop + channel * kRowPitch;
    group.letters[channel]->Move(kLetterLeft, row, kLetterWidth, kRowHeight);
    group.values[channel]->Move(kValueLeft, row, kValueWidth, kRowHeight);
    group.sliders[channel]->Move(kSliderLeft, row, kSliderWidth, kRowHeight);
  }
  group.lock.Move(kLetterLeft, kLinkTop, kLinkWidth, kRowHeight);
  group.note.Move(kNoteLeft, kNoteTop, kNoteWidth, kNoteHeight);
}

void GammaWindow::ConnectEvents() {
  for (Group* group : groups_) {
    for (int channel = kRed; channel <= kBlue; ++channel) {
      group->sliders[channel]->Change = [this, group, channel] {
        OnSliderChange(*group, static_cast<Channel>(channel));
      };
    }
    group->lock.Click = [this, group] { OnLinkClick(*group); };
  }
  ok.Click = [this] { OnOkClick(); };
  cancel.Click = [this] { OnCancelClick(); };
}

void GammaWindow::ConnectHover() {
  for (Group* group : groups_) {
    hover_.Group(group->frame, {&group->frame, &group->lock, &group->red_letter,
                                &group->green_letter, &group->blue_letter, &group->red_value,
                                &group->green_value, &group->blue_value, &group->note});
  }
  // The sliders and the two buttons leave the colours as they are.
  hover_.Rest({this, &right_emblem, &left_emblem, &imgvoodoo3});
}

// In the table's order: later rows copy texts set by earlier ones. The
// window caption, "&OK" and the letters keep their design texts.
void GammaWindow::ApplyDutch() {
  CancelInDutch();
  desktop.frame.SetCaption(texts::kDesktop.dutch);
  desktop.lock.SetCaption(texts::kLock.dutch);
  desktop.note.SetCaption(texts::kDesktopNote.dutch);
  for (Group* group : groups_) {
    look::UseSmallFont(group->note);
  }
  glide.note.SetCaption(desktop.note.Caption());
  direct3d.note.SetCaption(desktop.note.Caption());
  glide.frame.SetCaption(texts::kGlide.dutch);
  direct3d.frame.SetCaption(texts::kDirect3D.dutch);
  direct3d.lock.SetCaption(desktop.lock.Caption());
  glide.lock.SetCaption(direct3d.lock.Caption());
}

// ---- Load ----

void GammaWindow::OnLoad() {
  if (registry::IsDutch(reg_)) ApplyDutch();
  LoadPictures();
  adapter_ = registry::FindAdapter(reg_);
  ShowStored();
}

// ---- Sliders and lock boxes ----

// Runs for moves by the user and by the window; setting a slider to the
// position it has raises nothing, which ends a linked chain.
void GammaWindow::OnSliderChange(Group& group, Channel channel) {
  const int position = group.sliders[channel]->Value();
  group.values[channel]->SetCaption(registry::GammaText(position));
  if (showing_stored_ || group.lock.Value() != 1) return;
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
    for (const Group* group : groups_) {
      for (Group::KeyOf key : group->written_to) WriteGroup(*group, ((*adapter_).*key)() + "\\");
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
  for (Group* group : groups_) ShowStoredGroup(*group);
  showing_stored_ = false;
}

// Each slider shows its stored position (the group's factory gamma when
// nothing usable is stored, which is what OK would then write); the lock
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
  group.lock.SetValue(equal ? 1 : 0);
}

}  // namespace gamma_settings
