#include "forms/win32/names.h"

#include "forms/win32/text.h"

namespace forms::win32 {

namespace {

constexpr const char* kName = "Name";

BOOL CALLBACK ReleaseChild(HWND hwnd, LPARAM) {
  ReleaseName(hwnd);
  return TRUE;
}

}  // namespace

void SetName(HWND hwnd, const std::string& name) {
  const ATOM atom = GlobalAddAtomA(Utf8ToAnsi(name).c_str());
  SetPropA(hwnd, kName, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(atom)));
}

void ReleaseName(HWND hwnd) {
  const auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(RemovePropA(hwnd, kName)));
  if (atom) GlobalDeleteAtom(atom);
}

void ReleaseNames(HWND hwnd) {
  EnumChildWindows(hwnd, &ReleaseChild, 0);
  ReleaseName(hwnd);
}

std::string NameOf(HWND hwnd) {
  if (!hwnd) return std::string();
  const auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropA(hwnd, kName)));
  if (!atom) return std::string();
  char name[256] = {};
  const UINT length = GlobalGetAtomNameA(atom, name, sizeof(name));
  return AnsiToUtf8(std::string(name, length));
}

void SetForeColorProperty(HWND hwnd, COLORREF color) {
  SetPropA(hwnd, "ForeColor", reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(color)));
}

}  // namespace forms::win32
