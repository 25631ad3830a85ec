#include "app/main_window.h"

#include "app/main_design.h"
#include "app/texts.h"
#include "forms/handoff.h"
#include "look/look.h"
#include "registry/numbers.h"

namespace app {

namespace {

using registry::kLocalMachine;

// Driver values this window reads or writes.
constexpr const char* kClockValue = "Grxclock";
constexpr const char* kInfoClockValues[] = {"GFX Clock Speed", "Graphics Clock Speed",
                                            "Memory Clock Speed"};
constexpr const char* kLcdValue = "LCD";
constexpr const char* kTvOutValue = "TV Out";
constexpr const char* kGlideSwap = "FX_GLIDE_SWAPINTERVAL";
constexpr const char* kGlideTextureMemory = "FX_GLIDE_TMU_MEMSIZE";
constexpr const char* kGlideNoSplash = "FX_GLIDE_NO_SPLASH";
constexpr const char* kGlideLodDither = "FX_GLIDE_LOD_DITHER";
constexpr const char* kGlideAllocColor = "FX_GLIDE_ALLOC_COLOR";
constexpr const char* kD3dSwap = "SSTH3_SWAPINTERVAL";
constexpr const char* kD3dAntiAlias = "SSTH3_ANTIALIAS";
constexpr const char* kGammaValues[] = {"SSTH3_RGAMMA", "SSTH3_GGAMMA", "SSTH3_BGAMMA"};
constexpr const char* kOverlayMode = "SSTH3_OVERLAYMODE";
constexpr const char* kAlphaDitherMode = "SSTH3_ALPHADITHERMODE";

constexpr const char* kLeftovers = "C:\\Windows\\System\\mnstr*";

// The clock slider: 120 MHz at the top, 240 at the bottom.
constexpr int kClockMin = 120;
constexpr int kClockMax = 240;
constexpr int kClockDesign = 140;

// A value that Apply keeps across the rebuild of the Glide and Direct3D
// keys: written back exactly when it was there, left absent when not.
struct Kept {
  const std::string& key;  // Apply's own, which outlives the value
  const char* name;
  std::optional<std::string> text;

