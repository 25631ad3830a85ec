#include "journeys/outside.h"

#include "journeys/machine.h"

namespace journeys {

Program::Program(const char* exe)
    : test_support::Process("\"" + std::string(kFolder) + "\\" + exe + "\"", "C:\\") {}

std::string BoxText(HWND combo) {
  char text[256] = {};
  SendMessageA(combo, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

}  // namespace journeys
