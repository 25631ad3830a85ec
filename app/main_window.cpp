#include "app/main_window.h"

#include "app/texts.h"
#include "forms/handoff.h"
#include "look/look.h"
#include "registry/numbers.h"

namespace app {

namespace {

using look::kBannerWidth;
using look::kEmblemWidth;
using look::kPictureHeight;
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

// A control and its design caption, for the rows placed in a loop.
struct Captioned {
  forms::Control& control;
  const char* caption;
};

constexpr const char* kLeftovers = "C:\\Windows\\System\\mnstr*";

// The clock slider: 120 MHz at the top, 240 at the bottom.
constexpr int kClockMin = 120;
constexpr int kClockMax = 240;
constexpr int kClockDesign = 140;

// Layout in twips: the pictures along the top; below them the Speed
// frame on the left, the option frames in the middle, the buttons on the
// right; the credit at the bottom.
constexpr int kMargin = 120;
constexpr int kClientWidth = 6840;
constexpr int kFrameTop = kMargin + kPictureHeight + kMargin;
constexpr int kButtonWidth = 1080;
constexpr int kButtonHeight = 345;
constexpr int kButtonStep = kButtonHeight + 60;
constexpr int kButtonLeft = kClientWidth - kMargin - kButtonWidth;
// The check boxes: two lines each. Their width makes each caption's run of
// blanks end the first line, so the bracketed part starts the second.
constexpr int kCheckLeft = 150;
constexpr int kCheckWidth = 3885;
constexpr int kCheckHeight = 420;
constexpr int kCheckStep = kCheckHeight + 60;
constexpr int kCheckTop = 240;
constexpr int kLineHeight = 210;
constexpr int kBoxTextIndent = 240;  // past the box, where the caption starts
constexpr int kOptionsWidth = kCheckLeft + kCheckWidth + kCheckLeft;
constexpr int kOptionsLeft = kButtonLeft - kMargin - kOptionsWidth;
constexpr int kVsyncHeight = kCheckTop + 2 * kCheckStep + 60;
constexpr int kMiscTop = kFrameTop + kVsyncHeight + kMargin;
constexpr int kMiscHeight = kCheckTop + 5 * kCheckStep + 60;
// The Speed frame fills the left column; "Clock/Memory" sits under it.
constexpr int kSpeedWidth = kOptionsLeft - 2 * kMargin;
constexpr int kLabelHeight = 240;
constexpr int kSpeedHeight = kMiscTop + kMiscHeight - kFrameTop - kLabelHeight - 60;
constexpr int kClockLabelTop = kFrameTop + kSpeedHeight + 60;
constexpr int kClockLabelWidth = 1050;
constexpr int kClockLabelWidthNl = 1170;
constexpr int kSliderLeft = 180;
constexpr int kSliderWidth = 255;
constexpr int kCreditTop = kMiscTop + kMiscHeight + kMargin;
constexpr int kClientHeight = kCreditTop + 2 * kLabelHeight + kMargin;

// A value's text, or nothing when the value is absent. Text read from the
// registry never holds a NUL, so a NUL fallback marks the absent value.
std::optional<std::string> ReadPresent(registry::Registry& reg, const std::string& key,
                                       const char* name) {
  const std::string absent(1, '\0');
  std::string text = reg.GetString(kLocalMachine, key, name, absent);
  if (text == absent) return std::nullopt;
  return text;
}

// A value that Apply keeps across the rebuild of the Glide and Direct3D
// keys: written back exactly when it was there, left absent when not.
struct Kept {
  std::string key;
  const char* name;
  std::optional<std::string> text;

