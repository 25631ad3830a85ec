#include "tests/dpi/text_fit.h"

#include "forms/win32/automation.h"

namespace text_fit {

namespace {

enum class Shape { Label, Push, Box, Frame, Other };

Shape ShapeOf(HWND control) {
  char name[32] = {};
  GetClassNameA(control, name, sizeof(name));
  if (lstrcmpiA(name, "STATIC") == 0) return Shape::Label;
  if (lstrcmpiA(name, "BUTTON") != 0) return Shape::Other;
  switch (GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
      return Shape::Push;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return Shape::Box;
    case BS_GROUPBOX:
      return Shape::Frame;
    default:
      return Shape::Other;
  }
}

std::string TextOf(HWND control) {
  const int length = GetWindowTextLengthA(control);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  GetWindowTextA(control, &text[0], length + 1);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

// How the control lays its text out, as it draws it: DrawText wraps the
// text at `wrap` pixels and puts it at `origin` (centred in `room` for a
// push button); the text shows whole when it stays inside `room`.
struct Layout {
  int wrap;
  UINT flags;
  RECT room;
  bool centred;
};

Layout LayoutOf(HWND control, Shape shape, int width, int height) {
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  const UINT lines = (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
  switch (shape) {
    case Shape::Label: {
      const UINT prefix = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
      return {width, DT_WORDBREAK | DT_EXPANDTABS | prefix, {0, 0, width, height}, false};
    }
    case Shape::Push:
      // Laid out over the whole face, centred; it must keep off the two
      // pixels of edge and the default button's frame (three in all), and
      // off the two pixels of edge above and below.
      return {width, lines, {3, 2, width - 3, height - 2}, true};
    case Shape::Box: {
      // After the 13-pixel box and a gap of four pixels. The control moves
      // the text on by one pixel for its focus frame; a line that fills
      // the room then loses only its last blank column or trailing blanks.
      constexpr int kText = 13 + 4;
      return {width - kText, lines, {kText, 0, width, height}, false};
    }
    case Shape::Frame:
      // In the top line, seven pixels in from either end, moved on by one.
      return {width - 14, DT_SINGLELINE, {8, 0, width - 7, height}, false};
    case Shape::Other:
      break;
  }
  return {0, 0, {0, 0, 0, 0}, false};
}

// A control hides the text where its window lies over it and it paints
// after the text's control: controls paint in z-order from the top, and
// controls stand in creation (tab) order from the top, so what comes
// later paints later. Frames stand below everything and keep off their
// siblings (WS_CLIPSIBLINGS): a frame hides no text, and everything above
// a frame hides its caption.
std::string CoverOf(HWND control, Shape shape, const RECT& text) {
  const UINT direction = shape == Shape::Frame ? GW_HWNDPREV : GW_HWNDNEXT;
  for (HWND other = GetWindow(control, direction); other; other = GetWindow(other, direction)) {
    if (!IsWindowVisible(other)) continue;
    if (shape != Shape::Frame && ShapeOf(other) == Shape::Frame) continue;
    RECT rect, overlap;
    GetWindowRect(other, &rect);
    if (!IntersectRect(&overlap, &rect, &text)) continue;
    const std::string name = forms::automation::NameOf(other);
    return name.empty() ? "(unnamed)" : name;
  }
  return "";
}

struct Walk {
  std::vector<Fit> misfits;
  int measured = 0;
  HWND form;
};

BOOL CALLBACK MeasureChild(HWND child, LPARAM lparam) {
  auto* walk = reinterpret_cast<Walk*>(lparam);
  if (GetParent(child) != walk->form || !IsWindowVisible(child)) return TRUE;
  if (ShapeOf(child) == Shape::Other || GetWindowTextLengthA(child) == 0) return TRUE;
  ++walk->measured;
  Fit fit = Measure(child);
  if (!fit.Fits()) walk->misfits.push_back(fit);
  return TRUE;
}

// Windows 98 at 120 DPI draws "Small Fonts" from a font file of its own
// for that DPI, whose sizes grow with it; Wine's smalle.fon stops at
// 11 pixels, so under Wine a text in it stays as small as at 96 DPI.
// Such a text is measured as Windows draws it: in a font as much larger
// as the font's 96-DPI height scaled to this DPI (rounded up) is taller
// than the one Wine gives, as the bitmap fonts made for 120 DPI are.
// Scale 1 for every other font and at 96 DPI.
struct Scale {
  int times = 1;  // what Windows draws, ...
  int per = 1;    // ... per what Wine draws
};

Scale SmallFontsScale(HDC dc, HFONT font) {
  LOGFONTA asked = {};
  TEXTMETRICA given = {};
  if (!GetObjectA(font, sizeof(asked), &asked) || lstrcmpiA(asked.lfFaceName, "Small Fonts") != 0 ||
      !GetTextMetricsA(dc, &given)) {
    return {};
  }
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  asked.lfHeight = MulDiv(asked.lfHeight, 96, dpi);
  HFONT at96 = CreateFontIndirectA(&asked);
  HGDIOBJ old = SelectObject(dc, at96);
  TEXTMETRICA standard = {};
  GetTextMetricsA(dc, &standard);
  SelectObject(dc, old);
  DeleteObject(at96);
  const int windows = (standard.tmHeight * dpi + 95) / 96;
  if (windows <= given.tmHeight) return {};
  return {windows, static_cast<int>(given.tmHeight)};
}

int Up(int pixels, const Scale& scale) {
  return (pixels * scale.times + scale.per - 1) / scale.per;
}

}  // namespace

Fit Measure(HWND control) {
  Fit fit;
  fit.name = forms::automation::NameOf(control);
  fit.text = TextOf(control);
  const Shape shape = ShapeOf(control);
  RECT client;
  GetClientRect(control, &client);
  const Layout layout = LayoutOf(control, shape, client.right, client.bottom);
  fit.room = {layout.room.right - layout.room.left, layout.room.bottom - layout.room.top};
  if (shape == Shape::Other || fit.text.empty()) return fit;

  HDC dc = GetDC(control);
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  HGDIOBJ old = SelectObject(dc, font);
  const Scale scale = SmallFontsScale(dc, font);
  fit.grown = scale.times != scale.per;
  // A larger font wraps as this one does in a room as much narrower.
  RECT text = {0, 0, layout.wrap * scale.per / scale.times, 0};
  DrawTextA(dc, fit.text.c_str(), -1, &text, layout.flags | DT_CALCRECT);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  fit.need = {Up(text.right - text.left, scale), Up(text.bottom - text.top, scale)};

  // Where the text stands on the screen: at the left of its room, in the
  // middle of a push button, in the middle of a box's height.
  POINT origin = {layout.room.left, layout.room.top};
  if (layout.centred) origin.x = (client.right - fit.need.cx) / 2;
  if (layout.centred || shape == Shape::Box) origin.y = (client.bottom - fit.need.cy) / 2;
  ClientToScreen(control, &origin);
  const RECT on_screen = {origin.x, origin.y, origin.x + fit.need.cx, origin.y + fit.need.cy};
  fit.covered_by = CoverOf(control, shape, on_screen);
  return fit;
}

std::vector<Fit> Misfits(HWND form, int* measured) {
  Walk walk{{}, 0, form};
  EnumChildWindows(form, &MeasureChild, reinterpret_cast<LPARAM>(&walk));
  if (measured) *measured = walk.measured;
  return walk.misfits;
}

std::string Describe(const Fit& fit) {
  std::string text = fit.name + " \"" + fit.text + "\": needs " + std::to_string(fit.need.cx) +
                     "x" + std::to_string(fit.need.cy) + " px";
  if (fit.grown) text += " in Windows' own Small Fonts";
  text += ", has " + std::to_string(fit.room.cx) + "x" + std::to_string(fit.room.cy) + " px";
  if (!fit.covered_by.empty()) text += ", lies under " + fit.covered_by;
  return text;
}

}  // namespace text_fit
