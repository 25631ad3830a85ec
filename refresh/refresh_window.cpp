#include "refresh/refresh_window.h"

#include <string_view>

#include "forms/handoff.h"
#include "look/look.h"
#include "refresh/design.h"
#include "refresh/texts.h"
#include "registry/numbers.h"

namespace refresh {

namespace {

constexpr const char* kRateValue = "RefreshRate";
constexpr const char* kBest = "Best";
constexpr const char* kBestStored = "-1";

void FillList(forms::ComboBox& box, std::string_view choices) {
  while (!choices.empty()) {
    const auto blank = choices.find(' ');
    box.AddItem(std::string(choices.substr(0, blank)));
    choices.remove_prefix(blank == std::string_view::npos ? choices.size() : blank + 1);
  }
}

}  // namespace

std::string ShownRate(const std::string& stored) {
  const std::optional<std::int16_t> rate = registry::WholeNumber(stored);
  if (!rate || *rate == 0) return "60";
  if (*rate == -1) return kBest;
  return registry::NumberText(*rate);
}

std::optional<std::string> StoredRate(const std::string& text) {
  if (registry::SameText(registry::Trimmed(text), kBest)) return std::string(kBestStored);
  return registry::CountText(text, 3);  // 1 to 999 Hz
}

RefreshWindow::RefreshWindow(forms::Program& program, registry::Registry& reg)
    : look::SettingsWindow(program, design::kWindow),
      reg_(reg),
      depth_options_{{{&Bit8, "8"}, {&Bit16, "16"}, {&Bit24, "24"}, {&Bit32, "32"}}} {
  Design();
  ConnectEvents();
  ConnectHover();
}

void RefreshWindow::Design() {
  for (int i = 0; i < kRows; ++i) FillList(rows_[i].box, texts::kRowDesign[i].choices);
  look::UseDarkScheme(*this);
  for (Row& row : rows_) {
    row.box.SetBackColor(forms::kLightGrey);
    row.box.SetForeColor(forms::kBlack);
  }
}

void RefreshWindow::ConnectEvents() {
  ok.Click = [this] { OnOkClick(); };
  cancel.Click = [this] { OnCancelClick(); };
  for (forms::OptionButton* option : {&Bit8, &Bit16, &Bit24, &Bit32, &LinkAllBit}) {
    option->Click = [this] { OnDepthOptionClick(); };
  }
}

void RefreshWindow::ConnectHover() { ConnectDesignHover(hover_); }

void RefreshWindow::ApplyDutch() { ApplyDesignDutch(); }

void RefreshWindow::OnLoad() {
  dutch_ = registry::IsDutch(reg_);
  if (dutch_) ApplyDutch();
  LoadPictures();
  LinkAllBit.SetValue(true);
  FindAdapter();
  LoadRefreshRates(ShownDepth());
}

// Switching depth shows that depth's stored rates; unsaved edits go.
void RefreshWindow::OnDepthOptionClick() {
  FindAdapter();
  LoadRefreshRates(ShownDepth());
}

void RefreshWindow::OnOkClick() {
  FindAdapter();
  if (adapter_ && !WriteRates()) return;
  forms::ReturnToOpener(*this);
}

// Cancel puts back the stored rates of the depth the selection shows, so
// that a later OK cannot write one depth's rates under another.
void RefreshWindow::OnCancelClick() {
  FindAdapter();
  LoadRefreshRates(ShownDepth());
  forms::ReturnToOpener(*this);
}

void RefreshWindow::FindAdapter() { adapter_ = registry::FindAdapter(reg_); }

void RefreshWindow::LoadRefreshRates(const char* depth) {
  if (!adapter_) return;  // no driver key: the boxes keep what they show
  for (int i = 0; i < kRows; ++i) {
    const std::string stored =
        reg_.GetString(registry::kLocalMachine,
                       adapter_->ModesKey(depth, registry::kResolutionList[i]), kRateValue);
    rows_[i].box.SetText(ShownRate(stored));
  }
}

const char* RefreshWindow::ShownDepth() const {
  for (const DepthOption& shown : depth_options_) {
    if (shown.option->Value()) return shown.depth;
  }
  return "16";  // LinkAllBit
}

std::vector<const char*> RefreshWindow::WrittenDepths() const {
  if (LinkAllBit.Value()) return {registry::kDepths.begin(), registry::kDepths.end()};
  for (const DepthOption& written : depth_options_) {
    if (written.option->Value()) return {written.depth};
  }
  return {};
}

bool RefreshWindow::WriteRates() {
  std::array<std::string, kRows> rates;
  if (!CheckedRates(rates)) return false;
  const std::vector<const char*> depths = WrittenDepths();
  for (int i = 0; i < kRows; ++i) {
    for (const char* depth : depths) {
      reg_.SaveString(registry::kLocalMachine,
                      adapter_->ModesKey(depth, registry::kResolutionList[i]), kRateValue,
                      rates[i]);
    }
  }
  return true;
}

bool RefreshWindow::CheckedRates(std::array<std::string, kRows>& rates) {
  for (int i = 0; i < kRows; ++i) {
    std::optional<std::string> rate = StoredRate(rows_[i].box.Text());
    if (!rate) {
      std::string message = texts::kRowDesign[i].caption;
      message += dutch_ ? texts::kBadRate.dutch : texts::kBadRate.english;
      host().ShowMessage(message, texts::kMessageTitle.english);
      host().SetFocus(rows_[i].box);
      return false;
    }
    rates[i] = *rate;
  }
  return true;
}

}  // namespace refresh