  void Read(registry::Registry& reg) { text = ReadPresent(reg, key, name); }
  void Restore(registry::Registry& reg) const {
    if (text) reg.SaveString(kLocalMachine, key, name, *text);
  }
};

}  // namespace

MainWindow::MainWindow(forms::Program& program, registry::Registry& reg)
    : forms::Form(program, "frmv3"),
      reg_(reg),
      options_{{
          {&chkvg, true, kGlideSwap, "0", Reading::kTickedWhenText},
          {&chkvd3d, false, kD3dSwap, "0", Reading::kTickedWhenText},
          {&chkanti, false, kD3dAntiAlias, "1", Reading::kState},
          {&chk2mb, true, kGlideTextureMemory, "2", Reading::kTickedWhenNumber},
          {&chksplash, true, kGlideNoSplash, "1", Reading::kState},
          {&chkmipmap, true, kGlideLodDither, "1", Reading::kState},
          {&chktripple, true, kGlideAllocColor, "3", Reading::kTickedWhenNumber},
      }} {
  Design();
  ConnectEvents();
  ConnectHover();
}

void MainWindow::Design() {
  SetCaption(texts::kCaption.english);
  SetClientSize(kClientWidth, kClientHeight);

  left_emblem.Move(kMargin, kMargin, kEmblemWidth, kPictureHeight);
  imgvoodoo3.Move((kClientWidth - kBannerWidth) / 2, kMargin, kBannerWidth, kPictureHeight);
  right_emblem.Move(kClientWidth - kMargin - kEmblemWidth, kMargin, kEmblemWidth, kPictureHeight);

  framclk.Place(texts::kSpeedFrame.english, kMargin, kFrameTop, kSpeedWidth, kSpeedHeight);
  scrspeed.Move(kSliderLeft, kCheckTop + 60, kSliderWidth, kSpeedHeight - kCheckTop - 240);
  scrspeed.SetRange(kClockMin, kClockMax, 1, 5);
  // Before its Change is connected: lblspeed stays empty, which is how
  // Load tells that no clock was stored (UseFactoryClockIfMissing).
  scrspeed.SetValue(kClockDesign);
  const int number_left = kSliderLeft + kSliderWidth + 90;
  lblspeed.Move(number_left, (kSpeedHeight - kLabelHeight) / 2, kSpeedWidth - number_left - 60,
                kLabelHeight);
  clock_memory_label.Move(kMargin + (kSpeedWidth - kClockLabelWidth) / 2, kClockLabelTop,
                          kClockLabelWidth, kLabelHeight);
  clock_memory_label.SetCaption(texts::kClockMemory.english);

  framVsync.Place(texts::kVsyncFrame.english, kOptionsLeft, kFrameTop, kOptionsWidth, kVsyncHeight);
  misc_frame.Place(texts::kMiscFrame.english, kOptionsLeft, kMiscTop, kOptionsWidth, kMiscHeight);
  const Captioned checks[] = {
      {chkvd3d, texts::kVsyncD3d.english},    {chkvg, texts::kVsyncGlide.english},
      {chkmipmap, texts::kMipmap.english},    {chksplash, texts::kSplash.english},
      {chk2mb, texts::kTextureLimit.english}, {chkanti, texts::kAntiAlias.english},
      {chktripple, texts::kTriple.english}};
  int row = 0;
  for (const Captioned& design : checks) {
    if (&design.control == &chkmipmap) row = 0;  // first of the Miscellaneous frame
    design.control.Place(design.caption, kCheckLeft, kCheckTop + row * kCheckStep, kCheckWidth,
                         kCheckHeight);
    ++row;
  }
  // The second line of the Dutch triple-buffering text. Empty in English,
  // and hidden there so that it does not cover the box's own second line.
  triple_second_line.Move(kCheckLeft + kBoxTextIndent, chktripple.Top() + kLineHeight,
                          kCheckWidth - kBoxTextIndent, kLineHeight);
  triple_second_line.SetVisible(false);

  const Captioned buttons[] = {{cmdinfo, texts::kInfo.english},  {windowz, texts::kWindows.english},
                               {preset, texts::kPreset.english}, {adv, texts::kAdvanced.english},
                               {apply, texts::kApply.english},   {refresh, texts::kRefresh.english},
                               {gamma, texts::kGamma.english}};
  int top = kFrameTop;
  for (const Captioned& design : buttons) {
    design.control.Place(design.caption, kButtonLeft, top, kButtonWidth, kButtonHeight);
    top += kButtonStep;
  }

  credit.Place(texts::kCredit.english, kMargin, kCreditTop, kClientWidth - 2 * kMargin,
               kLabelHeight);
  contact.Place(texts::kContact.english, kMargin, kCreditTop + kLabelHeight,
                kClientWidth - 2 * kMargin, kLabelHeight);

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
}

// The scroll bar, the buttons and triple_second_line (in Dutch the second
// line of chktripple's text) leave the colours as they are. "Clock/Memory"
// stands outside the Speed frame but lights with it.
void MainWindow::ConnectHover() {
  hover_.Group(framVsync, {&framVsync, &chkvd3d, &chkvg});
  hover_.Group(framclk, {&framclk, &clock_memory_label, &lblspeed});
  hover_.Group(misc_frame, {&misc_frame, &chkmipmap, &chksplash, &chk2mb, &chkanti, &chktripple});
  hover_.Rest({this, &imgvoodoo3, &left_emblem, &right_emblem, &credit, &contact});
  hover_.Follow(clock_memory_label, framclk);
}

// In the table's order. The other buttons and the window caption keep
// their English texts.
void MainWindow::ApplyDutch() {
  clock_memory_label.SetCaption(texts::kClockMemory.dutch);
  framclk.SetCaption(texts::kSpeedFrame.dutch);
  misc_frame.SetCaption(texts::kMiscFrame.dutch);
  chkvg.SetCaption(texts::kVsyncGlide.dutch);
  chkvd3d.SetCaption(texts::kVsyncD3d.dutch);
  chkanti.SetCaption(texts::kAntiAlias.dutch);
  chk2mb.SetCaption(texts::kTextureLimit.dutch);
  chksplash.SetCaption(texts::kSplash.dutch);
  chkmipmap.SetCaption(texts::kMipmap.dutch);
  chktripple.SetCaption(texts::kTriple.dutch);
  triple_second_line.SetCaption(texts::kTripleSecondLine.dutch);
  adv.SetCaption(texts::kAdvanced.dutch);
  apply.SetCaption(texts::kApply.dutch);
  // The longer "Klok/Geheugen" stays centred under the Speed frame.
  clock_memory_label.Move(kMargin + (kSpeedWidth - kClockLabelWidthNl) / 2, kClockLabelTop,
                          kClockLabelWidthNl, kLabelHeight);
  look::UseSmallFont(adv);
  // The Dutch triple-buffering text is one line; triple_second_line is its second.
  chktripple.SetHeight(kLineHeight);
  triple_second_line.SetVisible(true);
}

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
    LoadOption(options_[index]);
  }
}

// A box takes the stored state itself (one it refuses stays clear), or is
// ticked when the stored value is what Apply writes for a ticked box: as a
// number for the texture and triple-buffering boxes (" 2" ticks), as the
// exact text for the two vsync boxes (" 0" does not).
void MainWindow::LoadOption(const Option& option) {
  const std::string text = reg_.GetString(
      kLocalMachine, option.glide ? adapter_->GlideKey() : adapter_->D3DKey(), option.name);
  const std::optional<std::int16_t> number = registry::WholeNumber(text);
  switch (option.reading) {
    case Reading::kState:
      if (number) option.box->SetValue(*number);
      break;
    case Reading::kTickedWhenNumber:
      if (number && number == registry::WholeNumber(option.ticked)) option.box->SetValue(1);
      break;
    case Reading::kTickedWhenText:
      if (text == option.ticked) option.box->SetValue(1);
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
  for (const Option& option : options_) {
    if (option.box->Value() != 1) continue;
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