  void Read(registry::Registry& reg) {
    text = registry::GetPresentString(reg, kLocalMachine, key, name);
  }
  void Restore(registry::Registry& reg) const {
    if (text) reg.SaveString(kLocalMachine, key, name, *text);
  }
};

}  // namespace

// Read by Load and written by Apply, in Apply's order; each is the value
// of the box at its place in option_boxes_.
const MainWindow::Option MainWindow::kOptionValues[] = {
    {true, kGlideSwap, "0", Reading::kTickedWhenText},             // chkvg
    {false, kD3dSwap, "0", Reading::kTickedWhenText},              // chkvd3d
    {false, kD3dAntiAlias, "1", Reading::kState},                  // chkanti
    {true, kGlideTextureMemory, "2", Reading::kTickedWhenNumber},  // chk2mb
    {true, kGlideNoSplash, "1", Reading::kState},                  // chksplash
    {true, kGlideLodDither, "1", Reading::kState},                 // chkmipmap
    {true, kGlideAllocColor, "3", Reading::kTickedWhenNumber},     // chktripple
};

MainWindow::MainWindow(forms::Program& program, registry::Registry& reg)
    : look::DesignedWindow(program, design::kMainWindow),
      reg_(reg),
      option_boxes_{{&chkvg, &chkvd3d, &chkanti, &chk2mb, &chksplash, &chkmipmap, &chktripple}} {
  Design();
  ConnectEvents();
  ConnectHover();
}

void MainWindow::Design() {
  scrspeed.SetRange(kClockMin, kClockMax, 1, 5);
  // Before its Change is connected: lblspeed stays empty, which is how
  // Load tells that no clock was stored (UseFactoryClockIfMissing).
  scrspeed.SetValue(kClockDesign);
  look::UseDarkScheme(*this);
  // No default or cancel button: the hub has no OK, so Enter and Esc press
  // nothing.
}

// The check boxes have no handlers: Apply reads their states.
void MainWindow::ConnectEvents() {
  scrspeed.Change = [this] { OnScrspeedChange(); };
  apply.Click = [this] { OnApplyClick(); };
  cmdinfo.Click = [this] { Open(targets_.info); };
  windowz.Click = [this] { Open(targets_.windows); };
  preset.Click = [this] { OnPresetClick(); };
  adv.Click = [this] { Open(targets_.advanced); };
  refresh.Click = [this] { Open(targets_.refresh); };
  gamma.Click = [this] { Open(targets_.gamma); };
  games.Click = [this] { Open(targets_.games); };
}

// "Clock/Memory" stands outside the Speed frame but lights with it.
void MainWindow::ConnectHover() {
  ConnectDesignHover(hover_);
  hover_.Group(framclk, {&clock_memory_label});
  hover_.Follow(clock_memory_label, framclk);
}

// The other buttons and the window caption keep their English texts.
void MainWindow::ApplyDutch() { ApplyDesignDutch(); }

// ---- Load ----

void MainWindow::OnLoad() {
  RemoveLeftovers();
  LoadPictures();
  CheckLanguage();
  FindDriver();
  if (!adapter_) return OnNoDriver();
  ClearTrayToolEntry();
  LoadClock();
  LoadOptions();
  LoadModel();
  UseFactoryClockIfMissing();
}

void MainWindow::RemoveLeftovers() { files().RemoveFiles(kLeftovers); }

void MainWindow::LoadPictures() { look::LoadTopPictures(left_emblem, imgvoodoo3, right_emblem); }

// No language yet: the language window asks while this one loads hidden.
void MainWindow::CheckLanguage() {
  const std::string language =
      reg_.GetString(kLocalMachine, registry::kProgramKey, registry::kLanguageValue);
  language_chosen_ = !language.empty();
  if (!language_chosen_) {
    Hide();
    if (language_window_) language_window_->Show();
    return;
  }
  dutch_ = language == "2";
  if (dutch_) ApplyDutch();
}

void MainWindow::FindDriver() { adapter_ = registry::FindAdapter(reg_); }

// Without a Voodoo3 nothing is written. While the language window is up
// it stays silent; the next start, in the chosen language, says why.
void MainWindow::OnNoDriver() {
  if (!language_chosen_) return;
  host().ShowMessage(texts::kNoDriverMessage.In(dutch_), texts::kMessageTitle.english);
  program().End();
}

// The 3dfx tray tool's start-up entry starts nothing any more.
void MainWindow::ClearTrayToolEntry() {
  reg_.SaveString(kLocalMachine, registry::kRunKey, registry::kTrayToolValue, "");
}

// A stored clock outside the slider's range counts as missing, so that the
// label never shows a number Apply would not write.
void MainWindow::LoadClock() {
  const auto clock =
      registry::WholeNumber(reg_.GetString(kLocalMachine, adapter_->DefaultKey(), kClockValue));
  if (!clock || !scrspeed.SetValue(*clock)) return;
  lblspeed.SetCaption(registry::NumberText(scrspeed.Value()));
}

// In the order of the design's load steps, which is not Apply's.
void MainWindow::LoadOptions() {
  for (int index : {kAntiAlias, kTextureLimit, kSplash, kMipmap, kTriple, kVsyncGlide, kVsyncD3d}) {
    LoadOption(index);
  }
}

// A box takes the stored state itself (one it refuses stays clear), or is
// ticked when the stored value is what Apply writes for a ticked box: as a
// number for the texture and triple-buffering boxes (" 2" ticks), as the
// exact text for the two vsync boxes (" 0" does not).
void MainWindow::LoadOption(int index) {
  const Option& option = kOptionValues[index];
  forms::CheckBox& box = *option_boxes_[index];
  const std::string text = reg_.GetString(
      kLocalMachine, option.glide ? adapter_->GlideKey() : adapter_->D3DKey(), option.name);
  const std::optional<std::int16_t> number = registry::WholeNumber(text);
  switch (option.reading) {
    case Reading::kState:
      if (number) box.SetValue(*number);
      break;
    case Reading::kTickedWhenNumber:
      if (number && number == registry::WholeNumber(option.ticked)) box.SetValue(1);
      break;
    case Reading::kTickedWhenText:
      if (text == option.ticked) box.SetValue(1);
      break;
  }
}

void MainWindow::LoadModel() {
  const std::string info = adapter_->InfoKey();
  const registry::CardModel model =
      registry::ModelFromOutputs(reg_.GetString(kLocalMachine, info, kLcdValue),
                                 reg_.GetString(kLocalMachine, info, kTvOutValue));
  model_clock_ = registry::FactoryClock(model);
  switch (model) {
    case registry::CardModel::Voodoo3_3500:
      SetCaption(Caption() + texts::kModel3500.english);
      break;
    case registry::CardModel::Voodoo3_3000:
      SetCaption(Caption() + texts::kModel3000.english);
      break;
    case registry::CardModel::Voodoo3_2000:
      SetCaption(Caption() + texts::kModel2000.english);
      break;
  }
}

void MainWindow::UseFactoryClockIfMissing() {
  if (!lblspeed.Caption().empty()) return;
  scrspeed.SetValue(model_clock_);
  lblspeed.SetCaption(registry::NumberText(model_clock_));
}

// ---- Clock and Apply ----

void MainWindow::OnScrspeedChange() { lblspeed.SetCaption(registry::NumberText(scrspeed.Value())); }

// Rebuilds the Glide and Direct3D keys from the check boxes, keeping the
// gamma and mode values the other windows look after.
void MainWindow::OnApplyClick() {
  if (!adapter_) return;
  const std::string glide = adapter_->GlideKey();
  const std::string d3d = adapter_->D3DKey();
  Kept kept_gamma[] = {{glide, kGammaValues[0], {}}, {glide, kGammaValues[1], {}},
                       {glide, kGammaValues[2], {}}, {d3d, kGammaValues[0], {}},
                       {d3d, kGammaValues[1], {}},   {d3d, kGammaValues[2], {}}};
  for (Kept& value : kept_gamma) value.Read(reg_);
  WriteClock();
  Kept glide_overlay{glide, kOverlayMode, {}}, glide_alpha{glide, kAlphaDitherMode, {}};
  Kept d3d_overlay{d3d, kOverlayMode, {}}, d3d_alpha{d3d, kAlphaDitherMode, {}};
  for (Kept* mode : {&glide_overlay, &glide_alpha, &d3d_overlay, &d3d_alpha}) mode->Read(reg_);

  reg_.DeleteKey(kLocalMachine, glide);
  reg_.DeleteKey(kLocalMachine, d3d);

  for (const Kept& value : kept_gamma) value.Restore(reg_);
  WriteOptions();
  // As designed, the Direct3D modes go back alpha blending first, the
  // other way round from how they were read.
  for (Kept* mode : {&glide_overlay, &glide_alpha, &d3d_alpha, &d3d_overlay}) mode->Restore(reg_);
  host().ShowMessage(texts::kRebootMessage.english, texts::kMessageTitle.english);
}

void MainWindow::WriteClock() {
  const std::string clock = registry::NumberText(scrspeed.Value());
  reg_.SaveString(kLocalMachine, adapter_->DefaultKey(), kClockValue, clock);
  for (const char* name : kInfoClockValues) {
    reg_.SaveString(kLocalMachine, adapter_->InfoKey(), name, clock);
  }
}

// Only a ticked box writes; an unticked or greyed one leaves its value
// absent, which the driver reads as its own default.
void MainWindow::WriteOptions() {
  for (int index = 0; index < kOptions; ++index) {
    const Option& option = kOptionValues[index];
    if (option_boxes_[index]->Value() != 1) continue;
    reg_.SaveString(kLocalMachine, option.glide ? adapter_->GlideKey() : adapter_->D3DKey(),
                    option.name, option.ticked);
  }
}

// ---- Hand-off ----

void MainWindow::Open(forms::Form* target) {
  if (target) forms::OpenAt(*target, *this);
}

// The presets window opens centred on this one.
void MainWindow::OnPresetClick() {
  if (targets_.presets) forms::OpenCentred(*targets_.presets, *this);
}

}  // namespace app
