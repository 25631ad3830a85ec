// The automation contract's window properties: "Name", the design name as
// a global atom, and "ForeColor", the text colour as 0x00BBGGRR.
//
// Global atoms outlive the process that made them unless deleted, and
// they compare without regard to case: a name that another program left
// behind in other letters ("scrSpeed" for "scrspeed") comes back spelled
// as it was first added. Readers compare names ignoring case.
#pragma once

#include <windows.h>

#include <string>

namespace forms::win32 {

void SetName(HWND hwnd, const std::string& name);
// Removes the "Name" property and gives its atom back.
void ReleaseName(HWND hwnd);
// Gives back the names of a window and all its descendants.
void ReleaseNames(HWND hwnd);
// The "Name" property as the atom table spells it, or "".
std::string NameOf(HWND hwnd);

void SetForeColorProperty(HWND hwnd, COLORREF color);

}  // namespace forms::win32
