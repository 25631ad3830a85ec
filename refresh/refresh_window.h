// The refresh window, frmrefresh: the monitor refresh rate the Voodoo3
// driver uses for each of fifteen resolutions, for one colour depth or
// for all four at once. Each rate is the "RefreshRate" text of the
// driver's MODES\<depth>\<resolution> key.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "forms/forms.h"
#include "forms/hover.h"
#include "look/look.h"
#include "look/settings_window.h"
#include "registry/driver.h"
#include "registry/registry.h"

namespace refresh {

// What a box shows for a stored rate: "Best" for -1, "60" for 0 or an
// unreadable text, else the whole number ("085" shows "85").
std::string ShownRate(const std::string& stored);

// What OK stores for a box: "-1" for Best in any letter case, the digits
// of a rate from 1 to 999 Hz without leading zeros; nothing for any other
// text. Blanks around either are ignored.
std::optional<std::string> StoredRate(const std::string& text);

class RefreshWindow : public look::SettingsWindow {
 public:
  static constexpr int kRows = 15;

  // Out of line: inlined into the composition of a run, which makes every
  // window in one function, each control taken costs more bytes.
  __attribute__((noinline)) RefreshWindow(forms::Program& program, registry::Registry& reg);

  // Row `index` (1 to 15): its resolution label and its rate box, the
  // element `Combo(index)` of the design's control array.
  forms::Label& RowLabel(int index) { return rows_[index - 1].label; }
  forms::ComboBox& RateBox(int index) { return rows_[index - 1].box; }

 private:
  struct Row {
    forms::Label& label;
    forms::ComboBox& box;
  };

 public:
  // Controls in tab order after the top row, as refresh/design.h makes
  // them.
  forms::Frame& rates_frame = Next<forms::Frame>();  // Frame1

 private:
  std::array<Row, kRows> rows_{{NextRow(), NextRow(), NextRow(), NextRow(), NextRow(), NextRow(),
                                NextRow(), NextRow(), NextRow(), NextRow(), NextRow(), NextRow(),
                                NextRow(), NextRow(), NextRow()}};

 public:
  forms::Frame& framcolor = Next<forms::Frame>();
  forms::OptionButton& Bit8 = Next<forms::OptionButton>();
  forms::OptionButton& Bit16 = Next<forms::OptionButton>();
  forms::OptionButton& Bit24 = Next<forms::OptionButton>();
  forms::OptionButton& Bit32 = Next<forms::OptionButton>();
  forms::OptionButton& LinkAllBit = Next<forms::OptionButton>();
  forms::Label& rates_note = Next<forms::Label>();  // Label16

 protected:
  void OnLoad() override;

 private:
  // A one-depth option and the depth it shows and writes.
  struct DepthOption {
    forms::OptionButton* option;
    const char* depth;
  };

  // A row's label and box, the next two controls of the design.
  Row NextRow() {
    forms::Label& label = Next<forms::Label>();
    return {label, Next<forms::ComboBox>()};
  }

  void Design();
  void ConnectEvents();
  void ConnectHover();
  void ApplyDutch();

  void OnDepthOptionClick();
  void OnOkClick();
  void OnCancelClick();

  // The driver key is looked up afresh before every operation.
  void FindAdapter();
  void LoadRefreshRates(const char* depth);
  // The depth whose rates the boxes show for the selected option.
  const char* ShownDepth() const;
  // The depths OK writes for the selected option.
  std::vector<const char*> WrittenDepths() const;
  // Writes every row for the selected depths; false, with nothing
  // written, when a box holds no rate.
  bool WriteRates();
  // The stored texts of all rows, into `rates`; false after telling the
  // user which box holds no rate.
  bool CheckedRates(std::array<std::string, kRows>& rates);

  registry::Registry& reg_;
  // Bit8 to Bit32, in the order OK tests them; LinkAllBit stands apart.
  std::array<DepthOption, 4> depth_options_;
  std::optional<registry::Adapter> adapter_;
  bool dutch_ = false;
  forms::Hover hover_{look::kCaptions};
};

}  // namespace refresh
