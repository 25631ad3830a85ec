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

class RefreshWindow : public forms::Form {
 public:
  static constexpr int kRows = 15;

  RefreshWindow(forms::Program& program, registry::Registry& reg);

  // Row `index` (1 to 15): its resolution label and the box `Combo(index)`.
  forms::Label& RowLabel(int index) { return rows_[index - 1].label; }
  forms::ComboBox& Combo(int index) { return rows_[index - 1].combo; }

 private:
  struct Row {
    Row(forms::Frame& frame, int number);
    forms::Label label;
    forms::ComboBox combo;
  };

 public:
  // Controls in tab order.
  forms::Image Image2{*this, "Image2"};
  forms::Image imgvoodoo3{*this, "imgvoodoo3"};
  forms::Image Image1{*this, "Image1"};
  forms::CommandButton ok{*this, "ok"};
  forms::CommandButton cancel{*this, "cancel"};
  forms::Frame Frame1{*this, "Frame1"};

 private:
  std::array<Row, kRows> rows_{{{Frame1, 1},
                                {Frame1, 2},
                                {Frame1, 3},
                                {Frame1, 4},
                                {Frame1, 5},
                                {Frame1, 6},
                                {Frame1, 7},
                                {Frame1, 8},
                                {Frame1, 9},
                                {Frame1, 10},
                                {Frame1, 11},
                                {Frame1, 12},
                                {Frame1, 13},
                                {Frame1, 14},
                                {Frame1, 15}}};

 public:
  forms::Frame framcolor{Frame1, "framcolor"};
  forms::OptionButton Bit8{framcolor, "Bit8"};
  forms::OptionButton Bit16{framcolor, "Bit16"};
  forms::OptionButton Bit24{framcolor, "Bit24"};
  forms::OptionButton Bit32{framcolor, "Bit32"};
  forms::OptionButton LinkAllBit{framcolor, "LinkAllBit"};
  forms::Label Label16{Frame1, "Label16"};

 protected:
  void OnLoad() override;

 private:
  void Design();
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
  // The stored texts of all rows, or nothing after telling the user
  // which box holds no rate.
  std::optional<std::array<std::string, kRows>> CheckedRates();

  registry::Registry& reg_;
  std::optional<registry::Adapter> adapter_;
  bool dutch_ = false;
  forms::Hover hover_;
};

}  // namespace refresh
