// The hand-off between the main window and the others: one window visible
// at a time, each appearing where the last one was.
#pragma once

#include "forms/forms.h"

namespace forms {

// `target` takes `from`'s position, is shown, and `from` is hidden.
void OpenAt(Form& target, Form& from);
// As OpenAt, with `target` centred on `from`.
void OpenCentred(Form& target, Form& from);
// The form that opened `self` takes `self`'s position and is shown;
// `self` is hidden.
void ReturnToOpener(Form& self);
// The opener is shown where it stood; `self` is hidden.
void ReturnInPlace(Form& self);

}  // namespace forms
