#include "info/info_window.h"

#include <string>

#include "forms/handoff.h"
#include "info/design.h"
#include "info/texts.h"
#include "look/look.h"

namespace info {

namespace {

// The driver version's line in Dutch, in twips: as much as the driver
// frame grows and "label2" moves down in Dutch (design.h).
constexpr int kDriverVersionLine = 255;
}  // namespace

// The stored values in the order Load reads and shows them, which is not
// the order of the lines: the provider before the version, the LCD
// before the TV output. Each is shown by the label at its place in
// stored_labels_.
const InfoWindow::StoredValue InfoWindow::kStoredValues[] = {
    {kDataKey, "Bus Type"},              // bus_type
    {kDataKey, "Memory Type"},           // memory_type
    {kDataKey, "Total Video Memory"},    // memory_size
    {kDataKey, "Memory Clock Speed"},    // memory_clock
    {kDataKey, "Graphics Clock Speed"},  // graphics_clock
    {kDataKey, "GFX Clock Speed"},       // gfx_clock
    {kDataKey, "BIOS Version"},          // bios_version
    {kDriverKey, "ProviderName"},        // provider
    {kDriverKey, "Ver"},                 // driver_version
    {kDataKey, "LCD"},                   // lcd
    {kDataKey, "TV Out"},                // tv_out
};

InfoWindow::InfoWindow(forms::Program& program, registry::Registry& reg)
    : look::DesignedWindow(program, design::kWindow),
      reg_(reg),
      stored_labels_{{&bus_type, &memory_type, &memory_size, &memory_clock, &graphics_clock,
                      &gfx_clock, &bios_version, &provider, &driver_version, &lcd, &tv_out}} {
  Design();
  ConnectEvents();
  ConnectHover();
}

void InfoWindow::Design() {
  look::UseDarkScheme(*this);
  // No default or cancel button, as designed: Enter and Space press the
  // focused button, which Load makes "&Back", and Esc presses nothing.
}

void InfoWindow::ConnectEvents() {
  back.Click = [this] { OnBackClick(); };
  quitcmd.Click = [this] { OnQuitcmdClick(); };
}

void InfoWindow::ConnectHover() { ConnectDesignHover(hover_); }

// The window grows by the driver version's line of its own (the Dutch
// places of info/design.h).
void InfoWindow::ApplyDutch() {
  ApplyDesignDutch();
  SetClientSize(ClientWidth(), ClientHeight() + kDriverVersionLine);
}

// Each step stands alone: a missing picture or value leaves its control
// empty and the load goes on. The values are read here only, once: later
// openings show them as they were.
void InfoWindow::OnLoad() {
  dutch_ = registry::IsDutch(reg_);
  if (dutch_) ApplyDutch();
  look::LoadTopPictures(left_emblem, imgvoodoo3, right_emblem);
  adapter_ = registry::FindAdapter(reg_);
  ShowValues();
  ShowModel();
  // Deliberate: the window opens with the focus on "&Back", not on
  // "&Exit", so that a key pressed at once goes back and never ends the
  // program.
  host().SetFocus(back);
}

// Gives the focus back to "&Back" first, wherever it was, so that the next
// opening starts there too.
void InfoWindow::OnBackClick() {
  host().SetFocus(back);
  forms::ReturnToOpener(*this);
}

// "&Exit" ends the whole program, as the close box does.
void InfoWindow::OnQuitcmdClick() { program().End(); }

// The values exactly as stored, no units. Without a Voodoo3 adapter the
// labels that come from the driver's keys stay empty.
void InfoWindow::ShowValues() {
  if (adapter_) product.SetCaption(adapter_->Description());
  hardware_version.SetCaption(texts::kHardVersionValue.english);
  manufacturer.SetCaption(texts::kManufacturerValue.english);
  if (!adapter_) return;
  const std::string keys[] = {adapter_->InfoKey(), adapter_->DriverKey()};
  for (std::size_t i = 0; i < stored_labels_.size(); ++i) {
    const StoredValue& value = kStoredValues[i];
    stored_labels_[i]->SetCaption(
        reg_.GetString(registry::kLocalMachine, keys[value.key], value.name));
  }
}

// The model follows from the two output labels just filled, by the same
// rule as the main window and the uninstaller.
void InfoWindow::ShowModel() {
  const registry::CardModel model = registry::ModelFromOutputs(lcd.Caption(), tv_out.Caption());
  framinfo.SetCaption(framinfo.Caption() +
                      texts::kModelCaptions[static_cast<int>(model)].In(dutch_));
}

}  // namespace info
