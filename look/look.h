// The look every Tarnolux window shares: black backgrounds with light-yellow
// texts, frame captions that light red under the mouse, and the row of
// pictures along the top (the emblem, the banner, the emblem again) from
// the program's folder.
#pragma once

#include "forms/forms.h"
#include "forms/hover.h"

namespace look {

// Frame captions at rest and under the mouse (forms::Hover).
constexpr forms::Hover::Colors kCaptions{forms::kLightYellow, forms::kRed};

// The picture files beside the program.
constexpr const char* kBanner = "pic2.jpg";
constexpr const char* kEmblem = "pic1.jpg";

// The window classes of the forms and of the picture controls.
constexpr const char* kFormClass = "TarnoluxForm";
constexpr const char* kImageClass = "TarnoluxImage";

// Black backgrounds, and light-yellow texts on the form's labels, frames,
// check boxes and option buttons.
void UseDarkScheme(forms::Form& form);

// Loads the top row's pictures: the banner first, then both emblems. A
// missing picture leaves its image empty.
void LoadTopPictures(forms::Image& left, forms::Image& banner, forms::Image& right);

// The small font some long Dutch texts need, in the control's own
// boldness.
void UseSmallFont(forms::Control& control);

}  // namespace look
