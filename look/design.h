// A window as a table: every control of a window's design is one row, in
// the design's order (the tab order), with its kind, design name, frame,
// place and size in twips, English text and the Dutch that replaces it,
// font and hover reaction. A window deriving DesignedWindow hands its
// table to the constructor, which makes, places and captions the
// controls; the window takes them in the same order as references
// (`forms::Label& product = Next<forms::Label>();`) and keeps only its
// behaviour in code.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "forms/forms.h"
#include "forms/hover.h"
#include "look/texts.h"

namespace look {

// A control's font and visibility, as bits.
enum Style : std::uint8_t {
  kPlain = 0,
  kBold = 1,          // the design font in bold
  kLarge = 2,         // the design font at 9.75 points
  kSmallInDutch = 4,  // the small font in Dutch (UseSmallFont)
  kDutchOnly = 8,     // hidden in English, shown in Dutch
  kVertical = 16,     // a vertical scroll bar
  kNoMnemonic = 32,   // a label whose "&" shows as itself
};

// What the mouse over a control does to the window's frame captions.
enum class HoverRole : std::uint8_t {
  kStill,   // nothing: the colours stay as they are
  kRests,   // every frame rests
  kLights,  // lights its outermost frame (a frame on the form: itself)
};

struct ControlDesign {
  forms::Kind kind;
  const char* name;
  const char* in;  // the design name of its frame; null: on the form
  std::int16_t left, top, width, height;
  Text text;  // without English, the control keeps an empty caption
  std::uint8_t style = kPlain;
  HoverRole hover = HoverRole::kStill;
  std::int8_t index = -1;  // within a control array ("Combo(3)"), or -1
};

// Short names for the tables' columns.
namespace rows {
constexpr forms::Kind kImage = forms::Kind::Image;
constexpr forms::Kind kButton = forms::Kind::Button;
constexpr forms::Kind kFrame = forms::Kind::Frame;
constexpr forms::Kind kLabel = forms::Kind::Label;
constexpr forms::Kind kCheck = forms::Kind::CheckBox;
constexpr forms::Kind kOption = forms::Kind::Option;
constexpr forms::Kind kScroll = forms::Kind::ScrollBar;
constexpr forms::Kind kCombo = forms::Kind::ComboBox;
constexpr HoverRole kStill = HoverRole::kStill;
constexpr HoverRole kRests = HoverRole::kRests;
constexpr HoverRole kLights = HoverRole::kLights;
constexpr const char* kForm = nullptr;
}  // namespace rows

// A row as the program reads it (Pack): the frame as the number of its
// row, the small columns in a byte each, 24 bytes where the table's row
// takes 32.
struct ControlRow {
  const char* name = nullptr;
  Text text{};
  std::int16_t left = 0, top = 0, width = 0, height = 0;
  forms::Kind kind = forms::Kind::Label;
  std::uint8_t frame = 0;  // one more than its frame's row; 0: on the form
  std::uint8_t style = kPlain;
  std::uint8_t hover_and_index = 0;  // the role, and above it the index + 1

  constexpr HoverRole hover() const { return HoverRole(hover_and_index & 3); }
  constexpr int index() const { return (hover_and_index >> 2) - 1; }
};

// Stands where a frame named in the table is not a frame above the row:
// not a constant, so a table naming one does not compile.
inline void NoSuchFrame() {}

template <std::size_t N>
struct ControlRows {
  ControlRow rows[N];
};

// The table's rows as the program reads them, each frame found by name.
template <std::size_t N>
constexpr ControlRows<N> Pack(const ControlDesign (&table)[N]) {
  ControlRows<N> out{};
  for (std::size_t i = 0; i < N; ++i) {
    const ControlDesign& row = table[i];
    ControlRow& packed = out.rows[i];
    packed.name = row.name;
    packed.text = row.text;
    packed.left = row.left;
    packed.top = row.top;
    packed.width = row.width;
    packed.height = row.height;
    packed.kind = row.kind;
    packed.style = row.style;
    packed.hover_and_index = std::uint8_t(int(row.hover) | (row.index + 1) << 2);
    if (!row.in) continue;
    std::size_t frame = 0;
    while (frame < i && !(table[frame].kind == forms::Kind::Frame &&
                          std::string_view(table[frame].name) == row.in)) {
      ++frame;
    }
    if (frame == i) NoSuchFrame();
    packed.frame = std::uint8_t(frame + 1);
  }
  return out;
}

// A control that moves in Dutch, to this place.
struct DutchPlace {
  const char* name;
  std::int16_t left, top, width, height;
};

// A table and its length.
template <typename Row>
struct Rows {
  const Row* rows = nullptr;
  std::size_t count = 0;

  constexpr Rows() = default;
  template <std::size_t N>
  constexpr Rows(const Row (&table)[N]) : rows(table), count(N) {}
  template <std::size_t N>
  constexpr Rows(const ControlRows<N>& table) : rows(table.rows), count(N) {}
  constexpr const Row* begin() const { return rows; }
  constexpr const Row* end() const { return rows + count; }
};

struct WindowDesign {
  const char* name;
  Text caption;
  std::int16_t width, height;  // of the client area, in twips
  Rows<ControlRow> controls;
  Rows<DutchPlace> dutch_places;
};

// A form made from its design. The controls belong to it; the derived
// window takes each one, in the table's order, with Next.
class DesignedWindow : public forms::Form {
 public:
  ~DesignedWindow() override;

 protected:
  DesignedWindow(forms::Program& program, const WindowDesign& design);

  // The next control of the table, which must be a T.
  template <typename T>
  T& Next() {
    return static_cast<T&>(NextOf(KindOf(static_cast<T*>(nullptr))));
  }

  // The Dutch texts, small fonts, places and Dutch-only controls of the
  // table.
  void ApplyDesignDutch();
  // The table's hover reactions; the form itself rests every frame.
  void ConnectDesignHover(forms::Hover& hover);

 private:
  forms::Control& NextOf(forms::Kind kind);
  forms::Control* Made(const char* name) const;

  static constexpr forms::Kind KindOf(forms::Label*) { return forms::Kind::Label; }
  static constexpr forms::Kind KindOf(forms::Frame*) { return forms::Kind::Frame; }
  static constexpr forms::Kind KindOf(forms::CommandButton*) { return forms::Kind::Button; }
  static constexpr forms::Kind KindOf(forms::CheckBox*) { return forms::Kind::CheckBox; }
  static constexpr forms::Kind KindOf(forms::OptionButton*) { return forms::Kind::Option; }
  static constexpr forms::Kind KindOf(forms::ScrollBar*) { return forms::Kind::ScrollBar; }
  static constexpr forms::Kind KindOf(forms::ComboBox*) { return forms::Kind::ComboBox; }
  static constexpr forms::Kind KindOf(forms::Image*) { return forms::Kind::Image; }

  const WindowDesign& design_;
  // In the table's order.
  std::vector<forms::Control*> controls_;
  std::size_t next_ = 0;
};

}  // namespace look
