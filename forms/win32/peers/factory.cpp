#include "forms/win32/peers/factory.h"

#include "forms/win32/peers/check_box.h"
#include "forms/win32/peers/combo_box.h"
#include "forms/win32/peers/frame.h"
#include "forms/win32/peers/image.h"
#include "forms/win32/peers/label.h"
#include "forms/win32/peers/option.h"
#include "forms/win32/peers/push_button.h"
#include "forms/win32/peers/scroll_bar.h"

namespace forms::win32 {

namespace {

std::unique_ptr<ControlWindow> PeerOf(Context& context, Control& control) {
  switch (control.kind()) {
    case Kind::Label:
      return std::make_unique<LabelWindow>(context, static_cast<Label&>(control));
    case Kind::Frame:
      return std::make_unique<FrameWindow>(context, static_cast<Frame&>(control));
    case Kind::Button:
      return std::make_unique<PushButtonWindow>(context, static_cast<CommandButton&>(control));
    case Kind::CheckBox:
      return std::make_unique<CheckBoxWindow>(context, static_cast<CheckBox&>(control));
    case Kind::Option:
      return std::make_unique<OptionWindow>(context, static_cast<OptionButton&>(control));
    case Kind::ScrollBar:
      return std::make_unique<ScrollBarWindow>(context, static_cast<ScrollBar&>(control));
    case Kind::ComboBox:
      return std::make_unique<ComboBoxWindow>(context, static_cast<ComboBox&>(control));
    case Kind::Image:
      return std::make_unique<ImageWindow>(context, static_cast<Image&>(control));
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<ControlWindow> MakeControlWindow(Context& context, Control& control, HWND form,
                                                 int id) {
  std::unique_ptr<ControlWindow> window = PeerOf(context, control);
  if (window) window->Create(form, id);
  return window;
}

}  // namespace forms::win32
