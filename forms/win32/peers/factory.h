// Where control peers are made: the one place that looks at a control's
// kind.
#pragma once

#include <windows.h>

#include <memory>

#include "forms/forms.h"
#include "forms/win32/context.h"
#include "forms/win32/control_window.h"

namespace forms::win32 {

// The peer of `control`'s kind with its window made, a child of `form`
// with control ID `id`.
std::unique_ptr<ControlWindow> MakeControlWindow(Context& context, Control& control, HWND form,
                                                 int id);

}  // namespace forms::win32
