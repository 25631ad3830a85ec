#include "gamma/gamma_window.h"

#include "forms/handoff.h"
#include "gamma/design.h"
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

}  // namespace

std::optional<int> UsablePosition(const std::string& text) {
  const auto position = registry::GammaPosition(text);
  if (!position || *position < kMinPosition || *position > kMaxPosition) return std::nullopt;
  return *position;
}

void PlaceSliders(const Sliders& sliders, const GammaLabels& labels, int position) {
  for (std::size_t channel = 0; channel < sliders.size(); ++channel) {
    labels[channel]->SetCaption(registry::GammaText(position));
    sliders[channel]->SetRange(kMinPosition, kMaxPosition, kSmallStep, kLargeStep);
    sliders[channel]->SetValue(position);
  }
}

void FollowSlider(const Sliders& sliders, const GammaLabels& labels, int channel, bool linked) {
  const int position = sliders[channel]->Value();
  labels[channel]->SetCaption(registry::GammaText(position));
  if (!linked) return;
  for (int other : kLinkOrder[channel]) sliders[other]->SetValue(position);
}

void AlignWithRed(const Sliders& sliders) {
  const int red = sliders[0]->Value();
  sliders[1]->SetValue(red);
  sliders[2]->SetValue(red);
}

bool StandTogether(const Sliders& sliders) {
  return sliders[0]->Value() == sliders[1]->Value() && sliders[1]->Value() == sliders[2]->Value();
}

GammaWindow::Group::Group(GammaWindow& window, KeyOf read_from, std::vector<KeyOf> written_to,
                          int factory)
    : frame(window.Next<forms::Frame>()),
      red_letter(window.Next<forms::Label>()),
      red_value(window.Next<forms::Label>()),
      red(window.Next<forms::ScrollBar>()),
      note(window.Next<forms::Label>()),
      green_letter(window.Next<forms::Label>()),
      green_value(window.Next<forms::Label>()),
      green(window.Next<forms::ScrollBar>()),
      blue_letter(window.Next<forms::Label>()),
      blue_value(window.Next<forms::Label>()),
      blue(window.Next<forms::ScrollBar>()),
      lock(window.Next<forms::CheckBox>()),
      read_from(read_from),
      written_to(std::move(written_to)),
      factory(factory) {}

GammaWindow::GammaWindow(forms::Program& program, registry::Registry& reg)
    : look::SettingsWindow(program, design::kWindow),
      desktop(*this, &registry::Adapter::DesktopGammaKey,
              {&registry::Adapter::DesktopGammaKey, &registry::Adapter::DriverKey},
              kDesktopFactory),
      glide(*this, &registry::Adapter::GlideKey, {&registry::Adapter::GlideKey}, kDriverFactory),
      direct3d(*this, &registry::Adapter::D3DKey, {&registry::Adapter::D3DKey}, kDriverFactory),
      reg_(reg) {
  Design();
  ConnectEvents();
  ConnectHover();
}

// The sliders stand at the dark initial position, their labels saying so,
// until Load shows what is stored; the events are not connected yet.
void GammaWindow::Design() {
  for (Group* group : groups_) PlaceSliders(group->sliders, group->values, kInitialPosition);
  look::UseDarkScheme(*this);
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

void GammaWindow::ConnectHover() { ConnectDesignHover(hover_); }

void GammaWindow::ApplyDutch() { ApplyDesignDutch(); }

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
  FollowSlider(group.sliders, group.values, channel, !showing_stored_ && group.lock.Value() == 1);
}

// Checking or clearing: the group takes its red position.
void GammaWindow::OnLinkClick(Group& group) {
  if (!showing_stored_) AlignWithRed(group.sliders);
}

// ---- OK and Cancel ----

// Twelve writes, changed or not: desktop (twice), Glide, Direct3D.
void GammaWindow::OnOkClick() {
  if (adapter_) {
    for (const Group* group : groups_) {
      for (Group::KeyOf key_of : group->written_to) {
        std::string key = ((*adapter_).*key_of)();
        key += '\\';
        WriteGroup(*group, key);
      }
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
  group.lock.SetValue(StandTogether(group.sliders) ? 1 : 0);
}

}  // namespace gamma_settings
