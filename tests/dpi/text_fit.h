// Whether a control's text shows whole: the text measured in the
// control's own font (WM_GETFONT) the way the control draws it, against
// the room the control leaves it, for Wine tests.
//
//   text_fit::Fit fit = text_fit::Measure(FindControl(form, "label2"));
//   CHECK_MESSAGE(fit.Fits(), text_fit::Describe(fit));
//   for (const text_fit::Fit& misfit : text_fit::Misfits(form)) FAIL(Describe(misfit));
//
// Labels (STATIC) wrap at blanks, so a label fits when its wrapped text is
// no wider and no taller than the label. Push buttons lose their edges,
// check boxes and option buttons their box, frames their left and right
// ends. The text must also lie clear of the controls that paint after its
// own: those created later (below it in the z-order), and for a frame's
// caption everything above the frame.
//
// Above 96 DPI a text in "Small Fonts" is measured as Windows 98 draws
// it there, in a larger font than Wine has (text_fit.cpp).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace text_fit {

struct Fit {
  std::string name;        // the control's design name
  std::string text;        // its text, as the control holds it (ANSI)
  SIZE need = {0, 0};      // what the text takes, in pixels
  SIZE room = {0, 0};      // what the control leaves it, in pixels
  std::string covered_by;  // a control that paints over the text, or ""
  bool grown = false;      // measured in a Small Fonts larger than Wine's

  bool Fits() const { return need.cx <= room.cx && need.cy <= room.cy && covered_by.empty(); }
};

// Measures a label, push button, check box, option button or frame.
Fit Measure(HWND control);
// Every shown control of those kinds in the form that has text which
// does not show whole; `measured` counts what was measured.
std::vector<Fit> Misfits(HWND form, int* measured = nullptr);
// "label2 "4.12.01.1222": needs 63x13 px, has 25x17 px".
std::string Describe(const Fit& fit);

}  // namespace text_fit
